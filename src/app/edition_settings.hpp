// One edition's settings record: the user's last choices for that edition, 29 fields in the
// order of the settings file. Fields 7-29 belong to the screens, which read and change them;
// the application shell only stores and restores them.
#pragma once

#include <array>
#include <string>

namespace kolvard {

struct EditionSettings {
  std::string edition = "T";          // 1  edition letter
  std::string value = "2s";           // 2  value (cp865, e.g. "10\x9b" for 10ø)
  std::string printing = "1";         // 3  printing selector
  std::string secondSelector = "3";   // 4  second selector
  std::string position = "1";         // 5  sheet position: "A"n, "B"n or a bare number
  std::string furtherSelector = "1";  // 6  a further selector
  int viewMode = 2;                   // 7  1..3
  std::array<std::string, 15> markers;  // 8-22: markers[i] is field 8 + i
  int field23 = 0;                    // 23
  std::string field24;                // 24
  std::string field25;                // 25
  std::array<int, 4> flags{};         // 26-29: flags[3] (field 29) is the register's Incl./Excl.

  // Field n (8..22) of the marker strings.
  std::string& marker(int field) { return markers[static_cast<std::size_t>(field - 8)]; }
  const std::string& marker(int field) const {
    return markers[static_cast<std::size_t>(field - 8)];
  }

  bool operator==(const EditionSettings&) const = default;
};

}  // namespace kolvard
