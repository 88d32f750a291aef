// A composite cliché drawn over the left part of the window, up to x 419: every row of the
// area is cleared first, so a missing section (or one with fewer rows) leaves it cleared.
#pragma once

#include <string_view>

namespace kolvard {

struct Session;

// Draws section `name` in the layout of the edition's composites in a palette colour;
// returns whether the section was found. An empty name draws the cleared area.
bool drawCompositePicture(Session& session, std::string_view name, std::string_view edition,
                          int colour);

}  // namespace kolvard
