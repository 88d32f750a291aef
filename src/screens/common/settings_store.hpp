// The settings file as the front page uses it: it loads an edition's record, saves before the
// program ends, and throws away settings found to be damaged. The main cycle provides it.
#pragma once

#include <string_view>

namespace kolvard {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The record of an edition becomes the current selection (its defaults when it has none).
  virtual void loadEdition(std::string_view edition) = 0;
  virtual void save() = 0;
  // The settings name a value the data does not know: the file is deleted and the selection
  // goes back to the two-coloured edition's defaults at zoom 3.
  virtual void discardDamaged() = 0;
};

}  // namespace kolvard
