// The one shape of every screen: entered, drawn (only what changed since its last drawing),
// and handed one key at a time until a key leaves it for another screen. The screen table of
// the main cycle opens a screen by its code; the run loop is written once (runScreenPage).
#pragma once

#include <optional>

#include "ui/key_string.hpp"

namespace kolvard {

// The codes screens leave with.
enum class ScreenCode : int {
  End = -1,  // Esc on the front page: the program ends
  FrontPage = 1,
  Register = 3,
  Sheets = 5,
  Flaws = 6,
  Composites = 7,
  Types = 8,
};

// What a key did: nothing (stay), or the screen to open next.
using KeyResult = std::optional<ScreenCode>;
inline constexpr KeyResult kStay = std::nullopt;

class ScreenPage {
 public:
  virtual ~ScreenPage() = default;
  // On every entry, as the screen's own rules say.
  virtual void enter() = 0;
  // A screen with nothing to show leaves straight after its entry (it beeps itself).
  virtual KeyResult leavesOnEntry() { return kStay; }
  // Draws what changed since the last drawing.
  virtual void draw() = 0;
  // Acts on one key.
  virtual KeyResult handleKey(const KeyString& key) = 0;
};

struct Session;

// Enters the screen (leaving at once when it says so), then draws (with the message shown by the
// last key on top), waits for a key and hands it over until a key leaves; returns the code of the
// screen to open next.
ScreenCode runScreenPage(ScreenPage& page, Session& session);

}  // namespace kolvard
