#include "screens/types/type_page_frame.hpp"

#include <string>
#include <string_view>

#include "data/cp865.hpp"
#include "screens/common/key_panel.hpp"
#include "screens/common/screen_text.hpp"

namespace kolvard {
namespace {

void bottomText(Screen& screen, std::string_view text, double x) {
  drawText(screen, text, x, kTypeBottomLine, Font::C, kFromLeft, 1, 3, colour::kBlack);
}

}  // namespace

void drawTypeGrid(Screen& screen) {
  screen.setBackColour(colour::kWhite);
  screen.clear();
  for (int i = 0; i < 3; ++i) {
    const double y = kTypeGridTop + kTypeCellHeight * i;
    screen.line(kTypeGridLeft, y, 618, y, colour::kBlack);
  }
  for (int i = 0; i < 4; ++i) {
    const double x = kTypeGridLeft + kTypeCellWidth * i;
    screen.line(x, kTypeGridTop, x, 447, colour::kBlack);
  }
}

void drawTypeBottomLine(Screen& screen, int index, int lastIndex) {
  drawKeyCap(screen, "Esc", 23, kTypeBottomLine);
  bottomText(screen, "Retur", 58);
  drawKeyCap(screen, "V", 120, kTypeBottomLine);
  bottomText(screen, cp("Ny værdi"), 155);
  drawKeyCap(screen, "W", 390, kTypeBottomLine);
  bottomText(screen, cp("Vandmærker"), 425);
  if (index > 0) bottomText(screen, std::string(1, cp865::kUpArrow) + "  PgUp", 526);
  if (index < lastIndex) bottomText(screen, std::string(1, cp865::kDownArrow) + "  PgDn", 576);
}

}  // namespace kolvard
