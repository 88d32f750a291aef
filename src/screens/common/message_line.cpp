#include "screens/common/message_line.hpp"

#include "screens/common/session.hpp"
#include "ui/screen.hpp"

namespace kolvard {

void showMessageAt(Screen& screen, int number, double x, double y, const MessageArgs& args) {
  const std::string text = messageText(number, args);
  if (text.empty()) return;
  screen.drawGlyphText(text, x, y, GlyphStyle{Font::C, kFromLeft, 1, 3, colour::kRed});
}

void drawMessage(Screen& screen, int number, MessageCaller caller, const MessageArgs& args) {
  double x = 0, y = 0;
  switch (caller) {
    case MessageCaller::Register:
      x = 41, y = 59;
      break;
    case MessageCaller::Sheets:
      x = 14, y = 415;
      break;
    case MessageCaller::Flaws:
      x = 95, y = 410;
      break;
    case MessageCaller::Composites:
      x = 421, y = 415;
      break;
  }
  showMessageAt(screen, number, x, y, args);
}

void showMessage(Session& session, int number, MessageCaller caller, const MessageArgs& args) {
  session.state.message = ShownMessage{number, caller, args};
  drawMessage(session.screen(), number, caller, args);
}

void redrawShownMessage(Session& session) {
  const ShownMessage& m = session.state.message;
  if (m.number != 0) drawMessage(session.screen(), m.number, m.caller, m.args);
}

}  // namespace kolvard
