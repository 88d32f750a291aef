// The numbered message line that reports a refused entry, in red at its screen's place.
#pragma once

#include "domain/messages.hpp"

namespace kolvard {

class Screen;

// Who shows a message; the caller's screen places it.
enum class MessageCaller {
  Register,    // (41, 59)
  Sheets,      // (14, 415)
  Flaws,       // (95, 410)
  Composites,  // (421, 415)
};

// Draws message `number` at its caller's place, or at an explicit place.
void showMessage(Screen& screen, int number, MessageCaller caller, const MessageArgs& args = {});
void showMessageAt(Screen& screen, int number, double x, double y, const MessageArgs& args);

}  // namespace kolvard
