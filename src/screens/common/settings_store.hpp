// The settings file as the front page uses it: it loads an edition's record, saves before the
// program ends, and resets a record found to be damaged. The main cycle provides it.
#pragma once

#include <string_view>

namespace kolvard {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The record of an edition becomes the current selection (its defaults when it has none).
  virtual void loadEdition(std::string_view edition) = 0;
  virtual void save() = 0;
  // The current record names a value its edition does not have: that record goes back to its
  // edition's defaults; the file and the other editions' records are kept.
  virtual void resetDamagedRecord() = 0;
};

}  // namespace kolvard
