// Pane captions from the sheet-knowledge sections and the watermark records.
#include "domain/sheet_knowledge.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/cp865.hpp"
#include "support/data_builder.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

std::string records(const std::vector<std::string>& lines, std::size_t length) {
  std::string out;
  for (std::string line : lines) {
    line.resize(length, ' ');
    out += line;
  }
  return out;
}

TEST(SheetKnowledge, CaptionsOfEachKind) {
  EXPECT_EQ(paneCaption("Helark: 2 ark"), "Helark kendes");
  EXPECT_EQ(paneCaption("?Helark: 2 ark"), "Helark kendes");
  EXPECT_EQ(paneCaption("Halvark (top)"), "Halvark kendes");
  EXPECT_EQ(paneCaption("?Blokke: A1-A30"), "Blokke kendes");
  EXPECT_EQ(paneCaption("To store blokke"), "Blokke kendes");
  EXPECT_EQ(paneCaption("Tavle som tryk 2   "), "Tavle som tryk 2");
  EXPECT_EQ(paneCaption("Helark"), "(Helark kendes ikke)");  // no colon: not a whole sheet
  EXPECT_EQ(paneCaption(""), "(Helark kendes ikke)");
}

TEST(SheetKnowledge, FindsThePrintingsEntry) {
  const std::string dau =
      records({"T1", "-", "1870, 100 ark", "-", "IHelark: 100 ark", "I?Blokke: A1-A20", "I", "I",
               "T10", "-", "1880", "-", "IHalvark", "ISom tryk 1", "I", "I"},
              kSheetKnowledgeRecord);
  const DataFile file = test::DataBuilder().add("P4SDAU", dau).file();
  const SheetKnowledge one = readSheetKnowledge(file, "P", "4s", "1");
  ASSERT_TRUE(one.found);
  EXPECT_EQ(one.information, "1870, 100 ark");
  EXPECT_EQ(one.captions[0], "Helark kendes");
  EXPECT_EQ(one.captions[1], "Blokke kendes");
  EXPECT_EQ(one.captions[2], "(Helark kendes ikke)");
  // "T1" does not open the entry of printing 10, nor the other way round.
  const SheetKnowledge ten = readSheetKnowledge(file, "P", "4s", "10");
  ASSERT_TRUE(ten.found);
  EXPECT_EQ(ten.captions[0], "Halvark kendes");
  EXPECT_EQ(ten.captions[1], "(Helark kendes ikke)");  // "Som" with a capital is not "som tryk"
  EXPECT_FALSE(readSheetKnowledge(file, "P", "4s", "2").found);
  EXPECT_FALSE(readSheetKnowledge(file, "P", "2s", "1").found);
  EXPECT_EQ(readSheetKnowledge(file, "P", "2s", "1").captions[3], "(Helark kendes ikke)");
}

TEST(SheetKnowledge, EntryCutOffByTheSectionEnd) {
  // The entry starts in the last records: the missing pane lines read as unknown.
  const std::string dau =
      records({"T1", "-", "info", "-", "IHelark: 3 ark"}, kSheetKnowledgeRecord);
  const DataFile file = test::DataBuilder().add(cp("V5ØDAU"), dau + std::string(40, 'x')).file();
  const SheetKnowledge k = readSheetKnowledge(file, "V", cp("5ø"), "1");
  ASSERT_TRUE(k.found);
  EXPECT_EQ(k.captions[0], "Helark kendes");
  EXPECT_EQ(k.captions[1], "(Helark kendes ikke)");
}

TEST(SheetKnowledge, WatermarkRecords) {
  const std::string o(1, cp865::kOslash);
  const std::string helark =
      records({"4s1A    >", "4s1B    <", "4s12-13A<", "5" + o + "2A    >", "*", "4s2A    >"},
              kWatermarkRecord);
  const DataFile file = test::DataBuilder().add("PHELARK", helark).file();
  const SectionRef ref = file.findSection("PHELARK");
  EXPECT_EQ(readWatermark(file, ref, "4s", "1", 'A'), WatermarkDirection::Right);
  EXPECT_EQ(readWatermark(file, ref, "4s", "1", 'B'), WatermarkDirection::Left);
  // Keys are cut to 8 characters: "4s12-13A" matches printing 12-13 pane A.
  EXPECT_EQ(readWatermark(file, ref, "4s", "12-13", 'A'), WatermarkDirection::Left);
  EXPECT_EQ(readWatermark(file, ref, "5" + o, "2", 'A'), WatermarkDirection::Right);
  // The "*" record ends the list.
  EXPECT_EQ(readWatermark(file, ref, "4s", "2", 'A'), WatermarkDirection::Unknown);
  EXPECT_EQ(readWatermark(file, SectionRef{}, "4s", "1", 'A'), WatermarkDirection::Unknown);
  EXPECT_EQ(watermarkMark(WatermarkDirection::Right), std::string("vm ") + char(26));
  EXPECT_EQ(watermarkMark(WatermarkDirection::Left), std::string(1, char(27)) + " vm");
  EXPECT_EQ(watermarkMark(WatermarkDirection::Unknown), "");
}

TEST(SheetKnowledge, DamagedSectionsNeverReadPastTheirEnd) {
  std::string dau = records({"T1", "-", "info", "-", "IHelark: 1 ark", "IHalvark"}, 160);
  std::string helark = records({"4s1A    >", "4s1B    <"}, 36);
  for (std::size_t cut = 0; cut <= dau.size(); cut += 37) {
    const DataFile file = test::DataBuilder()
                              .add("P4SDAU", dau.substr(0, cut))
                              .add("PHELARK", helark.substr(0, cut % helark.size()))
                              .file();
    const SheetKnowledge k = readSheetKnowledge(file, "P", "4s", "1");
    for (const std::string& caption : k.captions) EXPECT_FALSE(caption.empty());
    // The pane B record is never whole here.
    EXPECT_EQ(readWatermark(file, file.findSection("PHELARK"), "4s", "1", 'B'),
              WatermarkDirection::Unknown);
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
