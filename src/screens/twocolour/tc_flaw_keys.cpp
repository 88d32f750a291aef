// The keys of the two-coloured flaw screen: the steps through positions, printings, oval and
// frame flaw numbers, and the keys that print or leave (the entries are in tc_flaw_entries).
#include <algorithm>
#include <string>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/two_colour_printings.hpp"
#include "domain/two_colour_steps.hpp"
#include "domain/value_tables.hpp"
#include "print/series_print.hpp"
#include "screens/common/flaw_screen_parts.hpp"
#include "screens/common/message_line.hpp"
#include "screens/common/screen_keys.hpp"
#include "screens/common/screen_text.hpp"
#include "screens/twocolour/tc_flaw_screen.hpp"

namespace kolvard {
namespace {

bool isArrow(const KeyString& key) {
  return isExtended(key, scan::kLeft) || isExtended(key, scan::kRight) ||
         isExtended(key, scan::kUp) || isExtended(key, scan::kDown);
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

void TwoColourFlawScreen::printOvalSeries() {
  const Selection& s = selection();
  SeriesPrintRequest request;
  request.edition = s.edition();
  request.value = s.value();
  request.caption = session_.state.caption;
  request.series = std::max(1, flaws_.series);
  request.limits = readSeriesLimits(session_.data, s.edition(), s.value());
  request.currentValuePrinting = s.value() + s.printing();
  const SeriesPrintShown shown = printSeriesOnScreen(session_, request);
  flaws_.printedFiles = shown.files;
  flaws_.printError = shown.error;
}

// For the oval-series and composite screen: the first oval flaw number of the sheet and the
// stored code of the frame setting.
void TwoColourFlawScreen::setHandOver() {
  TwoColourHandOver& h = session_.state.selection.twoColourHandOver();
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
