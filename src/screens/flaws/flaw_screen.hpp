// The cliché-flaw screen: for one position of one printing (or, in number order, for one
// cliché number) the drawing of the cliché with its flaws, its description, series,
// occurrences and stamp number, with the keys that walk the sheet, the printings and the
// cliché numbers. Leaves with state.nextScreen set.
#pragma once

#include "app/session.hpp"

namespace kolvard {

void runFlawScreen(Session& session);

}  // namespace kolvard
