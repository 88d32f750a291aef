#include "app/display.hpp"

#include <string>

namespace kolvard {

bool Display::ensureWindow(int zoom) {
  if (zoom == windowZoom_) return false;
  screen_.openWindow(zoom);
  platform_.openWindow(screen_.framebuffer().width(), screen_.framebuffer().height(),
                       std::string("Kolvard ") + kVersionText);
  windowZoom_ = screen_.zoom();
  return true;
}

}  // namespace kolvard
