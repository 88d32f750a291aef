// The composite-cliché screen over the sample data: series and plates, the codes of every
// composite of M 4ø, the series refused for V 10ø, M 10ø without composites, and the
// pictures of both sets of A 4s.
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

TEST(CompositeSample, EveryCodeOfM4oAndTheSeriesOfV10o) {
  ScratchDir dir;
  dir.addSampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  // M 4ø: series 1 holds 48 composites, one for every code.
  const auto r = runHeadless(
      dir, "M Down Down Down Down Down F7 End state:" + a("48.json") + " PgUp PgUp state:" +
               a("37.json") + " Home PgDn PgDn PgDn PgDn PgDn PgDn state:" + a("36.json") +
               " V \"10o\" Enter state:" + a("m10.json") + " Esc V Down Down F7 S \"2\" Enter " +
               "state:" + a("v2.json") + " S \"3\" Enter End state:" + a("v3.json"));
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(hasFields(readDump(dir / "48.json")["composites"],
                        {{"composite", 48}, {"count", 48}, {"typeName", "D"}, {"found", true}}));
  EXPECT_TRUE(
      hasFields(readDump(dir / "37.json")["composites"], {{"composite", 37}, {"count", 48}}));
  // 37 is the first of the seventh group.
  EXPECT_TRUE(
      hasFields(readDump(dir / "36.json")["composites"], {{"composite", 37}, {"found", true}}));
  // M 10ø has no composites.
  nlohmann::json none = readDump(dir / "m10.json");
  EXPECT_EQ(none["value"], "10ø");
  EXPECT_TRUE(hasFields(none["composites"], {{"count", 0}, {"typeName", ""}, {"found", false}}));
  nlohmann::json two = readDump(dir / "v2.json");
  EXPECT_EQ(two["value"], "10ø");
  EXPECT_TRUE(hasFields(two["composites"], {{"series", 1}, {"seriesCount", 3}}));
  EXPECT_TRUE(hasFields(readDump(dir / "v3.json")["composites"], {{"series", 3},
                                                                  {"seriesCount", 3},
                                                                  {"composite", 12},
                                                                  {"count", 12},
                                                                  {"typeName", "5A"},
                                                                  {"found", true}}));
}

TEST(CompositeSampleGolden, BothSetsOfA4sAtZoomThree) {
  ScratchDir dir;
  dir.addSampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const auto r =
      runHeadless(dir, "A Down Down F7 Right shot:" + a("f.png") + " M Right shot:" + a("q.png"));
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(test::matchesGolden(readPng(dir / "f.png").value(), "composites-A-4s-F"));
  EXPECT_TRUE(test::matchesGolden(readPng(dir / "q.png").value(), "composites-A-4s-Q"));
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
