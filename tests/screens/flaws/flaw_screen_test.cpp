// The cliché-flaw screen through the headless backend: walking a sheet, printings and the
// number order.
#include <gtest/gtest.h>

#include "data/cp865.hpp"
#include "support/golden.hpp"
#include "support/headless_run.hpp"
#include "support/parsed_dump.hpp"
#include "ui/png_image.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::readDump;
using test::runHeadless;
using test::ScratchDir;

TEST(FlawScreen, WalksTheSheetWithTheArrowKeys) {
  ScratchDir dir;
  dir.addSampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  // P 4s has two panes: the walk crosses from pane A into pane B and back.
  const auto r = runHeadless(
      dir, "P Down F6 state:" + a("1.json") + " Right Right state:" + a("2.json") +
               " Left Left Left state:" + a("3.json") + " End Up state:" + a("4.json") +
               " Home Down Down " + "Down Down Down Down Down Down Down Down state:" + a("5.json"));
  ASSERT_EQ(r.status, 0);
  const auto dump = [&](const char* file) { return readDump(dir / file); };
  EXPECT_EQ(dump("1.json")["screen"], "flaws");
  EXPECT_EQ(dump("1.json")["position"], "A1");
  EXPECT_EQ(dump("2.json")["position"], "A3");
  EXPECT_EQ(dump("3.json")["position"], "A1");  // Left on A1 beeps and stays
  EXPECT_EQ(dump("4.json")["position"], "B90");
  EXPECT_EQ(dump("4.json")["positionIndex"], 190);
  EXPECT_EQ(dump("5.json")["position"], "B1");  // ten rows down from A1 is B1
  EXPECT_EQ(dump("5.json")["positionIndex"], 101);
  EXPECT_EQ(r.beeps, 1);
}

TEST(FlawScreen, PrintingStepsStopAtTheEnds) {
  ScratchDir dir;
  dir.addSampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const auto r =
      runHeadless(dir, "P Down F6 PgUp state:" + a("1.json") + " PgDn PgDn state:" + a("2.json") +
                           " PgDn PgDn PgDn PgDn PgDn state:" + a("3.json") + " Esc");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(readDump(dir / "1.json")["printing"], "1");
  EXPECT_EQ(readDump(dir / "2.json")["printing"], "3");
  EXPECT_EQ(readDump(dir / "3.json")["printing"], "6");
  EXPECT_EQ(r.beeps, 0);  // the ends show message 7, without a beep
  EXPECT_EQ(r.state.screenName, "front");
}

TEST(FlawScreen, TypedPositionsAndPlateNumerals) {
  ScratchDir dir;
  dir.addSampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  // In printing 2 of P 4s, "III-7" is plate III: printing 4, position A7.
  const auto r = runHeadless(dir, "P Down F6 PgDn P \"B17\" Enter state:" + a("1.json") +
                                      " I \"II7\" Enter state:" + a("2.json"));
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(readDump(dir / "1.json")["position"], "B17");
  nlohmann::json second = readDump(dir / "2.json");
  EXPECT_EQ(second["position"], "A7");
  EXPECT_EQ(second["printing"], "4");
}

TEST(FlawScreen, NumberOrderNeedsASeriesPrint) {
  ScratchDir dir;
  dir.addSampleData();
  // P 4s has no series print: "C" only beeps.
  auto r = runHeadless(dir, "P Down F6 C Esc");
  EXPECT_EQ(r.beeps, 1);
  EXPECT_EQ(r.state.flaws.mode, FlawMode::ByPosition);
  // A 4s walks its clichés in number order.
  r = runHeadless(dir, "A Down Down F6 C \"1.5\" Enter Right Right Left");
  EXPECT_EQ(r.state.flaws.mode, FlawMode::ByNumber);
  EXPECT_EQ(r.state.selection.cliche(), "1.6");
}

TEST(FlawScreen, TwoColouredEditionOpensItsOwnScreen) {
  ScratchDir dir;
  dir.addSampleData();
  const auto r = runHeadless(dir, "F6 state:" + (dir / "s.json").string());
  EXPECT_EQ(readDump(dir / "s.json")["screen"], "tc-flaws");
}

TEST(FlawScreenGolden, BothModesAtZoomThree) {
  ScratchDir dir;
  dir.addSampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const auto r = runHeadless(dir, "A Down Down F6 Right shot:" + a("position.png") +
                                      " C \"1.3\" Enter shot:" + a("number.png"));
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(test::matchesGolden(readPng(dir / "position.png").value(), "flaws-A-4s-position"));
  EXPECT_TRUE(test::matchesGolden(readPng(dir / "number.png").value(), "flaws-A-4s-number"));
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
