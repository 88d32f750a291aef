// The two-coloured flaw screen on the sample through the headless backend: frame numbers
// shown with their periods, the printing order of a two-period setting, the steps of each
// mode, the entries and their refusals, and the screen in its three modes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/golden.hpp"
#include "support/headless_run.hpp"
#include "support/parsed_dump.hpp"
#include "ui/png_image.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::readDump;
using test::runHeadless;
using test::ScratchDir;

// Edition "T", the flaw screen, a value and a printing typed there.
std::string at(const std::string& value, const std::string& printing) {
  return "T F6 V \"" + value + "\" Enter T \"" + printing + "\" Enter ";
}

TEST(TwoColourFlawScreen, FrameNumbersShowTheirSettingAndPeriod) {
  struct Case {
    const char* value;
    const char* printing;
    const char* position;
    const char* frameNumber;
    const char* period;
  };
  const Case cases[] = {
      {"8ø", "54", "67", "28.4", "2"},  // stored 58.4
      {"8ø", "49", "39", "31.2", "1"},  // stored 61.2
      {"4s", "8", "13", "5.3", "2"},    // stored 18.3
      {"4s", "1", "51", "5.3", "1"},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    dir.addSampleData();
    const auto r =
        runHeadless(dir, at(c.value, c.printing) + "P \"" + std::string(c.position) + "\" Enter");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.state.screenName, "tc-flaws");
    EXPECT_EQ(r.state.tcFlaws.frameFlawNumber, c.frameNumber) << c.value << c.printing;
    EXPECT_EQ(r.state.selection.period(), c.period) << c.value << c.printing;
    EXPECT_TRUE(r.state.tcFlaws.frameFound) << c.value << c.printing;
  }
}

TEST(TwoColourFlawScreen, PrintingOrderOfATwoPeriodSetting) {
  ScratchDir dir;
  dir.addSampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const auto r = runHeadless(dir, at("4s", "8") + "P \"1\" Enter state:" + a("2.json") +
                                      " T \"1\" Enter P \"37\" Enter state:" + a("1.json"));
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(readDump(dir / "2.json")["tcFlaws"]["printingOrder"],
            nlohmann::json::array({"Setting 5:", "2. periode:", "4s7(ny)", "*4s8"}));
  nlohmann::json first = readDump(dir / "1.json");
  const nlohmann::json& order = first["tcFlaws"]["printingOrder"];
  ASSERT_GE(order.size(), 2u) << order;
  EXPECT_EQ(order[0], "Setting 5:");
  EXPECT_EQ(order[1], "*4s1");
  // Printing 1 is in the setting's first period: no line names a period.
  for (const auto& line : order) {
    EXPECT_EQ(line.get<std::string>().find("periode:"), std::string::npos) << line;
  }
}

TEST(TwoColourFlawScreen, FrameModeStepsSkipSetting18) {
  ScratchDir dir;
  dir.addSampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const auto r =
      runHeadless(dir, at("4s", "1") + "R \"17.3\" Enter Down state:" + a("1.json") +
                           " Up state:" + a("2.json") + " Left Left Right state:" + a("3.json") +
                           " R \"18.1\" Enter state:" + a("4.json") + " R \"52.1\" Enter");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(readDump(dir / "1.json")["tcFlaws"]["frameFlawNumber"], "19.1");
  EXPECT_EQ(readDump(dir / "2.json")["tcFlaws"]["frameFlawNumber"], "17.1");
  EXPECT_EQ(readDump(dir / "3.json")["tcFlaws"]["frameFlawNumber"], "17.2");
  EXPECT_EQ(readDump(dir / "4.json")["tcFlaws"]["frameFlawNumber"], "17.2");
  EXPECT_EQ(r.state.tcFlaws.frameFlawNumber, "17.2");  // setting 52 refused
  EXPECT_EQ(r.state.message.number, 2);
  EXPECT_EQ(r.state.tcFlaws.mode, FlawViewMode::Frame);
}

TEST(TwoColourFlawScreen, WalksInEachMode) {
  ScratchDir dir;
  dir.addSampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const auto r = runHeadless(
      dir, at("4s", "1") + "P \"53\" Enter state:" + a("1.json") +
               " Right Down state:" + a("2.json") +
               " O Enter Right Right Left state:" + a("3.json") + " Down Up state:" + a("4.json") +
               " O \"1.999\" Enter state:" + a("5.json") + " V Enter state:" + a("6.json") +
               " PgDn PgDn state:" + a("7.json") + " Home End Esc");
  ASSERT_EQ(r.status, 0);
  const auto flaws = [&](const char* file) { return readDump(dir / file)["tcFlaws"]; };
  nlohmann::json one = flaws("1.json");
  EXPECT_EQ(one["ovalFlawNumber"], "1.1");
  EXPECT_EQ(one["ovalFound"], true);
  ASSERT_TRUE(one["occurrences"].is_array());
  ASSERT_FALSE(one["occurrences"].empty());
  EXPECT_TRUE(one["occurrences"][0].is_string());
  EXPECT_EQ(readDump(dir / "2.json")["position"], "A64");
  EXPECT_EQ(flaws("3.json")["mode"], 1);
  EXPECT_EQ(flaws("3.json")["ovalFlawNumber"], "1.2");
  EXPECT_EQ(flaws("4.json")["ovalFlawNumber"], "1.1");
  EXPECT_EQ(flaws("5.json")["ovalFlawNumber"], "1.1");  // 999 refused (message 3)
  EXPECT_EQ(flaws("6.json")["mode"], 0);
  EXPECT_EQ(readDump(dir / "6.json")["position"], "A1");
  EXPECT_EQ(readDump(dir / "7.json")["printing"], "4");  // 1, then the pair 2-3, then 4
  EXPECT_EQ(r.state.screenName, "front");
}

// A printing typed is named as PgDn names it, the pair's block; a position typed clears the
// cliché followed, so a printing change keeps the position.
TEST(TwoColourFlawScreen, PrintingChangesNameThePairAndFollowOnlyAChosenCliche) {
  struct Case {
    std::string script;
    const char* printing;
    const char* position;
  } const cases[] = {
      {at("4s", "3"), "2-3", "A1"},
      {at("4s", "2"), "2-3", "A1"},
      {at("8ø", "10"), "9b-10", "A1"},
      {at("4s", "1") + "P \"17\" Enter T \"4\" Enter", "4", "A17"},
      {at("4s", "1") + "P \"17\" Enter PgDn", "2-3", "A17"},
  };
  ScratchDir dir;
  dir.addSampleData();
  for (const Case& c : cases) {
    std::filesystem::remove(dir / "KOL703.CFG");
    const auto r = runHeadless(dir, c.script);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.state.selection.printing(), c.printing) << c.script;
    EXPECT_EQ(r.state.selection.position(), c.position) << c.script;
  }
}

TEST(TwoColourFlawScreen, BadEntriesChangeNothing) {
  ScratchDir dir;
  dir.addSampleData();
  const auto r = runHeadless(
      dir, at("4s", "4") + "V Esc V \"5s\" Enter state:" + (dir / "kept.json").string() +
               " T \"1\" Enter " + "P \"53\" Enter V \"9x\" Enter T \"99\" Enter " +
               "P \"B101\" Enter Home Left");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.state.selection.value(), "4s");
  EXPECT_EQ(r.state.selection.printing(), "1");
  // A cancelled or refused value keeps the printing the sheet was loaded for.
  EXPECT_EQ(readDump(dir / "kept.json")["printing"], "4");
  EXPECT_EQ(r.state.selection.position(), "A1");
  EXPECT_EQ(r.beeps, 2);  // "x" in the value entry, Left on A1
}

TEST(TwoColourFlawScreen, IcelandicOvalTypeHasOneSettingAndNoUpDown) {
  ScratchDir dir;
  dir.addSampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  // The one-coloured flaw screen of "I" hands "4a" to this screen.
  const auto r =
      runHeadless(dir, "I F6 V \"4a\" Enter state:" + a("1.json") +
                           " R \"7\" Enter Down Up state:" + a("2.json") + " R \"1.101\" Enter");
  ASSERT_EQ(r.status, 0);
  nlohmann::json first = readDump(dir / "1.json");
  EXPECT_EQ(first["screen"], "tc-flaws");
  EXPECT_EQ(first["caption"], " Island Ovaltype");
  EXPECT_EQ(readDump(dir / "2.json")["tcFlaws"]["frameFlawNumber"], "53.7");
  EXPECT_EQ(r.state.tcFlaws.frameFlawNumber, "53.7");  // 100 flaws: 101 refused
  EXPECT_EQ(r.state.message.number, 4);
}

TEST(TwoColourFlawScreen, F12PrintsTheCurrentOvalSeries) {
  ScratchDir dir;
  dir.addSampleData();
  const auto r = runHeadless(dir, at("4s", "1") + "P \"53\" Enter F12 Enter");
  ASSERT_EQ(r.status, 0);
  const auto& files = r.state.tcFlaws.printedFiles;
  ASSERT_FALSE(files.empty()) << r.state.tcFlaws.printError;
  EXPECT_TRUE(r.state.tcFlaws.printError.empty());
  for (const std::string& name : files) {
    EXPECT_NE(name.find("OF"), std::string::npos) << name;
    EXPECT_TRUE(std::filesystem::exists(dir / name)) << name;
  }
}

TEST(TwoColourFlawScreenGolden, ThreeModesAndAnInvertedWanderingFrame) {
  ScratchDir dir;
  dir.addSampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const auto r = runHeadless(
      dir, at("4s", "1") + "P \"53\" Enter shot:" + a("position.png") +
               " O Enter shot:" + a("oval.png") + " R \"5.2\" Enter shot:" + a("frame.png") + " " +
               at("8ø", "54").substr(5) + "P \"74\" Enter shot:" + a("inverted.png"));
  ASSERT_EQ(r.status, 0);
  for (const char* name : {"position", "oval", "frame", "inverted"}) {
    EXPECT_TRUE(test::matchesGolden(readPng(dir / (std::string(name) + ".png")).value(),
                                    std::string("tc-flaws-") + name));
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
