// The cliché-flaw screen through the headless backend: walking a sheet, printings and the
// number order.
#include <gtest/gtest.h>

#include "data/cp865.hpp"
#include "support/golden.hpp"
#include "support/headless_run.hpp"
#include "ui/png_image.hpp"

namespace kolvard {
namespace {

using test::readFile;
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
  const auto has = [&](const char* file, const std::string& text) {
    return readFile(dir / file).find(text) != std::string::npos;
  };
  EXPECT_TRUE(has("1.json", "\"screen\": \"flaws\""));
  EXPECT_TRUE(has("1.json", "\"position\": \"A1\""));
  EXPECT_TRUE(has("2.json", "\"position\": \"A3\""));
  EXPECT_TRUE(has("3.json", "\"position\": \"A1\""));  // Left on A1 beeps and stays
  EXPECT_TRUE(has("4.json", "\"position\": \"B90\""));
  EXPECT_TRUE(has("4.json", "\"positionIndex\": 190"));
  EXPECT_TRUE(has("5.json", "\"position\": \"B1\""));  // ten rows down from A1 is B1
  EXPECT_TRUE(has("5.json", "\"positionIndex\": 101"));
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
  EXPECT_NE(readFile(dir / "1.json").find("\"printing\": \"1\""), std::string::npos);
  EXPECT_NE(readFile(dir / "2.json").find("\"printing\": \"3\""), std::string::npos);
  EXPECT_NE(readFile(dir / "3.json").find("\"printing\": \"6\""), std::string::npos);
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
  EXPECT_NE(readFile(dir / "1.json").find("\"position\": \"B17\""), std::string::npos);
  const std::string second = readFile(dir / "2.json");
  EXPECT_NE(second.find("\"position\": \"A7\""), std::string::npos) << second;
  EXPECT_NE(second.find("\"printing\": \"4\""), std::string::npos);
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
  EXPECT_NE(readFile(dir / "s.json").find("\"screen\": \"tc-flaws\""), std::string::npos);
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

}  // namespace
}  // namespace kolvard
