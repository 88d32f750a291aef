// Key panels described as data: each item a key box (its caption drawn in a small dark box)
// with the text beside it on the same line, in font C on the white background.
#pragma once

#include <span>
#include <string_view>

namespace kolvard {

class Screen;

struct KeyPanelItem {
  std::string_view key;   // the key box's caption ("V", "F12", "Esc"); empty: the text alone
  double x, y;            // the key box
  std::string_view text;  // UTF-8; empty: the key box alone
  double textX;           // at the key box's y
};

// The key box: a one-letter or F-key caption spaced 2, a word ("Esc") spaced 1.
void drawKeyCap(Screen& screen, std::string_view key, double x, double y);
void drawKeyPanelItem(Screen& screen, const KeyPanelItem& item);
void drawKeyPanel(Screen& screen, std::span<const KeyPanelItem> items);

}  // namespace kolvard
