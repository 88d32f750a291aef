#include "screens/common/key_panel.hpp"

#include "data/cp865.hpp"
#include "screens/common/screen_text.hpp"
#include "ui/screen.hpp"

namespace kolvard {

void drawKeyCap(Screen& screen, std::string_view key, double x, double y) {
  screen.setTextColour(colour::kDarkGrey);
  screen.drawKeyBox(key, x, y, key.size() == 1 || key[0] == 'F' ? 2 : 1);
}

void drawKeyPanelItem(Screen& screen, const KeyPanelItem& item) {
  if (!item.key.empty()) drawKeyCap(screen, item.key, item.x, item.y);
  if (!item.text.empty()) {
    drawText(screen, cp(item.text), item.textX, item.y, Font::C, kFromLeft, 1, 3, colour::kBlack);
  }
}

void drawKeyPanel(Screen& screen, std::span<const KeyPanelItem> items) {
  for (const KeyPanelItem& item : items) drawKeyPanelItem(screen, item);
}

}  // namespace kolvard
