// The state dump is read by scripts as JSON: its structure must hold whatever the texts are.
#include "app/state_dump.hpp"

#include <gtest/gtest.h>

#include "data/cp865.hpp"

namespace kolvard {
namespace {

TEST(StateDump, IsWellFormedJson) {
  ProgramState state;
  state.selection.setEdition("V", false);
  state.selection.setValue(cp("5ø"));
  state.caption = "say \"hi\"\\";
  state.sheets.captions = {"Helark kendes", std::string("vm ") + char(26)};
  const std::string json = stateDumpJson(state);
  EXPECT_EQ(json.rfind("{\n  \"screen\": ", 0), 0u) << json;
  EXPECT_EQ(json.find("{,"), std::string::npos);
  EXPECT_EQ(json.find(",\n  ,"), std::string::npos);
  EXPECT_NE(json.find("\"value\": \"5\u00f8\""), std::string::npos);
  EXPECT_NE(json.find("\"caption\": \"say \\\"hi\\\"\\\\\""), std::string::npos);
  EXPECT_NE(json.find("\"vm \u2192\""), std::string::npos);
  // Outside strings, every bracket closes.
  int depth = 0;
  bool inString = false;
  for (std::size_t i = 0; i < json.size(); ++i) {
    const char c = json[i];
    if (inString) {
      if (c == '\\') {
        ++i;
      } else if (c == '"') {
        inString = false;
      }
    } else if (c == '"') {
      inString = true;
    } else if (c == '{' || c == '[') {
      ++depth;
    } else if (c == '}' || c == ']') {
      ASSERT_GT(depth, 0) << json.substr(0, i);
      --depth;
    }
  }
  EXPECT_EQ(depth, 0);
  EXPECT_FALSE(inString);
}

}  // namespace
}  // namespace kolvard
