#include "domain/printing_record_reader.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "data/cp865.hpp"
#include "support/dat_section.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::datFile;
using test::datSection;
using test::positionRecord;

PrintingRecordReader makeReader(const std::vector<std::string>& records,
                                const std::string& edition = "P", const std::string& value = "4s",
                                FlagMode mode = FlagMode::Folded) {
  const std::string name = edition + value + "DAT";
  const DataFile file = datFile(name, datSection(records));
  return PrintingRecordReader(file, file.findSection(name), edition, value, mode);
}

std::vector<std::pair<int, int>> steps(PrintingRecordReader& reader, int count) {
  std::vector<std::pair<int, int>> out;
  for (int i = 0; i < count; ++i) {
    const PrintingStep s = reader.nextPrinting();
    out.emplace_back(s.completed, s.next);
  }
  return out;
}

using Steps = std::vector<std::pair<int, int>>;

// ---------------------------------------------------------------------------------------
// Printing headers, the end mark and the way back to the section start.

TEST(PrintingRecordReaderHeaders, StopsAtEachHeaderAndReadsTheEndMarkAsPrinting9999) {
  auto reader = makeReader({"F2", "T1", positionRecord("A1", "7", "12"), "O2",
                            positionRecord("A1", "8", "13"), "T3", "^F"});
  PrintingStep s = reader.nextPrinting();
  EXPECT_EQ(reader.format().panes, 2);
  EXPECT_EQ(s.completed, 1);
  EXPECT_EQ(s.next, 2);
  EXPECT_EQ(s.completedName, "1");
  EXPECT_EQ(reader.positions()[1].type(), "7");  // printing 2 not applied yet
  s = reader.nextPrinting();
  EXPECT_EQ(std::make_pair(s.completed, s.next), std::make_pair(2, 3));
  EXPECT_EQ(reader.positions()[1].type(), "8");
  s = reader.nextPrinting();
  EXPECT_EQ(std::make_pair(s.completed, s.next), std::make_pair(3, kEndOfDataPrinting));
  // Back at the start: the next header completes "printing 9999", then printing 1 again.
  EXPECT_EQ(steps(reader, 2), (Steps{{9999, 1}, {1, 2}}));
  EXPECT_EQ(reader.positions()[1].type(), "7");
}

TEST(PrintingRecordReaderHeaders, LowerCaseEndMarkAndNamesWithLetters) {
  auto reader = makeReader(
      {"T10a", positionRecord("A1", "7", "12"), "T11", "^f", positionRecord("A1", "9", "99")});
  const PrintingStep s = reader.nextPrinting();
  EXPECT_EQ(s.completed, 10);
  EXPECT_EQ(s.completedName, "10a");
  EXPECT_EQ(reader.nextPrinting().next, kEndOfDataPrinting);
  EXPECT_EQ(reader.positions()[1].type(), "7");  // nothing after the end mark is read
}

TEST(PrintingRecordReaderHeaders, SectionEndWithoutEndMarkEndsTheData) {
  auto reader = makeReader({"T1", positionRecord("A1", "7", "12"), "T2"});
  EXPECT_EQ(steps(reader, 4), (Steps{{1, 2}, {2, 9999}, {9999, 1}, {1, 2}}));
}

TEST(PrintingRecordReaderHeaders, SectionWithoutHeadersOrWithoutRecordsEndsAtOnce) {
  auto empty = makeReader({});
  EXPECT_EQ(steps(empty, 3), (Steps{{9999, 9999}, {9999, 9999}, {9999, 9999}}));
  auto headless = makeReader({positionRecord("A1", "7", "12"), "^F"});
  EXPECT_EQ(headless.nextPrinting().completed, kEndOfDataPrinting);
  EXPECT_EQ(headless.positions()[1].type(), "7");
  const DataFile none = datFile("P4SDAT", "");
  PrintingRecordReader missing(none, none.findSection("P8SDAT"), "P", "8s");
  EXPECT_EQ(missing.recordCount(), 0u);
  EXPECT_EQ(missing.nextPrinting().completed, kEndOfDataPrinting);
}

TEST(PrintingRecordReaderHeaders, CommentsAndUnknownRecordsChangeNothing) {
  const std::string box(3, static_cast<char>(196));
  auto reader = makeReader({"T1", positionRecord("A1", "7", "12"), "^ comment A2 8 13",
                            box + "A1 9", std::string(18, ' '), "Z1   x    x", "T2"});
  reader.nextPrinting();
  EXPECT_EQ(reader.positions()[1].type(), "7");
  EXPECT_EQ(reader.positions()[1].cliche(), "12");
  EXPECT_TRUE(reader.positions()[2].type().empty());
  EXPECT_TRUE(reader.positions()[0].type().empty());
}

TEST(PrintingRecordReaderHeaders, SkipsPrintingsBeforeTheFirstOneApplied) {
  auto reader = makeReader({"F2", "T1", positionRecord("A1", "1", "11"), "T2",
                            positionRecord("A2", "2", "22"), "T3", positionRecord("A3", "3", "33"),
                            "T4", "^F"});
  reader.rewind(3);
  const PrintingStep s = reader.nextPrinting();
  EXPECT_EQ(std::make_pair(s.completed, s.next), std::make_pair(3, 4));
  EXPECT_TRUE(reader.positions()[1].type().empty());
  EXPECT_TRUE(reader.positions()[2].type().empty());
  EXPECT_EQ(reader.positions()[3].type(), "3");
  EXPECT_EQ(reader.format().panes, 2);  // the format counts even in skipped printings

  reader.reset(99);  // nothing at or above: the end at once
  EXPECT_EQ(reader.nextPrinting().completed, kEndOfDataPrinting);
  EXPECT_TRUE(reader.positions()[3].type().empty());
}

TEST(PrintingRecordReaderHeaders, FirstPrintingAppliedFollowsTheValuesThatBuildOnEarlierOnes) {
  const std::string oe(1, cp865::kOslash);
  EXPECT_EQ(firstPrintingApplied("P", "4s", 3), 1);
  EXPECT_EQ(firstPrintingApplied("P", "4s", 6), 4);
  EXPECT_EQ(firstPrintingApplied("C", "3c", 3), 1);
  EXPECT_EQ(firstPrintingApplied("C", "3c", 2), 1);
  EXPECT_EQ(firstPrintingApplied("L", "4s", 4), 3);
  EXPECT_EQ(firstPrintingApplied("L", "4s", 5), 5);
  EXPECT_EQ(firstPrintingApplied("A", "4s", 12), 11);
  EXPECT_EQ(firstPrintingApplied("M", "1" + oe, 5), 3);
  EXPECT_EQ(firstPrintingApplied("M", "4" + oe, 21), 20);
  EXPECT_EQ(firstPrintingApplied("M", "5" + oe, 16), 4);
  EXPECT_EQ(firstPrintingApplied("M", "5" + oe, 4), 4);
  EXPECT_EQ(firstPrintingApplied("M", "10" + oe, 13), 4);
  EXPECT_EQ(firstPrintingApplied("M", "10" + oe, 14), 14);
  EXPECT_EQ(firstPrintingApplied("M", "15" + oe, 2), 1);
  EXPECT_EQ(firstPrintingApplied("M", "20" + oe, 2), 1);
  EXPECT_EQ(firstPrintingApplied("M", "20" + oe, 5), 3);
  EXPECT_EQ(firstPrintingApplied("V", "1" + oe, 6), 4);
  EXPECT_EQ(firstPrintingApplied("V", "5" + oe, 6), 6);
  EXPECT_EQ(firstPrintingApplied("P", "4s", 5), 5);
}

// ---------------------------------------------------------------------------------------
// Position records.

TEST(PrintingRecordReaderPositions, DesignationsGiveIndexesByPane) {
  auto reader =
      makeReader({"F4", "T1", positionRecord("A1", "1", "a"), positionRecord("B100", "2", "b"),
                  positionRecord("C5", "3", "c"), positionRecord("D99", "4", "d"),
                  positionRecord(" 7", "5", "e"), positionRecord("12", "6", "f"),
                  positionRecord("A101", "8", "g"), positionRecord("Y3", "9", "h"), "T2"});
  reader.nextPrinting();
  const PositionTable& t = reader.positions();
  EXPECT_EQ(t[1].type(), "1");
  EXPECT_EQ(t[200].type(), "2");
  EXPECT_EQ(t[205].type(), "3");
  EXPECT_EQ(t[399].type(), "4");
  EXPECT_EQ(t[7].type(), "5");
  // A bare number on a four-pane sheet, a place past 100 and "Y" name no position.
  EXPECT_TRUE(t[12].type().empty());
  EXPECT_TRUE(t[101].type().empty());
  EXPECT_TRUE(t[3].type().empty());
  EXPECT_EQ(t[0].type(), "9");  // the last of them, in the slot that is never listed
}

TEST(PrintingRecordReaderPositions, OnePaneSheetReadsABareNumberAsPaneA) {
  auto reader =
      makeReader({"T1", positionRecord("12", "7", "3"), positionRecord("100", "8", "4"), "T2"});
  reader.nextPrinting();
  EXPECT_EQ(reader.positions()[12].type(), "7");
  EXPECT_EQ(reader.positions()[100].cliche(), "4");
}

TEST(PrintingRecordReaderPositions, ChangeMarksKeepBothStatesAndEmptyHalvesAreTidied) {
  auto reader = makeReader(
      {"F2", "T1", positionRecord("A1", "7", "12"), positionRecord("A2", "8", "13"),
       positionRecord("A4", "", ""), "T2", positionRecord("A1", "9", "14", ' ', '<'),
       positionRecord("A2", "10", "15", ' ', '>'), positionRecord("A3", "", "", ' ', '>'),
       positionRecord("A4", "5", "", ' ', '>'), "T3"});
  reader.nextPrinting();
  reader.nextPrinting();
  const PositionTable& t = reader.positions();
  EXPECT_EQ(t[1].type(), "9/7");
  EXPECT_EQ(t[1].cliche(), "14/12");
  EXPECT_EQ(t[2].type(), "8/10");
  EXPECT_EQ(t[2].cliche(), "13/15");
  EXPECT_EQ(t[3].type(), "");  // "/" of two empty states
  EXPECT_EQ(t[3].cliche(), "");
  EXPECT_EQ(t[4].type(), "/5");
  EXPECT_EQ(t[4].cliche(), "");
}

TEST(PrintingRecordReaderPositions, DoubledSlashBecomesOne) {
  auto reader = makeReader({"F2", "T1", positionRecord("A1", "7", "12"), "T2",
                            positionRecord("A1", "", "", ' ', '<'),
                            positionRecord("A1", "", "", ' ', '<'), "T3"});
  reader.nextPrinting();
  reader.nextPrinting();
  EXPECT_EQ(reader.positions()[1].type(), "/7");
  EXPECT_EQ(reader.positions()[1].cliche(), "/12");
}

TEST(PrintingRecordReaderPositions, FourSkilling1864DropsThePlateOfAChangedCliche) {
  const std::vector<std::string> records = {"F4",
                                            "T1",
                                            positionRecord("A1", "1", "3.12"),
                                            positionRecord("A2", "1", "3.12", ' ', '>'),
                                            positionRecord("A3", "1", "13.5", ' ', '<'),
                                            "T2"};
  auto a4s = makeReader(records, "A", "4s");
  a4s.nextPrinting();
  EXPECT_EQ(a4s.positions()[1].cliche(), "3.12");  // no change mark: kept
  EXPECT_EQ(a4s.positions()[2].cliche(), "/12");
  EXPECT_EQ(a4s.positions()[3].cliche(), "15/");
  auto a2s = makeReader(records, "A", "2s");
  a2s.nextPrinting();
  EXPECT_EQ(a2s.positions()[2].cliche(), "/3.12");
}

TEST(PrintingRecordReaderPositions, FlagsAreFoldedForTheSearchAndRawForTheSheets) {
  const std::vector<std::string> records = {"F2",
                                            "T1",
                                            positionRecord("A1", "7", "12", 'p'),
                                            positionRecord("A2", "7", "12", 'Q'),
                                            positionRecord("A3", "7", "12", 'n'),
                                            positionRecord("A4", "7", "12", 'x'),
                                            positionRecord("A5", "", "", 'o'),
                                            positionRecord("A6", "", "", '!'),
                                            positionRecord("A7", "", "", 'n'),
                                            "T2"};
  auto folded = makeReader(records);
  folded.nextPrinting();
  const PositionTable& f = folded.positions();
  EXPECT_EQ(f[1].flag(), "?");
  EXPECT_EQ(f[2].flag(), "o");
  EXPECT_EQ(f[3].flag(), "n");
  EXPECT_EQ(f[4].flag(), "");
  EXPECT_EQ(f[5].type(), "?");  // uncertain and nothing known: undetermined type
  EXPECT_EQ(f[6].type(), "?");
  EXPECT_EQ(f[7].type(), "");

  auto raw = makeReader(records, "P", "4s", FlagMode::Raw);
  raw.nextPrinting();
  const PositionTable& r = raw.positions();
  EXPECT_EQ(r[1].flag(), "p");
  EXPECT_EQ(r[2].flag(), "Q");
  EXPECT_EQ(r[4].flag(), "x");
  EXPECT_EQ(r[5].type(), "?");
}

TEST(PrintingRecordReaderPositions, ResetClearsEverythingOnlyForX0) {
  auto reader =
      makeReader({"F2", "T1", positionRecord("A1", "7", "12", 'o'), positionRecord("+", "3", "40"),
                  "T2", "X1", "T3", "X0", positionRecord("+", "4", "41"), "T4"});
  reader.nextPrinting();
  EXPECT_EQ(reader.extrasCount(), 1);
  reader.nextPrinting();  // "X1" changes nothing
  EXPECT_EQ(reader.positions()[1].type(), "7");
  reader.nextPrinting();
  EXPECT_TRUE(reader.positions()[1].type().empty());
  EXPECT_TRUE(reader.positions()[1].flag().empty());
  EXPECT_EQ(reader.extrasCount(), 1);  // counted afresh from 0
  EXPECT_EQ(reader.positions()[401].cliche(), "41");
}

TEST(PrintingRecordReaderPositions, UncertainPaneInformationFromTheThirdRecordOn) {
  auto reader =
      makeReader({"F4", "T1", "I?", "I?", "I ", "I?", "I?", "I?", "I?", "T2", "I?", "I?", "T3"});
  reader.nextPrinting();
  const PositionTable& t = reader.positions();
  EXPECT_TRUE(t[1].type().empty());  // third record without "?": pane A stays
  EXPECT_EQ(t[101].type(), "?");     // fourth: pane B
  EXPECT_EQ(t[200].flag(), "?");
  EXPECT_EQ(t[250].type(), "?");
  EXPECT_EQ(t[400].flag(), "?");
  EXPECT_TRUE(t[401].type().empty());  // a seventh record names no pane
  reader.nextPrinting();               // two records only: nothing
  EXPECT_TRUE(t[1].type().empty());
}

TEST(PrintingRecordReaderPositions, FormatRecordsSetPanesAndSheetGroup) {
  auto reader = makeReader({"F0", "T1", "FH", "T2", "F4", "T3", "F3", "T4", "FK", "T5"});
  EXPECT_EQ(reader.format().panes, 1);
  reader.nextPrinting();
  EXPECT_EQ(reader.format().group, SheetGroup::H);
  EXPECT_EQ(reader.format().panes, 1);
  reader.nextPrinting();
  EXPECT_EQ(reader.format().panes, 4);
  EXPECT_EQ(reader.format().group, SheetGroup::None);
  reader.nextPrinting();
  EXPECT_EQ(reader.format().panes, 4);
  reader.nextPrinting();
  EXPECT_EQ(reader.format().group, SheetGroup::K);
}

TEST(PrintingRecordReaderPositions, ExtraClichesCountOnAndStopAtTheFortieth) {
  std::vector<std::string> records = {"F2", "T1", positionRecord("+1`a", "5", "61", ' ', ' ', 'r'),
                                      positionRecord(".x23", "6", "62", ' ', ' ', 'k')};
  for (int i = 3; i <= 45; ++i) records.push_back(positionRecord("+", "", std::to_string(60 + i)));
  records.push_back("T2");
  auto reader = makeReader(records);
  reader.nextPrinting();
  EXPECT_EQ(reader.extrasCount(), kMaxExtras);
  EXPECT_EQ(reader.positions()[401].type(), "5");
  EXPECT_EQ(reader.extraCliches().entry(401).mark, "r");
  EXPECT_EQ(reader.extraCliches().entry(401).designation, "1a");
  // Characters 3..6 when the record starts with ".".
  EXPECT_EQ(reader.extraCliches().entry(402).designation, "23");
  EXPECT_EQ(reader.extraCliches().entry(402).mark, "k");
  EXPECT_EQ(reader.positions()[439].cliche(), "99");
  EXPECT_EQ(reader.positions()[440].cliche(), "105");  // the last ones share the 40th slot
  EXPECT_TRUE(reader.positions()[440].flag().empty());
}

// ---------------------------------------------------------------------------------------
// End-of-printing steps.

TEST(PrintingRecordReaderEndOfPrinting, RepeatLayoutsCopyTheSourceParts) {
  const auto withLayout = [](const std::string& f) {
    return makeReader({f, "T1", positionRecord("3", "7", "12", 'o'), positionRecord("53", "1", "1"),
                       positionRecord("58", "2", "2"), "T2"});
  };
  auto h = withLayout("FH");
  h.nextPrinting();
  EXPECT_EQ(h.positions()[53].type(), "7");
  EXPECT_EQ(h.positions()[53].flag(), "o");
  EXPECT_TRUE(h.positions()[8].type().empty());

  auto v = withLayout("FV");
  v.nextPrinting();
  EXPECT_EQ(v.positions()[8].cliche(), "12");
  EXPECT_EQ(v.positions()[53].type(), "1");  // lower half untouched
  EXPECT_EQ(v.positions()[58].type(), "1");  // 53 copied to 58

  auto k = withLayout("FK");
  k.nextPrinting();
  for (const int p : {3, 8, 53, 58}) EXPECT_EQ(k.positions()[p].type(), "7") << p;
}

TEST(PrintingRecordReaderEndOfPrinting, IcelandicPrintingsGetTheirClicheCorrections) {
  std::vector<std::string> records = {"T1"};
  for (const int p : {43, 48, 93, 98})
    records.push_back(positionRecord(std::to_string(p), "1", "9"));
  records.insert(records.end(), {"T2", "T3", "T4", "^F"});
  auto reader = makeReader(records, "I", "3a");
  reader.nextPrinting();
  const PositionTable& t = reader.positions();
  EXPECT_TRUE(t[43].cliche().empty());
  EXPECT_TRUE(t[93].cliche().empty());
  EXPECT_EQ(t[43].type(), "1");
  EXPECT_EQ(t[98].cliche(), "9");
  reader.nextPrinting();
  reader.nextPrinting();
  EXPECT_EQ(t[100].cliche(), "24");  // after printing 3

  auto i10 = makeReader(
      {"T5", positionRecord("86", "1", "9"), positionRecord("31", "1", "9"), "T6"}, "I", "10a");
  i10.nextPrinting();
  EXPECT_EQ(i10.positions()[86].cliche(), "22");
  EXPECT_TRUE(i10.positions()[31].cliche().empty());
  auto other = makeReader({"T1", positionRecord("43", "1", "9"), "T2"}, "I", "5a");
  other.nextPrinting();
  EXPECT_EQ(other.positions()[43].cliche(), "9");
}

TEST(PrintingRecordReaderEndOfPrinting, SplitAndPromoteSecondStates) {
  PositionTable t;
  t[1][kTypeField] = "7/8";
  t[1][kClicheField] = "12/13";
  t[2][kTypeField] = "5";
  t[2][kClicheField] = "20/21";
  t[3][kTypeField] = "4";
  t[250][kTypeField] = "1/2";
  t[401][kTypeField] = "3/4";  // extras have no second state
  EXPECT_TRUE(t.splitStates());
  EXPECT_EQ(t[1].type(), "7");
  EXPECT_EQ(t[1].secondType(), "8");
  EXPECT_EQ(t[1].secondCliche(), "13");
  EXPECT_EQ(t[2].secondType(), "5");  // the type did not change
  EXPECT_EQ(t[2].secondCliche(), "21");
  EXPECT_FALSE(t.hasSecondState(3));
  EXPECT_TRUE(t.hasSecondState(250));
  EXPECT_EQ(t[401].type(), "3/4");
  t.promoteSecondStates();
  EXPECT_EQ(t[1].type(), "8");
  EXPECT_EQ(t[2].cliche(), "21");
  EXPECT_EQ(t[3].type(), "4");
  EXPECT_FALSE(t.splitStates());
}

TEST(PrintingRecordReaderEndOfPrinting, OutOfRangeIndexesReachSlotZero) {
  PositionTable t;
  t[-5][kTypeField] = "x";
  t[441][kClicheField] = "y";
  EXPECT_EQ(t[0].type(), "x");
  EXPECT_EQ(t[0].cliche(), "y");
  ExtraClicheTable e;
  e.entry(7).mark = "m";
  EXPECT_EQ(e.entry(440).mark, "m");
}

// ---------------------------------------------------------------------------------------
// Damaged sections: cut short, bytes changed, garbage. Nothing may crash or run on.

TEST(PrintingRecordReaderDamage, TruncatedAndFlippedSectionsEndAndStayInBounds) {
  std::vector<std::string> records = {"F4", "X0", "T1"};
  for (int p = 1; p <= 100; ++p) {
    records.push_back(positionRecord("A" + std::to_string(p), std::to_string(p % 13), "1.2",
                                     "?o n"[p % 4], "<> "[p % 3]));
  }
  records.insert(records.end(), {"I?", "I?", "I?", "FK", positionRecord("+", "1", "2"), "T2",
                                 "^ note", "T3", "^F"});
  const std::string good = datSection(records);
  std::mt19937 rng(703);
  for (int round = 0; round < 300; ++round) {
    std::string bytes = good.substr(0, rng() % (good.size() + 1));
    const int flips = static_cast<int>(rng() % 40);
    for (int i = 0; i < flips && !bytes.empty(); ++i) {
      bytes[rng() % bytes.size()] = static_cast<char>(rng() % 256);
    }
    if (round % 5 == 0) {  // pure garbage
      bytes.assign(rng() % 2000, '\0');
      for (char& c : bytes) c = static_cast<char>(rng() % 256);
    }
    const DataFile file = datFile("A4SDAT", bytes);
    PrintingRecordReader reader(file, file.findSection("A4SDAT"), "A", "4s");
    reader.rewind(static_cast<int>(rng() % 4));
    // Within a pass over the records plus the end, printing 9999 must come.
    bool ended = false;
    for (std::size_t i = 0; i <= reader.recordCount() + 2 && !ended; ++i) {
      ended = reader.nextPrinting().completed == kEndOfDataPrinting;
    }
    EXPECT_TRUE(ended) << "round " << round;
    EXPECT_LE(reader.extrasCount(), kMaxExtras);
    EXPECT_GE(reader.format().panes, 1);
    EXPECT_LE(reader.format().panes, 4);
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
