// The keys of the two-coloured flaw screen: the steps through positions, printings, oval and
// frame flaw numbers, the value, printing, position, oval and frame entries, and the keys
// that print or leave.
#include <algorithm>
#include <string>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/two_colour_printings.hpp"
#include "domain/two_colour_steps.hpp"
#include "domain/value_tables.hpp"
#include "print/export_session.hpp"
#include "print/schema_bitmap.hpp"
#include "print/series_print.hpp"
#include "print/sheet_grid.hpp"
#include "screens/common/line_editor.hpp"
#include "screens/common/message_line.hpp"
#include "screens/common/screen_keys.hpp"
#include "screens/common/screen_text.hpp"
#include "screens/twocolour/tc_flaw_screen.hpp"

namespace kolvard {
namespace {

constexpr double kEditorOffset = 120;

bool isArrow(const KeyString& key) {
  return isExtended(key, scan::kLeft) || isExtended(key, scan::kRight) ||
         isExtended(key, scan::kUp) || isExtended(key, scan::kDown);
}

// The Icelandic values that are not oval types: they belong to the one-coloured screens.
bool isOtherIcelandicValue(const std::string& value) {
  static constexpr const char* kValues[] = {"2s", "3s", "4s",  "8s",  "16s", "3a",
                                            "5a", "6a", "10a", "16a", "20a", "40a"};
  return std::find(std::begin(kValues), std::end(kValues), value) != std::end(kValues);
}

}  // namespace

void TwoColourFlawScreen::stepPosition(const KeyString& key) {
  const SheetDirection direction = isExtended(key, scan::kLeft)    ? SheetDirection::Previous
                                   : isExtended(key, scan::kRight) ? SheetDirection::Next
                                   : isExtended(key, scan::kUp)    ? SheetDirection::Above
                                                                   : SheetDirection::Below;
  Selection& s = selection();
  const SheetStep step = stepSheetPosition({s.position(), s.positionIndex()}, direction);
  if (step.outcome == SheetStep::Outcome::Beep) session_.display.beep();
  if (step.outcome != SheetStep::Outcome::Moved) return;
  s.setPosition(step.position.text);
  readPosition();
}

void TwoColourFlawScreen::stepOval(const KeyString& key) {
  const FlawNumberParts parts = splitFlawNumber(flaws_.ovalFlawNumber);
  int series = std::max(1, parts.group);
  int running = parts.running;
  const int seriesCount = std::max(1, ovalSeriesCount());
  if (isExtended(key, scan::kLeft)) {
    if (running <= 1) return;
    --running;
  } else if (isExtended(key, scan::kRight)) {
    const int highest = limits_.highestOf(series);
    if (running + 1 > highest) {
      MessageArgs args;
      args.highestRunning = highest;
      message(kMessageRunningRange, args);
      return;
    }
    ++running;
  } else if (isExtended(key, scan::kDown)) {
    if (series + 1 > seriesCount) {
      MessageArgs args;
      args.valueKey = selection().valueKey();
      args.seriesCount = ovalSeriesCount();
      message(kMessageSeriesRange, args);
      return;
    }
    ++series;
    running = 1;
  } else {
    if (series <= 1) return;
    --series;
    running = 1;
  }
  flaws_.ovalFlawNumber = joinFlawNumber(ovalSeriesCount() > 1 ? series : 0, running);
}

void TwoColourFlawScreen::stepFrame(const KeyString& key) {
  const FlawNumberParts parts = splitFlawNumber(flaws_.frameFlawNumber);
  int setting = parts.group;
  int running = parts.running;
  if (isExtended(key, scan::kLeft)) {
    if (running <= 1) return;
    --running;
  } else if (isExtended(key, scan::kRight)) {
    const int highest = frameFlawsOf(setting);
    if (running + 1 > highest) {
      MessageArgs args;
      args.highestRunning = highest;
      message(4, args);
      return;
    }
    ++running;
  } else {
    const auto next = isExtended(key, scan::kDown)
                          ? frameSettingAfter(setting, highestTypedSetting(iceland()))
                          : frameSettingBefore(setting);
    if (!next) {
      if (isExtended(key, scan::kDown)) {
        MessageArgs args;
        args.highestSetting = highestTypedSetting(iceland());
        message(2, args);
      }
      return;
    }
    setting = *next;
    running = 1;
    selection().setPeriod("");
  }
  flaws_.frameFlawNumber = std::to_string(setting) + "." + std::to_string(running);
}

void TwoColourFlawScreen::stepPrinting(bool next) {
  Selection& s = selection();
  const auto step = next ? printingAfter(s.value(), s.printing(), s.printingCount())
                         : printingBefore(s.value(), s.printing());
  if (!step) {
    MessageArgs args;
    args.printingCount = s.printingCount();
    message(kMessagePrintingRange, args);
    return;
  }
  const int oldIndex = s.positionIndex();
  s.setPrinting(*step);
  afterPrintingChange(oldIndex);
  if (s.printingInfo()) drawInformationPanel();
  drawKeyPanel();
}

KeyResult TwoColourFlawScreen::valueEntry() {
  // The printing becomes "1" with the value taken: a cancelled or refused entry keeps the
  // printing the position table was loaded for.
  Selection& s = selection();
  flaws_.mode = FlawViewMode::Position;
  lastOrderSetting_ = -1;
  const LineEditorRequest request{'V',         305,       kEditorOffset, s.value(),
                                  s.edition(), s.value(), s.printing()};
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
  const LineEditorRequest request{'T',         320,       kEditorOffset, s.printing(),
                                  s.edition(), s.value(), s.printing()};
  const LineEditorResult typed = runLineEditor(screen_, session_.display, request);
  if (typed.cancelled) return;
  std::string entered = asciiLower(typed.text);
  const int n = leadingNumber(entered);
  if (n < 1 || n > s.printingCount()) {
    MessageArgs args;
    args.printingCount = s.printingCount();
    message(kMessagePrintingRange, args);
    return;
  }
  std::string to = entered;
  adjustTwoColourRange(s.value(), entered, to);
  const int oldIndex = s.positionIndex();
  s.setPrinting(entered);
  afterPrintingChange(oldIndex);
  lastOval_ = lastFrame_ = "x";
  eraseBox(screen_, 128, 340, 210, 369);
  if (s.printingInfo()) drawInformationPanel();
}

void TwoColourFlawScreen::positionEntry(char first) {
  Selection& s = selection();
  const LineEditorRequest request{first,       335,       kEditorOffset, s.position(),
                                  s.edition(), s.value(), s.printing()};
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
  const LineEditorRequest request{'C',         350,       kEditorOffset, flaws_.ovalFlawNumber,
                                  s.edition(), s.value(), s.printing()};
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
  Selection& s = selection();
  flaws_.mode = FlawViewMode::Frame;
  lastOval_.clear();
  lastFrame_.clear();
  lastOrderSetting_ = -1;
  entryPreview_ = true;
  draw();  // the frame panel of the current number, before the editor opens
  entryPreview_ = false;
  const LineEditorRequest request{'C',         365,       kEditorOffset, flaws_.frameFlawNumber,
                                  s.edition(), s.value(), s.printing()};
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

void TwoColourFlawScreen::printOvalSeries() {
  const Selection& s = selection();
  SeriesPrintRequest request;
  request.edition = s.edition();
  request.value = s.value();
  request.caption = session_.state.caption;
  request.series = std::max(1, flaws_.series);
  request.limits = readSeriesLimits(session_.data, s.edition(), s.value());
  request.currentValuePrinting = s.value() + s.printing();
  ExportProgress progress(&screen_);
  const auto present = [](void* display) { static_cast<Display*>(display)->present(); };
  const SeriesPrintResult result =
      printSeries(screen_, &screen_, session_.data, request, session_.outputDirectory, progress,
                  todayDateText(), present, &session_.display);
  flaws_.printedFiles = result.files;
  flaws_.printError = result.ok ? std::string() : cp(result.error);
  if (!result.ok) {
    showExportFailure(
        &screen_, exportFailureText(result.failedFile.empty()
                                        ? schemaFileName(seriesPageTag(
                                              request.edition, request.value, request.series, 1))
                                        : result.failedFile,
                                    result.error));
    session_.display.beep();
  }
  showContinuePrompt(screen_);
  session_.display.waitKey();
  clearExportBand(screen_);
}

// For the oval-series and composite screen: the first oval flaw number of the sheet and the
// stored code of the frame setting.
void TwoColourFlawScreen::setHandOver() {
  TwoColourHandOver& h = session_.state.twoColourHandOver;
  const TwoColourPositionTable& table = session_.state.twoColourPositions;
  h.ovalComposite.clear();
  for (int i = 1; i <= 200; ++i) {
    const std::string number = table.oval(i).flawNumber();
    if (withoutTrailingBlanks(number).empty()) continue;
    h.ovalComposite = number.substr(0, 3);
    break;
  }
  const FlawNumberParts parts = splitFlawNumber(flaws_.frameFlawNumber);
  h.frameSetting =
      parts.group > 0 ? std::to_string(storedSettingCode(parts.group, selection().period())) : "";
  h.resetComposite = true;
}

KeyResult TwoColourFlawScreen::act(const KeyString& rawKey) {
  const KeyString key = upperKey(rawKey);
  Selection& s = selection();
  const bool position = inMode(FlawViewMode::Position);
  if (isArrow(key)) {
    const bool upDown = isExtended(key, scan::kUp) || isExtended(key, scan::kDown);
    if (iceland() && upDown) return kStay;
    if (position) {
      stepPosition(key);
    } else {
      if (inMode(FlawViewMode::Oval)) {
        stepOval(key);
      } else {
        stepFrame(key);
      }
      drawKeyPanel();
    }
  } else if (isExtended(key, scan::kHome) || isExtended(key, scan::kEnd)) {
    if (position) {
      s.setFollowCliche("");
      const TwoColourPosition to = isExtended(key, scan::kHome) ? firstSheetPosition(s.position())
                                                                : lastSheetPosition(s.position());
      s.setPosition(to.text);
      readPosition();
    }
  } else if (isExtended(key, scan::kPgUp) || isExtended(key, scan::kPgDn)) {
    if (position) stepPrinting(isExtended(key, scan::kPgDn));
  } else if (key == "V") {
    s.setFollowCliche("");
    const KeyResult next = valueEntry();
    drawKeyPanel();
    return next;
  } else if (key == "T") {
    printingEntry();
    drawKeyPanel();
  } else if (key == "P" || key == "A" || key == "B") {
    s.setFollowCliche("");
    if (position) {
      positionEntry(key[0] == 'P' ? 'P' : key[0]);
    } else if (!s.period().empty() || inMode(FlawViewMode::Frame)) {
      s.setPeriod(s.period() == "1" ? "2" : "1");
    }
  } else if (key == "O" || key == "C") {
    ovalEntry();
    drawKeyPanel();
  } else if (key == "R") {
    s.setFollowCliche("");
    frameEntry();
    drawKeyPanel();
  } else if (isExtended(key, scan::kF4)) {
    s.setPrintingInfo(!s.printingInfo());
    drawInformationPanel();
  } else if (isExtended(key, scan::kF12) || isExtended(key, scan::kShiftF5)) {
    printOvalSeries();
    drawKeyPanel();
  } else if (showInformationFor(session_, key)) {
    screen_.clear();
    lastMode_ = -1;
    lastValue_.clear();
    lastPrinting_.clear();
    lastOval_.clear();
    lastFrame_.clear();
    lastFrameKind_ = '\0';
    lastOrderSetting_ = -1;
    drawKeyPanel();
    drawInformationPanel();
  } else {
    if (isExtended(key, scan::kF7)) setHandOver();
    return leavingKey(key);
  }
  return kStay;
}

KeyResult TwoColourFlawScreen::handleKey(const KeyString& key) {
  eraseBox(screen_, 95, 400, 220, 412);
  if (const KeyResult next = act(key)) return next;
  eraseBox(screen_, 211, 293, 355, 370);
  lastOval_.clear();
  return kStay;
}

}  // namespace kolvard
