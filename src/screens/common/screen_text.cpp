#include "screens/common/screen_text.hpp"

namespace kolvard {

void eraseBox(Screen& screen, double x1, double y1, double x2, double y2) {
  screen.setTextColour(colour::kWhite);
  screen.fillBox(x1, y1, x2, y2, colour::kWhite);
}

void drawText(Screen& screen, std::string_view text, double x, double y, Font font, int mode,
              double spacing, double spaceWidth, int colour) {
  screen.drawGlyphText(text, x, y, GlyphStyle{font, mode, spacing, spaceWidth, colour});
}

void printAt(Screen& screen, int column, int row, int colour, std::string_view text) {
  screen.setTextColour(colour);
  screen.moveTo(column, row);
  screen.printText(text);
}

}  // namespace kolvard
