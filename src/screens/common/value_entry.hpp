// A value typed at a screen's "V" key: the line editor, then the value check. The Icelandic
// oval values ("4a", "25a", "50a", "100a" with the Iceland flag) belong to the two-coloured
// screens and are handed back as such, unchecked; a refused value shows its message; an
// accepted one becomes the current value with its starting cliché.
#pragma once

#include <string>

#include "domain/value_tables.hpp"
#include "screens/common/line_editor.hpp"
#include "screens/common/message_line.hpp"

namespace kolvard {

class KeyInput;
class Screen;
class Selection;
struct Session;

struct ValueEntryResult {
  enum Kind { Cancelled, IcelandOval, Rejected, Accepted } kind = Cancelled;
  std::string value;  // in lower case: the oval value, or the accepted value
  ValueCheckResult check;
};
ValueEntryResult runValueEntry(Screen& screen, KeyInput& keys, const LineEditorRequest& request,
                               bool iceland);

enum class ValueTaken {
  No,           // cancelled or refused (its message shown): nothing changed
  Yes,          // the current value; the caller sets up the rest of its screen
  TwoColoured,  // an Icelandic oval value, now edition "T": the caller leaves for its screens
};
ValueTaken takeValueEntry(Selection& selection, Screen& screen, MessageCaller caller,
                          const ValueEntryResult& entry);

// The "V" key of a screen: the line editor at (offset + 150, y) with the current value, the
// value check, and the value taken into the session's selection.
ValueTaken enterValue(Session& session, double y, double offset, MessageCaller caller);

}  // namespace kolvard
