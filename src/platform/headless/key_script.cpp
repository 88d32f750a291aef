#include "platform/headless/key_script.hpp"

#include "ui/typed_text.hpp"

namespace kolvard {
namespace {
bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
}  // namespace

std::optional<std::vector<ScriptStep>> parseKeyScript(std::string_view script, std::string* error) {
  std::vector<ScriptStep> steps;
  std::size_t pos = 0;
  const auto fail = [&](const std::string& why) -> std::optional<std::vector<ScriptStep>> {
    if (error) *error = why;
    return std::nullopt;
  };
  while (pos < script.size()) {
    if (isBlank(script[pos])) {
      ++pos;
      continue;
    }
    if (script[pos] == '"' && pos + 1 < script.size()) {
      const auto close = script.find('"', pos + 1);
      if (close == std::string_view::npos) return fail("unterminated text in key script");
      const std::string_view text = script.substr(pos + 1, close - pos - 1);
      std::size_t at = 0;
      while (at < text.size()) {
        const char32_t ch = nextTypedCharacter(text, at);
        auto key = keyForCharacter(ch);
        if (!key) {
          return fail("character '" + typedCharacterText(ch) + "' has no key in code page 865");
        }
        steps.push_back({ScriptStep::Kind::Key, std::move(*key), {}});
      }
      pos = close + 1;
      continue;
    }
    std::size_t end = pos;
    while (end < script.size() && !isBlank(script[end])) ++end;
    const std::string_view token = script.substr(pos, end - pos);
    pos = end;
    if (token.rfind("shot:", 0) == 0 && token.size() > 5) {
      steps.push_back({ScriptStep::Kind::Shot, {}, std::string(token.substr(5))});
    } else if (token.rfind("state:", 0) == 0 && token.size() > 6) {
      steps.push_back({ScriptStep::Kind::State, {}, std::string(token.substr(6))});
    } else {
      const KeyString key = keyFromName(token);
      if (key.empty()) return fail("unknown key '" + std::string(token) + "' in key script");
      steps.push_back({ScriptStep::Kind::Key, key, {}});
    }
  }
  return steps;
}

}  // namespace kolvard
