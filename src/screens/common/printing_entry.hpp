// The printing keys of the screens that show one printing: "T" types a printing, PgUp and
// PgDn step to the previous and the next one. A printing outside the value's printings shows
// message 7 ("Tryk fra 1 til " and the highest printing) and changes nothing.
#pragma once

#include <optional>
#include <string>

#include "screens/common/message_line.hpp"

namespace kolvard {

struct Session;

// The line editor at (offset + 150, y) with the current printing. Returns the printing typed
// (lower case), or nothing when the entry was cancelled or refused.
std::optional<std::string> enterPrinting(Session& session, double y, double offset,
                                         MessageCaller caller);

// The previous or next printing (the printing steps of the sheet walk, not yet normalised),
// or nothing at the ends.
std::optional<std::string> stepPrinting(Session& session, bool next, MessageCaller caller);

}  // namespace kolvard
