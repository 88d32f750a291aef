// The small interface between the program and whatever shows its window. The program owns
// the framebuffer and draws into it; a backend presents it, delivers keys and beeps.
// Nothing above this interface knows which backend runs.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "ui/framebuffer.hpp"
#include "ui/key_string.hpp"

namespace kolvard {

// Raised by a backend's key wait when the window was closed (or a key script ran out):
// the program ends at once, as when the user clicks the window's close button.
class WindowClosed : public std::runtime_error {
 public:
  WindowClosed() : std::runtime_error("window closed") {}
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Closes any open window and opens one with this client size and caption.
  virtual void openWindow(int width, int height, std::string_view caption) = 0;
  // Shows the framebuffer (the client area).
  virtual void present(const Framebuffer& frame) = 0;
  // Waits for the next key; throws WindowClosed when the window is closed.
  virtual KeyString waitKey() = 0;
  // The waiting key, or "" at once when there is none; throws WindowClosed likewise.
  virtual KeyString pollKey() = 0;
  virtual void beep() = 0;
};

}  // namespace kolvard
