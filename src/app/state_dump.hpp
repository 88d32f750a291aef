// The JSON state dump of headless runs: which screen waits for a key, the current selection,
// and each screen's own state under its own key. Texts are written as UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "app/program_state.hpp"

namespace kolvard {

std::string stateDumpJson(const ProgramState& state);

// A JSON string literal of a cp865 text.
std::string jsonString(std::string_view cp865Text);

}  // namespace kolvard
