#include "app/edition_settings.hpp"

#include <charconv>

#include "app/program_state.hpp"
#include "data/cp865.hpp"

namespace kolvard {
namespace {

struct EditionDefaults {
  std::string_view edition;
  std::string_view value;  // UTF-8 source text
  std::string_view secondSelector;
  std::string_view levelSelector;
};

constexpr EditionDefaults kDefaults[] = {
    {"C", "3c", "1", "1"}, {"P", "2s", "1", "1"}, {"L", "4s", "7", "7"}, {"A", "2s", "1", "1"},
    {"T", "2s", "3", "9"}, {"V", "1ø", "6", "6"}, {"M", "2s", "3", "3"}, {"I", "2s", "1", "1"},
    {"J", "4s", "1", "1"}, {"R", "4r", "1", "1"}, {"K", "2s", "7", "7"},
};

const EditionDefaults& defaultsOf(std::string_view edition) {
  for (const auto& entry : kDefaults) {
    if (entry.edition == edition) return entry;
  }
  return kDefaults[4];  // "T"
}

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

bool isKnownEdition(std::string_view edition) {
  for (const auto& entry : kDefaults) {
    if (entry.edition == edition) return true;
  }
  return false;
}

bool isIcelandOvalValue(std::string_view value) {
  return value == "4a" || value == "25a" || value == "50a" || value == "100a";
}

void resetMarkerStrings(EditionSettings& settings) {
  for (auto& marker : settings.markers) marker.assign(1, cp865::kMiddleDot);
  settings.marker(17) = "A";
  settings.marker(18) = "B";
}

EditionSettings defaultSettingsFor(std::string_view edition) {
  const EditionDefaults& entry = defaultsOf(edition);
  EditionSettings settings;
  settings.edition = std::string(entry.edition);
  settings.value = cp(entry.value);
  settings.printing = "1";
  settings.secondSelector = std::string(entry.secondSelector);
  settings.position = "1";
  settings.furtherSelector = "1";
  settings.viewMode = 2;
  resetMarkerStrings(settings);
  return settings;
}

std::string editionLevelSelectorFor(std::string_view edition) {
  return std::string(defaultsOf(edition).levelSelector);
}

void applyMissingFileDefaults(ProgramState& state) {
  state.settings = defaultSettingsFor("T");
  state.editionSelector = editionLevelSelectorFor("T");
  state.icelandFlag = 0;
  state.positionIndex = 1;
  state.zoom = 3;
}

void resetToTwoColourDefaults(ProgramState& state) {
  const EditionSettings defaults = defaultSettingsFor("T");
  EditionSettings& s = state.settings;
  s.edition = defaults.edition;
  s.value = defaults.value;
  s.printing = defaults.printing;
  s.secondSelector = defaults.secondSelector;
  s.position = defaults.position;
  s.furtherSelector = defaults.furtherSelector;
  s.viewMode = defaults.viewMode;
  s.markers = defaults.markers;
  state.editionSelector = editionLevelSelectorFor("T");
  state.icelandFlag = 0;
  state.positionIndex = 1;
  state.zoom = 3;
}

int positionNumberFromText(std::string_view text) {
  text = trimBlanks(text);
  int offset = 0;
  int limit = 400;
  if (!text.empty() && text.front() >= 'A' && text.front() <= 'D') {
    offset = (text.front() - 'A') * 100;
    limit = 100;
    text = trimBlanks(text.substr(1));
  }
  if (text.empty() || text.size() > 3) return 1;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return 1;
  }
  int number = 0;
  std::from_chars(text.data(), text.data() + text.size(), number);
  if (number < 1 || number > limit) return 1;
  return offset + number;
}

}  // namespace kolvard
