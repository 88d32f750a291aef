// The entries of the two-coloured flaw screen: value, printing, position, oval flaw number
// and frame flaw number, each through the line editor, with their refusals.
#include <algorithm>
#include <string>

#include "data/text_fields.hpp"
#include "domain/two_colour_printings.hpp"
#include "domain/two_colour_steps.hpp"
#include "domain/value_tables.hpp"
#include "screens/common/line_editor.hpp"
#include "screens/common/message_line.hpp"
#include "screens/common/screen_text.hpp"
#include "screens/twocolour/tc_flaw_screen.hpp"

namespace kolvard {
namespace {

constexpr double kEditorOffset = 120;

// The Icelandic values that are not oval types: they belong to the one-coloured screens.
bool isOtherIcelandicValue(const std::string& value) {
  static constexpr const char* kValues[] = {"2s", "3s", "4s",  "8s",  "16s", "3a",
                                            "5a", "6a", "10a", "16a", "20a", "40a"};
  return std::find(std::begin(kValues), std::end(kValues), value) != std::end(kValues);
}

}  // namespace

LineEditorRequest TwoColourFlawScreen::editorRequest(char kind, double y,
                                                     const std::string& opening) {
  const Selection& s = selection();
  LineEditorRequest request{kind, y, kEditorOffset, opening, s.edition(), s.value(), s.printing()};
  request.twoColourEditor = true;
  return request;
}

KeyResult TwoColourFlawScreen::valueEntry() {
  // The printing becomes "1" with the value taken: a cancelled or refused entry keeps the
  // printing the position table was loaded for.
  Selection& s = selection();
  flaws_.mode = FlawViewMode::Position;
  lastOrderSetting_ = -1;
  const LineEditorRequest request = editorRequest('V', 305, s.value());
  const LineEditorResult typed = runLineEditor(screen_, session_.display, request);
  if (typed.cancelled) return kStay;
  std::string value = normaliseValueKey(asciiLower(typed.text));
  if (iceland()) {
    if (isOtherIcelandicValue(value)) {
      s.setEdition("I", true);
      s.setValue(value);
      return ScreenCode::Flaws;
    }
    if (!isIcelandOvalValue(value)) value = s.value();
  } else if (twoColourHighestPrinting(value) == "0") {
    // The edition's own values are the ones it has printings of.
    message(kMessageValueUnknown);
    return kStay;
  }
  s.setValue(value);
  s.setPrinting("1");
  limits_ = readSeriesLimits(session_.data, s.edition(), s.value());
  loadTable();
  s.setPosition(session_.state.twoColourPositions.layout() == SheetLayout::TwoPanes ? "A1" : "1");
  readPosition();
  if (s.printingInfo()) drawInformationPanel();
  return kStay;
}

void TwoColourFlawScreen::printingEntry() {
  Selection& s = selection();
  flaws_.mode = FlawViewMode::Position;
  lastOrderSetting_ = -1;
  const LineEditorRequest request = editorRequest('T', 320, s.printing());
  const LineEditorResult typed = runLineEditor(screen_, session_.display, request);
  if (typed.cancelled) return;
  const std::string entered = asciiLower(typed.text);
  const int n = leadingNumber(entered);
  if (n < 1 || n > s.printingCount()) {
    MessageArgs args;
    args.printingCount = s.printingCount();
    message(kMessagePrintingRange, args);
    return;
  }
  const int oldIndex = s.positionIndex();
  s.setPrinting(twoColourShownPrinting(s.value(), entered));
  afterPrintingChange(oldIndex);
  lastOval_ = lastFrame_ = "x";
  eraseBox(screen_, 128, 340, 210, 369);
  if (s.printingInfo()) drawInformationPanel();
}

void TwoColourFlawScreen::positionEntry(char first) {
  Selection& s = selection();
  const LineEditorRequest request = editorRequest(first, 335, s.position());
  const LineEditorResult typed =
      runLineEditor(screen_, session_.display, request, flaws_.editorMemory);
  if (typed.cancelled) return;
  s.setFollowCliche("");
  const std::string entry = asciiUpper(typed.text);
  int n = leadingNumber(entry);
  if (n == 0 && !entry.empty()) n = leadingNumber(std::string_view(entry).substr(1));
  if (n < 1 || n > 100) {
    message(kMessagePositionRange);
    return;
  }
  const bool panes = session_.state.twoColourPositions.layout() == SheetLayout::TwoPanes;
  const std::string number = std::to_string(n);
  s.setPosition(!panes ? number : (entry.starts_with("B") ? "B" : "A") + number);
  readPosition();
}

void TwoColourFlawScreen::ovalEntry() {
  Selection& s = selection();
  if (s.value() == "48s") {
    session_.display.beep();
    return;
  }
  flaws_.mode = FlawViewMode::Oval;
  lastOval_.clear();
  lastFrame_.clear();
  lastFrameKind_ = '\0';  // drawn again, invisible in oval mode
  eraseBox(screen_, 94, 385, 267, 398);
  limits_ = readSeriesLimits(session_.data, s.edition(), s.value());
  int series = 1, running = 1;
  if (flaws_.ovalFlawNumber.empty()) {
    if (const auto record = seriesForPrinting(seriesIndex_, s.value(),
                                              std::max(1, leadingNumber(s.printing())), false)) {
      series = std::max(1, record->series);
    }
  } else {
    const FlawNumberParts parts = splitFlawNumber(flaws_.ovalFlawNumber);
    series = std::max(1, parts.group);
    running = std::max(1, parts.running);
  }
  const bool oneSeries = ovalSeriesCount() <= 1;
  flaws_.ovalFlawNumber = joinFlawNumber(oneSeries ? 0 : series, running);
  entryPreview_ = true;
  draw();  // the oval panel of the number offered, before the editor opens
  entryPreview_ = false;
  const LineEditorRequest request = editorRequest('C', 350, flaws_.ovalFlawNumber);
  const LineEditorResult typed = runLineEditor(screen_, session_.display, request);
  if (typed.cancelled) return;
  const FlawNumberParts parts = splitFlawNumber(typed.text);
  if (typed.text.find('.') != std::string::npos) series = parts.group;
  running = std::max(1, parts.running);
  if (series > std::max(1, ovalSeriesCount())) {
    MessageArgs args;
    args.valueKey = s.valueKey();
    args.seriesCount = ovalSeriesCount();
    message(kMessageSeriesRange, args);
    return;
  }
  series = std::max(1, series);
  if (running > limits_.highestOf(series)) {
    MessageArgs args;
    args.highestRunning = limits_.highestOf(series);
    message(kMessageRunningRange, args);
    return;
  }
  flaws_.ovalFlawNumber = joinFlawNumber(oneSeries ? 0 : series, running);
  flaws_.series = oneSeries ? 0 : series;
  std::string follow = flaws_.ovalFlawNumber;
  follow.resize(6, ' ');
  s.setFollowCliche(follow);
  reading_.ovalMark = reading_.frameMark = ' ';
}

void TwoColourFlawScreen::frameEntry() {
  flaws_.mode = FlawViewMode::Frame;
  lastOval_.clear();
  lastFrame_.clear();
  lastOrderSetting_ = -1;
  entryPreview_ = true;
  draw();  // the frame panel of the current number, before the editor opens
  entryPreview_ = false;
  const LineEditorRequest request = editorRequest('C', 365, flaws_.frameFlawNumber);
  const LineEditorResult typed = runLineEditor(screen_, session_.display, request);
  if (typed.cancelled) return;
  const FlawNumberParts current = splitFlawNumber(flaws_.frameFlawNumber);
  const FlawNumberParts parts = splitFlawNumber(typed.text);
  int setting = typed.text.find('.') != std::string::npos ? parts.group : current.group;
  if (iceland()) setting = kIcelandicFrameSetting;
  if (setting < 1 || setting > highestTypedSetting(iceland())) {
    MessageArgs args;
    args.highestSetting = highestTypedSetting(iceland());
    message(2, args);
    return;
  }
  if (setting == 18) {
    drawText(screen_, "Setting 18 ikke anvendt", 95, 410, Font::C, kFromLeft, 1, 3, 12);
    return;
  }
  const int running = std::max(1, parts.running);
  const int highest = frameFlawsOf(setting);
  if (running > highest) {
    MessageArgs args;
    args.highestRunning = highest;
    message(4, args);
    return;
  }
  flaws_.frameFlawNumber = std::to_string(setting) + "." + std::to_string(running);
  reading_.ovalMark = reading_.frameMark = ' ';
  lastFrameKind_ = '\0';
}

}  // namespace kolvard
