// What the screens need of their window: the screen model they draw into, keys, a beep, and
// showing the drawing so far without waiting (progress while a search or a print runs).
// Waiting for a key always shows the finished drawing first.
#pragma once

#include "ui/key_input.hpp"

namespace kolvard {

class Screen;

class Display : public KeyInput {
 public:
  virtual Screen& screen() = 0;
  virtual void present() = 0;
};

}  // namespace kolvard
