#include "screens/common/printing_entry.hpp"

#include "data/text_fields.hpp"
#include "domain/sheet_walk.hpp"
#include "screens/common/line_editor.hpp"
#include "screens/common/session.hpp"

namespace kolvard {
namespace {

void printingRangeMessage(Session& session, MessageCaller caller) {
  MessageArgs args;
  args.printingCount = session.state.selection.printingCount();
  showMessage(session, kMessagePrintingRange, caller, args);
}

}  // namespace

std::optional<std::string> enterPrinting(Session& session, double y, double offset,
                                         MessageCaller caller) {
  const Selection& s = session.state.selection;
  const LineEditorRequest request{'T',         y,         offset,      s.printing(),
                                  s.edition(), s.value(), s.printing()};
  const LineEditorResult result = runLineEditor(session.screen(), session.display, request);
  if (result.cancelled) return std::nullopt;
  const std::string entered = asciiLower(result.text);
  const int n = leadingNumber(entered);
  if (n < 1 || n > s.printingCount()) {
    printingRangeMessage(session, caller);
    return std::nullopt;
  }
  return entered;
}

std::optional<std::string> stepPrinting(Session& session, bool next, MessageCaller caller) {
  const Selection& s = session.state.selection;
  const auto step = next ? nextPrinting(s.edition(), s.value(), s.printing(), s.printingCount())
                         : previousPrinting(s.edition(), s.value(), s.printing());
  if (!step) printingRangeMessage(session, caller);
  return step;
}

}  // namespace kolvard
