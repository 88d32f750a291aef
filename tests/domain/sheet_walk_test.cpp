#include "domain/sheet_walk.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "data/cp865.hpp"
#include "domain/messages.hpp"
#include "domain/position_table.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

std::string dot() {
  return std::string(1, cp865::kMiddleDot);
}

std::string step(std::string_view position, int panes, PositionDirection direction) {
  const PositionStepResult r = stepPosition(position, panes, direction);
  return r.moved ? r.position + "/" + std::to_string(r.index) : "beep";
}

TEST(SheetWalk, PositionStepsAcrossPanes) {
  using D = PositionDirection;
  EXPECT_EQ(step("B1", 2, D::Previous), "A100/100");
  EXPECT_EQ(step("A100", 2, D::Next), "B1/101");
  EXPECT_EQ(step("B100", 4, D::Next), "C1/201");
  EXPECT_EQ(step("B100", 2, D::Next), "beep");
  EXPECT_EQ(step("D100", 4, D::Next), "beep");
  EXPECT_EQ(step("A1", 2, D::Previous), "beep");
  EXPECT_EQ(step("1", 1, D::Previous), "beep");
  EXPECT_EQ(step("17", 2, D::Next), "A18/18");  // a bare number counts as pane A

  EXPECT_EQ(step("A95", 2, D::Below), "B5/105");
  EXPECT_EQ(step("B95", 2, D::Below), "beep");
  EXPECT_EQ(step("B95", 4, D::Below), "C5/205");
  EXPECT_EQ(step("95", 1, D::Below), "beep");
  EXPECT_EQ(step("85", 1, D::Below), "95/95");
  EXPECT_EQ(step("A7", 2, D::Above), "beep");
  EXPECT_EQ(step("B7", 2, D::Above), "A97/97");
  EXPECT_EQ(step("D3", 4, D::Above), "C93/293");
  EXPECT_EQ(step("", 2, D::Next), "beep");
  EXPECT_EQ(step("A0", 2, D::Next), "beep");
}

TEST(SheetWalk, PositionTextsAndEntries) {
  EXPECT_EQ(positionOnEntry("B17", 1), "1");
  EXPECT_EQ(positionOnEntry("C17", 3), "1");
  EXPECT_EQ(positionOnEntry("17", 2), "A1");
  EXPECT_EQ(positionOnEntry("B17", 2), "B17");
  EXPECT_EQ(positionOnEntry("17", 1), "17");
  EXPECT_EQ(positionIndexOf("B17"), 117);
  EXPECT_EQ(positionIndexOf("D100"), 400);
  EXPECT_EQ(positionIndexOf(""), 0);
  EXPECT_EQ(firstPosition("B17"), "A1");
  EXPECT_EQ(lastPosition("17"), "100");

  EXPECT_EQ(shownPosition("P4s", "2", "A17", 2), "I" + dot() + "17");
  EXPECT_EQ(shownPosition("P4s", "4", "A17", 2), "III" + dot() + "17");
  EXPECT_EQ(shownPosition("L4s", "7", "B3", 2), "VIII" + dot() + "3");
  EXPECT_EQ(shownPosition("A4s", "2", "17", 2), "A17");
  EXPECT_EQ(shownPosition("A4s", "2", "B17", 1), "pos. 17");

  const PositionEntryResult b = parsePositionEntry("B17", 2);
  ASSERT_TRUE(b.accepted);
  EXPECT_EQ(b.position, "B17");
  EXPECT_EQ(b.index, 117);
  EXPECT_EQ(parsePositionEntry("X5", 2).position, "A5");
  EXPECT_EQ(parsePositionEntry("B17", 1).position, "17");
  EXPECT_EQ(parsePositionEntry("A101", 2).message, kMessagePositionRange);
  EXPECT_FALSE(parsePositionEntry("", 2).accepted);
  EXPECT_FALSE(parsePositionEntry("0", 1).accepted);
}

TEST(SheetWalk, PrintingStepTables) {
  EXPECT_EQ(previousPrinting("A", "4s", "4"), "2-3");
  EXPECT_EQ(nextPrinting("A", "4s", "2-3", 12), "4");
  EXPECT_EQ(nextPrinting("A", "4s", "9", 12), "10a");
  EXPECT_EQ(previousPrinting("A", "4s", "9"), "8b");
  EXPECT_EQ(nextPrinting("A", "4s", "10a", 12), "10b");
  EXPECT_EQ(nextPrinting("V", cp("20ø"), "14a", 20), "14b");
  EXPECT_EQ(nextPrinting("A", "4s", "10b", 12), "11");  // by number after the halves
  EXPECT_EQ(previousPrinting("P", "4s", "3"), "2");
  EXPECT_FALSE(previousPrinting("P", "4s", "1"));
  EXPECT_FALSE(nextPrinting("P", "4s", "6", 6));
  EXPECT_FALSE(nextPrinting("P", "4s", "", 0));
  EXPECT_EQ(nextPrinting("A", "3s", "2", 4), "3a");
}

TEST(SheetWalk, FollowClicheAndSeriesPrinting) {
  PrintingPositionTable table;
  table.setEntry(5, 0, "  12  2.317 ");
  table.setEntry(105, 0, "  13  1.117 ");
  table.setEntry(150, 0, "  14  1.117 ");
  table.setEntry(200, 0, "  15  9     ");
  table.setEntry(250, 0, "  15  4.4   ");

  EXPECT_EQ(followClichePosition(table, "1.117 ", 2), "B5");
  EXPECT_EQ(followClichePosition(table, "2.317", 2), "A5");
  EXPECT_EQ(followClichePosition(table, "9", 2), "B100");
  EXPECT_FALSE(followClichePosition(table, "4.4", 4));  // only entries 1..200
  EXPECT_FALSE(followClichePosition(table, "1.117", 1));
  EXPECT_EQ(followClichePosition(table, "2.317", 1), "5");
  EXPECT_FALSE(followClichePosition(table, "", 2));
  EXPECT_FALSE(followClichePosition(table, "      ", 2));

  EXPECT_TRUE(seriesPrintingUnavailable("C", "3c"));
  EXPECT_TRUE(seriesPrintingUnavailable("L", "4s"));
  EXPECT_TRUE(seriesPrintingUnavailable("P", "8s"));
  EXPECT_FALSE(seriesPrintingUnavailable("P", "16s"));
  EXPECT_TRUE(seriesPrintingUnavailable("M", cp("10ø")));
  EXPECT_FALSE(seriesPrintingUnavailable("A", "4s"));
}

// An occurrence item: group code, value + printing (6), pane letter, position (7).
std::string item(char group, std::string valuePrinting, char pane, std::string position) {
  valuePrinting.resize(6, ' ');
  position.insert(0, 7 - std::min<std::size_t>(position.size(), 7), ' ');
  return group + valuePrinting + pane + position;
}

TEST(SheetWalk, OccurrenceLines) {
  const std::string items = item(' ', "4s2", 'A', "17") + item('H', "4s3", 'B', "17") +
                            item(' ', "4S10", 'C', "17") + item(' ', "4s4", ' ', "17") +
                            " 10o1  A  3";  // a short last item
  const auto lines = occurrenceLines(items, "4s3", "P", 17);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0].valuePrinting, "4s2");
  EXPECT_EQ(lines[0].pane, "I" + dot() + "17");
  EXPECT_EQ(lines[0].positionLabel, "");
  EXPECT_EQ(lines[0].colour, 1);
  EXPECT_EQ(lines[1].pane, "II" + dot() + "17");
  EXPECT_EQ(lines[1].colour, 2);
  EXPECT_EQ(lines[2].valuePrinting, "4s10");
  EXPECT_EQ(lines[2].pane, "C");
  EXPECT_EQ(lines[2].positionLabel, "17");
  EXPECT_EQ(lines[3].pane, "");
  EXPECT_EQ(lines[3].colour, 3);
  EXPECT_EQ(lines[3].positionLabel, "17");  // no pane: no plate numeral
  EXPECT_EQ(lines[4].valuePrinting, cp("10ø1"));
  EXPECT_EQ(lines[4].positionLabel, "3");

  const auto grouped = occurrenceLines(item('H', "8s1", 'A', "17"), "8s2", "A", 17);
  ASSERT_EQ(grouped.size(), 1u);
  EXPECT_EQ(grouped[0].pane, "A");
  EXPECT_EQ(grouped[0].positionLabel, "17/67");
  EXPECT_TRUE(occurrenceLines("", "4s1", "P", 1).empty());
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
