#include "screens/common/value_entry.hpp"

#include <string>

#include "data/text_fields.hpp"
#include "domain/value_tables.hpp"
#include "screens/common/line_editor.hpp"
#include "screens/common/selection.hpp"
#include "screens/common/session.hpp"

namespace kolvard {

ValueTaken enterValue(Session& session, double y, double offset, MessageCaller caller) {
  Selection& s = session.state.selection;
  const LineEditorRequest request{'V', y, offset, s.value(), s.edition(), s.value(), s.printing()};
  const LineEditorResult typed = runLineEditor(session.screen(), session.display, request);
  if (typed.cancelled) return ValueTaken::No;
  const std::string value = asciiLower(typed.text);
  if (s.iceland() && isIcelandOvalValue(value)) {
    s.setEdition("T", s.iceland());
    s.setValue(value);
    return ValueTaken::TwoColoured;
  }
  const ValueCheckResult check = checkValue(s.edition(), value);
  if (!check.accepted) {
    showMessage(session, check.message, caller);
    return ValueTaken::No;
  }
  s.setValue(check.value);
  s.setCliche(check.startingCliche);
  return ValueTaken::Yes;
}

}  // namespace kolvard
