// The description items of a two-coloured flaw record drawn beside its picture: the labels
// placed on the picture and the numbered lines, measured from a base y (61 in the flaw
// screen's panels, the top of the cell on the type screen).
#pragma once

#include <string_view>

namespace kolvard {

class Screen;

// The labels and lines of `description` for a picture panel at x `panelX`; an inverted
// frame's lines turned.
void drawFlawDescriptionItems(Screen& screen, std::string_view description, double panelX,
                              double baseY, bool inverted);

}  // namespace kolvard
