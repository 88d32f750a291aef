// Everything a screen works with: the program state, the data file, the window, and where
// the settings live. One session lives for the whole run.
#pragma once

#include <filesystem>

#include "app/display.hpp"
#include "app/program_state.hpp"
#include "app/settings_file.hpp"
#include "data/data_file.hpp"

namespace kolvard {

struct Session {
  ProgramState& state;
  const DataFile& data;
  Display& display;
  SettingsPaths settingsPaths;
  std::filesystem::path outputDirectory{"."};  // where printed schemas go

  Screen& screen() { return display.screen(); }
};

}  // namespace kolvard
