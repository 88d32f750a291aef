#include "domain/search.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/cp865.hpp"
#include "domain/printing_record_reader.hpp"
#include "domain/printing_records.hpp"
#include "support/dat_section.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::datFile;
using test::datSection;
using test::positionRecord;

const std::string kDot(1, cp865::kMiddleDot);        // "·"
const std::string kNone(1, static_cast<char>(246));  // "÷"
const std::string kTop(1, cp865::kOslash);           // "ø"

// A result line as stored: padded with blanks to its 55 characters.
std::string line(std::string text) {
  text.resize(kResultLineLength, ' ');
  return text;
}

class Recorder : public SearchProgress {
 public:
  void printingStarted(const std::string& label, bool beyondRange) override {
    labels.push_back(label + (beyondRange ? " beyond" : ""));
  }
  void linesChanged(int found) override { counts.push_back(found); }
  std::vector<std::string> labels;
  std::vector<int> counts;
};

struct Criteria {
  std::string position = kDot, type = kDot, cliche = kDot;
};

class SearchTest : public ::testing::Test {
 protected:
  // Runs a search over `records`, the section of edition + value.
  SearchSummary run(const std::vector<std::string>& records, const std::string& edition,
                    const std::string& value, int from, int to, std::vector<Criteria> sets) {
    const DataFile file = datFile(edition + value + "DAT", datSection(records));
    scope.edition = edition;
    scope.value = value;
    scope.fromPrinting = std::to_string(from);
    scope.toPrinting = std::to_string(to);
    criteria.setsInUse = static_cast<int>(sets.size());
    for (std::size_t k = 0; k < 3; ++k) {
      const Criteria c = k < sets.size() ? sets[k] : Criteria{};
      criteria.criteria[k] = {c.position, c.type, c.cliche};
    }
    return runSearch(scope, criteria, *list, file, &progress);
  }

  std::vector<std::string> listed() const {
    std::vector<std::string> out;
    for (int n = 1; n <= list->foundCount; ++n) out.push_back(list->results.line(n));
    return out;
  }

  SearchScope scope;
  SearchCriteria criteria;
  std::unique_ptr<SearchList> list = std::make_unique<SearchList>();
  Recorder progress;
};

// ---------------------------------------------------------------------------------------
// Criteria.

TEST_F(SearchTest, PairsFromColumnFiveCoverEveryRowOfEveryPaneAndNeverColumnTen) {
  run({"F2", "T1", positionRecord("A5", "7", "12"), positionRecord("A6", "8a", "13"), "T2"}, "A",
      "2s", 1, 1, {{"5"}, {"6"}});
  ASSERT_EQ(list->foundCount, 20);
  EXPECT_EQ(list->results.line(1), line("2s1    "
                                        "A5-6    "
                                        "  7"
                                        "-8a "
                                        "    "
                                        " "
                                        "  12"
                                        "-13  "
                                        "     "
                                        "   "));
  EXPECT_EQ(list->results.line(2), line("2s1    "
                                        "A15-16  "
                                        "   "
                                        "-   "
                                        "    "
                                        " "
                                        "    "
                                        "-    "
                                        "     "
                                        "   "));
  EXPECT_EQ(list->results.line(11), line("2s1    "
                                         "B5-6    "
                                         "   "
                                         "-   "
                                         "    "
                                         " "
                                         "    "
                                         "-    "
                                         "     "
                                         "   "));
  EXPECT_EQ(list->results.line(20), line("2s1    "
                                         "B95-96  "
                                         "   "
                                         "-   "
                                         "    "
                                         " "
                                         "    "
                                         "-    "
                                         "     "
                                         "   "));

  run({"F2", "T1", "T2"}, "A", "2s", 1, 1, {{}, {}});
  EXPECT_EQ(list->foundCount, 180);  // nine pairs in each of the twenty rows
  for (const auto& l : listed()) {
    EXPECT_EQ(l.find("10-"), std::string::npos) << l;
    EXPECT_EQ(l.find("-11"), std::string::npos) << l;
  }
}

TEST_F(SearchTest, StripsOfThreeNeverStartInColumnsNineOrTen) {
  run({"F2", "T1", "T2"}, "A", "2s", 1, 1, {{}, {}, {}});
  EXPECT_EQ(list->foundCount, 160);
  EXPECT_EQ(list->results.line(8), line("2s1    "
                                        "A8-9-10 "
                                        "   "
                                        "-   "
                                        "-   "
                                        " "
                                        "    "
                                        "-    "
                                        "-    "
                                        "   "));
  // Past the first row the three numbers do not fit: the middle one is left out.
  EXPECT_EQ(list->results.line(9).substr(0, 15), "2s1    A11-13  ");
  EXPECT_EQ(list->results.line(80).substr(0, 15), "2s1    A98-100 ");
  // On a one-pane sheet the leading blank makes room.
  run({"T1", "T2"}, "A", "2s", 1, 1, {{}, {}, {}});
  EXPECT_EQ(list->foundCount, 80);
  EXPECT_EQ(list->results.line(1).substr(0, 15), "2s1     1-2-3  ");
  EXPECT_EQ(list->results.line(9).substr(0, 15), "2s1    11-12-13");
  EXPECT_EQ(list->results.line(80).substr(0, 15), "2s1    98-100  ");
}

TEST_F(SearchTest, OneCharacterTypeMatchesItsLetterFormsButNotLongerNumbers) {
  const std::vector<std::string> records = {"F2",
                                            "T1",
                                            positionRecord("A1", "7", "1"),
                                            positionRecord("A2", "7a", "2"),
                                            positionRecord("A3", "70", "3"),
                                            positionRecord("A4", "17", "4"),
                                            positionRecord("A5", "", "", 'o'),
                                            "T2"};
  const auto positions = [this] {
    std::vector<std::string> out;
    for (const auto& l : listed()) out.push_back(l.substr(7, 3));
    return out;
  };
  run(records, "A", "2s", 1, 1, {{kDot, "7"}});
  EXPECT_EQ(positions(), (std::vector<std::string>{"A1 ", "A2 "}));
  run(records, "A", "2s", 1, 1, {{kDot, "7 "}});  // exactly type 7
  EXPECT_EQ(positions(), (std::vector<std::string>{"A1 "}));
  run(records, "A", "2s", 1, 1, {{kDot, "7A"}});
  EXPECT_EQ(positions(), (std::vector<std::string>{"A2 "}));
  run(records, "A", "2s", 1, 1, {{kDot, "70"}});
  EXPECT_EQ(positions(), (std::vector<std::string>{"A3 "}));
  criteria.includeUndetermined = true;  // the undetermined position counts as any number
  run(records, "A", "2s", 1, 1, {{kDot, "7"}});
  EXPECT_EQ(positions(), (std::vector<std::string>{"A1 ", "A2 ", " .5"}));
}

TEST_F(SearchTest, AnyKnownTypeListsUndeterminedOnesOnlyWhenIncluded) {
  const std::vector<std::string> records = {"F2",
                                            "T1",
                                            positionRecord("A1", "5", "1"),
                                            positionRecord("A2", "", "", 'o'),
                                            positionRecord("A3", "", "9"),
                                            "T2"};
  run(records, "A", "2s", 1, 1, {{kDot, "*"}});
  EXPECT_EQ(list->foundCount, 1);
  EXPECT_EQ(list->results.line(1).substr(7, 3), "A1 ");
  criteria.includeUndetermined = true;
  run(records, "A", "2s", 1, 1, {{kDot, "*"}});
  ASSERT_EQ(list->foundCount, 2);
  EXPECT_EQ(list->results.line(2), line("2s1    "
                                        " .2     "
                                        "  ?"
                                        "    "
                                        "    "
                                        " "
                                        "    "
                                        "     "
                                        "     "
                                        "   "));
}

TEST_F(SearchTest, NothingGivenMatchesEmptyAndUndeterminedTypesAndEmptyClichés) {
  const std::vector<std::string> records = {"T1",
                                            positionRecord("1", "5", "1"),
                                            positionRecord("2", "", "", 'o'),
                                            positionRecord("3", "6", ""),
                                            "X9",
                                            "T2"};
  run(records, "A", "2s", 1, 1, {{"1", kNone}});
  EXPECT_EQ(list->foundCount, 9);  // 11..91, all empty; position 1 has type 5
  run(records, "A", "2s", 1, 1, {{"2", kNone}});
  EXPECT_EQ(list->foundCount, 10);
  run(records, "A", "2s", 1, 1, {{"3", kDot, kNone}});
  EXPECT_EQ(list->foundCount, 10);
  run(records, "A", "2s", 1, 1, {{kDot, kDot, "*"}});
  EXPECT_EQ(list->foundCount, 1);
  run(records, "A", "2s", 1, 1, {{kDot, kDot, "1"}});
  EXPECT_EQ(list->foundCount, 1);
}

TEST_F(SearchTest, RowCriteriaKeepTheTopOrBottomRowOfEveryPane) {
  std::vector<std::string> records = {"F4", "T1"};
  for (const char* d : {"A5", "A95", "B5", "B95", "C5", "C95", "C50", "D5", "D95", "+"}) {
    records.push_back(positionRecord(d, "7", "1"));
  }
  records.push_back("T2");
  const auto positions = [this] {
    std::vector<std::string> out;
    for (const auto& l : listed()) out.push_back(l.substr(7, 4));
    return out;
  };
  run(records, "V", "5" + kTop, 1, 1, {{kTop, "7"}});
  EXPECT_EQ(positions(), (std::vector<std::string>{"A5  ", "B5  ", "C5  ", "D5  "}));
  run(records, "V", "5" + kTop, 1, 1, {{"n", "7"}});
  EXPECT_EQ(positions(), (std::vector<std::string>{"A95 ", "B95 ", "C95 ", "D95 ", "+   "}));
  // "Any given" with a position criterion reaches panes A and B only.
  run(records, "V", "5" + kTop, 1, 1, {{"n", kDot, "*"}});
  EXPECT_EQ(positions(), (std::vector<std::string>{"A95 ", "B95 "}));
  run(records, "V", "5" + kTop, 1, 1, {{kDot, "*"}});
  EXPECT_EQ(list->foundCount, 10);
}

// ---------------------------------------------------------------------------------------
// Second states.

TEST_F(SearchTest, PrintingWithTwoStatesGivesALineForEachState) {
  const std::vector<std::string> records = {"T1", positionRecord("1", "7", "12"),
                                            "T2", positionRecord("1", "8", "13", ' ', '>'),
                                            "T3", "^F"};
  run(records, "A", "2s", 1, 3, {{"1", "*"}});
  EXPECT_EQ(listed(), (std::vector<std::string>{
                          line("2s1    "
                               " 1      "
                               "  7"
                               "    "
                               "    "
                               " "
                               "  12"
                               "     "
                               "     "
                               "   "),
                          line("2s2    "
                               " 1      "
                               "  7"
                               "    "
                               "    "
                               " "
                               "  12"
                               "     "
                               "     "
                               "   "),
                          line("2s2>   "
                               " 1      "
                               "  8"
                               "    "
                               "    "
                               " "
                               "  13"
                               "     "
                               "     "
                               "   "),
                          line("2s3    "
                               " 1      "
                               "  8"
                               "    "
                               "    "
                               " "
                               "  13"
                               "     "
                               "     "
                               "   "),
                      }));
}

TEST_F(SearchTest, SecondStatePassListsPairsWhereEitherStampChanged) {
  const std::vector<std::string> records = {"F2",
                                            "T1",
                                            positionRecord("A2", "7", "12"),
                                            positionRecord("A3", "5", "14"),
                                            positionRecord("A3", "6", "15", ' ', '>'),
                                            "T2"};
  run(records, "A", "2s", 1, 1, {{"2", "7"}, {"3"}});
  EXPECT_EQ(listed(), (std::vector<std::string>{
                          line("2s1    "
                               "A2-3    "
                               "  7"
                               "-5  "
                               "    "
                               " "
                               "  12"
                               "-14  "
                               "     "
                               "   "),
                          line("2s1>   "
                               "A2-3    "
                               "  7"
                               "-6  "
                               "    "
                               " "
                               "  12"
                               "-15  "
                               "     "
                               "   "),
                      }));
}

TEST_F(SearchTest, PrintingsReadBeforeTheRangeLeaveTheirLaterState) {
  // Printing 3 of 1854 is read on top of printings 1 and 2.
  const std::vector<std::string> records = {
      "F2", "T1", positionRecord("A1", "7", "12"), "T2", positionRecord("A1", "8", "13", ' ', '>'),
      "T3", "T4"};
  run(records, "P", "4s", 3, 3, {{"1", "*"}});
  EXPECT_EQ(listed(), (std::vector<std::string>{line("4s3    "
                                                     "A1      "
                                                     "  8"
                                                     "    "
                                                     "    "
                                                     " "
                                                     "  13"
                                                     "     "
                                                     "     "
                                                     "   ")}));
}

// ---------------------------------------------------------------------------------------
// Line building.

TEST_F(SearchTest, ColumnOnlyPositionsForRowlessFlags) {
  const std::vector<std::string> records = {"F2",
                                            "T1",
                                            positionRecord("A23", "7", "12", 'o'),
                                            positionRecord("A24", "8", "13", 'o'),
                                            positionRecord("B33", "9", "1", 'p'),
                                            positionRecord("B34", "9", "2"),
                                            "T2"};
  run(records, "A", "2s", 1, 1, {{kDot, "*"}});
  EXPECT_EQ(listed(), (std::vector<std::string>{
                          line("2s1    "
                               " .3     "
                               "  7"
                               "    "
                               "    "
                               " "
                               "  12"
                               "     "
                               "     "
                               "   "),
                          line("2s1    "
                               " .4     "
                               "  8"
                               "    "
                               "    "
                               " "
                               "  13"
                               "     "
                               "     "
                               "   "),
                          line("2s1    "
                               " .3     "
                               "  9"
                               "    "
                               "    "
                               " "
                               "   1"
                               "     "
                               "     "
                               "   "),
                          line("2s1    "
                               "B34     "
                               "  9"
                               "    "
                               "    "
                               " "
                               "   2"
                               "     "
                               "     "
                               "   "),
                      }));
  run(records, "A", "2s", 1, 1, {{"3", "*"}, {"4", "*"}});
  // The pair starting at the uncertain B33 is left out.
  EXPECT_EQ(listed(), (std::vector<std::string>{line("2s1    "
                                                     " .3-.4  "
                                                     "  7"
                                                     "-8  "
                                                     "    "
                                                     " "
                                                     "  12"
                                                     "-13  "
                                                     "     "
                                                     "   ")}));
  run(records, "A", "2s", 1, 1, {{"3", "*"}, {"4", "*"}, {"5"}});
  EXPECT_EQ(listed(), (std::vector<std::string>{line("2s1    "
                                                     ".3-.4-.5"
                                                     "  7"
                                                     "-8  "
                                                     "-   "
                                                     " "
                                                     "  12"
                                                     "-13  "
                                                     "-    "
                                                     "   ")}));
}

TEST_F(SearchTest, PaneLettersExtrasAndTheSupplementPanesOf1864) {
  const std::vector<std::string> fourPanes = {"F4",
                                              "T1",
                                              positionRecord("A100", "1", "1"),
                                              positionRecord("B1", "2", "2"),
                                              positionRecord("C5", "3", "3"),
                                              positionRecord("D99", "4", "4"),
                                              positionRecord("+", "5", "5"),
                                              "T2"};
  const auto positions = [this] {
    std::vector<std::string> out;
    for (const auto& l : listed()) out.push_back(l.substr(7, 8));
    return out;
  };
  run(fourPanes, "A", "2s", 1, 1, {{kDot, "*"}});
  EXPECT_EQ(positions(),
            (std::vector<std::string>{"A100    ", "B1      ", "C5      ", "D99     ", "+       "}));
  run(fourPanes, "A", "4s", 1, 1, {{kDot, "*"}});
  EXPECT_EQ(positions(),
            (std::vector<std::string>{"A100    ", "B1      ", " 5      ", " 99     ", "+       "}));
  run({"T1", positionRecord("7", "1", "1"), positionRecord(".", "5", "5"), "T2"}, "A", "2s", 1, 1,
      {{kDot, "*"}});
  EXPECT_EQ(positions(), (std::vector<std::string>{" 7      ", " +      "}));
  // Pairs never include the extra clichés.
  run(fourPanes, "A", "2s", 1, 1, {{kDot, kDot, "5"}, {}});
  EXPECT_EQ(list->foundCount, 0);
}

TEST_F(SearchTest, LongPositionsTypesAndClichesAreCut) {
  const std::vector<std::string> records = {"F2",
                                            "T1",
                                            positionRecord("A98", "12ab", "12.34"),
                                            positionRecord("A99", "3", "123.4"),
                                            positionRecord("A100", "4", "a1234"),
                                            "T2"};
  run(records, "A", "2s", 1, 1, {{"8", "*"}, {"9"}, {"0"}});
  EXPECT_EQ(listed(), (std::vector<std::string>{line("2s1    "
                                                     "A98-100 "
                                                     "12a"
                                                     "-3  "
                                                     "-4  "
                                                     " "
                                                     " .34"
                                                     "-3.4 "
                                                     "-234 "
                                                     "   ")}));
  run(records, "A", "2s", 1, 1, {{kDot, "4"}});
  EXPECT_EQ(listed(), (std::vector<std::string>{line("2s1    "
                                                     "A100    "
                                                     "  4"
                                                     "    "
                                                     "    "
                                                     " "
                                                     " 234"
                                                     "     "
                                                     "     "
                                                     "   ")}));
  // 1854 and 1858 show the last three characters of every cliché.
  run({"F2", "T1", positionRecord("A1", "1", "1234"), positionRecord("A2", "1", "12.34"), "T2"},
      "L", "4s", 1, 1, {{kDot, "1"}});
  EXPECT_EQ(listed(), (std::vector<std::string>{
                          line("4s1    "
                               "A1      "
                               "  1"
                               "    "
                               "    "
                               " "
                               " 234"
                               "     "
                               "     "
                               "   "),
                          line("4s1    "
                               "A2      "
                               "  1"
                               "    "
                               "    "
                               " "
                               " .34"
                               "     "
                               "     "
                               "   "),
                      }));
}

TEST_F(SearchTest, PrintingLabelFillsSevenCharacters) {
  const std::string value = "10" + kTop;
  run({"T1", positionRecord("1", "1", "1"), "T123", positionRecord("1", "2", "2", ' ', '>'),
       "T124"},
      "V", value, 123, 123, {{"1", "*"}});
  // Printing 1 is not applied: printing 123 starts from an empty sheet, so the position's
  // first state has no type and only its second state is listed.
  EXPECT_EQ(listed(), (std::vector<std::string>{line(value + "123>"
                                                             " 1      "
                                                             "  2"
                                                             "    "
                                                             "    "
                                                             " "
                                                             "   2"
                                                             "     "
                                                             "     "
                                                             "   ")}));
}

// ---------------------------------------------------------------------------------------
// Range, counts, closing line, progress.

TEST_F(SearchTest, ClosingLineEndsTheListAndIsNotCounted) {
  run({"F2", "T1", positionRecord("A1", "7", "12"), "T2", "^F"}, "A", "2s", 1, 2, {{kDot, "7"}});
  EXPECT_EQ(list->foundCount, 2);
  EXPECT_EQ(list->lineCount, 3);
  EXPECT_EQ(list->results.line(3), "***" + std::string(52, ' '));
  EXPECT_EQ(list->results.line(4), std::string(55, ' '));
  EXPECT_FALSE(list->searching);
  EXPECT_EQ(list->listOffset, 0);

  run({"F2", "T1", "T2"}, "A", "2s", 1, 1, {{kDot, "7"}});
  EXPECT_EQ(list->foundCount, 0);
  EXPECT_EQ(list->lineCount, 1);
  EXPECT_EQ(list->results.line(1), "***" + std::string(52, ' '));
  EXPECT_EQ(list->results.line(2), std::string(55, ' '));  // the earlier lines are gone
}

TEST_F(SearchTest, Edition1854ToFiveReadsPrintingSixWithoutListingIt) {
  std::vector<std::string> records = {"F2"};
  for (int n = 1; n <= 6; ++n) {
    records.push_back("T" + std::to_string(n));
    records.push_back(positionRecord("A1", std::to_string(n), "1"));
  }
  records.push_back("^F");
  const SearchSummary s = run(records, "P", "4s", 1, 5, {{kDot, "*"}});
  EXPECT_EQ(list->foundCount, 5);
  EXPECT_EQ(list->results.line(5).substr(0, 3), "4s5");
  EXPECT_EQ(s.printingsSearched, 6);
  EXPECT_EQ(progress.labels,
            (std::vector<std::string>{"4s1", "4s2", "4s3", "4s4", "4s5", "4s6", "4s9999 beyond"}));
  // Another value to 5 lists printing 5 and stops after it.
  progress.labels.clear();
  run(records, "L", "4s", 1, 5, {{kDot, "*"}});
  EXPECT_EQ(list->foundCount, 5);
  EXPECT_EQ(progress.labels.back(), "4s6 beyond");
}

TEST_F(SearchTest, RangeBoundsAndProgress) {
  std::vector<std::string> records = {"F2"};
  for (int n = 1; n <= 4; ++n) {
    records.push_back("T" + std::to_string(n));
    records.push_back("X0");
    records.push_back(positionRecord("A1", std::to_string(n), "1"));
  }
  const SearchSummary s = run(records, "A", "2s", 2, 3, {{kDot, "*"}});
  EXPECT_EQ(s.printingsSearched, 2);
  EXPECT_EQ(list->foundCount, 2);
  EXPECT_EQ(list->results.line(1).substr(0, 3), "2s2");
  EXPECT_EQ(progress.labels, (std::vector<std::string>{"2s2", "2s3", "2s4 beyond"}));
  EXPECT_EQ(progress.counts, (std::vector<int>{1, 2}));

  // A range past the data, a to below the from and an empty from still end.
  scope.fromPrinting = "";
  run(records, "A", "2s", 3, 999, {{kDot, "*"}});
  EXPECT_EQ(list->foundCount, 2);
  run(records, "A", "2s", 4, 1, {{kDot, "*"}});
  EXPECT_EQ(list->foundCount, 1);
  run(records, "A", "2s", 7, 9, {{kDot, "*"}});
  EXPECT_EQ(list->lineCount, 1);
}

TEST_F(SearchTest, ValueWithoutSectionListsOnlyTheClosingLine) {
  const DataFile file = datFile("A2SDAT", datSection({"T1", "T2"}));
  scope.edition = "A";
  scope.value = "3s";
  EXPECT_EQ(runSearch(scope, criteria, *list, file, nullptr).printingsSearched, 0);
  EXPECT_EQ(list->foundCount, 0);
  EXPECT_EQ(list->lineCount, 1);
  EXPECT_EQ(printingSectionName("A", "4s"), "A4sDAT");
  EXPECT_EQ(printingSectionName("R", "4r"), "");
}

TEST_F(SearchTest, FullListStopsAtTheCapAndKeepsTheClosingLine) {
  // 440 positions in each of 60 printings: more than the list holds.
  std::vector<std::string> records = {"F4", "T1"};
  for (int i = 0; i < kMaxExtras; ++i) records.push_back(positionRecord("+", "1", "1"));
  for (int n = 2; n <= 61; ++n) records.push_back("T" + std::to_string(n));
  const SearchSummary s = run(records, "A", "2s", 1, 60, {{}});
  EXPECT_TRUE(s.listFull);
  EXPECT_EQ(list->foundCount, kMostListedMatches);
  EXPECT_EQ(list->lineCount, kResultListCapacity);
  EXPECT_EQ(list->results.line(kResultListCapacity), "***" + std::string(52, ' '));
  // 59 whole printings and 39 positions of the 60th.
  EXPECT_EQ(list->results.line(kMostListedMatches).substr(0, 15), "2s60   A39     ");
  EXPECT_EQ(progress.counts.back(), kMostListedMatches);
  EXPECT_EQ(s.printingsSearched, 60);

  // Without printing 1 (and its extra clichés) everything fits.
  const SearchSummary rest = run(records, "A", "2s", 2, 60, {{}});
  EXPECT_FALSE(rest.listFull);
  EXPECT_EQ(list->foundCount, 59 * 400);
  EXPECT_EQ(list->lineCount, 59 * 400 + 1);
  EXPECT_EQ(list->results.line(59 * 400 + 1), "***" + std::string(52, ' '));
}

TEST_F(SearchTest, DamagedSectionsEndTheSearch) {
  std::vector<std::string> records = {"F2", "T1"};
  for (int p = 1; p <= 100; ++p) {
    records.push_back(positionRecord("A" + std::to_string(p), "1/2", "3", "?o"[p % 2], '<'));
  }
  records.insert(records.end(), {"T2", "I?", "I?", "I?", "T3"});
  std::string bytes = datSection(records);
  for (std::size_t cut = 0; cut < bytes.size(); cut += 97) {
    std::string damaged = bytes.substr(0, cut);
    for (std::size_t i = 5; i < damaged.size(); i += 31) damaged[i] = static_cast<char>(i * 7);
    const DataFile file = datFile("A2SDAT", damaged);
    scope.edition = "A";
    scope.value = "2s";
    scope.fromPrinting = "1";
    scope.toPrinting = "999";
    criteria.setsInUse = 1 + static_cast<int>(cut % 3);
    runSearch(scope, criteria, *list, file, nullptr);
    EXPECT_GE(list->foundCount, 0);
    EXPECT_EQ(list->lineCount, list->foundCount + 1);
    EXPECT_EQ(list->results.line(list->lineCount).substr(0, 3), "***");
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
