#include "domain/two_colour_steps.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "domain/two_colour_printings.hpp"
#include "support/dat_section.hpp"
#include "support/data_builder.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

const std::string kOe = "\x9b";  // "ø"

TEST(TwoColourSteps, SheetPositions) {
  using D = SheetDirection;
  using O = SheetStep::Outcome;
  struct Case {
    const char* from;
    D direction;
    O outcome;
    const char* to;
    int index;
  } const cases[] = {
      {"B1", D::Previous, O::Moved, "A100", 100}, {"A1", D::Previous, O::Beep, "A1", 1},
      {"1", D::Previous, O::Beep, "1", 1},        {"A27", D::Previous, O::Moved, "A26", 26},
      {"A100", D::Next, O::Moved, "B1", 101},     {"B100", D::Next, O::Stayed, "B100", 200},
      {"100", D::Next, O::Stayed, "100", 100},    {"B99", D::Next, O::Moved, "B100", 200},
      {"A95", D::Below, O::Moved, "B5", 105},     {"B95", D::Below, O::Beep, "B95", 195},
      {"95", D::Below, O::Beep, "95", 95},        {"A85", D::Below, O::Moved, "A95", 95},
      {"B7", D::Above, O::Moved, "A97", 97},      {"A7", D::Above, O::Beep, "A7", 7},
      {"17", D::Above, O::Moved, "7", 7},         {"B17", D::Above, O::Moved, "B7", 107},
  };
  for (const Case& c : cases) {
    const int index = c.from[0] == 'B'   ? std::stoi(c.from + 1) + 100
                      : c.from[0] == 'A' ? std::stoi(c.from + 1)
                                         : std::stoi(c.from);
    const SheetStep step = stepSheetPosition({c.from, index}, c.direction);
    EXPECT_EQ(step.outcome, c.outcome) << c.from << " " << static_cast<int>(c.direction);
    EXPECT_EQ(step.position.text, c.to) << c.from << " " << static_cast<int>(c.direction);
    EXPECT_EQ(step.position.index, c.index) << c.from << " " << static_cast<int>(c.direction);
  }
  EXPECT_EQ(lastSheetPosition("A5").text, "B100");
  EXPECT_EQ(lastSheetPosition("5").index, 100);
  EXPECT_EQ(firstSheetPosition("B5").text, "A1");
}

TEST(TwoColourSteps, FlawNumbersAndSettings) {
  EXPECT_EQ(splitFlawNumber("2.17").group, 2);
  EXPECT_EQ(splitFlawNumber("2.17").running, 17);
  EXPECT_EQ(splitFlawNumber("17").group, 0);
  EXPECT_EQ(joinFlawNumber(0, 4), "4");
  EXPECT_EQ(joinFlawNumber(28, 4), "28.4");
  EXPECT_EQ(frameSettingAfter(17, 51), 19);
  EXPECT_EQ(frameSettingBefore(19), 17);
  EXPECT_EQ(frameSettingAfter(51, 51), std::nullopt);
  EXPECT_EQ(frameSettingBefore(1), std::nullopt);
}

TEST(TwoColourSteps, PrintingSuccessorsAndPredecessors) {
  struct Case {
    std::string value;
    const char* printing;
    const char* after;   // "" none
    const char* before;  // "" none
  } const cases[] = {
      {"4s", "1", "2-3", ""},
      {"4s", "2-3", "4", "1"},
      {"4s", "4", "5", "2-3"},
      {"4s", "13", "", "12"},
      {"8" + kOe, "8", "9a", "7"},
      {"8" + kOe, "9a", "9b-10", "8"},
      {"8" + kOe, "9b-10", "11", "9a"},
      {"8" + kOe, "32", "33a", "31"},
      {"16" + kOe, "33A", "33B", "32"},
      {"16" + kOe, "33B", "", "33A"},
      {"20" + kOe, "1a", "1b", ""},
      {"20" + kOe, "2", "3", "1b"},
      {"50" + kOe, "12-13", "14", "11"},
  };
  const auto text = [](const std::optional<std::string>& p) { return p.value_or(""); };
  for (const Case& c : cases) {
    const int count = std::stoi(twoColourHighestPrinting(c.value));
    EXPECT_EQ(text(printingAfter(c.value, c.printing, count)), c.after) << c.value << c.printing;
    EXPECT_EQ(text(printingBefore(c.value, c.printing)), c.before) << c.value << c.printing;
  }
}

TEST(TwoColourSteps, AFollowedOvalIsFoundOnTheOtherPrintingsSheet) {
  using test::positionRecord;
  for (const char* layout : {"F2", "F1"}) {
    const DataFile file = test::datFile(
        "T4SDAT", test::datSection({layout, "T1", "R1", positionRecord("A17", "1", "2.17"),
                                    positionRecord("B5", "2", "1.5"), "^F"}));
    TwoColourPositionTable table;
    table.load(file, FrameData(), "T", "4s", "1");
    const auto found = followedOvalPosition(table, "1.5");
    ASSERT_TRUE(found) << layout;
    EXPECT_EQ(found->text, layout == std::string("F2") ? "B5" : "5");
    EXPECT_EQ(followedOvalPosition(table, "2.17")->text,
              layout == std::string("F2") ? "A17" : "17");
    EXPECT_FALSE(followedOvalPosition(table, "9.9"));
    // Nothing followed finds nothing, not the first place without an oval flaw number.
    EXPECT_FALSE(followedOvalPosition(table, ""));
    EXPECT_FALSE(followedOvalPosition(table, "      "));
  }
}

TEST(TwoColourSteps, FrameFlawCountOfASettingInAPeriod) {
  std::string bytes = "xx";
  for (int code = 1; code <= 73; ++code) bytes += {static_cast<char>(code), '\0'};
  const DataFile file = test::DataBuilder().add("TRFANTAL", bytes).file();
  const FrameSettingCounts counts(file, file.findSection("TRFANTAL"));
  struct Case {
    int setting;
    const char* period;
    int count;  // the code whose count is taken
  } const cases[] = {
      {28, "2", 28}, {29, "2", 29}, {5, "2", 5},   {31, "1", 61}, {31, "2", 31},
      {39, "2", 69}, {43, "2", 73}, {39, "1", 39}, {41, "", 41},  {12, "2", 12},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(frameFlawCount(counts, c.setting, c.period, false), c.count)
        << c.setting << " in period " << c.period;
  }
  EXPECT_EQ(frameFlawCount(counts, 53, "", true), 100);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
