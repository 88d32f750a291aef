#include "app/screen_dispatch.hpp"

namespace kolvard {

void runScreens(Session& session) {
  ProgramState& state = session.state;
  while (state.nextScreen != ScreenCode::FrontPage) {
    switch (state.nextScreen) {
      // The register, sheets, flaw, composite and type screens are not built yet: their
      // keys lead back to the front page.
      case ScreenCode::Register:
      case ScreenCode::Sheets:
      case ScreenCode::Flaws:
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
