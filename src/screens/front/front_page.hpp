// The front page: the stamp of the current edition and value on a white panel, the logo and
// the key menu on the dark panel, and the keys that choose edition, value and zoom, open the
// information texts and the screens, or end the program. The main cycle shows it once a
// cycle; every key but "R" hands control back to the main cycle.
#pragma once

#include <string_view>

#include "screens/common/picture_section.hpp"
#include "screens/common/screen_page.hpp"
#include "screens/common/session.hpp"
#include "screens/front/front_page_state.hpp"

namespace kolvard {

class FrontPage final : public ScreenPage {
 public:
  FrontPage(Session& session, FrontPageState& state) : session_(session), front_(state) {}

  void enter() override {}
  // The first drawing of a cycle: the stamp panel, and the whole page when it was not drawn
  // since the window was (re)made or a screen was shown.
  void draw() override;
  // Leaves for the front page (the next main cycle), for a screen, or for the end.
  KeyResult handleKey(const KeyString& key) override;

 private:
  Session& session_;
  FrontPageState& front_;
  bool drawnThisCycle_ = false;
};

// The white panel the value pictures are drawn on and clipped to, in pixels.
PixelBox valuePicturePanel(const Screen& screen);

}  // namespace kolvard
