// The register's part of the state dump of headless runs.
#pragma once

#include <string>

#include "screens/register/register_state.hpp"

namespace kolvard {

// A JSON object: criteria, sets in use, include flag, counts, list offset, cursor, and the
// result lines in use (right-trimmed, UTF-8) with their dim flags.
std::string registerStateJson(const RegisterState& reg);

}  // namespace kolvard
