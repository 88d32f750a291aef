// The drawing steps every screen repeats, in virtual units: erasing a box to the white
// background, bitmap-font text, and system-font text at a cell of the 80 x 30 text grid.
#pragma once

#include <string_view>

#include "ui/screen.hpp"

namespace kolvard {

// A white box from (x1, y1) to (x2, y2); the text colour is left white.
void eraseBox(Screen& screen, double x1, double y1, double x2, double y2);

// Bitmap-font text at (x, y).
void drawText(Screen& screen, std::string_view text, double x, double y, Font font, int mode,
              double spacing, double spaceWidth, int colour);

// System-font text at text cell (column, row) in a palette colour.
void printAt(Screen& screen, int column, int row, int colour, std::string_view text);

}  // namespace kolvard
