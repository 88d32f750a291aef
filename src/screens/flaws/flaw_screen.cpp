#include "screens/flaws/flaw_screen.hpp"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "app/edition_title.hpp"
#include "data/cp865.hpp"
#include "data/inverted_record.hpp"
#include "data/text_fields.hpp"
#include "print/export_session.hpp"
#include "print/schema_bitmap.hpp"
#include "print/sheet_grid.hpp"
#include "screens/flaws/cliche_numbers.hpp"
#include "screens/flaws/cliche_record.hpp"
#include "screens/flaws/number_entry.hpp"
#include "screens/flaws/position_table.hpp"
#include "screens/flaws/printing_information.hpp"
#include "screens/flaws/series_print.hpp"
#include "screens/flaws/sheet_walk.hpp"
#include "screens/flaws/value_entry.hpp"
#include "screens/register/register_tables.hpp"
#include "screens/register/value_text.hpp"
#include "ui/info_viewer.hpp"

namespace kolvard {
namespace {

constexpr double kPanelX = 230;
constexpr double kLabelBaseY = 61;
constexpr double kEditorOffset = 120;

class FlawScreen {
 public:
  explicit FlawScreen(Session& session)
      : session_(session), state_(session.state), screen_(session.screen()) {}

  void run();
  void enter();
  void drawCycle();
  bool handleKey(const KeyString& key);  // false: the screen is left

 private:
  enum Mode { kByPosition = 0, kByNumber = 1 };

  std::string valueKey() const { return state_.edition() + state_.value(); }
  std::string& printing() { return state_.settings.printing; }
  std::string& position() { return state_.settings.position; }

  void erase(double x1, double y1, double x2, double y2) {
    screen_.setTextColour(colour::kWhite);
    screen_.fillBox(x1, y1, x2, y2, colour::kWhite);
  }
  void text(const std::string& t, double x, double y, Font font, int mode, double spacing,
            double spaceWidth, int colour) {
    screen_.drawGlyphText(t, x, y, GlyphStyle{font, mode, spacing, spaceWidth, colour});
  }
  void message(int number, const MessageArgs& args = {}) {
    showMessage(screen_, number, MessageCaller::Flaws, args);
  }

  void loadTable();
  void readEntry();
  void afterPrintingChange();
  void drawTitle();
  void drawValueHeading();
  void drawSeriesColumn(bool changed);
  void drawOccurrences(const ClicheRecord& record, const std::string& label);
  void drawPrintingAndPosition();
  void drawKeyPanel();
  void drawNavigationCaptions();
  void drawInformationPanel();
  void valueEntry();
  void printingEntry();
  void positionEntry(char first);
  void enterNumberMode();
  void stepNumberMode(const KeyString& key);
  void printCurrentSeries();
  std::string shownCliche() const;

  Session& session_;
  ProgramState& state_;
  Screen& screen_;
  PrintingPositionTable table_;
  SeriesLimits limits_;
  std::vector<SeriesIndexEntry> seriesIndex_;
  int mode_ = kByPosition;
  int lastMode_ = -1, captionsMode_ = -1;
  std::string lastValue_, lastPrinting_, lastPosition_;
  int panes_ = 1;
  int series_ = 1;        // the series of the current printing or cliché
  int numberSeries_ = 1;  // by-number mode: the series of the cliché number
  int running_ = 1;
  bool unavailable_ = false;  // no series print and no by-number mode for this value
  int printingCount_ = 0;
  char status_ = ' ';
  std::string stamp_;
};

void FlawScreen::loadTable() {
  table_.load(session_.data, state_.edition(), state_.value(), printing());
  panes_ = std::max(1, table_.paneCount());
}

void FlawScreen::readEntry() {
  state_.positionIndex = positionIndexOf(position());
  const PrintingPositionEntry entry = table_.read(state_.positionIndex);
  status_ = entry.status;
  stamp_ = entry.stamp;
  if (mode_ == kByPosition) state_.cliche = entry.cliche;
}

void FlawScreen::afterPrintingChange() {
  printing() = normalisePrintingName(state_.edition(), state_.value(), printing());
  loadTable();
  if (!sheetHasPanes(panes_) && positionIndexOf(position()) > 100) position() = "1";
  if (const auto followed = followClichePosition(table_, state_.followCliche, panes_)) {
    position() = *followed;
  }
  readEntry();
}

void FlawScreen::enter() {
  unavailable_ = seriesPrintingUnavailable(state_.edition(), state_.value());
  screen_.setBackColour(colour::kWhite);
  screen_.clear();
  printingCount_ = leadingNumber(highestPrintingOf(state_.edition(), state_.value()));
  printing() = normalisePrintingName(state_.edition(), state_.value(), printing());
  mode_ = kByPosition;
  seriesIndex_ = readSeriesIndex(session_.data, state_.sections.series);
  loadTable();
  position() = positionOnEntry(position(), panes_);
  readEntry();
  drawKeyPanel();
  drawInformationPanel();
}

std::string FlawScreen::shownCliche() const {
  const std::string& number = state_.cliche;
  if (valueKey() == "P4s" || valueKey() == "L4s") {
    return rewriteToPlatePair(valueKey(), state_.settings.printing, number);
  }
  return number;
}

void FlawScreen::drawTitle() {
  if (mode_ == lastMode_) return;
  erase(200, 0, 438, 14);
  if (mode_ == kByPosition) {
    text(cp("Klichéfejl på de enkelte positioner i arket"), 319, 10, Font::C, kCentred, 1, 3, 1);
  } else {
    text(cp("Klichéfejl i nummerrækkefølge"), 319, 10, Font::C, kCentred, 1, 3, 6);
  }
  screen_.setTextColour(8);
  screen_.drawKeyBox(mode_ == kByPosition ? "P" : "", 95, 335, 2);
  lastMode_ = mode_;
}

void FlawScreen::drawValueHeading() {
  if (state_.value() == lastValue_) return;
  limits_ = readSeriesLimits(session_.data, state_.edition(), state_.value());
  erase(225, 22, 413, 39);
  text(valueText(state_.value()) + state_.caption, 319, 35, Font::C, kCentred, 2, 4, 1);
}

void FlawScreen::drawSeriesColumn(bool changed) {
  if (!changed && mode_ == kByPosition) return;
  erase(0, 0, 92, 479);
  const int series = mode_ == kByNumber ? numberSeries_ : series_;
  text(seriesHeading(valueKey(), series, printing()), 47, 24, Font::B, kCentred, 1, 2, 1);
  const auto record = mode_ == kByNumber ? seriesByNumber(seriesIndex_, state_.value(), series)
                                         : seriesForPrinting(seriesIndex_, state_.value(),
                                                             leadingNumber(printing()), false);
  double y = 35;
  for (const std::string& line : seriesRangeLines(valueKey(), series, printing(), record)) {
    text(line, 47, y, Font::B, kCentred, 1, 0, 1);
    y += 11;
  }
  erase(90, 50, 150, 250);
}

void FlawScreen::drawOccurrences(const ClicheRecord& record, const std::string& label) {
  state_.flaws.occurrences.clear();
  if (mode_ == kByNumber && !record.found) {
    erase(0, 50, 92, 479);
    return;
  }
  erase(2, 50, 90, 84);
  text(label, 47, 82, Font::B, kCentred, 1, 2, 1);
  double y = 82;
  if (record.found) {
    const auto lines = occurrenceLines(record.occurrences, state_.value() + printing(),
                                       state_.edition(), runningNumberOf(shownCliche()));
    for (const OccurrenceLine& line : lines) {
      y += 11;
      if (y > 470) break;
      erase(0, y + 3 - 11, 92, y + 2);
      text(line.valuePrinting, 16, y, Font::B, kFromLeft, 1, 2, line.colour);
      text(line.pane, 53, y, Font::B, kFromLeft, 1, 2, line.colour);
      text(line.positionLabel, 60, y, Font::B, kFromLeft, 1, 2, line.colour);
      state_.flaws.occurrences.push_back(line.valuePrinting + " " + line.pane + line.positionLabel);
    }
  }
  if (y + 3 < 479) erase(0, y + 3, 92, 479);
}

void FlawScreen::drawPrintingAndPosition() {
  if (mode_ != kByPosition) return;
  if (printing() == lastPrinting_ && position() == lastPosition_) return;
  erase(450, 145, 570, 185);
  text(printingLabel(state_.edition(), state_.value(), printing()), 510, 158, Font::C, kCentred, 2,
       4, 1);
  text(shownPosition(valueKey(), printing(), position(), panes_), 510, 178, Font::D, kCentred, 2, 3,
       1);
}

void FlawScreen::drawKeyPanel() {
  erase(410, 294, 550, 324);
  const auto caption = [this](const char* t, double x, double y) {
    text(cp(t), x, y, Font::C, kFromLeft, 1, 3, 1);
  };
  const auto key = [this](const char* cap, double x, double y) {
    screen_.setTextColour(8);
    screen_.drawKeyBox(cap, x, y, std::string_view(cap).size() == 1 || cap[0] == 'F' ? 2 : 1);
  };
  text(std::string{27, ' ', 26}, 375, 305, Font::C, kFromLeft, 2, 2, 1);
  text(std::string{24, ' ', 25}, 380, 318, Font::C, kFromLeft, 1, 5, 1);
  key("F3", 375, 335);
  caption("Søgefunktion", 410, 335);
  key("F5", 375, 350);
  caption("Skemaer", 410, 350);
  key("F7", 375, 365);
  caption("Samleklicheer", 410, 365);
  key("F8", 375, 380);
  caption("Typer (M.)", 410, 380);
  if (!unavailable_) {
    key("F12", 375, 395);
    caption("Print aktuel kliché-serie", 410, 395);
  } else {
    erase(374, 385, 540, 398);
  }
  key("V", 95, 305);
  caption("Ny værdi", 130, 305);
  key("T", 95, 320);
  caption("Nyt tryk", 130, 320);
  caption("Ny position", 130, 335);
  if (!unavailable_) {
    key("C", 95, 350);
    caption("Indlæs ny C.", 130, 350);
  } else {
    erase(94, 340, 200, 354);
  }
  key("F4", 95, 380);
  caption("Tryk-information on/off", 130, 380);
  if (mode_ == kByPosition) {
    text("Pg Up    Pg Dn", 95, 395, Font::C, kFromLeft, 0, 1, 11);
    caption("Forrige / Næste tryk", 157, 395);
  }
  captionsMode_ = -1;
}

void FlawScreen::drawNavigationCaptions() {
  if (captionsMode_ == mode_) return;
  erase(410, 294, 550, 324);
  const bool byPosition = mode_ == kByPosition;
  text(cp(byPosition ? "Forrige / Næste position" : "Forrige / Næste C."), 410, 305, Font::C,
       kFromLeft, 1, 3, 1);
  text(cp(byPosition ? "Position over / under" : "Forrige / Næste serie"), 410, 320, Font::C,
       kFromLeft, 1, 3, 1);
  if (byPosition) {
    screen_.setTextColour(8);
    screen_.drawKeyBox("F4", 95, 380, 2);
  } else if (unavailable_) {
    erase(94, 340, 200, 354);
  } else {
    text(cp("Indlæs ny C."), 130, 350, Font::C, kFromLeft, 1, 3, 1);
  }
  captionsMode_ = mode_;
}

void FlawScreen::drawInformationPanel() {
  const DataFile& data = session_.data;
  if (state_.printingInfo) {
    erase(200, 402, 540, 419);
    erase(90, 418, 549, 480);
    drawPrintingInformation(screen_, data, state_.edition(), state_.value(), printing());
    return;
  }
  erase(90, 408, 549, 480);
  const SectionRef help = data.findSection(state_.edition() + "INFOF0");
  const auto line = [&](int n) {
    std::string l = infoLine(data, help, n - 1);
    return std::string(withoutTrailingPadding(l.size() > 4 ? l.substr(4, 156) : std::string()));
  };
  for (int n = 17; n <= 24; ++n) {
    if (unavailable_ && n <= 20) continue;
    std::string l =
        n == 24 ? std::string("KOLVARD Version ") + kVersionText + "    " + line(32) : line(n);
    const double y = 406 + 10 * (n - 17) - (unavailable_ && n < 24 ? 20 : 0);
    text(l, 320, y, Font::B, kCentred, 1, 2, 10);
  }
}

void FlawScreen::drawCycle() {
  if (const auto record =
          seriesForPrinting(seriesIndex_, state_.value(), leadingNumber(printing()), false)) {
    series_ = record->series;
  }
  const bool valueOrPrintingChanged = state_.value() != lastValue_ || printing() != lastPrinting_;
  drawTitle();
  drawValueHeading();
  const std::string number = shownCliche();
  const std::string label = clicheLabel(valueKey(), printing(), state_.cliche);
  erase(225, 39, 413, 56);
  if (number.empty()) {
    text(cp("( Ingen klichefejl registreret )"), 319, 51, Font::C, kCentred, 2, 3, 3);
  } else {
    text(label, 319, 51, Font::C, kCentred, 2, 3, 1);
  }
  ClichePanelRequest request;
  request.panelX = kPanelX;
  request.mode = mode_ == kByPosition ? ClichePanelMode::ByPosition : ClichePanelMode::ByNumber;
  request.edition = state_.edition();
  request.valueKey = valueKey();
  request.clicheNumber = number;
  request.colour = valueColourOf(state_.edition(), state_.value(), leadingNumber(printing()));
  request.uncertain = mode_ == kByPosition && status_ == '?';
  const ClicheRecord record = drawClichePanel(screen_, session_.data, request);
  if (record.found) drawClicheAnnotations(screen_, record.description, kPanelX, kLabelBaseY);
  drawSeriesColumn(valueOrPrintingChanged);
  drawOccurrences(record, label);
  const std::string stamp = mode_ == kByNumber ? record.stampNumber : stamp_;
  erase(280, 276, 358, 289);
  if (!stamp.empty()) text("M. " + stamp, 319, 286, Font::C, kCentred, 1, 2, 1);
  drawPrintingAndPosition();
  drawNavigationCaptions();
  state_.flaws.mode = mode_;
  state_.flaws.series = mode_ == kByNumber ? numberSeries_ : series_;
  state_.flaws.found = record.found;
  state_.flaws.stamp = stamp;
  lastValue_ = state_.value();
  lastPrinting_ = printing();
  lastPosition_ = position();
}

void FlawScreen::valueEntry() {
  printing() = "1";
  state_.printingTo = "1";
  state_.reg.toPrinting = "1";
  mode_ = kByPosition;
  state_.followCliche.clear();
  state_.editorMemory.positionText.clear();
  LineEditorRequest request{
      'V', 305, kEditorOffset, state_.value(), state_.edition(), state_.value(), printing()};
  const ValueEntryResult entry =
      runValueEntry(screen_, session_.display, request, state_.icelandFlag);
  if (!takeValueEntry(state_, screen_, MessageCaller::Flaws, entry)) return;
  printingCount_ = leadingNumber(highestPrintingOf(state_.edition(), state_.value()));
  loadTable();
  position() = sheetHasPanes(panes_) ? "A1" : "1";
  unavailable_ = seriesPrintingUnavailable(state_.edition(), state_.value());
  lastValue_.clear();
  drawKeyPanel();
  readEntry();
  drawInformationPanel();
}

void FlawScreen::printingEntry() {
  LineEditorRequest request{
      'T', 320, kEditorOffset, printing(), state_.edition(), state_.value(), printing()};
  const LineEditorResult result = runLineEditor(screen_, session_.display, request);
  if (result.cancelled) return;
  const std::string entered = asciiLower(result.text);
  const int n = leadingNumber(entered);
  if (n < 1 || n > printingCount_) {
    MessageArgs args;
    args.printingCount = printingCount_;
    message(kMessagePrintingRange, args);
    return;
  }
  printing() = entered;
  afterPrintingChange();
  erase(128, 340, 210, 369);
  drawKeyPanel();
  if (state_.printingInfo) drawInformationPanel();
}

void FlawScreen::positionEntry(char first) {
  LineEditorRequest request{first == 'P' ? 'P' : first,
                            335,
                            kEditorOffset,
                            position(),
                            state_.edition(),
                            state_.value(),
                            printing()};
  const LineEditorResult result =
      runLineEditor(screen_, session_.display, request, state_.editorMemory);
  if (result.cancelled) return;
  state_.followCliche.clear();
  std::string entered = asciiUpper(result.text);
  if (!result.printingSwitch.empty()) {
    printing() = result.printingSwitch;
    printing() = normalisePrintingName(state_.edition(), state_.value(), printing());
    loadTable();
  }
  if (!result.position.empty()) entered = result.position;
  const PositionEntryResult parsed = parsePositionEntry(entered, panes_);
  if (!parsed.accepted) {
    message(parsed.message);
    return;
  }
  position() = parsed.position;
  readEntry();
}

void FlawScreen::enterNumberMode() {
  if (unavailable_) {
    session_.display.beep();
    return;
  }
  mode_ = kByNumber;
  erase(94, 385, 267, 398);
  // The printing and position belong to the sheet walk; in number order they would mislead.
  erase(450, 145, 570, 185);
  lastPrinting_.clear();
  limits_ = readSeriesLimits(session_.data, state_.edition(), state_.value());
  int printingSeries = 1;
  if (const auto record = seriesForPrinting(seriesIndex_, state_.value(), leadingNumber(printing()),
                                            valueKey() == "A4s")) {
    printingSeries = std::max(1, record->series);
  }
  const ClicheNumberStart start =
      clicheNumberStart(valueKey(), state_.cliche, printingSeries, limits_);
  numberSeries_ = start.series;
  running_ = start.running;
  state_.cliche = start.shown;
  drawCycle();
  LineEditorRequest request{
      'C', 350, kEditorOffset, start.shown, state_.edition(), state_.value(), printing()};
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
  state_.cliche = entry.clicheNumber;
  state_.followCliche = entry.clicheNumber;
  state_.followCliche.resize(6, ' ');
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
  state_.cliche = step.clicheNumber;
}

void FlawScreen::printCurrentSeries() {
  if (unavailable_) {
    session_.display.beep();
    return;
  }
  SeriesPrintRequest request;
  request.edition = state_.edition();
  request.value = state_.value();
  request.caption = state_.caption;
  request.series = mode_ == kByNumber ? numberSeries_ : std::max(0, series_);
  request.limits = readSeriesLimits(session_.data, state_.edition(), state_.value());
  request.currentValuePrinting = state_.value() + printing();
  ExportProgress progress(&screen_);
  const auto present = [](void* display) { static_cast<Display*>(display)->present(); };
  const SeriesPrintResult result =
      printSeries(screen_, &screen_, session_.data, request, session_.outputDirectory, progress,
                  todayDateText(), present, &session_.display);
  state_.flaws.printedFiles = result.files;
  state_.flaws.printError = result.ok ? std::string() : cp(result.error);
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
  drawKeyPanel();
}

bool FlawScreen::handleKey(const KeyString& rawKey) {
  const KeyString key = upperKey(rawKey);
  const auto leave = [this](ScreenCode code) {
    state_.nextScreen = code;
    return false;
  };
  const bool arrows = isExtended(key, scan::kLeft) || isExtended(key, scan::kRight) ||
                      isExtended(key, scan::kUp) || isExtended(key, scan::kDown);
  if (arrows && mode_ == kByNumber) {
    stepNumberMode(key);
  } else if (arrows) {
    const PositionDirection direction = isExtended(key, scan::kLeft) ? PositionDirection::Previous
                                        : isExtended(key, scan::kRight) ? PositionDirection::Next
                                        : isExtended(key, scan::kUp)    ? PositionDirection::Above
                                                                        : PositionDirection::Below;
    const PositionStepResult step = stepPosition(position(), panes_, direction);
    if (!step.moved) {
      session_.display.beep();
    } else {
      position() = step.position;
      readEntry();
    }
  } else if (isExtended(key, scan::kHome) || isExtended(key, scan::kEnd)) {
    if (mode_ == kByPosition) {
      state_.followCliche.clear();
      position() =
          isExtended(key, scan::kHome) ? firstPosition(position()) : lastPosition(position());
      readEntry();
    }
  } else if (isExtended(key, scan::kPgUp) || isExtended(key, scan::kPgDn)) {
    if (mode_ == kByPosition) {
      const auto next =
          isExtended(key, scan::kPgUp)
              ? previousPrinting(state_.edition(), state_.value(), printing())
              : nextPrinting(state_.edition(), state_.value(), printing(), printingCount_);
      if (!next) {
        MessageArgs args;
        args.printingCount = printingCount_;
        message(kMessagePrintingRange, args);
      } else {
        printing() = *next;
        state_.printingTo = *next;
        state_.reg.toPrinting = *next;
        afterPrintingChange();
        if (state_.printingInfo) drawInformationPanel();
      }
    }
  } else if (key == "V") {
    valueEntry();
  } else if (key == "T") {
    printingEntry();
  } else if (key == "P" || key == "A" || key == "B" || key == "I") {
    if (mode_ == kByPosition) {
      positionEntry(key[0]);
    } else {
      state_.period = state_.period == "1" ? "2" : "1";
    }
  } else if (key == "C" || key == "O") {
    enterNumberMode();
  } else if (isExtended(key, scan::kF4)) {
    state_.printingInfo = !state_.printingInfo;
    drawInformationPanel();
  } else if (isExtended(key, scan::kF1) || isExtended(key, scan::kF2)) {
    const bool general = isExtended(key, scan::kF1);
    showInformation(screen_, session_.display, session_.data,
                    general ? state_.sections.generalInfo : state_.sections.editionInfo,
                    general ? ViewerMode::General : ViewerMode::Edition, state_.viewer);
  } else if (isExtended(key, scan::kF12) || isExtended(key, scan::kShiftF5)) {
    printCurrentSeries();
  } else if (isExtended(key, scan::kF3)) {
    return leave(ScreenCode::Register);
  } else if (isExtended(key, scan::kF5)) {
    return leave(ScreenCode::Sheets);
  } else if (isExtended(key, scan::kF6)) {
    return leave(ScreenCode::Flaws);
  } else if (isExtended(key, scan::kF7)) {
    return leave(ScreenCode::Composites);
  } else if (isExtended(key, scan::kF8)) {
    return leave(ScreenCode::Types);
  } else if (key == std::string(1, static_cast<char>(kEscCode))) {
    return leave(ScreenCode::FrontPage);
  }
  return state_.nextScreen == ScreenCode::Flaws;
}

void FlawScreen::run() {
  state_.nextScreen = ScreenCode::Flaws;
  enter();
  state_.screenName = "flaws";
  for (;;) {
    drawCycle();
    const KeyString key = session_.display.waitKey();
    erase(95, 400, 220, 412);
    if (!handleKey(key)) return;
    if (state_.nextScreen != ScreenCode::Flaws) return;
    erase(211, 293, 355, 370);
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
  }
}

}  // namespace

class FlawScreenVisit::Screen : public FlawScreen {
 public:
  using FlawScreen::FlawScreen;
};

FlawScreenVisit::FlawScreenVisit(Session& session) : screen_(std::make_unique<Screen>(session)) {}
FlawScreenVisit::~FlawScreenVisit() = default;
void FlawScreenVisit::enter() {
  screen_->enter();
}
void FlawScreenVisit::draw() {
  screen_->drawCycle();
}
bool FlawScreenVisit::handleKey(const KeyString& key) {
  return screen_->handleKey(key);
}

void runFlawScreen(Session& session) {
  // The two-coloured edition has a flaw screen of its own, not built yet.
  if (session.state.edition() == "T") {
    session.state.nextScreen = ScreenCode::FrontPage;
    return;
  }
  FlawScreen(session).run();
}

}  // namespace kolvard
