#include "screens/common/value_entry.hpp"

#include "data/text_fields.hpp"
#include "screens/common/selection.hpp"
#include "screens/common/session.hpp"

namespace kolvard {

ValueEntryResult runValueEntry(Screen& screen, KeyInput& keys, const LineEditorRequest& request,
                               bool iceland) {
  ValueEntryResult entry;
  const LineEditorResult typed = runLineEditor(screen, keys, request);
  if (typed.cancelled) return entry;
  const std::string value = asciiLower(typed.text);
  if (iceland && isIcelandOvalValue(value)) {
    entry.kind = ValueEntryResult::IcelandOval;
    entry.value = value;
    return entry;
  }
  entry.check = checkValue(request.edition, value);
  entry.kind = entry.check.accepted ? ValueEntryResult::Accepted : ValueEntryResult::Rejected;
  entry.value = entry.check.value;
  return entry;
}

ValueTaken takeValueEntry(Selection& selection, Screen& screen, MessageCaller caller,
                          const ValueEntryResult& entry) {
  switch (entry.kind) {
    case ValueEntryResult::Cancelled:
      return ValueTaken::No;
    case ValueEntryResult::IcelandOval:
      selection.setEdition("T", selection.iceland());
      selection.setValue(entry.value);
      return ValueTaken::TwoColoured;
    case ValueEntryResult::Rejected:
      showMessage(screen, entry.check.message, caller);
      return ValueTaken::No;
    case ValueEntryResult::Accepted:
      break;
  }
  selection.setValue(entry.check.value);
  selection.setCliche(entry.check.startingCliche);
  return ValueTaken::Yes;
}

ValueTaken enterValue(Session& session, double y, double offset, MessageCaller caller) {
  Selection& s = session.state.selection;
  const LineEditorRequest request{'V', y, offset, s.value(), s.edition(), s.value(), s.printing()};
  const ValueEntryResult entry =
      runValueEntry(session.screen(), session.display, request, s.iceland());
  return takeValueEntry(s, session.screen(), caller, entry);
}

}  // namespace kolvard
