// The small "o" that marks a sheet position, on the screen's sheet grid or on the page: at
// the right of the cell, or at its lower left. Column 1..10 and row 0..9 of a pane.
#pragma once

#include "ui/screen.hpp"

namespace kolvard {

enum class MarkPlace { Right, LowerLeft };

// The grid gap: screen coordinates past 116 units into the pane move one unit further.
inline double sheetGridShift(double units) {
  return units > 116 ? units + 1 : units;
}

// colour > 0: on screen, `offset` units from the left (the pane's x offset), in `font`
// (the lower-left place always in font B); colour 0 or less: on the page in font "0a120",
// through the screen's raster sink.
void drawPositionMark(Screen& screen, int column, int row, int colour, MarkPlace place,
                      double offset = 0, Font font = Font::B);

}  // namespace kolvard
