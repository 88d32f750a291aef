// The composite-cliché screen in the whole program: opened with F7 from the other screens,
// named in the state dump, and left for them.
#include <gtest/gtest.h>

#include "support/headless_run.hpp"
#include "support/parsed_dump.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::hasFields;
using test::readDump;
using test::runHeadless;
using test::ScratchDir;

TEST(CompositeFlow, OpenedWithF7FromEveryScreen) {
  ScratchDir dir;
  dir.addSampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  // A 4s: the front page, the register, the flaw screen and the sheets screen.
  const auto r =
      runHeadless(dir, "A Down Down F7 state:" + a("1.json") + " F3 F7 state:" + a("2.json") +
                           " F6 F7 state:" + a("3.json") + " F5 F7 state:" + a("4.json") +
                           " Esc state:" + a("5.json"));
  ASSERT_EQ(r.status, 0);
  for (const char* file : {"1.json", "2.json", "3.json", "4.json"}) {
    nlohmann::json dump = readDump(dir / file);
    EXPECT_EQ(dump["screen"], "composites") << file;
    EXPECT_TRUE(hasFields(dump["composites"], {{"set", "F"}, {"series", 1}})) << file;
  }
  EXPECT_EQ(readDump(dir / "5.json")["screen"], "front");
}

TEST(CompositeFlow, TwoColouredEditionHasItsOwnScreen) {
  ScratchDir dir;
  dir.addSampleData();
  runHeadless(dir, "T F7 state:" + (dir / "s.json").string());
  EXPECT_EQ(readDump(dir / "s.json")["screen"], "tc-composites");
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
