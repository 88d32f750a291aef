// A value typed at a screen's "V" key: the line editor, then the value check. The Icelandic
// oval values ("4a", "25a", "50a", "100a" with the Iceland flag) belong to the two-coloured
// screens and are taken as such, unchecked; a refused value shows its message; an accepted
// one becomes the current value with its starting cliché.
#pragma once

#include "screens/common/message_line.hpp"

namespace kolvard {

struct Session;

enum class ValueTaken {
  No,           // cancelled or refused (its message shown): nothing changed
  Yes,          // the current value; the caller sets up the rest of its screen
  TwoColoured,  // an Icelandic oval value, now edition "T": the caller leaves for its screens
};

// The "V" key of a screen: the line editor at (offset + 150, y) with the current value, the
// value check, and the value taken into the session's selection.
ValueTaken enterValue(Session& session, double y, double offset, MessageCaller caller);

}  // namespace kolvard
