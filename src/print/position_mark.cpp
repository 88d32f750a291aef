#include "print/position_mark.hpp"

namespace kolvard {

void drawPositionMark(Screen& screen, int column, int row, int colour, MarkPlace place,
                      double offset, Font font) {
  const bool right = place == MarkPlace::Right;
  if (colour > 0) {
    const double x = sheetGridShift(29.0 * (column - 1)) + (right ? 40 : 25) + offset;
    const double y = sheetGridShift(29.0 * row) + (right ? 57 : 71);
    screen.drawGlyphText("o", x, y, GlyphStyle{right ? font : Font::B, kFromLeft, 1, 2, colour});
    return;
  }
  const double x = right ? 458.0 * column - 6 : 458.0 * column - 236;
  const double y = right ? 610.0 * row + 451 : 610.0 * row + 754;
  screen.drawGlyphText("o", x, y, GlyphStyle{Font::Page120, kFromLeft, 7, 14, -2});
}

}  // namespace kolvard
