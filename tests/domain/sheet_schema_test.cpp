// The drawing rules of sheet schemas: flag marks, pane names, cell texts, repeated copies,
// print tags, and the sheet of a printing read in schema mode.
#include "domain/sheet_schema.hpp"

#include <gtest/gtest.h>

#include <string>

#include "data/cp865.hpp"
#include "domain/value_text.hpp"
#include "print/sheet_schema_print.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

std::string marksOf(const char* flag) {
  const FlagMarks m = flagMarks(flag);
  std::string out;
  if (m.box) out += 'S';
  if (m.outline) out += 'F';
  if (m.right) out += 'R';
  if (m.left) out += 'L';
  if (m.star) out += 'X';
  return out;
}

TEST(SheetSchema, EveryFlagLetterSelectsItsMarks) {
  const std::pair<const char*, const char*> expected[] = {
      {"?", "S"}, {"z", "S"},   {"o", "SR"},  {"p", "SL"},   {"q", "SRL"}, {"!", "SF"}, {"Z", "SF"},
      {"*", "F"}, {"O", "SFR"}, {"P", "SFL"}, {"Q", "SFRL"}, {"n", "X"},   {"F", "FX"}, {"N", "SX"},
      {"X", "X"}, {"U", "SRX"}, {"V", "SLX"}, {"W", "SRLX"}, {"", ""},     {" ", ""},   {"a", ""},
  };
  for (const auto& [flag, marks] : expected) EXPECT_EQ(marksOf(flag), marks) << "flag " << flag;
}

TEST(SheetSchema, NewClicheFlagsPrefixTheDescription) {
  for (const char* flag : {"n", "F", "N", "U", "V", "W", "X"}) EXPECT_TRUE(isNewClicheFlag(flag));
  for (const char* flag : {"?", "o", "Q", "*", ""}) EXPECT_FALSE(isNewClicheFlag(flag));
}

TEST(SheetSchema, PaneNames) {
  EXPECT_EQ(paneName("P", "4s", "1", 0), " plade I");
  EXPECT_EQ(paneName("P", "4s", "1", 1), " plade II");
  EXPECT_EQ(paneName("P", "4s", "6", 1), " plade IV");
  EXPECT_EQ(paneName("P", "4s", "5", 0), " plade V");
  EXPECT_EQ(paneName("L", "4s", "7", 1), " plade VIII");
  EXPECT_EQ(paneName("C", "3c", "3", 0), " plade I");
  EXPECT_EQ(paneName("A", "4s", "4", 2), "  Supplement 1");
  EXPECT_EQ(paneName("A", "4s", "6", 3), "  Supplement 2");
  EXPECT_EQ(paneName("A", "4s", "5", 2), "  C-ark");
  EXPECT_EQ(paneName("V", cp("5ø"), "7", 1), "  B-ark");
}

TEST(SheetSchema, PrintingHeadings) {
  // Printing 2 of 4 skilling 1864 is the unit "2-3".
  const std::string printing = normalisePrintingName("A", "4s", "2");
  EXPECT_EQ(printing, "2-3");
  EXPECT_EQ(sheetPrintingHeading("A", "4s", printing, 4, 0), "Tryk 2-3  A-ark");
  EXPECT_EQ(sheetPrintingHeading("V", cp("1ø"), "3", 1, 0), "Tryk 3");
  EXPECT_EQ(sheetHeading("P", "4s", cp(" 1854 Udgaven")), "4 skilling 1854 udgaven");
  EXPECT_EQ(sheetHeading("A", "4s", cp(" 1864 Udgaven")), "4 skilling 1864 Udgaven");
}

TEST(SheetSchema, CellTexts) {
  EXPECT_EQ(cellTypeText("?12A  "), "12A");
  EXPECT_EQ(cellClicheText("P", "4s", "1", "117"), "I" + std::string(1, cp865::kMiddleDot) + "17");
  EXPECT_EQ(cellClicheText("P", "4s", "1", "200"),
            "II" + std::string(1, cp865::kMiddleDot) + "100");
  // The other editions write the number as it stands.
  EXPECT_EQ(cellClicheText("V", cp("5ø"), "1", "2.117"), "2.117");
  EXPECT_EQ(cellClicheText("A", "4s", "1", "?17"), "17");
  EXPECT_EQ(cellClicheText("P", "4s", "1", ""), "");
}

TEST(SheetSchema, RepeatedCopies) {
  PositionTable table;
  table[3][kClicheField] = "7";
  table[53][kClicheField] = "7";  // top half repeated: 50 positions later
  table[8][kClicheField] = "7";   // left half repeated: 5 columns later
  table[58][kClicheField] = "9";
  EXPECT_TRUE(isRepeatedCopy(table, SheetGroup::H, 53));
  EXPECT_FALSE(isRepeatedCopy(table, SheetGroup::H, 3));
  EXPECT_FALSE(isRepeatedCopy(table, SheetGroup::H, 8));  // the top half is the source
  EXPECT_TRUE(isRepeatedCopy(table, SheetGroup::V, 8));
  EXPECT_FALSE(isRepeatedCopy(table, SheetGroup::V, 53));
  EXPECT_FALSE(isRepeatedCopy(table, SheetGroup::K, 58));  // a different cliché
  EXPECT_FALSE(isRepeatedCopy(table, SheetGroup::None, 53));
  EXPECT_FALSE(isRepeatedCopy(table, SheetGroup::H, 0));
}

TEST(SheetSchema, PrintTagsAndFurtherPrintings) {
  EXPECT_EQ(sheetPrintTag("A", "4s", "2-3", 'A'), "#A4s2-3A");
  EXPECT_EQ(sheetPrintTag("V", cp("1ø"), "3", 0), "#V1" + std::string(1, cp865::kOslash) + "3");
  SheetSchemaPage page{.edition = "P",
                       .value = "4s",
                       .printing = "2",
                       .caption = "",
                       .panes = 2,
                       .pane = 1,
                       .paneCaption = "",
                       .table = nullptr,
                       .group = SheetGroup::None};
  EXPECT_EQ(sheetSchemaTag(page), "#P4s2B");
  page.panes = 1;
  EXPECT_EQ(sheetSchemaTag(page), "#P4s2");
  EXPECT_TRUE(readsOneFurtherPrinting("P", "4s", "5"));
  EXPECT_TRUE(readsOneFurtherPrinting("A", "4s", "10b"));
  EXPECT_TRUE(readsOneFurtherPrinting("V", cp("20ø"), "14b"));
  EXPECT_FALSE(readsOneFurtherPrinting("A", "4s", "10a"));
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
