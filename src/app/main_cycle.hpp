// Start-up and the main cycle that every screen returns to.
#pragma once

#include <filesystem>
#include <iosfwd>

#include "app/program_state.hpp"
#include "app/settings_file.hpp"
#include "platform/platform.hpp"

namespace kolvard {

struct ProgramPaths {
  std::filesystem::path dataFile{"KOL703.dat"};
  SettingsPaths settings;
  std::filesystem::path outputDirectory{"."};  // where printed schemas go
};

// Where the program's state goes between runs of the main cycle; the state dump reads it.
struct ProgramRun {
  ProgramState state;
};

// Runs the program: banner, settings, data-file check, main cycle, until Esc on the front
// page (exit status 0), the window is closed (0), or the data file is missing or damaged (1).
// `console` is the text console of the banner and the start-up errors.
int runProgram(Platform& platform, ProgramRun& run, const ProgramPaths& paths,
               std::ostream& console, bool waitOnError);

// The sections of the current edition, located at the top of every main cycle, and the
// printing counts.
void locateEditionSections(SharedState& state, const DataFile& data);

}  // namespace kolvard
