#include "domain/value_tables.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/edition_names.hpp"
#include "domain/sheet_walk.hpp"

namespace kolvard {

void PrintTo(const StampColours& c, std::ostream* os) {
  *os << c.value << "/" << c.first;
}

namespace KOLVARD_TEST_UNIT {

TEST(PositionTextTest, SettingsPositionToIndex) {
  EXPECT_EQ(positionNumberFromText("B7"), 107);
  EXPECT_EQ(positionNumberFromText("A100"), 100);
  EXPECT_EQ(positionNumberFromText("15"), 15);
  EXPECT_EQ(positionNumberFromText("A1"), 1);
  EXPECT_EQ(positionNumberFromText("B100"), 200);
  EXPECT_EQ(positionNumberFromText("C1"), 201);
  EXPECT_EQ(positionNumberFromText("D100"), 400);
  EXPECT_EQ(positionNumberFromText(" B 7 "), 107);
  EXPECT_EQ(positionNumberFromText("400"), 400);
  for (std::string_view bad : {"", "B", "A0", "A101", "401", "0", "-5", "b7", "E5", "B7x", "7B",
                               "99999999999999999999", "1.5"}) {
    EXPECT_EQ(positionNumberFromText(bad), 1) << bad;
  }
}

TEST(EditionTitleTest, CaptionsAndMenuTexts) {
  EXPECT_EQ(editionTitle("T", 0, "x"), " Tofarvet");
  EXPECT_EQ(editionTitle("T", 1, "x"), " Island Ovaltype");
  EXPECT_EQ(editionTitle("R", 0, "x"), " Kvadratisk");
  EXPECT_EQ(editionTitle("V", 0, "x"), std::string(" V\x86") + "bentype");
  EXPECT_EQ(editionTitle("J", 1, "x"), " Island Tjeneste");
  EXPECT_EQ(editionTitle("K", 0, " Tofarvet"), " Tofarvet");
  EXPECT_EQ(editionTitle("", 1, "prev"), "prev");

  EXPECT_EQ(editionMenuText("C"), "Kvadrater. 3 & 4 cents");
  EXPECT_EQ(editionMenuText("M"), std::string("Tjenestefrim\x91rker"));
  EXPECT_EQ(editionMenuText("R"), "");
}

TEST(StampColourTest, OneColourForMostEditionsTwoForTwoColour) {
  EXPECT_EQ(stampColoursFor("P", "16s", 1), (StampColours{20, 0}));
  EXPECT_EQ(stampColoursFor("V", cp("10ø"), 1), (StampColours{12, 0}));
  EXPECT_EQ(stampColoursFor("V", "10o", 1), (StampColours{8, 0}));
  EXPECT_EQ(stampColoursFor("L", "16s", 1), (StampColours{8, 0}));
  EXPECT_EQ(stampColoursFor("I", "25a", 1), (StampColours{8, 0}));
  EXPECT_EQ(stampColoursFor("T", "48s", 1), (StampColours{5, 6}));
  EXPECT_EQ(stampColoursFor("T", cp("8ø"), 1), (StampColours{12, 8}));
  EXPECT_EQ(stampColoursFor("T", "14c", 30), (StampColours{2, 13}));
  EXPECT_EQ(stampColoursFor("T", "4a", 1), (StampColours{16, 27}));
  EXPECT_EQ(stampColoursFor("T", "40a", 1), (StampColours{8, 8}));
}

TEST(StampColourTest, PrintingDependentColoursChangeAtTheirPrinting) {
  struct Case {
    std::string_view edition, value;
    int lastOld, oldColour, newColour;
  };
  const Case cases[] = {{"M", "3ø", 4, 5, 25},
                        {"M", "5ø", 15, 2, 4},
                        {"M", "10ø", 6, 12, 2},
                        {"I", "20a", 2, 5, 9},
                        {"I", "40a", 1, 2, 5}};
  for (const Case& c : cases) {
    const std::string value = cp(c.value);
    EXPECT_EQ(stampColoursFor(c.edition, value, 0).value, c.oldColour) << c.value;
    EXPECT_EQ(stampColoursFor(c.edition, value, c.lastOld).value, c.oldColour) << c.value;
    EXPECT_EQ(stampColoursFor(c.edition, value, c.lastOld + 1).value, c.newColour) << c.value;
    EXPECT_EQ(stampColoursFor(c.edition, value, 73).value, c.newColour) << c.value;
  }
  // The printing selector is read as its leading number.
  EXPECT_EQ(leadingNumber("10a"), 10);
  EXPECT_EQ(leadingNumber("2-3"), 2);
  EXPECT_EQ(leadingNumber(""), 0);
  EXPECT_EQ(leadingNumber("x5"), 0);
}

TEST(StampColourTest, EveryValueOnTheFrontPageHasItsOwnColour) {
  for (std::string_view edition : {"C", "P", "L", "A", "T", "V", "M", "I", "J"}) {
    for (const std::string& value : valuesOf(edition)) {
      const std::string_view held = edition == "I" && isIcelandOvalValue(value) ? "T" : edition;
      const StampColours colours = stampColoursFor(held, value, 1);
      EXPECT_NE(colours, (StampColours{8, held == "T" ? 8 : 0})) << edition << " " << value;
    }
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
