// The two-coloured composite screen over the sample data: the oval series, the frame
// settings with their periods, a printing that used a setting only in part, a missing
// composite, and the pictures.
#include <gtest/gtest.h>

#include "support/golden.hpp"
#include "support/headless_run.hpp"
#include "support/parsed_dump.hpp"
#include "ui/png_image.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::hasFields;
using test::readDump;
using test::runHeadless;
using test::ScratchDir;

TEST(TwoColourCompositeScreen, WalksSeriesSettingsAndPeriods) {
  struct Case {
    const char* keys;
    nlohmann::json expected;  // fields of tcComposites
  };
  const Case cases[] = {
      {"V \"4s\" Enter", {{"kind", "ovals"}, {"series", 1}, {"seriesCount", 2}}},
      {"V \"4s\" Enter Down End",
       {{"series", 2}, {"seriesCount", 2}, {"setting", 5}, {"composite", 2}, {"count", 2}}},
      {"V \"48s\" Enter", {{"seriesCount", 1}, {"setting", 1}, {"composite", 1}, {"count", 2}}},
      {"V \"100o\" Enter Right", {{"section", "TF100O-2"}, {"found", true}}},
      // Printing 1 of 4s used setting 5 in its first period; P goes to 18 and back.
      {"V \"4s\" Enter R", {{"setting", 5}, {"composite", 1}, {"count", 3}}},
      {"V \"4s\" Enter R P", {{"setting", 18}, {"composite", 1}, {"count", 2}}},
      {"V \"4s\" Enter R P P End", {{"setting", 5}, {"composite", 3}, {"count", 3}}},
      {"V \"4s\" Enter R S \"28\" Enter P", {{"setting", 58}, {"composite", 1}, {"count", 2}}},
      {"V \"4s\" Enter R S \"28\" Enter P P", {{"setting", 28}}},
      {"V \"4s\" Enter R Down", {{"setting", 6}, {"composite", 1}, {"count", 0}}},
      // Ovals and frames each keep their place.
      {"V \"4s\" Enter End R O",
       {{"kind", "ovals"}, {"series", 1}, {"seriesCount", 2}, {"setting", 5}, {"composite", 3}}},
      // 16ø printing 1 used only pane A of setting 19: six composites; Down lifts that.
      {"V \"16o\" Enter R End",
       {{"setting", 19},
        {"composite", 6},
        {"count", 6},
        {"firstAllowed", 1},
        {"restricted", true},
        {"paneNote", " (kun A-ark)"}}},
      {"V \"16o\" Enter R Down Up End",
       {{"setting", 19},
        {"composite", 8},
        {"count", 8},
        {"firstAllowed", 1},
        {"restricted", false},
        {"paneNote", ""}}},
      // A series without composites.
      {"V \"8o\" Enter S \"3\" Enter",
       {{"series", 3}, {"seriesCount", 10}, {"setting", 1}, {"composite", 1}, {"count", 0}}},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    dir.addSampleData();
    const auto r =
        runHeadless(dir, std::string("T F7 ") + c.keys + " state:" + (dir / "s.json").string());
    ASSERT_EQ(r.status, 0) << c.keys;
    nlohmann::json dump = readDump(dir / "s.json");
    EXPECT_EQ(dump["screen"], "tc-composites") << c.keys;
    EXPECT_TRUE(hasFields(dump["tcComposites"], c.expected)) << c.keys;
  }
}

TEST(TwoColourCompositeScreen, RefusesStepsBeyondTheRange) {
  struct Case {
    const char* keys;
    int message;
  };
  const Case cases[] = {
      {"V \"4s\" Enter Left", 5},
      {"V \"4s\" Enter End Right", 5},
      {"V \"4s\" Enter Down Down", 1},
      {"V \"4s\" Enter S \"3\" Enter", 1},
      {"V \"4s\" Enter R Up Up Up Up Up", 2},
      {"V \"4s\" Enter R S \"18\" Enter", 2},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    dir.addSampleData();
    const auto r = runHeadless(dir, std::string("T F7 ") + c.keys);
    ASSERT_EQ(r.status, 0) << c.keys;
    EXPECT_EQ(r.state.message.number, c.message) << c.keys;
  }
}

TEST(TwoColourCompositeScreenGolden, OvalAndFrameWithPeriod) {
  ScratchDir dir;
  dir.addSampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const auto r = runHeadless(dir, std::string("T F7 V \"4s\" Enter Down shot:") + a("oval.png") +
                                      " R P Right shot:" + a("frame.png") + " V \"8o\" Enter S " +
                                      "\"5\" Enter shot:" + a("none.png"));
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(test::matchesGolden(readPng(dir / "oval.png").value(), "tc-composites-oval"));
  EXPECT_TRUE(test::matchesGolden(readPng(dir / "frame.png").value(), "tc-composites-frame"));
  EXPECT_TRUE(test::matchesGolden(readPng(dir / "none.png").value(), "tc-composites-none"));
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
