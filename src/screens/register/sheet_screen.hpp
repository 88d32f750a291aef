// The sheets screen ("Skemaer"): one printing of a value drawn as its printing sheet, one,
// two or four panes of 10 x 10 cells with type, cliché and flag marks, the pane captions
// and watermark direction, the menu, and the printed schema of a pane (F9/F10). Leaves with
// state.nextScreen set.
#pragma once

#include "app/session.hpp"

namespace kolvard {

void runSheetScreen(Session& session);

}  // namespace kolvard
