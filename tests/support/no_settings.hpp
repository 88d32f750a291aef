// A settings store that keeps nothing, for screens run in a test session without a settings
// file.
#pragma once

#include <string_view>

#include "screens/common/settings_store.hpp"

namespace kolvard::test {

struct NoSettings final : SettingsStore {
  void loadEdition(std::string_view) override {}
  void save() override {}
  void resetDamagedRecord() override {}
};

}  // namespace kolvard::test
