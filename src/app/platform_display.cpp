#include "app/platform_display.hpp"

#include <string>

#include "domain/version.hpp"

namespace kolvard {

bool PlatformDisplay::ensureWindow(int zoom) {
  if (zoom == windowZoom_) return false;
  screen_.openWindow(zoom);
  platform_.openWindow(screen_.framebuffer().width(), screen_.framebuffer().height(),
                       std::string("Kolvard ") + kVersionText);
  windowZoom_ = screen_.zoom();
  return true;
}

}  // namespace kolvard
