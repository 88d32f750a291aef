// The register's part of the state dump of headless runs.
#pragma once

#include <string>

#include "screens/register/register_state.hpp"

namespace kolvard {

class JsonObject;
class Selection;

// "register": criteria (for edition "T" the five fields of a frame and an oval), sets in use,
// include flag, the value and range searched, counts, list offset, cursor, and the result lines in
// use (right-trimmed, UTF-8) with their dim flags.
void writeRegisterDump(JsonObject& dump, const RegisterState& reg, const Selection& selection);

}  // namespace kolvard
