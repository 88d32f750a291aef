// Key scripts of headless runs: a script that parses gives well-formed steps, and the script
// written back from them parses to the same steps.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/cp865.hpp"
#include "fuzz_support.hpp"
#include "platform/headless/key_script.hpp"

namespace kolvard {
namespace {

bool sameSteps(const std::vector<ScriptStep>& a, const std::vector<ScriptStep>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].kind != b[i].kind || a[i].key != b[i].key || a[i].path != b[i].path) return false;
  }
  return true;
}

// The script of the steps: named keys by their names, other keys as one-character texts,
// shots and state dumps as their tokens. Nothing for a step no script can write again (the
// quote key, which a text cannot hold).
std::optional<std::string> scriptOf(const std::vector<ScriptStep>& steps) {
  std::string out;
  for (const ScriptStep& step : steps) {
    if (!out.empty()) out += ' ';
    switch (step.kind) {
      case ScriptStep::Kind::Shot:
        out += "shot:" + step.path;
        break;
      case ScriptStep::Kind::State:
        out += "state:" + step.path;
        break;
      case ScriptStep::Kind::Key: {
        const std::string name = keyName(step.key);
        if (step.key == "\"") return std::nullopt;
        if (step.key.size() == 1 && keyFromName(name) != step.key) {
          out += '"' + cp865ToUtf8(step.key) + '"';
        } else {
          out += name;
        }
        break;
      }
    }
  }
  return out;
}

}  // namespace
}  // namespace kolvard

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kolvard;
  const fuzz::ExactBuffer script(data, size);
  std::string error;
  const auto steps = parseKeyScript(script.text(), &error);
  if (!steps) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  for (const ScriptStep& step : *steps) {
    if (step.kind == ScriptStep::Kind::Key) {
      FUZZ_CHECK(step.key.size() == 1 || (step.key.size() == 2 && step.key[0] == '\0'));
      FUZZ_CHECK(step.path.empty());
      FUZZ_CHECK(!keyName(step.key).empty());
    } else {
      FUZZ_CHECK(step.key.empty() && !step.path.empty());
      FUZZ_CHECK(step.path.find_first_of(" \t\r\n") == std::string::npos);
    }
  }
  const auto written = scriptOf(*steps);
  if (!written) return 0;
  const auto again = parseKeyScript(*written, &error);
  FUZZ_CHECK(again.has_value());
  FUZZ_CHECK(sameSteps(*steps, *again));
  FUZZ_CHECK(scriptOf(*again) == written);
  return 0;
}
