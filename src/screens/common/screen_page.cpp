#include "screens/common/screen_page.hpp"

#include "screens/common/session.hpp"
#include "ui/display.hpp"

namespace kolvard {

ScreenCode runScreenPage(ScreenPage& page, Session& session) {
  session.state.message = {};
  page.enter();
  if (const KeyResult next = page.leavesOnEntry()) return *next;
  for (;;) {
    page.draw();
    redrawShownMessage(session);
    const KeyString key = session.display.waitKey();
    session.state.message = {};
    if (const KeyResult next = page.handleKey(key)) {
      session.state.message = {};
      return *next;
    }
  }
}

}  // namespace kolvard
