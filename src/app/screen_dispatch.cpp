#include "app/screen_dispatch.hpp"

#include "screens/flaws/flaw_screen.hpp"
#include "screens/register/register_screen.hpp"
#include "screens/register/sheet_screen.hpp"

namespace kolvard {

void runScreens(Session& session) {
  ProgramState& state = session.state;
  while (state.nextScreen != ScreenCode::FrontPage) {
    switch (state.nextScreen) {
      case ScreenCode::Register:
        runRegisterScreen(session);
        break;
      case ScreenCode::Flaws:
        runFlawScreen(session);
        break;
      case ScreenCode::Sheets:
        runSheetScreen(session);
        break;
      // The composite and type screens are not built yet: their keys lead back to the
      // front page.
      case ScreenCode::Composites:
      case ScreenCode::Types:
      case ScreenCode::FrontPage:
        state.nextScreen = ScreenCode::FrontPage;
        break;
    }
  }
  // Leaving a screen returns to the top of the main cycle with a full front-page drawing.
  state.frontPageDrawn = false;
  state.screenName = "front";
}

}  // namespace kolvard
