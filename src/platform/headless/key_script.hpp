// Key scripts for headless runs: blank-separated tokens, each a key name ("Enter", "F1",
// "Shift+F5", "Up"), a single character for itself, "text" for each character of a text,
// shot:FILE.png for a screenshot and state:FILE.json for a state dump.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/key_string.hpp"

namespace kolvard {

struct ScriptStep {
  enum class Kind { Key, Shot, State };
  Kind kind = Kind::Key;
  KeyString key;     // Kind::Key
  std::string path;  // Kind::Shot and Kind::State (UTF-8 file name)
};

// Parses a script; on a bad token returns nothing and says which in `error`.
std::optional<std::vector<ScriptStep>> parseKeyScript(std::string_view script, std::string* error);

}  // namespace kolvard
