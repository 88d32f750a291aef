// The JSON state dump of headless runs: which screen waits for a key, the current selection,
// and each screen's own state under its own key. Texts are written as UTF-8.
#pragma once

#include <string>

#include "app/program_state.hpp"

namespace kolvard {

std::string stateDumpJson(const ProgramState& state);

}  // namespace kolvard
