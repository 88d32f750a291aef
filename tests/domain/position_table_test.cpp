#include "domain/position_table.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "data/cp865.hpp"
#include "data/inverted_record.hpp"
#include "support/data_builder.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::DataBuilder;

// One stored 18-byte record from its decoded text (padded with blanks).
std::string rec(std::string decoded) {
  decoded.resize(kPositionRecordSize, ' ');
  return encodeInvertedRecord(decoded);
}

// The 12-character entry: spare, status, stamp (4), cliché (6).
std::string entryText(char status, const std::string& stamp, const std::string& cliche) {
  std::string e = std::string(" ") + status + stamp;
  e.resize(6, ' ');
  e += cliche;
  e.resize(kPositionEntryLength, ' ');
  return e;
}

// A pane-A record ("A" + three-digit number) and a pane-B record.
std::string paneA(int n, const std::string& stamp, const std::string& cliche, char status = ' ') {
  char num[16];
  std::snprintf(num, sizeof num, "A%03d  ", n);
  return rec(std::string(num) + entryText(status, stamp, cliche));
}
std::string paneB(int n, const std::string& stamp, const std::string& cliche) {
  char num[16];
  std::snprintf(num, sizeof num, "B%03d  ", n);
  return rec(std::string(num) + entryText(' ', stamp, cliche));
}
std::string header(const std::string& printing) {
  return rec("T" + printing);
}
const std::string kEnd = rec("^F");

// Printing 1 lists all 100 positions of pane A (stamp n, cliché n); printing 2 lists only
// position 17 (cliché 99).
std::string twoPrintings() {
  std::string s = header("1") + rec("F2") + rec("X0");
  for (int n = 1; n <= 100; ++n) s += paneA(n, std::to_string(n), std::to_string(n));
  s += header("2") + paneA(17, "17", "99") + kEnd;
  return s;
}

PrintingPositionTable loaded(const std::string& section, const std::string& printing,
                             const std::string& value = "4s", const std::string& edition = "P",
                             PositionTableLoad* status = nullptr) {
  const DataFile file = DataBuilder().add(edition + value + "DAT", section).file();
  PrintingPositionTable table;
  const PositionTableLoad r = table.load(file, edition, value, printing);
  if (status) *status = r;
  return table;
}

TEST(PositionTableLoad, LaterPrintingInheritsTheEarlierOnesEntries) {
  PositionTableLoad status;
  const PrintingPositionTable t = loaded(twoPrintings(), "2", "4s", "P", &status);
  EXPECT_TRUE(status.sectionFound());
  EXPECT_TRUE(status.printingFound);
  EXPECT_EQ(t.read(17).cliche, "99");
  EXPECT_EQ(t.read(16).cliche, "16");
  EXPECT_EQ(t.read(100).stamp, "100");
  EXPECT_EQ(t.paneCount(), 2);
}

TEST(PositionTableLoad, StopsAtTheHeaderAfterTheWantedPrinting) {
  PositionTableLoad status;
  const PrintingPositionTable t = loaded(twoPrintings(), "1", "4s", "P", &status);
  EXPECT_TRUE(status.printingFound);
  EXPECT_EQ(t.read(17).cliche, "17");
  EXPECT_EQ(t.read(17).stamp, "17");
}

TEST(PositionTableLoad, AnUnlistedPrintingAppliesTheWholeSectionAndSaysSo) {
  PositionTableLoad status;
  const PrintingPositionTable t = loaded(twoPrintings(), "3", "4s", "P", &status);
  EXPECT_TRUE(status.sectionFound());
  EXPECT_FALSE(status.printingFound);
  EXPECT_EQ(t.read(17).cliche, "99");
}

TEST(PositionTableLoad, PrintingNamesCompareBlankPaddedAndExactly) {
  const std::string s =
      header("10a") + paneA(1, "1", "5") + header("10") + paneA(1, "1", "6") + header("10b") + kEnd;
  EXPECT_EQ(loaded(s, "10").read(1).cliche, "6");
  EXPECT_EQ(loaded(s, "10a").read(1).cliche, "5");
  PositionTableLoad status;
  loaded(s, "10A", "4s", "P", &status);
  EXPECT_FALSE(status.printingFound);
}

TEST(PositionTableLoad, MissingSectionKeepsTheTableAndReportsIt) {
  const DataFile file = DataBuilder().add("P4SDAT", twoPrintings()).file();
  PrintingPositionTable table;
  ASSERT_TRUE(table.load(file, "P", "4s", "2").sectionFound());
  const PositionTableLoad r = table.load(file, "P", "8s", "1");
  EXPECT_FALSE(r.sectionFound());
  EXPECT_EQ(r.sectionStatus, kSectionNotFound);
  EXPECT_EQ(table.read(17).cliche, "99");
  EXPECT_EQ(table.paneCount(), 2);
}

TEST(PositionTableLoad, OreValuesFindTheirSection) {
  const DataFile file =
      DataBuilder().add("V10ODAT", header("1") + paneA(5, "5", "55") + kEnd).file();
  PrintingPositionTable table;
  EXPECT_TRUE(table.load(file, "V", cp("10ø"), "1").sectionFound());
  EXPECT_EQ(table.read(5).cliche, "55");
}

TEST(PositionTableLoad, EntryKindsAndRowRules) {
  const std::string s = header("1") + rec("X0") + paneA(100, "1", "2") + paneB(1, "3", "4") +
                        paneB(100, "5", "6") +
                        rec("17    " + entryText(' ', "7", "8")) +   // bare number 17
                        rec("150   " + entryText(' ', "9", "9")) +   // above 100: row 0
                        paneA(150, "9", "9") + paneB(0, "9", "9") +  // row 0, not row 100
                        rec("Q     " + entryText(' ', "9", "9")) +   // unknown kind: skipped
                        kEnd;
  const PrintingPositionTable t = loaded(s, "1");
  EXPECT_EQ(t.read(100).cliche, "2");
  EXPECT_EQ(t.read(101).cliche, "4");
  EXPECT_EQ(t.read(200).cliche, "6");
  EXPECT_EQ(t.read(17).cliche, "8");
  EXPECT_EQ(t.read(50).cliche, "");
  EXPECT_EQ(t.read(0).cliche, "");    // row 0 is never read
  EXPECT_EQ(t.read(401).cliche, "");  // outside the table
  EXPECT_EQ(t.read(-3).stamp, "");
}

TEST(PositionTableLoad, X0BlanksBothPanesOnly) {
  PrintingPositionTable table;
  table.setEntry(201, 0, entryText(' ', "1", "1"));
  table.setEntry(5, 1, "column one");
  const DataFile file = DataBuilder()
                            .add("P4SDAT", header("1") + paneA(5, "1", "1") + paneB(5, "1", "1") +
                                               header("2") + rec("X0") + rec("X1") + kEnd)
                            .file();
  table.load(file, "P", "4s", "2");
  EXPECT_EQ(table.entry(5), std::string(12, ' '));
  EXPECT_EQ(table.entry(105), std::string(12, ' '));
  EXPECT_EQ(table.read(201).cliche, "1");
  EXPECT_EQ(table.entry(5, 1), "column one");
}

TEST(PositionTableLoad, StatusMarksReadAsUncertain) {
  std::string s = header("1");
  const std::string marks = "?opqzO!x";
  for (std::size_t i = 0; i < marks.size(); ++i) {
    s += paneA(static_cast<int>(i) + 1, "1", "1", marks[i]);
  }
  const PrintingPositionTable t = loaded(s + kEnd, "1");
  for (int i = 1; i <= 7; ++i) EXPECT_TRUE(t.read(i).uncertain()) << i;
  EXPECT_EQ(t.read(8).status, 'x');
  EXPECT_EQ(t.read(9).status, ' ');
}

TEST(PositionTableLoad, ThirdAndFourthInformationLinesMarkPanesUncertain) {
  const std::string entries = paneA(1, "1", "1") + paneB(1, "2", "2");
  // First header: the marks are the third and fourth "I" lines.
  const PrintingPositionTable t1 =
      loaded(header("1") + entries + rec("I") + rec("I") + rec("I?") + rec("I?") + kEnd, "1");
  EXPECT_TRUE(t1.read(1).uncertain());
  EXPECT_TRUE(t1.read(100).uncertain());
  EXPECT_TRUE(t1.read(101).uncertain());
  EXPECT_EQ(t1.read(1).cliche, "1");
  // "I?" as the first or second line, or on the third only, marks pane A alone.
  const PrintingPositionTable t2 =
      loaded(header("1") + entries + rec("I?") + rec("I?") + rec("I?") + rec("I") + kEnd, "1");
  EXPECT_TRUE(t2.read(1).uncertain());
  EXPECT_FALSE(t2.read(101).uncertain());
  // Every header starts the count again.
  const PrintingPositionTable t3 = loaded(
      header("1") + rec("I") + rec("I") + header("2") + entries + rec("I") + rec("I?") + kEnd, "2");
  EXPECT_FALSE(t3.read(1).uncertain());
}

TEST(PositionTableLoad, SheetFormsSetPanesAndGroup) {
  const auto panes = [](const std::string& form) {
    return loaded(header("1") + rec(form) + kEnd, "1").paneCount();
  };
  EXPECT_EQ(panes("F2"), 2);
  EXPECT_EQ(panes("F4"), 4);
  EXPECT_EQ(panes("F0"), 1);
  EXPECT_EQ(panes("F7"), 4);  // no sheet has more than four panes
  EXPECT_EQ(panes("FH"), 1);
  EXPECT_EQ(loaded(header("1") + rec("FK") + kEnd, "1").sheetGroup(), SheetGroup::K);
  // Any later form clears the group.
  const PrintingPositionTable t = loaded(header("1") + rec("FV") + rec("F2") + kEnd, "1");
  EXPECT_EQ(t.sheetGroup(), SheetGroup::None);
  EXPECT_EQ(t.paneCount(), 2);
}

TEST(PositionTableLoad, EachLoadStartsFromOnePaneAndNoGroup) {
  const DataFile file = DataBuilder()
                            .add("P4SDAT", header("1") + rec("FH") + kEnd)
                            .add("P2SDAT", header("1") + paneA(1, "1", "1") + kEnd)
                            .file();
  PrintingPositionTable table;
  table.load(file, "P", "4s", "1");
  EXPECT_EQ(table.sheetGroup(), SheetGroup::H);
  table.load(file, "P", "2s", "1");
  EXPECT_EQ(table.sheetGroup(), SheetGroup::None);
  EXPECT_EQ(table.paneCount(), 1);
}

std::string allOfPaneA(const std::string& form) {
  std::string s = header("1") + rec(form);
  for (int n = 1; n <= 100; ++n) s += paneA(n, std::to_string(n), std::to_string(n));
  return s + kEnd;
}

TEST(PositionTableSheetGroup, HalfRepeatsTheUpperHalf) {
  const PrintingPositionTable t = loaded(allOfPaneA("FH"), "1");
  EXPECT_EQ(t.read(53).cliche, "3");
  EXPECT_EQ(t.read(100).cliche, "50");
  EXPECT_EQ(t.read(50).cliche, "50");
}

TEST(PositionTableSheetGroup, QuartersRepeatTheFirstQuarter) {
  const PrintingPositionTable t = loaded(allOfPaneA("FK"), "1");
  for (int i : {1, 6, 51, 56}) EXPECT_EQ(t.read(i).cliche, "1") << i;
  EXPECT_EQ(t.read(100).cliche, "45");
  EXPECT_EQ(t.read(60).cliche, "5");
}

TEST(PositionTableSheetGroup, VerticalRepeatsTheLeftHalfOfEachRow) {
  const PrintingPositionTable t = loaded(allOfPaneA("FV"), "1");
  EXPECT_EQ(t.read(6).cliche, "1");
  EXPECT_EQ(t.read(10).cliche, "5");
  EXPECT_EQ(t.read(96).cliche, "91");
  EXPECT_EQ(t.read(51).cliche, "51");  // rows keep their own left halves
}

TEST(PositionTableIceland, FixedEntriesOfSomePrintings) {
  const std::string s = allOfPaneA("F1");
  const PrintingPositionTable t = loaded(s, "1", "3a", "I");
  EXPECT_EQ(t.entry(43), std::string(7, ' '));
  EXPECT_EQ(t.read(48).cliche, "");
  EXPECT_EQ(t.entry(98), "     26");
  EXPECT_EQ(t.read(98).stamp, "   2");
  EXPECT_EQ(t.read(98).cliche, "6");
  EXPECT_EQ(t.read(44).cliche, "44");

  const std::string s6 = header("6") + rec("F1") + paneA(71, "1", "1") + kEnd;
  const PrintingPositionTable t6 = loaded(s6, "6", "20a", "I");
  EXPECT_EQ(t6.entry(71), "      5");
  EXPECT_EQ(t6.entry(76), "      5");
  // The same value of another printing, or another edition, keeps its entries.
  EXPECT_EQ(loaded(allOfPaneA("F1"), "1", "20a", "I").read(71).cliche, "71");
  EXPECT_EQ(loaded(allOfPaneA("F1"), "1", "3a", "J").read(98).cliche, "98");
}

TEST(PositionTableBounds, TruncatedAndUnterminatedSectionsReadAsFarAsTheyGo) {
  // No end mark: every record to the section end is applied.
  EXPECT_EQ(loaded(header("1") + paneA(3, "1", "33"), "1").read(3).cliche, "33");
  // A half record at the end is ignored.
  std::string cut = header("1") + paneA(3, "1", "33") + paneA(4, "1", "44").substr(0, 10);
  const PrintingPositionTable t = loaded(cut, "1");
  EXPECT_EQ(t.read(3).cliche, "33");
  EXPECT_EQ(t.read(4).cliche, "");
  // Nothing after the end mark is read, whatever follows.
  EXPECT_EQ(loaded(header("1") + kEnd + paneA(3, "1", "33"), "1").read(3).cliche, "");
  EXPECT_EQ(loaded(header("1") + rec("^f") + paneA(3, "1", "33"), "1").read(3).cliche, "");
  // An empty section changes nothing but is found.
  PositionTableLoad status;
  loaded("", "1", "4s", "P", &status);
  EXPECT_TRUE(status.sectionFound());
  EXPECT_FALSE(status.printingFound);
}

TEST(PositionTableBounds, GarbageSectionsNeverReachOutsideTheTable) {
  std::mt19937 rng(1234);
  const std::string kinds = "TIFXAB19^Q";
  for (int round = 0; round < 300; ++round) {
    std::string s;
    const int records = static_cast<int>(rng() % 40);
    for (int i = 0; i < records; ++i) {
      std::string r(kPositionRecordSize, ' ');
      for (char& c : r) c = static_cast<char>(rng() % 256);
      if (rng() % 2) r[0] = kinds[rng() % kinds.size()];
      if (rng() % 2) r[1] = "0123456789HKV?Ff"[rng() % 16];
      s += encodeInvertedRecord(r);
    }
    s += std::string(rng() % kPositionRecordSize, static_cast<char>(rng() % 256));
    PrintingPositionTable table;
    const std::string printing = round % 3 == 0 ? "1" : std::string(rng() % 12, 'x');
    table.load(DataBuilder().add("I3ADAT", s).file(), "I", "3a", printing);
    EXPECT_GE(table.paneCount(), 1);
    EXPECT_LE(table.paneCount(), 4);
    for (int i = -1; i <= 402; ++i) {
      const PrintingPositionEntry e = table.read(i);
      EXPECT_LE(e.stamp.size(), 4u);
      EXPECT_LE(e.cliche.size(), 6u);
    }
  }
}

TEST(PositionGroupLabel, GroupsNameAllPlacesOfACliche) {
  EXPECT_EQ(positionGroupLabel(SheetGroup::H, "12", "P", "4s1", 1), "12/62");
  EXPECT_EQ(positionGroupLabel(SheetGroup::K, "12", "P", "4s1", 1), "12/17/62/67");
  EXPECT_EQ(positionGroupLabel(SheetGroup::V, "0307", "P", "4s1", 1), "3/8/7/12");
  EXPECT_EQ(positionGroupLabel(SheetGroup::V, "0300", "P", "4s1", 1), "3/8");
  EXPECT_EQ(positionGroupLabel(SheetGroup::None, "12", "P", "4s1", 1), "12");
  // Not a positive number: unchanged in every group.
  EXPECT_EQ(positionGroupLabel(SheetGroup::H, "A12", "P", "4s1", 1), "A12");
  EXPECT_EQ(positionGroupLabel(SheetGroup::K, "0", "P", "4s1", 1), "0");
  EXPECT_EQ(positionGroupLabel(SheetGroup::H, "", "P", "4s1", 1), "");
}

TEST(PositionGroupLabel, IcelandicFixedLabelsByRunningNumber) {
  EXPECT_EQ(positionGroupLabel(SheetGroup::None, "98", "I", "3a1", 26), "98");
  EXPECT_EQ(positionGroupLabel(SheetGroup::H, "45", "I", "3a3", 23), "45/50/95");
  EXPECT_EQ(positionGroupLabel(SheetGroup::H, "50", "I", "3a3", 24), "100");
  EXPECT_EQ(positionGroupLabel(SheetGroup::K, "15", "I", "10a4", 11), "15/65/70");
  EXPECT_EQ(positionGroupLabel(SheetGroup::None, "71", "I", "20a6", 5), "71/76");
  // Another running number, printing or edition keeps the group label.
  EXPECT_EQ(positionGroupLabel(SheetGroup::H, "45", "I", "3a3", 22), "45/95");
  EXPECT_EQ(positionGroupLabel(SheetGroup::H, "45", "I", "3a31", 23), "45/95");
  EXPECT_EQ(positionGroupLabel(SheetGroup::H, "45", "J", "3a3", 23), "45/95");
}

TEST(PositionGroupLabel, GroupLetters) {
  for (char c : {'H', 'K', 'V'}) EXPECT_EQ(sheetGroupLetter(sheetGroupFromLetter(c)), c);
  EXPECT_EQ(sheetGroupFromLetter('x'), SheetGroup::None);
  EXPECT_EQ(sheetGroupLetter(SheetGroup::None), ' ');
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
