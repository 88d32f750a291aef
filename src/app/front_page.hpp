// The front page: the stamp of the current edition and value on a white panel, the logo and
// the key menu on the dark panel, and the keys that choose edition, value and zoom, open the
// information texts and the screens, or end the program.
#pragma once

#include <string_view>

#include "app/session.hpp"
#include "ui/key_string.hpp"

namespace kolvard {

enum class FrontPageAction {
  NextCycle,   // back to the top of the main cycle
  OpenScreen,  // state.nextScreen names the screen
  Quit,        // Esc: the settings are saved, the program ends
};

void drawFrontPage(Session& session);
FrontPageAction handleFrontPageKey(Session& session, const KeyString& key);
// Draws the front page and acts on keys until one hands control back to the main cycle.
FrontPageAction runFrontPage(Session& session);

// Draws a run-length picture section at a pixel position; nothing when it is not found or
// starts at 0. Returns the lookup status.
int drawPictureSection(Session& session, std::string_view name, std::string_view edition, int left,
                       int top, int colour);

}  // namespace kolvard
