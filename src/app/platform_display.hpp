// The screens' window on a platform backend: the screen model they draw into and the backend
// that shows it, with the window re-created when the zoom changes.
#pragma once

#include "platform/platform.hpp"
#include "ui/display.hpp"
#include "ui/screen.hpp"

namespace kolvard {

class PlatformDisplay final : public Display {
 public:
  PlatformDisplay(Screen& screen, Platform& platform) : screen_(screen), platform_(platform) {}

  // Re-creates the window for a zoom when it differs from the open one (none at first).
  // Returns true when a window was (re)created.
  bool ensureWindow(int zoom);
  int windowZoom() const { return windowZoom_; }

  KeyString waitKey() override {
    platform_.present(screen_.framebuffer());
    return platform_.waitKey();
  }
  void beep() override { platform_.beep(); }
  void present() override { platform_.present(screen_.framebuffer()); }
  Screen& screen() override { return screen_; }

 private:
  Screen& screen_;
  Platform& platform_;
  int windowZoom_ = 0;
};

}  // namespace kolvard
