// The state dump is read by scripts as JSON: its structure must hold whatever the texts are.
#include "app/state_dump.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "data/cp865.hpp"
#include "support/parsed_dump.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

TEST(StateDump, IsWellFormedJson) {
  ProgramState state;
  state.selection.setEdition("V", false);
  state.selection.setValue(cp("5ø"));
  state.caption = "say \"hi\"\\";
  state.sheets.captions = {"Helark kendes", std::string("vm ") + char(26)};
  const std::string json = stateDumpJson(state);
  EXPECT_EQ(json.rfind("{\n  \"screen\": ", 0), 0u) << json;
  nlohmann::json dump = test::parsedDump(json);
  EXPECT_EQ(dump["value"], "5\u00f8");
  EXPECT_EQ(dump["caption"], "say \"hi\"\\");
  EXPECT_EQ(dump["sheets"]["captions"], nlohmann::json::array({"Helark kendes", "vm \u2192"}));
  // Numbers and flags keep their JSON types.
  EXPECT_EQ(dump["iceland"], 0);
  EXPECT_EQ(dump["positionIndex"], state.selection.positionIndex());
  EXPECT_EQ(dump["frontPageDrawn"], false);
  // A field a line, each screen's object on its line: scripts and tests find a field by its
  // line.
  EXPECT_EQ(std::count(json.begin(), json.end(), '\n'),
            static_cast<std::ptrdiff_t>(dump.size()) + 1)
      << json;
}

TEST(StateDump, TextsAreTheUtf8OfTheirCodePage865Bytes) {
  const struct {
    std::string cp865;
    std::string utf8;
  } cases[] = {
      {cp("Våbentype ÆØÅ"), "Våbentype ÆØÅ"},
      {std::string(1, cp865::kUpArrow) + cp865::kDownArrow, "\u2191\u2193"},
      {std::string(1, '\0'), std::string(1, '\0')},  // written as \u0000
      {"tab\there", std::string("tab") + "\u25cb" + "here"},
      {std::string(1, static_cast<char>(255)), "\u00a0"},
  };
  for (const auto& c : cases) {
    ProgramState state;
    state.caption = c.cp865;
    EXPECT_EQ(test::parsedDump(stateDumpJson(state))["caption"], c.utf8) << c.utf8;
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
