#include "screens/twocolour/occurrence_column.hpp"

#include "ui/screen.hpp"

namespace kolvard {

void drawOccurrenceItem(Screen& screen, const OccurrenceItem& item, double y) {
  for (const OccurrencePiece& piece : item.pieces) {
    const Font font = piece.font == OccurrenceFont::A ? Font::A : Font::B;
    screen.drawGlyphText(piece.text, piece.x, y,
                         GlyphStyle{font, kFromLeft, piece.spacing, 2, piece.colour});
  }
}

}  // namespace kolvard
