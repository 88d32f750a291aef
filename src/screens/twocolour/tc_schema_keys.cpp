// The keys of the two-coloured schema screen: value and printing entries, the printing steps,
// the panes, the printing information and the keys that print or leave.
#include <algorithm>
#include <string>

#include "data/text_fields.hpp"
#include "domain/two_colour_printings.hpp"
#include "domain/two_colour_steps.hpp"
#include "domain/value_tables.hpp"
#include "screens/common/line_editor.hpp"
#include "screens/common/message_line.hpp"
#include "screens/common/printing_entry.hpp"
#include "screens/common/screen_keys.hpp"
#include "screens/common/screen_text.hpp"
#include "screens/twocolour/tc_schema_screen.hpp"

namespace kolvard {
namespace {

// The Icelandic values that are not oval types: they belong to the one-coloured screens.
bool isOtherIcelandicValue(const std::string& value) {
  static constexpr const char* kValues[] = {"2s", "3s", "4s",  "8s",  "16s", "3a",
                                            "5a", "6a", "10a", "16a", "20a", "40a"};
  return std::find(std::begin(kValues), std::end(kValues), value) != std::end(kValues);
}

}  // namespace

KeyResult TwoColourSchemaScreen::valueEntry() {
  Selection& s = selection();
  const LineEditorRequest request{'V', 370, 0, s.value(), s.edition(), s.value(), s.printing()};
  const LineEditorResult typed = runLineEditor(screen_, session_.display, request);
  if (typed.cancelled) return kStay;
  std::string value = normaliseValueKey(asciiLower(typed.text));
  if (s.iceland()) {
    if (isOtherIcelandicValue(value)) {
      s.setEdition("I", true);
      s.setValue(value);
      return ScreenCode::Sheets;
    }
    if (!isIcelandOvalValue(value)) value = s.value();
  } else if (twoColourHighestPrinting(value) == "0") {
    showMessage(session_, kMessageValueUnknown, MessageCaller::Sheets);
    return kStay;
  }
  s.setValue(value);
  s.setPrinting("1");
  return kStay;
}

void TwoColourSchemaScreen::printingEntry() {
  const auto typed = enterPrinting(session_, 385, 0, MessageCaller::Sheets);
  if (!typed) return;
  selection().setPrinting(twoColourShownPrinting(selection().value(), *typed));
}

void TwoColourSchemaScreen::stepPrinting(bool next) {
  Selection& s = selection();
  const auto step = next ? printingAfter(s.value(), s.printing(), s.printingCount())
                         : printingBefore(s.value(), s.printing());
  if (!step) {
    MessageArgs args;
    args.printingCount = s.printingCount();
    showMessage(session_, kMessagePrintingRange, MessageCaller::Sheets, args);
    return;
  }
  s.setPrinting(*step);
}

KeyResult TwoColourSchemaScreen::act(const KeyString& rawKey) {
  const KeyString key = upperKey(rawKey);
  if (key == "V") {
    const KeyResult next = valueEntry();
    drawInformationPanel();
    return next;
  }
  if (key == "T") {
    printingEntry();
    drawInformationPanel();
  } else if (isExtended(key, scan::kPgUp) || isExtended(key, scan::kPgDn)) {
    stepPrinting(isExtended(key, scan::kPgDn));
    drawInformationPanel();
  } else if (key == "A" || isExtended(key, scan::kLeft)) {
    if (pane_ == SchemaPane::B) schemas_.pane = 1;
  } else if (key == "B" || isExtended(key, scan::kRight)) {
    if (pane_ == SchemaPane::A) schemas_.pane = 2;
  } else if (isExtended(key, scan::kF4)) {
    selection().setPrintingInfo(!selection().printingInfo());
    drawInformationPanel();
  } else if (isExtended(key, scan::kF9)) {
    return printSchemas(SchemaPrintKind::Oval);
  } else if (isExtended(key, scan::kF10)) {
    return printSchemas(SchemaPrintKind::Frame);
  } else if (isExtended(key, scan::kF11) || isExtended(key, scan::kShiftF4)) {
    return printSchemas(SchemaPrintKind::Both);
  } else if (showInformationFor(session_, key)) {
    screen_.clear();
    drawInformationPanel();
  } else {
    return leavingKey(key);
  }
  return kStay;
}

KeyResult TwoColourSchemaScreen::handleKey(const KeyString& key) {
  eraseBox(screen_, 97, 357, 204, 390);
  eraseBox(screen_, 10, 405, 116, 418);
  return act(key);
}

}  // namespace kolvard
