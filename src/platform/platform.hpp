// The small interface between the program and whatever shows its window. The program owns
// the framebuffer and draws into it; a backend presents it, delivers keys and beeps.
// Nothing above this interface knows which backend runs.
#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "ui/framebuffer.hpp"
#include "ui/key_string.hpp"

namespace kolvard {

// Raised by a backend's key wait when the window was closed (or a key script ran out):
// the program ends at once, as when the user clicks the window's close button.
class WindowClosed : public std::runtime_error {
 public:
  WindowClosed() : std::runtime_error("window closed") {}
};

// What a window backend has received and not yet handed over, and whether its window was
// closed; the wait and the poll of every window backend. `handleOne` blocks for one event of
// the system and handles it, `handlePending` handles every event waiting; both push keys and
// close as the events say.
class KeyQueue {
 public:
  void push(KeyString key) { keys_.push_back(std::move(key)); }
  void close() { closed_ = true; }
  bool closed() const { return closed_; }

  template <class HandleOne>
  KeyString wait(HandleOne handleOne) {
    for (;;) {
      throwIfClosed();
      if (!keys_.empty()) return take();
      handleOne();
    }
  }

  template <class HandlePending>
  KeyString poll(HandlePending handlePending) {
    handlePending();
    throwIfClosed();
    return keys_.empty() ? KeyString{} : take();
  }

 private:
  void throwIfClosed() const {
    if (closed_) throw WindowClosed();
  }
  KeyString take() {
    KeyString key = std::move(keys_.front());
    keys_.pop_front();
    return key;
  }

  std::deque<KeyString> keys_;
  bool closed_ = false;
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
