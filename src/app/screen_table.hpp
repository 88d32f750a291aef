// The screens the main cycle opens, by the code a screen leaves with: one row a screen and
// family of editions it serves (the one-coloured editions, the two-coloured edition, or
// both). A code without a row for the current edition leads back to the front page.
#pragma once

#include "app/program_state.hpp"
#include "screens/common/json_writer.hpp"
#include "screens/common/screen_page.hpp"
#include "screens/common/session.hpp"

namespace kolvard {

// Opens the screen of `code`, and the next one that screen names, until a screen leaves for
// the front page; then the front page is drawn whole at the next main cycle.
void runScreens(Session& session, ProgramState& state, ScreenCode code);

// Each screen's own object in the state dump, in the order of the table.
void writeScreenDumps(JsonObject& dump, const ProgramState& state);

}  // namespace kolvard
