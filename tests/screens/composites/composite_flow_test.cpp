// The composite-cliché screen in the whole program: opened with F7 from the other screens,
// named in the state dump, and left for them.
#include <gtest/gtest.h>

#include "support/headless_run.hpp"

namespace kolvard {
namespace {

using test::readFile;
using test::runHeadless;
using test::ScratchDir;

bool has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

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
    const std::string dump = readFile(dir / file);
    EXPECT_TRUE(has(dump, "\"screen\": \"composites\"")) << file << dump;
    EXPECT_TRUE(has(dump, "\"composites\": {\"set\": \"F\", \"series\": 1")) << file << dump;
  }
  EXPECT_TRUE(has(readFile(dir / "5.json"), "\"screen\": \"front\""));
}

TEST(CompositeFlow, TwoColouredEditionHasItsOwnScreen) {
  ScratchDir dir;
  dir.addSampleData();
  runHeadless(dir, "T F7 state:" + (dir / "s.json").string());
  EXPECT_TRUE(has(readFile(dir / "s.json"), "\"screen\": \"tc-composites\""));
}

}  // namespace
}  // namespace kolvard
