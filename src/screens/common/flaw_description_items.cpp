#include "screens/common/flaw_description_items.hpp"

#include "domain/flaw_description.hpp"
#include "screens/common/cliche_panel.hpp"
#include "ui/screen.hpp"

namespace kolvard {

void drawFlawDescriptionItems(Screen& screen, std::string_view description, double panelX,
                              double baseY, bool inverted) {
  const FlawDescription parsed = parseFlawDescription(description);
  drawClichePlacedLabels(screen, parsed.labels, panelX, baseY);
  for (const ClicheLinePlace& line :
       flawDescriptionLinePlaces(parsed.lines, panelX, inverted, baseY)) {
    screen.drawGlyphText(line.text, line.x, line.y,
                         GlyphStyle{Font::C, kCentred, 1, 2, colour::kBlack});
  }
}

}  // namespace kolvard
