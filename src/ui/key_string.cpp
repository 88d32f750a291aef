#include "ui/key_string.hpp"

#include <array>
#include <utility>

#include "data/cp865.hpp"

namespace kolvard {
namespace {

struct NamedKey {
  std::string_view name;
  int scan;  // extended key scan code, or -code for an ordinary key
};

constexpr std::array<NamedKey, 34> kNamed = {{
    {"Enter", -13},
    {"Esc", -27},
    {"Tab", -9},
    {"Backspace", -8},
    {"Space", -32},
    {"Up", scan::kUp},
    {"Down", scan::kDown},
    {"Left", scan::kLeft},
    {"Right", scan::kRight},
    {"Home", scan::kHome},
    {"End", scan::kEnd},
    {"PgUp", scan::kPgUp},
    {"PgDn", scan::kPgDn},
    {"Ins", scan::kIns},
    {"Del", scan::kDel},
    {"F1", scan::kF1},
    {"F2", scan::kF2},
    {"F3", scan::kF3},
    {"F4", scan::kF4},
    {"F5", scan::kF5},
    {"F6", scan::kF6},
    {"F7", scan::kF7},
    {"F8", scan::kF8},
    {"F9", scan::kF9},
    {"F10", scan::kF10},
    {"F11", scan::kF11},
    {"F12", scan::kF12},
    {"Shift+F4", scan::kShiftF4},
    {"Shift+F5", scan::kShiftF5},
    {"PageUp", scan::kPgUp},
    {"PageDown", scan::kPgDn},
    {"Insert", scan::kIns},
    {"Delete", scan::kDel},
    {"Escape", -27},
}};

}  // namespace

KeyString upperKey(std::string_view key) {
  KeyString k(key);
  if (k.size() == 1 && k[0] >= 'a' && k[0] <= 'z') k[0] = static_cast<char>(k[0] - 32);
  return k;
}

KeyString keyFromName(std::string_view name) {
  for (const auto& n : kNamed) {
    if (n.name == name) {
      return n.scan < 0 ? ordinaryKey(static_cast<unsigned char>(-n.scan)) : extendedKey(n.scan);
    }
  }
  // A single character (UTF-8) stands for itself.
  std::size_t pos = 0;
  if (name.empty()) return {};
  const char32_t ch = decodeUtf8(name, pos);
  if (pos != name.size()) return {};
  if (const auto code = unicodeToCp865(ch)) return ordinaryKey(*code);
  return {};
}

std::string keyName(std::string_view key) {
  for (const auto& n : kNamed) {
    const KeyString k =
        n.scan < 0 ? ordinaryKey(static_cast<unsigned char>(-n.scan)) : extendedKey(n.scan);
    if (k == key) return std::string(n.name);
  }
  if (key.size() == 1) return cp865ToUtf8(key);
  if (key.size() == 2 && key[0] == '\0') {
    return "Scan" + std::to_string(static_cast<unsigned char>(key[1]));
  }
  return {};
}

}  // namespace kolvard
