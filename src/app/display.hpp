// The screens' window: the screen model they draw into and the backend that shows it.
// Waiting for a key always shows the finished drawing first.
#pragma once

#include "platform/platform.hpp"
#include "ui/key_input.hpp"
#include "ui/screen.hpp"

namespace kolvard {

inline constexpr const char* kVersionText = KOLVARD_VERSION_TEXT;

class Display : public KeyInput {
 public:
  Display(Screen& screen, Platform& platform) : screen_(screen), platform_(platform) {}

  // Re-creates the window for a zoom when it differs from the open one (none at first).
  // Returns true when a window was (re)created.
  bool ensureWindow(int zoom);
  int windowZoom() const { return windowZoom_; }

  KeyString waitKey() override {
    platform_.present(screen_.framebuffer());
    return platform_.waitKey();
  }
  void beep() override { platform_.beep(); }
  // Shows the drawing so far without waiting (progress while a search runs).
  void present() { platform_.present(screen_.framebuffer()); }
  Screen& screen() { return screen_; }

 private:
  Screen& screen_;
  Platform& platform_;
  int windowZoom_ = 0;
};

}  // namespace kolvard
