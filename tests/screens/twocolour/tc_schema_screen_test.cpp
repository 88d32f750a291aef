// The two-coloured schema screen on the sample through the headless backend: panes, printing
// steps and refusals, the frame header and full-sheet lines, and the screen of a two-pane and
// a one-pane printing.
#include <gtest/gtest.h>

#include <string>

#include "data/cp865.hpp"
#include "support/golden.hpp"
#include "support/headless_run.hpp"
#include "ui/png_image.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::runHeadless;
using test::ScratchDir;

std::string at(const std::string& value, const std::string& printing) {
  return "T F5 V \"" + value + "\" Enter T \"" + printing + "\" Enter ";
}

TEST(TwoColourSchemaScreen, PanesPrintingsAndRefusals) {
  struct Case {
    std::string keys;
    int pane;
    std::string printing, label, ovalLine, frameLine, watermark;
    int message;  // the refusal's message number shown last
  } cases[] = {
      {at("4s", "1"), 1, "1", "5A", "Helark kendes", "Kun blokke af setting 5A", "vm \xe2\x86\x92",
       0},
      {at("4s", "1") + "B", 2, "1", "5B", "Blokke kendes", "Helark i privateje", "\xe2\x86\x90 vm",
       0},
      {at("4s", "1") + "Right Left", 1, "1", "5A", "Helark kendes", "Kun blokke af setting 5A",
       "vm \xe2\x86\x92", 0},
      // One pane: the pane keys do nothing.
      {at("16ø", "1") + "B Right A", 0, "1", "19", "Helark kendes", "Kun blokke af setting 19", "",
       0},
      // PgUp before the first printing, a printing past the last, a value without printings.
      {at("4s", "1") + "PgUp", 1, "1", "5A", "Helark kendes", "Kun blokke af setting 5A",
       "vm \xe2\x86\x92", 7},
      {at("4s", "1") + "T \"14\" Enter", 1, "1", "5A", "Helark kendes", "Kun blokke af setting 5A",
       "vm \xe2\x86\x92", 7},
      {at("4s", "1") + "V \"7x\" Enter", 1, "1", "5A", "Helark kendes", "Kun blokke af setting 5A",
       "vm \xe2\x86\x92", 6},
      {at("4s", "1") + "PgDn", 1, "2-3", "5A", "Blokke kendes", "Kun blokke af setting 5A",
       "vm \xe2\x86\x92", 0},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    dir.addSampleData();
    const auto r = runHeadless(dir, c.keys);
    ASSERT_EQ(r.status, 0);
    const TwoColourSchemasState& s = r.state.tcSchemas;
    EXPECT_EQ(r.state.screenName, "tc-schemas") << c.keys;
    EXPECT_EQ(s.shownPane, c.pane) << c.keys;
    EXPECT_EQ(r.state.selection.printing(), c.printing) << c.keys;
    EXPECT_EQ(s.label, c.label) << c.keys;
    EXPECT_EQ(s.ovalFullSheet, c.ovalLine) << c.keys;
    EXPECT_EQ(s.frameFullSheet, c.frameLine) << c.keys;
    EXPECT_EQ(cp865ToUtf8(s.watermark), c.watermark) << c.keys;
    EXPECT_EQ(r.state.message.number, c.message) << c.keys;
  }
}

TEST(TwoColourSchemaScreen, LeavesForTheOtherScreens) {
  ScratchDir dir;
  dir.addSampleData();
  EXPECT_EQ(runHeadless(dir, at("4s", "1") + "F6").state.screenName, "tc-flaws");
  EXPECT_EQ(runHeadless(dir, at("4s", "1") + "Esc").state.screenName, "front");
}

TEST(TwoColourSchemaScreenGolden, TwoPaneAndOnePanePrintings) {
  ScratchDir dir;
  dir.addSampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const auto r = runHeadless(
      dir, at("4s", "1") + "A shot:" + a("4s.png") + " V \"16ø\" Enter A shot:" + a("16o.png"));
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(test::matchesGolden(readPng(dir / "4s.png").value(), "tc-schemas-T-4s-1A"));
  EXPECT_TRUE(test::matchesGolden(readPng(dir / "16o.png").value(), "tc-schemas-T-16o-1"));
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
