// The settings file "KOL703.CFG": the zoom and one record per edition with the user's last
// choices. Text in code page 865, written as it is held in the program:
//
//   3
//   "T"
//   "2s","1","3","1","1",2,"·",...,"A","B",...,0,"","",0,1,1,0
//   "P"
//   ...
//
// The zoom on a line of its own, then per record the edition letter on its own line and fields
// 2-29 on the next, strings in double quotes (a quote inside a string is doubled), numbers
// bare. The record of the edition in use comes first. Lines end in CR LF; reading also takes LF.
#pragma once

#include <filesystem>
#include <string_view>

#include "app/program_state.hpp"

namespace kolvard {

struct SettingsPaths {
  std::filesystem::path file{"KOL703.CFG"};
  std::filesystem::path scratch{"KOL703.XXX"};
};

// Restores the record of `edition` (or the first record when empty) into state: the zoom, the
// record (state.settings), the current selection and the register's criteria. Falls back to
// defaults: without a readable file the missing-file defaults (edition "T", zoom 3; for an
// asked edition: its defaults, the zoom kept); an edition without a record gets its defaults
// for fields 1-22, fields 23-29 keeping the last record read. Afterwards fields 27 and 28 are
// 1, the view mode is 1..3, and "I" with an oval value is held as "T" with the Iceland flag and
// fresh criteria.
void loadSettings(ProgramState& state, std::string_view edition, const SettingsPaths& paths = {});

// Rewrites the settings file: zoom, the current record (recordOfSelection; the Iceland oval
// values under "I"), then every other edition's latest record from the previous file (exactly
// one record per edition). The new content goes to a new scratch file (the scratch name, or
// that name with a unique tail when something stands there), flushed to disk and closed, then
// renamed over the settings file. Returns false when that did not work, or when
// the settings file is read-only; the old settings file then stays as it was. Limits state.zoom
// to 2..4 (else 3) afterwards, whether or not the write worked.
bool saveSettings(ProgramState& state, const SettingsPaths& paths = {});

// The current record: state.settings with the selection's fields 1-5 and the register's
// criteria and include switch (fields 8-16 and 29) filled in.
EditionSettings recordOfSelection(const ProgramState& state);

// A record taken into the state: state.settings, the selection (the Iceland flag for "I") and
// the register's criteria and include switch.
void selectRecord(ProgramState& state, const EditionSettings& record);

}  // namespace kolvard
