// Key strings: "" when no key is waiting, one character for an ordinary key (its cp865
// code: 13 Enter, 27 Esc), or code 0 followed by a scan-code character for an extended key.
#pragma once

#include <string>
#include <string_view>

namespace kolvard {

using KeyString = std::string;

namespace scan {
inline constexpr int kF1 = 59, kF2 = 60, kF3 = 61, kF4 = 62, kF5 = 63, kF6 = 64, kF7 = 65, kF8 = 66,
                     kF9 = 67, kF10 = 68, kHome = 71, kUp = 72, kPgUp = 73, kLeft = 75, kRight = 77,
                     kEnd = 79, kDown = 80, kPgDn = 81, kIns = 82, kDel = 83, kShiftF4 = 87,
                     kShiftF5 = 88, kF11 = 133, kF12 = 134;
}  // namespace scan

inline KeyString extendedKey(int scanCode) {
  return KeyString{'\0', static_cast<char>(static_cast<unsigned char>(scanCode))};
}
inline KeyString ordinaryKey(unsigned char code) {
  return KeyString(1, static_cast<char>(code));
}

inline bool isExtended(std::string_view key, int scanCode) {
  return key.size() == 2 && key[0] == '\0' && static_cast<unsigned char>(key[1]) == scanCode;
}

inline constexpr unsigned char kEnterCode = 13;
inline constexpr unsigned char kEscCode = 27;
inline constexpr unsigned char kBackspaceCode = 8;
inline constexpr unsigned char kTabCode = 9;

// Ordinary letters a-z upper-cased, as screens compare keys; extended keys unchanged.
KeyString upperKey(std::string_view key);

// The names of keys as key scripts write them ("F1", "Shift+F5", "Up", "Enter", "a").
// Returns "" for a name that is not a key.
KeyString keyFromName(std::string_view name);
std::string keyName(std::string_view key);

}  // namespace kolvard
