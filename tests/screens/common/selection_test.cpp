#include "screens/common/selection.hpp"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "data/cp865.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

Selection selectionOf(const std::string& edition, const std::string& value, PrintingRange range) {
  Selection s;
  s.restore(edition, false, value, std::move(range), "1");
  return s;
}

TEST(Selection, TheRangeFollowsTheValue) {
  Selection s = selectionOf("P", "4s", {"3", "5"});
  EXPECT_EQ(s.highestPrinting(), "6");
  s.setValue("16s");
  EXPECT_EQ(s.printings(), (PrintingRange{"1", "1"}));
  EXPECT_EQ(s.highestPrinting(), "3");
  EXPECT_EQ(s.printingCount(), 3);
  s.setValue("9s");  // no such value: no printings
  EXPECT_EQ(s.highestPrinting(), "0");
  EXPECT_FALSE(s.hasPrintings());
  // Another edition with the same value letter: the highest printing is that edition's.
  s.setValue("4s");
  s.setEdition("A", false);
  EXPECT_EQ(s.value(), "4s");
  EXPECT_EQ(s.highestPrinting(), "12");
}

TEST(Selection, OnePrintingShownIsARangeOfOne) {
  Selection s = selectionOf("V", cp("5ø"), {"2", "40"});
  s.setPrinting("14");
  EXPECT_EQ(s.printing(), "14");
  EXPECT_EQ(s.printings(), (PrintingRange{"14", "14"}));
}

TEST(Selection, TheRangeIsKeptWithinThePrintings) {
  struct Case {
    std::string edition, value;
    PrintingRange typed, kept;
  };
  const Case cases[] = {
      {"P", "4s", {"2", "5"}, {"2", "5"}},
      {"P", "4s", {"4", "2"}, {"4", "4"}},   // to at least from
      {"P", "4s", {"9", "12"}, {"6", "6"}},  // both at most the highest
      {"P", "4s", {"1", "60"}, {"1", "6"}},
      {"P", "9s", {"1", "3"}, {"0", "0"}},  // a value without printings
      {"A", "4s", {"2-3", "8a"}, {"2-3", "8a"}},
  };
  for (const Case& c : cases) {
    Selection s = selectionOf(c.edition, c.value, c.typed);
    s.keepRangeWithinPrintings();
    EXPECT_EQ(s.printings(), c.kept)
        << c.edition << c.value << " " << c.typed.from << "-" << c.typed.to;
  }
}

TEST(Selection, APositionTextGivesItsIndex) {
  struct Case {
    const char* text;
    int index;
  };
  // One pane: bare numbers; two panes: A and B; four panes: C and D too.
  const Case cases[] = {{"17", 17},    {"100", 100}, {"A17", 17},   {"B17", 117},
                        {"B100", 200}, {"C1", 201},  {"D100", 400}, {" B 7 ", 107},
                        {"E5", 1},     {"A0", 1},    {"B101", 1},   {"", 1}};
  Selection s;
  for (const Case& c : cases) {
    s.setPosition(c.text);
    EXPECT_EQ(s.position(), c.text);
    EXPECT_EQ(s.positionIndex(), c.index) << c.text;
  }
}

TEST(Selection, RestoringTakesARecordAsItIs) {
  Selection s;
  s.restore("L", false, "4s", {"3", "1"}, "B5");
  EXPECT_EQ(s.printings(), (PrintingRange{"3", "1"}));
  EXPECT_EQ(s.positionIndex(), 105);
  EXPECT_EQ(s.highestPrinting(), "7");
  // But for printings the value does not have, which would show empty sheets.
  for (const auto& [from, to, want] : std::vector<std::array<std::string, 3>>{
           {"200", "9", "7-7"}, {"0", "", "1-1"}, {"x", "2", "1-2"}, {"9b", "3", "7-3"}}) {
    s.restore("L", false, "4s", {from, to}, "1");
    EXPECT_EQ(s.printings().from + "-" + s.printings().to, want) << from << "-" << to;
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
