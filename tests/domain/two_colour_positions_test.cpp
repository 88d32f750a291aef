#include "domain/two_colour_positions.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "domain/two_colour_reading.hpp"
#include "support/dat_section.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::datSection;
using test::positionRecord;

// An oval or frame record: designation, kind, mark, type and flaw number.
std::string field(const std::string& where, char kind, const std::string& type,
                  const std::string& number, char mark = ' ') {
  return positionRecord(where, type, number, mark, ' ', kind);
}

std::string header(const std::string& printing) {
  return "T" + printing;
}

const std::vector<std::string> kFrames = {
    "E1",  "X0", field("A1", ' ', "1", "1.1"),  field("B5", 'T', "2", "1.2"),
    "E27", "X5", field("B7", 'U', "2", "27.1"), "X99999",
    "X-3",
};

struct Files {
  DataFile file;
  FrameData frames;
  Files(const std::vector<std::string>& value, const std::vector<std::string>& frameRecords)
      : file(test::DataBuilder()
                 .add("T4SDAT", datSection(value))
                 .add("T2SDAT", datSection({header("1"), field("A1", ' ', "1", "1.1")}))
                 .add("TRAMDAT", datSection(frameRecords))
                 .file()),
        frames(file, file.findSection("TRAMDAT")) {}
};

TwoColourLoad load(TwoColourPositionTable& table, const Files& f, const std::string& printing,
                   const std::string& value = "4s") {
  return table.load(f.file, f.frames, "T", value, printing);
}

const std::vector<std::string> kValue = {
    header("1"),
    "F2",
    "R1",
    "X0",
    field("A1", ' ', "1", "1.1"),
    field("A17", 'n', "1", "1.17"),
    field("B3", ' ', "2", "2.3"),
    header("2"),
    field("A17", ' ', "1", "1.18", '?'),
    header("2-3"),
    "R27B",
    field("4", ' ', "1", "1.4"),
    header("9b-10"),
    "F0",
    "X3",
    field("150", ' ', "9", "9.9"),
    field("B150", ' ', "9", "9.9"),
    field("A0", ' ', "9", "9.9"),
    "^F",
    header("99"),
    field("A1", ' ', "9", "9.9"),
};

TEST(TwoColourPositions, PrintingsAreCumulativeUpToTheOneWanted) {
  const Files f(kValue, kFrames);
  TwoColourPositionTable one, two;
  EXPECT_TRUE(load(one, f, "1").printingFound);
  EXPECT_TRUE(load(two, f, "2").printingFound);
  EXPECT_EQ(one.oval(17).flawNumber(), "1.17");
  EXPECT_EQ(two.oval(17).flawNumber(), "1.18");
  EXPECT_EQ(two.oval(17).mark(), '?');
  for (int i = 0; i <= 200; ++i) {
    if (i != 17) {
      EXPECT_EQ(one.oval(i), two.oval(i)) << i;
    }
  }
  EXPECT_EQ(one.oval(103).flawNumber(), "2.3");
  EXPECT_EQ(one.layout(), SheetLayout::TwoPanes);
  EXPECT_EQ(one.frameBlock().block, "1       ");
  EXPECT_EQ(one.frame(1).flawNumber(), "1.1");
  EXPECT_EQ(one.frame(105).kind(), 'T');
}

TEST(TwoColourPositions, PaneBFrameBlockMakesOnePane) {
  const Files f(kValue, kFrames);
  TwoColourPositionTable table;
  const TwoColourLoad result = load(table, f, "2-3");
  EXPECT_TRUE(result.printingFound);
  EXPECT_TRUE(result.frameBlockFound);
  EXPECT_EQ(table.layout(), SheetLayout::OnePaneFromB);
  EXPECT_EQ(table.frameBlock().block, "27      ");
  // Block 1's B5 lands on 5 as well, and X5 of block 27 moves it down a row; B7 goes to 7.
  EXPECT_EQ(table.frame(15).flawNumber(), "1.2");
  EXPECT_EQ(table.frame(7).flawNumber(), "27.1");
  EXPECT_EQ(table.frame(107), TwoColourField{});
  EXPECT_EQ(table.oval(4).flawNumber(), "1.4");
}

TEST(TwoColourPositions, BadRecordsReachOnlyTheScrapSlot) {
  const Files f(kValue, kFrames);
  TwoColourPositionTable table, before;
  load(before, f, "2-3");
  const TwoColourLoad result = load(table, f, "9b-10");
  EXPECT_TRUE(result.printingFound);
  EXPECT_EQ(table.layout(), SheetLayout::OnePaneFromB);  // "27B" still named after "F0"
  EXPECT_EQ(table.oval(0).flawNumber(), "9.9");
  for (int i = 1; i <= 200; ++i)
    EXPECT_EQ(table.oval(i), before.oval(i)) << i;  // X3: no oval change
  // The end mark ends the section: printing "99" is never found, and its A1 never applied.
  TwoColourPositionTable rest;
  const TwoColourLoad missing = load(rest, f, "99");
  EXPECT_FALSE(missing.printingFound);
  EXPECT_TRUE(missing.sectionFound());
  EXPECT_EQ(rest.oval(1).flawNumber(), "1.1");
  EXPECT_EQ(rest.oval(0).flawNumber(), "9.9");  // everything before the end mark applied
}

TEST(TwoColourPositions, PrintingNamesCompareExactly) {
  const Files f(kValue, kFrames);
  TwoColourPositionTable table;
  for (const char* printing : {"2-", "9b", "9b-1", " 1", "1a", "123456789"}) {
    EXPECT_FALSE(load(table, f, printing).printingFound) << printing;
  }
  EXPECT_TRUE(load(table, f, "9b-10").printingFound);
}

TEST(TwoColourPositions, ThirdAndFourthInformationLinesMarkPanes) {
  struct Case {
    std::vector<std::string> info;
    bool paneA, paneB;
  } const cases[] = {
      {{"I", "I", "I?", "I?"}, true, true},
      {{"I?", "I?", "I", "I?"}, false, true},
      {{"I", "I", "I?"}, true, false},
      {{"I", "I", "I", "I", "I?"}, false, false},
  };
  for (const Case& c : cases) {
    std::vector<std::string> records = {header("1"), field("A1", ' ', "1", "1.1"),
                                        field("B1", ' ', "1", "1.2", 'o')};
    records.insert(records.end(), c.info.begin(), c.info.end());
    const Files f(records, kFrames);
    TwoColourPositionTable table;
    load(table, f, "1");
    EXPECT_EQ(table.oval(1).mark() == '?', c.paneA) << c.info.size();
    EXPECT_EQ(table.oval(100).mark() == '?', c.paneA) << c.info.size();
    EXPECT_EQ(table.oval(101).mark() == '?', c.paneB) << c.info.size();
    EXPECT_EQ(table.oval(1).flawNumber(), "1.1");
  }
  // A printing header starts the count again.
  const Files f({header("1"), "I", "I", header("2"), "I?", "I?"}, kFrames);
  TwoColourPositionTable table;
  load(table, f, "2");
  EXPECT_EQ(table.oval(1).mark(), ' ');
}

TEST(TwoColourPositions, SheetLayoutOfTheFormatRecord) {
  const struct {
    const char* format;
    SheetLayout layout;
  } cases[] = {{"F0", SheetLayout::OnePane},  {"F1", SheetLayout::OnePane},
               {"F2", SheetLayout::TwoPanes}, {"F3", SheetLayout::OnePaneFromB},
               {"F7", SheetLayout::TwoPanes}, {"FX", SheetLayout::OnePane}};
  for (const auto& c : cases) {
    const Files f({header("1"), "F2", c.format}, kFrames);
    TwoColourPositionTable table;
    load(table, f, "1");
    EXPECT_EQ(table.layout(), c.layout) << c.format;
  }
  const Files noFormat({header("1")}, kFrames);
  TwoColourPositionTable table;
  load(table, noFormat, "1");
  EXPECT_EQ(table.layout(), SheetLayout::OnePane);
}

TEST(TwoColourPositions, MissingDataGivesBlankTables) {
  // A reference that names no block, and no frame data at all.
  const Files f({header("1"), "R5", field("A1", ' ', "1", "1.1")}, {});
  TwoColourPositionTable table;
  TwoColourLoad result = load(table, f, "1");
  EXPECT_TRUE(result.printingFound);
  EXPECT_FALSE(result.frameBlockFound);
  for (int i = 0; i <= 200; ++i) EXPECT_TRUE(table.frame(i).isBlank()) << i;
  // A value without a section: blank rows, whatever the last load left.
  result = load(table, f, "1", "8s");
  EXPECT_EQ(result.sectionStatus, kSectionNotFound);
  EXPECT_TRUE(table.oval(1).isBlank());
  TwoColourPosition position{"B5", 105};
  loadPositionTable(table, f.file, f.frames, "T", "8s", "1", position);
  EXPECT_EQ(position.text, "B5");
}

TEST(TwoColourPositions, ValueSectionIsDecodedOncePerValue) {
  const Files f(kValue, kFrames);
  TwoColourPositionTable table;
  load(table, f, "1");
  load(table, f, "9b-10");
  load(table, f, "2");
  EXPECT_EQ(table.sectionDecodes(), 1u);
  EXPECT_EQ(table.oval(17).flawNumber(), "1.18");
  load(table, f, "1", "8s");  // no section: nothing decoded
  load(table, f, "1");
  EXPECT_EQ(table.sectionDecodes(), 1u);
  load(table, f, "1", "2s");
  load(table, f, "1");
  EXPECT_EQ(table.sectionDecodes(), 3u);
}

TEST(TwoColourPositions, PositionFollowsTheLayout) {
  const struct {
    SheetLayout layout;
    TwoColourPosition before, after;
  } cases[] = {
      {SheetLayout::OnePane, {"A27", 27}, {"27", 27}},
      {SheetLayout::OnePane, {"B27", 127}, {"27", 27}},
      {SheetLayout::OnePaneFromB, {"B100", 200}, {"100", 100}},
      {SheetLayout::OnePane, {"27", 27}, {"27", 27}},
      {SheetLayout::OnePane, {"D7", 307}, {"D7", 7}},
      {SheetLayout::TwoPanes, {"27", 27}, {"A27", 27}},
      {SheetLayout::TwoPanes, {"B27", 127}, {"B27", 127}},
      {SheetLayout::TwoPanes, {"", 1}, {"", 1}},
  };
  for (const auto& c : cases) {
    TwoColourPosition p = c.before;
    fitPositionToLayout(c.layout, p);
    EXPECT_EQ(p.text, c.after.text) << c.before.text;
    EXPECT_EQ(p.index, c.after.index) << c.before.text;
  }
  const Files f(kValue, kFrames);
  TwoColourPositionTable table;
  TwoColourPosition position{"A27", 27};
  loadPositionTable(table, f.file, f.frames, "T", "4s", "2-3", position);
  EXPECT_EQ(position.text, "27");
}

TEST(TwoColourReading, MarksKindsAndShownFrameNumbers) {
  const std::string down(1, kDownArrowKind);
  const Files f({header("1"), "R1", field("A1", 'n', "1", "2.17", 'z'),
                 field("A2", 'N', "1", "2.1"), field("A3", ' ', "2", "", 'x')},
                {"E1", field("A1", kDownArrowKind, "3`1", "58.4"),
                 field("A2", 'U', "2", "61.2", '!'), field("A3", 'T', "1", "12.3")});
  TwoColourPositionTable table;
  load(table, f, "1");
  const struct {
    int index;
    char ovalMark, frameMark, frameKind;
    bool newOval;
    const char* frameNumber;
    const char* period;
  } cases[] = {{1, '?', ' ', 'O', true, "28.4", "2"},
               {2, '?', '?', 'U', true, "31.2", "1"},
               {3, 'x', ' ', 'T', false, "12.3", ""},
               {4, ' ', ' ', ' ', false, "", ""},
               {0, ' ', ' ', ' ', false, "", ""}};
  for (const auto& c : cases) {
    const TwoColourReading r = readTwoColourPosition(table, c.index);
    EXPECT_EQ(r.ovalMark, c.ovalMark) << c.index;
    EXPECT_EQ(r.frameMark, c.frameMark) << c.index;
    EXPECT_EQ(r.frameKind, c.frameKind) << c.index;
    EXPECT_EQ(r.newOval(), c.newOval) << c.index;
    EXPECT_EQ(r.frameFlawNumber, c.frameNumber) << c.index;
    EXPECT_EQ(r.frameNumber.shown.period, c.period) << c.index;
  }
  const TwoColourReading first = readTwoColourPosition(table, 1);
  EXPECT_EQ(first.ovalFlawNumber, "2.17");
  EXPECT_EQ(first.frameType, "3`1");
  EXPECT_EQ(first.frameNumber.storedCode, 58);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
