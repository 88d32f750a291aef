#include "app/edition_settings.hpp"

#include "app/program_state.hpp"
#include "app/settings_file.hpp"
#include "data/cp865.hpp"

namespace kolvard {
namespace {

struct EditionDefaults {
  std::string_view edition;
  std::string_view value;  // UTF-8 source text
  std::string_view toPrinting;
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

}  // namespace

bool isKnownEdition(std::string_view edition) {
  for (const auto& entry : kDefaults) {
    if (entry.edition == edition) return true;
  }
  return false;
}

void resetCriteria(EditionSettings& settings) {
  for (auto& criterion : settings.criteria) criterion.assign(1, cp865::kMiddleDot);
  settings.criterion(17) = "A";
  settings.criterion(18) = "B";
}

EditionSettings defaultSettingsFor(std::string_view edition) {
  const EditionDefaults& entry = defaultsOf(edition);
  EditionSettings settings;
  settings.edition = std::string(entry.edition);
  settings.value = cp(entry.value);
  settings.fromPrinting = "1";
  settings.toPrinting = std::string(entry.toPrinting);
  settings.position = "1";
  settings.spareSelector = "1";
  settings.viewMode = 2;
  resetCriteria(settings);
  return settings;
}

std::string editionLevelSelectorFor(std::string_view edition) {
  return std::string(defaultsOf(edition).levelSelector);
}

EditionSettings defaultsKeepingRest(std::string_view edition, const EditionSettings& rest) {
  EditionSettings record = defaultSettingsFor(edition);
  record.spareNumber = rest.spareNumber;
  record.spareText1 = rest.spareText1;
  record.spareText2 = rest.spareText2;
  record.spareFlag = rest.spareFlag;
  record.setOnLoad = rest.setOnLoad;
  record.includeUndetermined = rest.includeUndetermined;
  return record;
}

void resetToEditionDefaults(ProgramState& state) {
  const std::string edition = state.selection.iceland() ? "I" : state.edition();
  selectRecord(state, defaultsKeepingRest(isKnownEdition(edition) ? edition : "T",
                                          recordOfSelection(state)));
}

}  // namespace kolvard
