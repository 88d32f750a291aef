// The two-coloured search over small value and frame sections: the frame and oval criteria,
// the printing pairs and the printing column, the printings "4s" skips, the corrected oval
// flaw of "16ø", and the result line's columns.
#include "domain/two_colour_search.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "data/cp865.hpp"
#include "domain/two_colour_printings.hpp"
#include "support/dat_section.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::datSection;
using test::positionRecord;

const std::string kDot(1, cp865::kMiddleDot);
const std::string kNone(1, static_cast<char>(246));  // "÷"
const std::string kOe(1, cp865::kOslash);

// A frame record: position (characters 1..3), then kind, mark, type (4) and flaw (6) in
// characters 7..18.
std::string frameRecord(const std::string& position, char kind, char mark, std::string type) {
  std::string r = position;
  r.resize(6, ' ');
  type.resize(4, ' ');
  return r + kind + mark + type + "1.1";
}

// "4s" on one pane: printing 1, the pair "2-3" and printings 4..14; the frames of block "1"
// for printing 1 and of block "2" (position 1 turned to a thick inverted frame) after it.
std::vector<std::string> fourSkilling() {
  std::vector<std::string> r = {"F1",
                                "T1",
                                "R1",
                                positionRecord("1", "2", "1.1"),
                                positionRecord("2", "3", "1.2"),
                                positionRecord("3", "5", ""),
                                "T2-3",
                                "R2",
                                positionRecord("1", "4", "2.1")};
  for (int p = 4; p <= 14; ++p) r.push_back("T" + std::to_string(p));
  r.push_back("^F");
  return r;
}

std::vector<std::string> frameBlocks() {
  return {"E1",
          frameRecord("1", ' ', ' ', "3h"),
          frameRecord("2", 'O', ' ', "12"),
          frameRecord("3", 'T', '?', ""),
          "E2",
          frameRecord("1", 'U', ' ', "7"),
          "^F"};
}

class TwoColourSearchTest : public ::testing::Test {
 protected:
  // Searches `value` from..to with the criteria of one set.
  void run(const std::string& value, std::vector<std::string> records, const std::string& from,
           const std::string& to, CriteriaSet set, bool withFrames = true) {
    test::DataBuilder builder;
    builder.add("T" + cp865Upper(value) + "DAT", datSection(records));
    if (withFrames) builder.add("TRAMDAT", datSection(frameBlocks()));
    const DataFile file = builder.file();
    const FrameData frames(file, file.findSection("TRAMDAT"));
    SearchCriteria criteria;
    criteria.criteria[0] = set;
    runTwoColourSearch({"T", value, from, to}, criteria, *list, file, frames, nullptr);
  }
  std::string line(int n) const { return list->results.line(n); }

  std::unique_ptr<SearchList> list = std::make_unique<SearchList>();
};

CriteriaSet frame(const std::string& kind, const std::string& type) {
  CriteriaSet set;
  set.frameKind = kind;
  set.frameType = type;
  return set;
}

TEST_F(TwoColourSearchTest, FrameKindAndFrameTypeCriteria) {
  struct Case {
    std::string kind, type;
    int found;
    int firstPosition;
  };
  const std::vector<Case> cases = {
      {"R", kDot, 98, 1},  // upright: position 1 and the blank frames 4..100
      {"O", kDot, 1, 2},    {"T", kDot, 1, 3},  {"U", kDot, 0, 0},
      {kDot, kNone, 98, 3},                                         // no frame type
      {kDot, "*", 2, 1},    {kDot, "3h", 1, 1}, {kDot, "1", 1, 2},  // first character
      {kDot, "12", 1, 2},   {kDot, "13", 0, 0}, {"O", "3h", 0, 0},
  };
  for (const Case& c : cases) {
    run("4s", fourSkilling(), "1", "1", frame(c.kind, c.type));
    EXPECT_EQ(list->foundCount, c.found) << c.kind << " " << c.type;
    if (c.found > 0) {
      EXPECT_EQ(line(1).substr(0, 9), "4s1     " + std::to_string(c.firstPosition))
          << c.kind << " " << c.type;
    }
  }
}

TEST_F(TwoColourSearchTest, ResultLineShowsThreeStampsWhateverTheSets) {
  CriteriaSet set;
  set.cliche = "2.1";
  run("4s", fourSkilling(), "2", "3", set);
  ASSERT_EQ(list->foundCount, 1);
  // Printing pair, position, frame kinds, frame types, oval types, oval flaws.
  EXPECT_EQ(line(1), "4s2-3   1      UOT   7-12 -     4-3 -5   2.1-1.2 -     ");
  // A frame marked "?" puts "?" after the position.
  set.cliche = kDot;
  set.frameKind = "T";
  run("4s", fourSkilling(), "1", "1", set);
  ASSERT_EQ(list->foundCount, 1);
  EXPECT_EQ(line(1).substr(7, 8), " 3?     ");
}

TEST_F(TwoColourSearchTest, FourSkillingUpToTwelveSkipsThirteen) {
  CriteriaSet set;
  set.cliche = "2.1";  // position 1 since the pair "2-3": the blocks are read from the first
  run("4s", fourSkilling(), "12", "12", set);
  ASSERT_EQ(list->foundCount, 2);
  EXPECT_EQ(line(1).substr(0, 7), "4s12   ");
  EXPECT_EQ(line(2).substr(0, 7), "4s14   ");
}

TEST_F(TwoColourSearchTest, SixteenOereEightGetsItsOvalFlaw) {
  CriteriaSet set;
  set.cliche = "1.87";
  run("16" + kOe, {"F1", "T7", "R1", "T8", "R1", "T9", "^F"}, "8", "8", set);
  ASSERT_EQ(list->foundCount, 1);
  EXPECT_EQ(line(1).substr(0, 10), "16" + kOe + "8    94");
}

TEST_F(TwoColourSearchTest, BadFrameReferencesGiveBlankUprightFrames) {
  // A block no frame block carries, and a file without frame data.
  for (const bool withFrames : {true, false}) {
    run("4s", {"F2", "T1", "R99B", positionRecord("A1", "2", "1.1"), "B150 ", "T2", "^F"}, "1", "1",
        frame("R", kDot), withFrames);
    EXPECT_EQ(list->foundCount, 100) << withFrames;  // "B" names one pane
  }
}

TEST(TwoColourPrintings, PairsTheFirstPrintingOf20OereAndThePrintingColumn) {
  struct Range {
    std::string value, from, to, wantFrom, wantTo;
  };
  const std::vector<Range> ranges = {
      {"4s", "3", "3", "2", "3"},           {"4s", "2", "2", "2", "3"},
      {"4s", "3", "13", "2", "13"},         {"8" + kOe, "10", "10", "9", "10"},
      {"4o", "97", "97", "96", "97"},       {"20" + kOe, "1", "7", "1a", "7"},
      {"50" + kOe, "13", "13", "12", "13"}, {"4s", "4", "5", "4", "5"},
      {"8" + kOe, "9a", "9a", "9a", "9a"},  {"4s", "2-3", "2-3", "2", "3"},
  };
  for (const Range& r : ranges) {
    std::string from = r.from, to = r.to;
    adjustTwoColourRange(r.value, from, to);
    EXPECT_EQ(from + "-" + to, r.wantFrom + "-" + r.wantTo) << r.value << r.from;
  }
  EXPECT_EQ(twoColourPrintingColumn("50" + kOe, "12-13", false), "50" + kOe + "1213");
  EXPECT_EQ(twoColourPrintingColumn("4s", "2-3", true), "4s2-3>");
  EXPECT_EQ(printingPairName("8" + kOe, 9), "9b-10");
  EXPECT_EQ(printingBlockName("8" + kOe, "10"), "9b-10");
  EXPECT_EQ(printingBlockName("8" + kOe, "9a"), "9a");
  EXPECT_EQ(printingBlockName("4s", "12"), "12");
  // What a printing entry shows: the pair's block, as PgDn names it.
  for (const auto& [value, typed, shown] :
       std::vector<std::array<std::string, 3>>{{"4s", "3", "2-3"},
                                               {"4s", "2", "2-3"},
                                               {"4s", "2-3", "2-3"},
                                               {"8" + kOe, "10", "9b-10"},
                                               {"20" + kOe, "1", "1a"},
                                               {"4s", "4", "4"},
                                               {"8" + kOe, "9a", "9a"}}) {
    EXPECT_EQ(twoColourShownPrinting(value, typed), shown) << value << typed;
  }
  EXPECT_EQ(twoColourHighestPrinting("4" + kOe), "130");
  EXPECT_EQ(twoColourHighestPrinting("9s"), "0");
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
