// One edition's settings record: the user's last choices for that edition, 29 fields in the
// order of the settings file. Fields 1-5 are the current selection's, 8-16 and 29 the
// register's criteria and include switch; the rest are kept for the screens still to come
// (the two-coloured register fills all fifteen criteria fields 8-22), stored and restored as
// they are.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kolvard {

struct ProgramState;

struct EditionSettings {
  std::string edition = "T";             // 1  edition letter
  std::string value = "2s";              // 2  value (cp865, e.g. "10\x9b" for 10ø)
  std::string fromPrinting = "1";        // 3  the printing shown, the register's from printing
  std::string toPrinting = "3";          // 4  the register's to printing
  std::string position = "1";            // 5  sheet position: "A"n, "B"n or a bare number
  std::string spareSelector = "1";       // 6  kept as it is; no screen reads it yet
  int viewMode = 2;                      // 7  1..3
  std::array<std::string, 15> criteria;  // 8-22: criteria[i] is field 8 + i
  int spareNumber = 0;                   // 23 kept as it is
  std::string spareText1;                // 24 kept as it is
  std::string spareText2;                // 25 kept as it is
  int spareFlag = 0;                     // 26 kept as it is
  std::array<int, 2> setOnLoad{};        // 27, 28: 1 after every load
  int includeUndetermined = 0;           // 29 the register's Incl./Excl.: 1 include

  // Field n (8..22) of the criteria strings: for the register, set k (1..3) has its position
  // in field 5 + 3k, its type in 6 + 3k and its cliché in 7 + 3k.
  std::string& criterion(int field) { return criteria[static_cast<std::size_t>(field - 8)]; }
  const std::string& criterion(int field) const {
    return criteria[static_cast<std::size_t>(field - 8)];
  }

  bool operator==(const EditionSettings&) const = default;
};

// True for the letters that have a defaults record: the nine editions of the front page and
// "R" and "K".
bool isKnownEdition(std::string_view edition);

// The record an edition starts with when it has none: its value and to printing, fields 3, 5
// and 6 "1", view mode 2, criteria "·" except fields 17 and 18 ("A", "B"); fields 23-29 zero
// or empty. An empty or unknown letter gives the record of "T".
EditionSettings defaultSettingsFor(std::string_view edition);

// The defaults of an edition for fields 1-22 with fields 23-29 taken from `rest`.
EditionSettings defaultsKeepingRest(std::string_view edition, const EditionSettings& rest);

// The edition-level selector (not kept in the settings file): "9" for "T", "7" for "L" and "K",
// and so on; "9" (that of "T") for an empty or unknown letter.
std::string editionLevelSelectorFor(std::string_view edition);

// Sets the criteria 8-22 to "·", fields 17 and 18 to "A" and "B".
void resetCriteria(EditionSettings& settings);

// The recovery when the current record turned out to be damaged (it names a value its edition
// does not have): the record of the current edition ("I" for the Iceland flag, "T" for a letter
// no edition has) goes back to its defaults for fields 1-22; fields 23-29, the zoom and the
// other editions' records are left as they are.
void resetToEditionDefaults(ProgramState& state);

}  // namespace kolvard
