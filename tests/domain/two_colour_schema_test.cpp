// What the frame and oval schemas show: cell texts, the frame header and the full-sheet lines.
#include "domain/two_colour_schema.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/cp865.hpp"
#include "support/dat_section.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::datSection;
using test::positionRecord;

std::string field(const std::string& where, char kind, const std::string& type,
                  const std::string& number, char mark = ' ') {
  return positionRecord(where, type, number, mark, ' ', kind);
}

std::string records(const std::vector<std::string>& lines, std::size_t length) {
  std::string out;
  for (std::string line : lines) {
    line.resize(length, ' ');
    out += line;
  }
  return out;
}

TEST(TwoColourSchema, NumbersAsTheCellsShowThem) {
  struct Case {
    std::string stored, oval, frame;
  } cases[] = {
      {"58.12", "58.12", "28.12"},
      {"12.105", ".105", ".105"},
      {"18.3", "18.3", "5.3"},
      {"61.4 ", "61.4", "31.4"},
      {"31.4", "31.4", "31.4"},
      {"106/87", "106/87", "106/87"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(shortenedFlawNumber(c.stored), c.oval) << c.stored;
    EXPECT_EQ(shortenedFlawNumber(shownFrameFlawText(c.stored)), c.frame) << c.stored;
  }
}

TEST(TwoColourSchema, PanesAndLoadSteps) {
  EXPECT_TRUE(isSinglePanePrinting(cp("16ø"), "1"));
  EXPECT_TRUE(isSinglePanePrinting(cp("16ø"), "33"));
  EXPECT_TRUE(isSinglePanePrinting(cp("20ø"), "1b"));
  EXPECT_FALSE(isSinglePanePrinting(cp("20ø"), "2"));
  EXPECT_FALSE(isSinglePanePrinting("4s", "1"));
  EXPECT_TRUE(needsExtraLoadStep(cp("8ø"), "9b-10"));
  EXPECT_FALSE(needsExtraLoadStep(cp("8ø"), "9"));
}

TEST(TwoColourSchema, SettingLabels) {
  struct Case {
    std::string block;
    SchemaPane pane;
    std::string label;
  } cases[] = {
      {"18", SchemaPane::A, "5A"},        {"18B", SchemaPane::B, "5B"},
      {"18", SchemaPane::Single, "5"},  // the block mark right after the first character goes
      {"27", SchemaPane::Single, "27"},   {"44A`1`0", SchemaPane::Single, "44A`1`0"},
      {"27B", SchemaPane::Single, "27B"}, {"180", SchemaPane::A, "180A"},
      {"4`4A", SchemaPane::A, "44A"},     {"", SchemaPane::Single, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(frameSettingLabel(c.block, c.pane), c.label) << c.block;
  const std::vector<std::pair<std::string, std::string>> shortened = {
      {"11B`a", "11B"},      {"16B`a", "16B"},      {"34A`a", "34A"},      {"44A`1`0", "44A`10"},
      {"44B`1`0", "44B`10"}, {"44A`1`1", "44A`11"}, {"44B`1`1", "44B`11"}, {"44A`12", "44A`12"},
  };
  for (const auto& [from, to] : shortened) EXPECT_EQ(shortenedSettingLabel(from), to);
}

TEST(TwoColourSchema, HeaderOfAPaneAndItsTitle) {
  const std::string serier = records({"Setting et", "", "", "", "Setting fem"}, 24);
  const DataFile file = test::DataBuilder()
                            .add("TSERIER", serier)
                            .add("T4SDAT", datSection({"T1", "F2", "R18", "A1", "T2", "R53"}))
                            .add("TRAMDAT", datSection({"E18", field("A1", ' ', "1", "18.3"),
                                                        field("B1", ' ', "1", "5.7"), "E53"}))
                            .file();
  const FrameData frames(file, file.findSection("TRAMDAT"));
  TwoColourPositionTable table;
  table.load(file, frames, "T", "4s", "1");
  const FrameSchemaHeader a = frameSchemaHeader(file, table, SchemaPane::A);
  EXPECT_EQ(a.label, "5A");
  EXPECT_EQ(a.period, "2");
  EXPECT_EQ(a.title, "Setting 5A (2. periode)");
  EXPECT_EQ(a.description, "Setting fem");
  EXPECT_EQ(frameSchemaPrintTag(a), "#Set5A-2");
  EXPECT_EQ(frameSchemaHeader(file, table, SchemaPane::B).title, "Setting 5B (1. periode)");

  table.load(file, frames, "T", "4s", "2");
  EXPECT_EQ(frameSchemaHeader(file, table, SchemaPane::A).title, "Rammesetting");
  // One step on from printing 1 reaches printing 2's block.
  table.load(file, frames, "T", "4s", "1", 1);
  EXPECT_EQ(table.frameBlockLabel(), "53");
  EXPECT_EQ(frameSchemaTitle("12A", 12, "1"), "Setting 12A");

  // Position 1 without a frame flaw number: the block's stored code gives the period.
  const DataFile bare = test::DataBuilder()
                            .add("T4SDAT", datSection({"T1", "F2", "R18", "T2", "R5"}))
                            .add("TRAMDAT", datSection({"E5", "E18"}))
                            .file();
  const FrameData bareFrames(bare, bare.findSection("TRAMDAT"));
  for (const auto& [printing, tag] : {std::pair{"1", "#Set5A-2"}, std::pair{"2", "#Set5A-1"}}) {
    table.load(bare, bareFrames, "T", "4s", printing);
    EXPECT_EQ(frameSchemaPrintTag(frameSchemaHeader(bare, table, SchemaPane::A)), tag) << printing;
  }
}

TEST(TwoColourSchema, GridsAndTurnedPanes) {
  std::vector<std::string> frameRecords = {"E7", field("A1", ' ', "3", "58.12", 'z'),
                                           field("A2", 'U', "2", "7.1")};
  for (int i = 1; i <= 51; ++i) frameRecords.push_back(field("B" + std::to_string(i), 'U', "", ""));
  const DataFile file =
      test::DataBuilder()
          .add(cp("T16øDAT"), datSection({"T8", "F2", "W2", "R7", field("A94", ' ', "?3", "106/87"),
                                          field("A1", ' ', "12", "12.105")}))
          .add("TRAMDAT", datSection(frameRecords))
          .file();
  const FrameData frames(file, file.findSection("TRAMDAT"));
  TwoColourPositionTable table;
  table.load(file, frames, "T", cp("16ø"), "8");
  EXPECT_EQ(table.watermarkSide(), 2);
  const SchemaGrid ovals = ovalSchemaGrid(table, cp("16ø"), SchemaPane::A);
  EXPECT_EQ(ovals[93].line1, "3");
  EXPECT_EQ(ovals[93].line2, "106/87");
  EXPECT_EQ(ovals[93].recordKey, cp("T16ø-2N"));  // the part after "/", 87 = 2 * 32 + 23
  EXPECT_EQ(ovals[0].line2, ".105");
  EXPECT_EQ(ovals[0].recordKey, cp("T16ø12-39"));
  EXPECT_TRUE(ovals[1].framed);
  const SchemaGrid frameCells = frameSchemaGrid(table, SchemaPane::A);
  EXPECT_EQ(frameCells[0].line2, "28.12");
  EXPECT_TRUE(frameCells[0].grey);
  EXPECT_FALSE(frameCells[0].framed);
  EXPECT_EQ(frameCells[0].recordKey, "T58-0C");
  EXPECT_TRUE(frameCells[1].framed);
  EXPECT_FALSE(frameCells[1].grey);
  EXPECT_FALSE(isTurnedPane(table, SchemaPane::A, "7A"));
  EXPECT_TRUE(isTurnedPane(table, SchemaPane::B, "7B"));
  EXPECT_FALSE(isTurnedPane(table, SchemaPane::B, "44B"));
  EXPECT_EQ(schemaWatermarkMark(2, SchemaPane::B), std::string("vm ") + char(26));
  EXPECT_EQ(schemaWatermarkMark(2, SchemaPane::A), std::string(1, char(27)) + " vm");
  EXPECT_EQ(schemaWatermarkMark(1, SchemaPane::Single), "");
}

TEST(TwoColourSchema, FullSheetLines) {
  struct Case {
    std::string text, shown;
    int palette;
  } cases[] = {
      {"?Blokke: 12  ", "Blokke kendes", 1},  {"To blokke af 4: ja", "To blokke af 4 kendes", 1},
      {"Helark: 3 ark", "Helark kendes", 1},  {"Tavle som tryk 2", "Tavle som tryk 2", 8},
      {"Halvark", "(Helark kendes ikke)", 8}, {"", "(Helark kendes ikke)", 8},
  };
  for (const Case& c : cases) {
    const FullSheetLine line = ovalFullSheetLineOf(c.text);
    EXPECT_EQ(line.text, c.shown) << c.text;
    EXPECT_EQ(line.palette, c.palette) << c.text;
  }
  const DataFile file =
      test::DataBuilder()
          .add("T4SDAU", records({"T1", "-", "info", "-", "IHelark: 2", "I?Blokke: 12"}, 160))
          .add("THELARK", records({"5A      Kun blokke af setting 5A", "12      Et helark"}, 36))
          .file();
  EXPECT_EQ(ovalFullSheetLine(file, "T", "4s", "1", SchemaPane::A).text, "Helark kendes");
  EXPECT_EQ(ovalFullSheetLine(file, "T", "4s", "1", SchemaPane::B).text, "Blokke kendes");
  EXPECT_EQ(ovalFullSheetLine(file, "T", "4s", "2", SchemaPane::A).palette, 8);
  const SectionRef helark = file.findSection("THELARK");
  const FullSheetLine five = frameFullSheetLine(file, helark, "Setting 5A (2. periode)");
  EXPECT_EQ(five.text, "Kun blokke af setting 5A");
  EXPECT_EQ(five.palette, 8);
  EXPECT_EQ(frameFullSheetLine(file, helark, "Setting 7A").text, "Helark kendes");
  EXPECT_EQ(frameFullSheetLine(file, helark, "Rammesetting").palette, 1);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
