// Opens the screen named by state.nextScreen, and the next one that screen names, until a
// screen leaves to the front page.
#pragma once

#include "app/session.hpp"

namespace kolvard {

void runScreens(Session& session);

}  // namespace kolvard
