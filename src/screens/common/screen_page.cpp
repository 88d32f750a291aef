#include "screens/common/screen_page.hpp"

#include "ui/display.hpp"

namespace kolvard {

ScreenCode runScreenPage(ScreenPage& page, Display& display) {
  page.enter();
  for (;;) {
    page.draw();
    if (const KeyResult next = page.handleKey(display.waitKey())) return *next;
  }
}

}  // namespace kolvard
