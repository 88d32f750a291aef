// What a screen needs of the keyboard: wait for a key (the window is shown first) and beep.
#pragma once

#include "ui/key_string.hpp"

namespace kolvard {

class KeyInput {
 public:
  virtual ~KeyInput() = default;
  virtual KeyString waitKey() = 0;
  virtual void beep() = 0;
};

}  // namespace kolvard
