// The register screen through the headless backend: a search typed as a user types it.
#include <gtest/gtest.h>

#include <regex>

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

// The position text (characters 8..15) of a result line, right-trimmed.
std::string positionOf(const std::string& line) {
  std::string p = line.substr(7, 8);
  while (!p.empty() && p.back() == ' ') p.pop_back();
  return p;
}

TEST(RegisterScreen, SearchForAColumnListsOnlyThatColumn) {
  ScratchDir dir;
  dir.addSampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  // P 4s; down to the position row of set 1, column 5, Enter.
  const auto r = runHeadless(dir, "P Down F3 Down Down 5 Enter state:" + a("s.json") + " Esc");
  ASSERT_EQ(r.status, 0);
  const RegisterState& reg = r.state.reg;
  EXPECT_EQ(r.state.selection.value(), "4s");
  EXPECT_EQ(reg.criteria[0].position, "5");
  ASSERT_GT(reg.foundCount, 0);
  EXPECT_EQ(reg.lineCount, reg.foundCount + 1);
  EXPECT_EQ(reg.results.line(reg.lineCount), "***" + std::string(52, ' '));
  for (int n = 1; n <= reg.foundCount; ++n) {
    const std::string line = reg.results.line(n);
    const std::string pos = positionOf(line);
    ASSERT_FALSE(pos.empty()) << n;
    EXPECT_EQ(pos.back(), '5') << line;
    EXPECT_EQ(line.substr(0, 2), "4s") << line;
  }
  // The dump carries the lines as the screen shows them, right-trimmed.
  nlohmann::json dump = readDump(dir / "s.json");
  EXPECT_EQ(dump["screen"], "register");
  EXPECT_EQ(dump["register"]["foundCount"], reg.foundCount);
  const nlohmann::json& lines = dump["register"]["lines"];
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(reg.lineCount));
  EXPECT_EQ(lines.back(), (nlohmann::json{{"text", "***"}, {"dim", false}}));
  // Esc returned to the front page, and the criteria are kept in the settings.
  EXPECT_EQ(r.state.screenName, "front");
  EXPECT_EQ(r.state.settings.criterion(8), "5");
}

TEST(RegisterScreen, PairsNeverRunPastColumnTen) {
  ScratchDir dir;
  dir.addSampleData();
  // Two sets, the position typed in set 2 (the cursor stays in the value field's column).
  auto r = runHeadless(dir, "P Down F3 F2 Down Down 9 Enter Esc");
  const RegisterState& reg = r.state.reg;
  EXPECT_EQ(reg.criteria[0].position, "8");
  EXPECT_EQ(reg.criteria[1].position, "9");
  ASSERT_GT(reg.foundCount, 0);
  for (int n = 1; n <= reg.foundCount; ++n) {
    const std::string pos = positionOf(reg.results.line(n));
    EXPECT_TRUE(std::regex_search(pos, std::regex("^[AB]\\d*8-\\d*9$|\\.8-\\.9$"))) << pos;
  }
  // Without a position criterion no pair starts in column 10.
  ScratchDir fresh;
  fresh.addSampleData();
  r = runHeadless(fresh, "P Down F3 F2 Enter");
  ASSERT_GT(r.state.reg.foundCount, 0);
  for (int n = 1; n <= r.state.reg.foundCount; ++n) {
    const std::string pos = positionOf(r.state.reg.results.line(n));
    const auto dash = pos.find('-');
    ASSERT_NE(dash, std::string::npos) << pos;
    EXPECT_NE(pos[dash - 1], '0') << pos;
  }
}

TEST(RegisterScreen, DimmingAndPaging) {
  ScratchDir dir;
  dir.addSampleData();
  const auto r = runHeadless(dir, "P Down F3 Enter Down Del Del Up Ins PgDn PgDn");
  const RegisterState& reg = r.state.reg;
  ASSERT_GT(reg.lineCount, 63);
  EXPECT_TRUE(reg.results.normal(1));
  EXPECT_FALSE(reg.results.normal(2));
  EXPECT_TRUE(reg.results.normal(3));
  EXPECT_EQ(reg.listOffset, 40);
  EXPECT_EQ(reg.cursorColumn, 4);
}

TEST(RegisterScreen, ValueWithoutPrintingsBeepsOnEnter) {
  ScratchDir dir;
  dir.addSampleData();
  const auto r = runHeadless(dir, "P Down F3 V 9 s Enter Esc");
  EXPECT_EQ(r.beeps, 1);
  EXPECT_EQ(r.state.reg.foundCount, -1);
  // Esc put back the value that has printings, from its first printing: the register and
  // the flaw screen show printing 1, not the "0" of the value without printings.
  EXPECT_EQ(r.state.value(), "4s");
  EXPECT_EQ(r.state.selection.printing(), "1");
  const auto again = runHeadless(dir, "F3 Esc F6 Esc");
  EXPECT_EQ(again.state.reg.lastFromPrinting, "1");
  EXPECT_EQ(again.state.selection.printing(), "1");
}

TEST(RegisterScreen, TwoColouredEditionOpensItsOwnRegister) {
  ScratchDir dir;
  dir.addSampleData();
  // F3 on "T" opens the two-coloured register; F5 its schema screen.
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const auto r = runHeadless(dir, "F3 state:" + a("s.json") + " F5 state:" + a("f.json"));
  ASSERT_EQ(r.status, 0);
  nlohmann::json dump = readDump(dir / "s.json");
  EXPECT_EQ(dump["screen"], "tc-register");
  EXPECT_EQ(dump["register"]["criteria"][0]["frameKind"], "·");
  EXPECT_EQ(readDump(dir / "f.json")["screen"], "tc-schemas");
}

TEST(RegisterScreenGolden, BeforeAndAfterASearch) {
  ScratchDir dir;
  dir.addSampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const auto r =
      runHeadless(dir, "P Down F3 shot:" + a("before.png") + " F2 Down Down 3 Down Left " +
                           "\"12\" Enter shot:" + a("after.png"));
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(test::matchesGolden(readPng(dir / "before.png").value(), "register-P-4s"));
  EXPECT_TRUE(test::matchesGolden(readPng(dir / "after.png").value(), "register-P-4s-pairs"));
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
