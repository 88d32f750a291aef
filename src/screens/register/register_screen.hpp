// The register screen of an edition: the search form on the left (value, printing range,
// criteria sets, include switch), the result list on the right, and the side menu to the
// other screens. Leaves with state.nextScreen set.
#pragma once

#include "app/session.hpp"

namespace kolvard {

void runRegisterScreen(Session& session);

// Draws the whole screen for the current register state (used on entry and by tests).
void drawRegisterScreen(Session& session);

}  // namespace kolvard
