#include "screens/flaws/flaw_screen.hpp"

#include <algorithm>
#include <string>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/cliche_record.hpp"
#include "domain/sheet_walk.hpp"
#include "domain/value_tables.hpp"
#include "domain/value_text.hpp"
#include "print/series_print.hpp"
#include "screens/common/cliche_panel.hpp"
#include "screens/common/flaw_screen_parts.hpp"
#include "screens/common/key_panel.hpp"
#include "screens/common/message_line.hpp"
#include "screens/common/printing_entry.hpp"
#include "screens/common/screen_keys.hpp"
#include "screens/common/screen_text.hpp"
#include "screens/common/value_entry.hpp"
#include "ui/info_viewer.hpp"

namespace kolvard {
namespace {

constexpr double kPanelX = 230;
constexpr double kLabelBaseY = 61;
constexpr double kEditorOffset = 120;

constexpr KeyPanelItem kScreenKeys[] = {
    {"F3", 375, 335, "Søgefunktion", 410},
    {"F5", 375, 350, "Skemaer", 410},
    {"F7", 375, 365, "Samleklicheer", 410},
    {"F8", 375, 380, "Typer (M.)", 410},
};
constexpr KeyPanelItem kSeriesPrint = {"F12", 375, 395, "Print aktuel kliché-serie", 410};
constexpr KeyPanelItem kEntryKeys[] = {
    {"V", 95, 305, "Ny værdi", 130},
    {"T", 95, 320, "Nyt tryk", 130},
    {"", 95, 335, "Ny position", 130},  // its key box "P" is drawn with the title
};
constexpr KeyPanelItem kClicheEntry = {"C", 95, 350, "Indlæs ny C.", 130};
constexpr KeyPanelItem kPrintingInfo = {"F4", 95, 380, "Tryk-information on/off", 130};
constexpr KeyPanelItem kPrintingSteps = {"", 95, 395, "Forrige / Næste tryk", 157};

bool isArrow(const KeyString& key) {
  return isExtended(key, scan::kLeft) || isExtended(key, scan::kRight) ||
         isExtended(key, scan::kUp) || isExtended(key, scan::kDown);
}

}  // namespace

void FlawScreen::message(int number, const MessageArgs& args) {
  showMessage(session_, number, MessageCaller::Flaws, args);
  panelTouched_ = true;
}

void FlawScreen::loadTable() {
  const Selection& s = selection();
  table_.load(session_.data, s.edition(), s.value(), s.printing());
  panes_ = std::max(1, table_.paneCount());
}

void FlawScreen::readEntry() {
  const PrintingPositionEntry entry = table_.read(selection().positionIndex());
  status_ = entry.status;
  stamp_ = entry.stamp;
  if (byPosition()) selection().setCliche(entry.cliche);
}

// The printing shown, written as the printing names are written.
void FlawScreen::normalisePrinting() {
  Selection& s = selection();
  const std::string name = normalisePrintingName(s.edition(), s.value(), s.printing());
  if (name != s.printing()) s.setPrinting(name);
}

void FlawScreen::afterPrintingChange() {
  normalisePrinting();
  loadTable();
  if (!sheetHasPanes(panes_) && selection().positionIndex() > 100) selection().setPosition("1");
  if (const auto followed = followClichePosition(table_, selection().followCliche(), panes_)) {
    selection().setPosition(*followed);
  }
  readEntry();
}

void FlawScreen::enter() {
  Selection& s = selection();
  unavailable_ = seriesPrintingUnavailable(s.edition(), s.value());
  screen_.setBackColour(colour::kWhite);
  screen_.clear();
  normalisePrinting();
  flaws_.mode = FlawMode::ByPosition;
  seriesIndex_ = readSeriesIndex(session_.data, session_.state.sections.series);
  loadTable();
  s.setPosition(positionOnEntry(s.position(), panes_));
  readEntry();
  drawKeyPanel();
  drawInformationPanel();
}

std::string FlawScreen::shownCliche() {
  const std::string& number = selection().cliche();
  if (valueKey() == "P4s" || valueKey() == "L4s") {
    return rewriteToPlatePair(valueKey(), selection().printing(), number);
  }
  return number;
}

void FlawScreen::drawTitle() {
  if (static_cast<int>(flaws_.mode) == lastMode_) return;
  eraseBox(screen_, 200, 0, 438, 14);
  if (byPosition()) {
    drawText(screen_, cp("Klichéfejl på de enkelte positioner i arket"), 319, 10, Font::C, kCentred,
             1, 3, 1);
  } else {
    drawText(screen_, cp("Klichéfejl i nummerrækkefølge"), 319, 10, Font::C, kCentred, 1, 3, 6);
  }
  drawKeyCap(screen_, byPosition() ? "P" : "", 95, 335);
  lastMode_ = static_cast<int>(flaws_.mode);
}

void FlawScreen::drawValueHeading() {
  const Selection& s = selection();
  if (s.value() == lastValue_) return;
  limits_ = readSeriesLimits(session_.data, s.edition(), s.value());
  eraseBox(screen_, 225, 22, 413, 39);
  drawText(screen_, valueText(s.value()) + session_.state.caption, 319, 35, Font::C, kCentred, 2, 4,
           1);
}

void FlawScreen::drawSeriesColumn(bool changed) {
  if (!changed && byPosition()) return;
  const Selection& s = selection();
  eraseBox(screen_, 0, 0, 92, 479);
  const int series = byPosition() ? series_ : numberSeries_;
  drawText(screen_, seriesHeading(valueKey(), series, s.printing()), 47, 24, Font::B, kCentred, 1,
           2, 1);
  const auto record =
      byPosition() ? seriesForPrinting(seriesIndex_, s.value(), leadingNumber(s.printing()), false)
                   : seriesByNumber(seriesIndex_, s.value(), series);
  double y = 35;
  for (const std::string& line : seriesRangeLines(valueKey(), series, s.printing(), record)) {
    drawText(screen_, line, 47, y, Font::B, kCentred, 1, 0, 1);
    y += 11;
  }
  eraseBox(screen_, 90, 50, 150, 250);
}

void FlawScreen::drawOccurrences(const ClicheRecord& record, const std::string& label) {
  flaws_.occurrences.clear();
  if (!byPosition() && !record.found) {
    eraseBox(screen_, 0, 50, 92, 479);
    return;
  }
  eraseBox(screen_, 2, 50, 90, 84);
  drawText(screen_, label, 47, 82, Font::B, kCentred, 1, 2, 1);
  double y = 82;
  if (record.found) {
    const Selection& s = selection();
    const auto lines = occurrenceLines(record.occurrences, s.value() + s.printing(), s.edition(),
                                       runningNumberOf(shownCliche()));
    for (const OccurrenceLine& line : lines) {
      y += 11;
      if (y > 470) break;
      eraseBox(screen_, 0, y + 3 - 11, 92, y + 2);
      drawText(screen_, line.valuePrinting, 16, y, Font::B, kFromLeft, 1, 2, line.colour);
      drawText(screen_, line.pane, 53, y, Font::B, kFromLeft, 1, 2, line.colour);
      drawText(screen_, line.positionLabel, 60, y, Font::B, kFromLeft, 1, 2, line.colour);
      flaws_.occurrences.push_back(line.valuePrinting + " " + line.pane + line.positionLabel);
    }
  }
  if (y + 3 < 479) eraseBox(screen_, 0, y + 3, 92, 479);
}

void FlawScreen::drawPrintingAndPosition() {
  if (!byPosition()) return;
  const Selection& s = selection();
  if (s.printing() == lastPrinting_ && s.position() == lastPosition_) return;
  eraseBox(screen_, 450, 145, 570, 185);
  drawText(screen_, printingLabel(s.edition(), s.value(), s.printing()), 510, 158, Font::C,
           kCentred, 2, 4, 1);
  drawText(screen_, shownPosition(valueKey(), s.printing(), s.position(), panes_), 510, 178,
           Font::D, kCentred, 2, 3, 1);
}

void FlawScreen::drawKeyPanel() {
  eraseBox(screen_, 410, 294, 550, 324);
  drawText(screen_, std::string{27, ' ', 26}, 375, 305, Font::C, kFromLeft, 2, 2, 1);
  drawText(screen_, std::string{24, ' ', 25}, 380, 318, Font::C, kFromLeft, 1, 5, 1);
  kolvard::drawKeyPanel(screen_, kScreenKeys);
  if (!unavailable_) {
    drawKeyPanelItem(screen_, kSeriesPrint);
  } else {
    eraseBox(screen_, 374, 385, 540, 398);
  }
  kolvard::drawKeyPanel(screen_, kEntryKeys);
  if (!unavailable_) {
    drawKeyPanelItem(screen_, kClicheEntry);
  } else {
    eraseBox(screen_, 94, 340, 200, 354);
  }
  drawKeyPanelItem(screen_, kPrintingInfo);
  if (byPosition()) {
    drawText(screen_, "Pg Up    Pg Dn", 95, 395, Font::C, kFromLeft, 0, 1, 11);
    drawKeyPanelItem(screen_, kPrintingSteps);
  }
  captionsMode_ = -1;
}

void FlawScreen::drawNavigationCaptions() {
  if (captionsMode_ == static_cast<int>(flaws_.mode)) return;
  eraseBox(screen_, 410, 294, 550, 324);
  drawText(screen_, cp(byPosition() ? "Forrige / Næste position" : "Forrige / Næste C."), 410, 305,
           Font::C, kFromLeft, 1, 3, 1);
  drawText(screen_, cp(byPosition() ? "Position over / under" : "Forrige / Næste serie"), 410, 320,
           Font::C, kFromLeft, 1, 3, 1);
  if (byPosition()) {
    drawKeyCap(screen_, "F4", 95, 380);
  } else if (unavailable_) {
    eraseBox(screen_, 94, 340, 200, 354);
  } else {
    drawText(screen_, cp("Indlæs ny C."), 130, 350, Font::C, kFromLeft, 1, 3, 1);
  }
  captionsMode_ = static_cast<int>(flaws_.mode);
}

void FlawScreen::drawInformationPanel() {
  drawFlawInformationPanel(screen_, session_.data, selection(), unavailable_);
}

void FlawScreen::draw() {
  const Selection& s = selection();
  if (const auto record =
          seriesForPrinting(seriesIndex_, s.value(), leadingNumber(s.printing()), false)) {
    series_ = record->series;
  }
  const bool valueOrPrintingChanged = s.value() != lastValue_ || s.printing() != lastPrinting_;
  drawTitle();
  drawValueHeading();
  const std::string number = shownCliche();
  const std::string label = clicheLabel(valueKey(), s.printing(), s.cliche());
  eraseBox(screen_, 225, 39, 413, 56);
  if (number.empty()) {
    drawText(screen_, cp("( Ingen klichefejl registreret )"), 319, 51, Font::C, kCentred, 2, 3, 3);
  } else {
    drawText(screen_, label, 319, 51, Font::C, kCentred, 2, 3, 1);
  }
  ClichePanelRequest request;
  request.panelX = kPanelX;
  request.mode = byPosition() ? ClichePanelMode::ByPosition : ClichePanelMode::ByNumber;
  request.edition = s.edition();
  request.valueKey = valueKey();
  request.clicheNumber = number;
  request.colour = valueColourOf(s.edition(), s.value(), leadingNumber(s.printing()));
  request.uncertain = byPosition() && status_ == '?';
  const ClicheRecord record = drawClichePanel(screen_, session_.data, request);
  if (record.found) drawClicheAnnotations(screen_, record.description, kPanelX, kLabelBaseY);
  drawSeriesColumn(valueOrPrintingChanged);
  drawOccurrences(record, label);
  const std::string stamp = byPosition() ? stamp_ : record.stampNumber;
  eraseBox(screen_, 280, 276, 358, 289);
  if (!stamp.empty()) drawText(screen_, "M. " + stamp, 319, 286, Font::C, kCentred, 1, 2, 1);
  drawPrintingAndPosition();
  drawNavigationCaptions();
  flaws_.series = byPosition() ? series_ : numberSeries_;
  flaws_.found = record.found;
  flaws_.stamp = stamp;
  lastValue_ = s.value();
  lastPrinting_ = s.printing();
  lastPosition_ = s.position();
}

KeyResult FlawScreen::valueEntry() {
  Selection& s = selection();
  s.setPrinting("1");
  flaws_.mode = FlawMode::ByPosition;
  s.setFollowCliche("");
  flaws_.editorMemory.positionText.clear();
  switch (enterValue(session_, 305, kEditorOffset, MessageCaller::Flaws)) {
    case ValueTaken::No:
      return kStay;
    case ValueTaken::TwoColoured:
      return ScreenCode::Flaws;  // now edition "T": its own flaw screen
    case ValueTaken::Yes:
      break;
  }
  loadTable();
  s.setPosition(sheetHasPanes(panes_) ? "A1" : "1");
  unavailable_ = seriesPrintingUnavailable(s.edition(), s.value());
  lastValue_.clear();
  drawKeyPanel();
  readEntry();
  drawInformationPanel();
  return kStay;
}

void FlawScreen::printingEntry() {
  const auto typed = enterPrinting(session_, 320, kEditorOffset, MessageCaller::Flaws);
  if (!typed) return;
  selection().setPrinting(*typed);
  afterPrintingChange();
  eraseBox(screen_, 128, 340, 210, 369);
  drawKeyPanel();
  if (selection().printingInfo()) drawInformationPanel();
}

void FlawScreen::positionEntry(char first) {
  Selection& s = selection();
  const LineEditorRequest request{first,       335,       kEditorOffset, s.position(),
                                  s.edition(), s.value(), s.printing()};
  const LineEditorResult result =
      runLineEditor(screen_, session_.display, request, flaws_.editorMemory);
  if (result.cancelled) return;
  s.setFollowCliche("");
  std::string entered = asciiUpper(result.text);
  if (!result.printingSwitch.empty()) {
    s.setPrinting(result.printingSwitch);
    normalisePrinting();
    loadTable();
  }
  if (!result.position.empty()) entered = result.position;
  const PositionEntryResult parsed = parsePositionEntry(entered, panes_);
  if (!parsed.accepted) {
    message(parsed.message);
    return;
  }
  s.setPosition(parsed.position);
  readEntry();
}

void FlawScreen::enterNumberMode() {
  if (unavailable_) {
    session_.display.beep();
    return;
  }
  Selection& s = selection();
  flaws_.mode = FlawMode::ByNumber;
  eraseBox(screen_, 94, 385, 267, 398);
  // The printing and position belong to the sheet walk; in number order they would mislead.
  eraseBox(screen_, 450, 145, 570, 185);
  lastPrinting_.clear();
  limits_ = readSeriesLimits(session_.data, s.edition(), s.value());
  int printingSeries = 1;
  if (const auto record = seriesForPrinting(seriesIndex_, s.value(), leadingNumber(s.printing()),
                                            valueKey() == "A4s")) {
    printingSeries = std::max(1, record->series);
  }
  const ClicheNumberStart start =
      clicheNumberStart(valueKey(), s.cliche(), printingSeries, limits_);
  numberSeries_ = start.series;
  running_ = start.running;
  s.setCliche(start.shown);
  draw();
  const LineEditorRequest request{'C',         350,       kEditorOffset, start.shown,
                                  s.edition(), s.value(), s.printing()};
  const LineEditorResult result = runLineEditor(screen_, session_.display, request);
  if (result.cancelled) return;
  const ClicheNumberEntry entry =
      parseClicheNumberEntry(valueKey(), result.text, numberSeries_, limits_);
  if (!entry.accepted) {
    message(entry.message, entry.args);
    return;
  }
  numberSeries_ = entry.series;
  running_ = entry.running;
  s.setCliche(entry.clicheNumber);
  std::string follow = entry.clicheNumber;
  follow.resize(6, ' ');
  s.setFollowCliche(follow);
}

void FlawScreen::stepNumberMode(const KeyString& key) {
  ClicheStep step;
  if (isExtended(key, scan::kLeft) || isExtended(key, scan::kRight)) {
    step = stepRunningNumber(
        valueKey(), numberSeries_, running_,
        isExtended(key, scan::kLeft) ? ClicheStepDirection::Previous : ClicheStepDirection::Next,
        limits_);
  } else {
    step = stepSeries(
        valueKey(), numberSeries_, running_,
        isExtended(key, scan::kUp) ? ClicheStepDirection::Previous : ClicheStepDirection::Next,
        limits_);
  }
  if (step.message != 0) message(step.message, step.args);
  if (!step.changed) return;
  numberSeries_ = step.series;
  running_ = step.running;
  selection().setCliche(step.clicheNumber);
}

void FlawScreen::stepPosition(const KeyString& key) {
  const PositionDirection direction = isExtended(key, scan::kLeft)    ? PositionDirection::Previous
                                      : isExtended(key, scan::kRight) ? PositionDirection::Next
                                      : isExtended(key, scan::kUp)    ? PositionDirection::Above
                                                                      : PositionDirection::Below;
  const PositionStepResult step = kolvard::stepPosition(selection().position(), panes_, direction);
  if (!step.moved) {
    session_.display.beep();
    return;
  }
  selection().setPosition(step.position);
  readEntry();
}

void FlawScreen::printCurrentSeries() {
  if (unavailable_) {
    session_.display.beep();
    return;
  }
  const Selection& s = selection();
  SeriesPrintRequest request;
  request.edition = s.edition();
  request.value = s.value();
  request.caption = session_.state.caption;
  request.series = byPosition() ? std::max(0, series_) : numberSeries_;
  request.limits = readSeriesLimits(session_.data, s.edition(), s.value());
  request.currentValuePrinting = s.value() + s.printing();
  const SeriesPrintShown shown = printSeriesOnScreen(session_, request);
  flaws_.printedFiles = shown.files;
  flaws_.printError = shown.error;
  drawKeyPanel();
}

// One key, before the screen's own redrawing after it.
KeyResult FlawScreen::act(const KeyString& rawKey) {
  const KeyString key = upperKey(rawKey);
  if (isArrow(key)) {
    if (byPosition()) {
      stepPosition(key);
    } else {
      stepNumberMode(key);
    }
  } else if (isExtended(key, scan::kHome) || isExtended(key, scan::kEnd)) {
    if (byPosition()) {
      Selection& s = selection();
      s.setFollowCliche("");
      s.setPosition(isExtended(key, scan::kHome) ? firstPosition(s.position())
                                                 : lastPosition(s.position()));
      readEntry();
    }
  } else if (isExtended(key, scan::kPgUp) || isExtended(key, scan::kPgDn)) {
    if (byPosition()) {
      if (const auto next =
              kolvard::stepPrinting(session_, isExtended(key, scan::kPgDn), MessageCaller::Flaws)) {
        selection().setPrinting(*next);
        afterPrintingChange();
        if (selection().printingInfo()) drawInformationPanel();
      }
    }
  } else if (key == "V") {
    return valueEntry();
  } else if (key == "T") {
    printingEntry();
  } else if (key == "P" || key == "A" || key == "B" || key == "I") {
    if (byPosition()) {
      positionEntry(key[0]);
    } else {
      selection().setPeriod(selection().period() == "1" ? "2" : "1");
    }
  } else if (key == "C" || key == "O") {
    enterNumberMode();
  } else if (isExtended(key, scan::kF4)) {
    selection().setPrintingInfo(!selection().printingInfo());
    drawInformationPanel();
  } else if (isExtended(key, scan::kF12) || isExtended(key, scan::kShiftF5)) {
    printCurrentSeries();
  } else if (!showInformationFor(session_, key)) {
    return leavingKey(key);
  }
  return kStay;
}

KeyResult FlawScreen::handleKey(const KeyString& key) {
  eraseBox(screen_, 95, 400, 220, 412);
  const KeyString upper = upperKey(key);
  // The keys that walk the sheet or the clichés draw nothing over the key panel, unless they
  // answer with a message.
  panelTouched_ =
      !(isArrow(upper) || isExtended(upper, scan::kHome) || isExtended(upper, scan::kEnd) ||
        isExtended(upper, scan::kPgUp) || isExtended(upper, scan::kPgDn));
  if (const KeyResult next = act(key)) return next;
  if (!panelTouched_) return kStay;
  eraseBox(screen_, 211, 293, 355, 370);
  drawKeyPanel();
  // A viewer, an entry or a value change may have drawn over the screen: draw it whole.
  if (isExtended(upperKey(key), scan::kF1) || isExtended(upperKey(key), scan::kF2)) {
    screen_.clear();
    lastMode_ = -1;
    lastValue_.clear();
    lastPrinting_.clear();
    drawKeyPanel();
    drawInformationPanel();
  }
  return kStay;
}

}  // namespace kolvard
