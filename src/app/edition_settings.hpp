// One edition's settings record: the user's last choices for that edition, 29 fields in the
// order of the settings file. Fields 7-29 belong to the screens, which read and change them;
// the application shell only stores and restores them.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kolvard {

struct ProgramState;

struct EditionSettings {
  std::string edition = "T";            // 1  edition letter
  std::string value = "2s";             // 2  value (cp865, e.g. "10\x9b" for 10ø)
  std::string printing = "1";           // 3  printing selector
  std::string secondSelector = "3";     // 4  second selector
  std::string position = "1";           // 5  sheet position: "A"n, "B"n or a bare number
  std::string furtherSelector = "1";    // 6  a further selector
  int viewMode = 2;                     // 7  1..3
  std::array<std::string, 15> markers;  // 8-22: markers[i] is field 8 + i
  int field23 = 0;                      // 23
  std::string field24;                  // 24
  std::string field25;                  // 25
  std::array<int, 4> flags{};           // 26-29: flags[3] (field 29) is the register's Incl./Excl.

  // Field n (8..22) of the marker strings.
  std::string& marker(int field) { return markers[static_cast<std::size_t>(field - 8)]; }
  const std::string& marker(int field) const {
    return markers[static_cast<std::size_t>(field - 8)];
  }

  bool operator==(const EditionSettings&) const = default;
};

// True for the letters that have a defaults record: the nine editions of the front page and
// "R" and "K".
bool isKnownEdition(std::string_view edition);

// The Iceland oval values "4a", "25a", "50a" and "100a", run as edition "T" with the Iceland flag.
bool isIcelandOvalValue(std::string_view value);

// The record an edition starts with when it has none: its value, second selector, fields 3, 5
// and 6 "1", view mode 2, marker strings "·" except fields 17 and 18 ("A", "B"); fields 23-29
// zero or empty. An empty or unknown letter gives the record of "T".
EditionSettings defaultSettingsFor(std::string_view edition);

// The edition-level selector (not kept in the settings file): "9" for "T", "7" for "L" and "K",
// and so on; "9" (that of "T") for an empty or unknown letter.
std::string editionLevelSelectorFor(std::string_view edition);

// Sets the marker strings 8-22 to "·", fields 17 and 18 to "A" and "B".
void resetMarkerStrings(EditionSettings& settings);

// The state of a first start without a settings file: edition "T" with its defaults, zoom 3.
void applyMissingFileDefaults(ProgramState& state);

// The recovery when the settings turned out to be damaged (the stamp picture of the edition and
// value does not exist): edition "T", value "2s", fields 3-7 and the markers as for a missing
// file, edition-level selector "9", zoom 3, no Iceland flag. Fields 23-29 are left as they are.
void resetToTwoColourDefaults(ProgramState& state);

// The position index 1..400 of a sheet position text: "A"n gives n, "B"n n + 100, "C"n n + 200,
// "D"n n + 300 (n 1..100), a bare number 1..400 itself. Surrounding blanks are ignored; any
// other text gives 1.
int positionNumberFromText(std::string_view text);

}  // namespace kolvard
