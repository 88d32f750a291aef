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

// The message on the screen since the last key (number 0: none). A screen that redraws after
// the key that refused an entry would wipe it; the run loop draws it again after the screen's
// drawing, so it stays until the next key.
struct ShownMessage {
  int number = 0;
  MessageCaller caller = MessageCaller::Sheets;
  MessageArgs args;
};

struct Session;

// Draws message `number` at its caller's place and keeps it as the shown message.
void showMessage(Session& session, int number, MessageCaller caller, const MessageArgs& args = {});
// Draws the shown message again, if any.
void redrawShownMessage(Session& session);
// Draws message `number` at its caller's place, or at an explicit place, without keeping it.
void drawMessage(Screen& screen, int number, MessageCaller caller, const MessageArgs& args = {});
void showMessageAt(Screen& screen, int number, double x, double y, const MessageArgs& args);

}  // namespace kolvard
