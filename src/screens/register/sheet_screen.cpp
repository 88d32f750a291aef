#include "screens/register/sheet_screen.hpp"

#include <algorithm>
#include <string>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "print/export_session.hpp"
#include "print/position_mark.hpp"
#include "print/sheet_grid.hpp"
#include "screens/flaws/number_entry.hpp"
#include "screens/flaws/printing_information.hpp"
#include "screens/flaws/sheet_walk.hpp"
#include "screens/flaws/value_entry.hpp"
#include "screens/register/register_tables.hpp"
#include "screens/register/sheet_knowledge.hpp"
#include "screens/register/sheet_schema.hpp"
#include "screens/register/sheet_schema_print.hpp"
#include "screens/register/value_text.hpp"
#include "ui/info_viewer.hpp"

namespace kolvard {
namespace {

constexpr int kRepeatedColour = 26;
constexpr int kUncertainFill = 17;

class SheetScreen {
 public:
  explicit SheetScreen(Session& session)
      : session_(session), state_(session.state), screen_(session.screen()) {}

  void run();

 private:
  std::string& printing() { return state_.settings.printing; }
  int panes() const { return std::clamp(sheet_.format.panes, 1, 4); }
  bool fourPanes() const { return panes() >= 4; }
  bool supplementKey() const { return state_.edition() == "A" && state_.value() == "4s"; }

  void erase(double x1, double y1, double x2, double y2) {
    screen_.setTextColour(colour::kWhite);
    screen_.fillBox(x1, y1, x2, y2, colour::kWhite);
  }
  void text(const std::string& t, double x, double y, Font font, int mode, double spacing,
            double spaceWidth, int colour) {
    screen_.drawGlyphText(t, x, y, GlyphStyle{font, mode, spacing, spaceWidth, colour});
  }
  void message(int number, const MessageArgs& args = {}) {
    showMessage(screen_, number, MessageCaller::Sheets, args);
  }

  void setPrinting(const std::string& p);
  void loadSheet();
  void draw();
  void drawPane(int pane, double offset);
  void drawCell(int pane, int r, int c, double offset);
  void drawMenu();
  void drawInformationPanel();
  void valueEntry();
  void printingEntry();
  void stepPrinting(bool next);
  void print(bool rightPane);
  bool handleKey(const KeyString& key);  // false: the screen is left

  Session& session_;
  ProgramState& state_;
  Screen& screen_;
  SheetOfPrinting sheet_;
  SheetKnowledge knowledge_;
  std::string loadedKey_;  // edition + value + "|" + printing of the sheet read
  int printingCount_ = 0;
};

void SheetScreen::setPrinting(const std::string& p) {
  printing() = normalisePrintingName(state_.edition(), state_.value(), p);
  // The sheets screen shows one printing: the range ends where it starts.
  state_.printingTo = printing();
  state_.settings.secondSelector = printing();
  state_.reg.fromPrinting = printing();
  state_.reg.toPrinting = printing();
}

void SheetScreen::loadSheet() {
  const std::string key = state_.edition() + state_.value() + "|" + printing();
  if (key == loadedKey_) return;
  sheet_ = readSheetOfPrinting(session_.data, state_.edition(), state_.value(), printing());
  knowledge_ = readSheetKnowledge(session_.data, state_.edition(), state_.value(), printing());
  loadedKey_ = key;
  if (!fourPanes()) state_.sheets.panePair = 0;
}

void SheetScreen::drawCell(int pane, int r, int c, double offset) {
  const int index = 100 * pane + 10 * r + c;
  const PositionEntry& entry = sheet_.table[index];
  const FlagMarks marks = flagMarks(entry.flag());
  const double left = 14 + offset + sheetGridShift(29.0 * (c - 1));
  const double top = 40 + sheetGridShift(29.0 * r);
  if (marks.box) {
    screen_.setTextColour(kUncertainFill);
    screen_.fillBox(left + 1, top + 1, left + 27, top + 27, kUncertainFill);
  }
  if (marks.outline) {
    screen_.line(left + 2, top + 2, left + 27, top + 2, colour::kBlack);
    screen_.line(left + 27, top + 2, left + 27, top + 27, colour::kBlack);
    screen_.line(left + 27, top + 27, left + 2, top + 27, colour::kBlack);
    screen_.line(left + 2, top + 27, left + 2, top + 2, colour::kBlack);
  }
  if (marks.right) {
    drawPositionMark(screen_, c, r, colour::kBlack, MarkPlace::Right, offset, Font::B);
  }
  if (marks.left) {
    drawPositionMark(screen_, c, r, colour::kBlack, MarkPlace::LowerLeft, offset, Font::B);
  }
  if (marks.star) text("*", left + 3, top + 10, Font::B, kFromLeft, 1, 2, colour::kRed);
  const double x = 29.0 * c + offset;
  text(cellTypeText(entry.type()), x, 53 + 29.0 * r, Font::C, kCentred, 1, 3, colour::kBlack);
  const int clicheColour =
      isRepeatedCopy(sheet_.table, sheet_.format.layout, index) ? kRepeatedColour : colour::kBlack;
  text(cellClicheText(state_.edition(), state_.value(), printing(), entry.cliche()), x,
       65 + 29.0 * r, Font::B, kCentred, 1, 2, clicheColour);
}

void SheetScreen::drawPane(int pane, double offset) {
  const int paneCount = panes();
  text(sheetHeading(state_.edition(), state_.value(), state_.caption), 15 + offset, 23, Font::C,
       kFromLeft, 2, 4, colour::kBlack);
  text(sheetPrintingHeading(state_.edition(), state_.value(), printing(), paneCount, pane),
       304 + offset, 23, Font::C, kToRight, 2, 4, colour::kBlack);
  // Cell contents first, so that the grid lines stay whole over the uncertain boxes.
  for (int r = 0; r < 10; ++r) {
    for (int c = 1; c <= 10; ++c) drawCell(pane, r, c, offset);
  }
  const double x0 = 14 + offset, y0 = 40;
  for (int k = 0; k <= 10; ++k) {
    const double d = sheetGridShift(29.0 * k);
    screen_.line(x0 + d, y0, x0 + d, y0 + 291, colour::kBlack);
    screen_.line(x0, y0 + d, x0 + 291, y0 + d, colour::kBlack);
  }
  screen_.line(x0 + 145, y0, x0 + 145, y0 + 291, colour::kBlack);
  screen_.line(x0, y0 + 145, x0 + 291, y0 + 145, colour::kBlack);

  const std::string& caption = knowledge_.captions[static_cast<std::size_t>(pane)];
  text(caption, 15 + offset, 352, Font::B, kFromLeft, 1, 2, colour::kBlack);
  const std::string mark =
      watermarkMark(readWatermark(session_.data, state_.sections.wholeSheets, state_.value(),
                                  printing(), static_cast<char>('A' + pane)));
  const double markX = paneCount == 1 ? 300 + offset : (offset > 0 ? 621 : 300);
  text(mark, markX, 352, Font::B, kToRight, 1, 3, colour::kBlack);
  state_.sheets.captions.push_back(caption);
  state_.sheets.watermarks.push_back(mark);
}

void SheetScreen::drawMenu() {
  erase(50, 360, 150, 373);
  erase(205, 360, 330, 388);
  erase(552, 360, 639, 372);
  erase(490, 376, 639, 388);
  erase(490, 391, 639, 403);
  const auto key = [this](const std::string& cap, double x, double y) {
    screen_.setTextColour(colour::kDarkGrey);
    screen_.drawKeyBox(cap, x, y, cap.size() == 1 || cap[0] == 'F' ? 2 : 1);
  };
  const auto label = [this](const std::string& t, double x, double y) {
    text(t, x, y, Font::C, kFromLeft, 1, 3, colour::kBlack);
  };
  key("V", 14, 370);
  label(cp("Ny værdi"), 49, 370);
  key("T", 14, 385);
  label("Nyt tryk", 49, 385);
  text("Pg Up    Pg Dn", 14, 400, Font::C, kFromLeft, 0, 3, colour::kBlack);
  label(cp("Forrige / Næste tryk"), 78, 400);
  if (fourPanes()) {
    const bool cd = state_.sheets.panePair == 1;
    key(cd ? "A" : supplementKey() ? "S" : "C", 206, 370);
    label(cd                ? "Skift til A&B-ark"
          : supplementKey() ? "Supplement"
                            : "Skift til C&D-ark",
          241, 370);
  }
  key("F3", 206, 385);
  label(cp("Søgefunktion"), 241, 385);
  key("F4", 206, 400);
  label("Tryk-info on/off", 241, 400);
  key("F6", 348, 370);
  label(cp("Klichéfejl"), 383, 370);
  key("F7", 348, 385);
  label("Samleklicheer", 383, 385);
  key("F8", 348, 400);
  label("Typer (M.)", 383, 400);
  key("F9", 490, 370);
  label(panes() == 1 ? "Print skema" : "Print venstre skema", 525, 370);
  if (panes() > 1) {
    key("F10", 490, 385);
    label(cp("Print højre skema"), 525, 385);
  }
  key("Esc", 490, 400);
  label("Retur", 525, 400);
}

void SheetScreen::drawInformationPanel() {
  erase(0, 405, 639, 479);
  if (!state_.sheets.printingInfo) return;
  drawPrintingInformation(screen_, session_.data, state_.edition(), state_.value(), printing());
}

void SheetScreen::draw() {
  screen_.setBackColour(colour::kWhite);
  screen_.clear();
  printingCount_ = leadingNumber(highestPrintingOf(state_.edition(), state_.value()));
  setPrinting(printing().empty() ? "1" : printing());
  loadSheet();
  erase(0, 0, 639, 356);
  state_.sheets.panes = panes();
  state_.sheets.captions.clear();
  state_.sheets.watermarks.clear();
  if (panes() == 1) {
    drawPane(0, 160);
  } else {
    const int first = fourPanes() && state_.sheets.panePair == 1 ? 2 : 0;
    drawPane(first, 0);
    drawPane(first + 1, 320);
  }
  drawMenu();
  drawInformationPanel();
}

void SheetScreen::valueEntry() {
  LineEditorRequest request{'V',       370, 0, state_.value(), state_.edition(), state_.value(),
                            printing()};
  const ValueEntryResult entry =
      runValueEntry(screen_, session_.display, request, state_.icelandFlag);
  if (!takeValueEntry(state_, screen_, MessageCaller::Sheets, entry)) return;
  state_.sheets.panePair = 0;
  setPrinting("1");
}

void SheetScreen::printingEntry() {
  LineEditorRequest request{'T', 385, 0, printing(), state_.edition(), state_.value(), printing()};
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
  setPrinting(entered);
}

void SheetScreen::stepPrinting(bool next) {
  const auto step = next
                        ? nextPrinting(state_.edition(), state_.value(), printing(), printingCount_)
                        : previousPrinting(state_.edition(), state_.value(), printing());
  if (!step) {
    MessageArgs args;
    args.printingCount = printingCount_;
    message(kMessagePrintingRange, args);
    return;
  }
  setPrinting(*step);
}

void SheetScreen::print(bool rightPane) {
  if (rightPane && panes() == 1) return;
  const int first = fourPanes() && state_.sheets.panePair == 1 ? 2 : 0;
  SheetSchemaPage page;
  page.edition = state_.edition();
  page.value = state_.value();
  page.printing = printing();
  page.caption = state_.caption;
  page.panes = panes();
  page.pane = panes() == 1 ? 0 : first + (rightPane ? 1 : 0);
  page.paneCaption = knowledge_.captions[static_cast<std::size_t>(page.pane)];
  page.table = &sheet_.table;
  page.layout = sheet_.format.layout;

  const std::string tag = sheetSchemaTag(page);
  showExportMessages(&screen_, ExportKind::SheetSchema, tag, 1, session_.outputDirectory);
  session_.display.present();
  ExportProgress progress(&screen_);
  const SchemaExportResult result = exportSheetSchema(
      screen_, session_.data, page, session_.outputDirectory, progress, todayDateText());
  state_.sheets.files.clear();
  state_.sheets.printError.clear();
  if (result.ok) {
    state_.sheets.files.push_back(result.fileName);
  } else {
    state_.sheets.printError = cp(result.error);
    showExportFailure(&screen_, exportFailureText(result.fileName, result.error));
    session_.display.beep();
  }
  showContinuePrompt(screen_);
  const KeyString key = upperKey(session_.display.waitKey());
  if (isExtended(key, scan::kF6) || isExtended(key, scan::kF7) || isExtended(key, scan::kF8)) {
    handleKey(key);
    return;
  }
  clearExportBand(screen_);
  drawMenu();
}

bool SheetScreen::handleKey(const KeyString& rawKey) {
  const KeyString key = upperKey(rawKey);
  const auto leave = [this](ScreenCode code) {
    state_.nextScreen = code;
    return false;
  };
  if (key == "V") {
    valueEntry();
  } else if (key == "T") {
    printingEntry();
  } else if (isExtended(key, scan::kPgUp) || isExtended(key, scan::kPgDn)) {
    stepPrinting(isExtended(key, scan::kPgDn));
  } else if (key == "A" || key == "B") {
    state_.sheets.panePair = 0;
  } else if (key == "C" || key == "D") {
    if (fourPanes()) state_.sheets.panePair = 1;
  } else if (key == "S") {
    if (fourPanes()) state_.sheets.panePair = 1 - state_.sheets.panePair;
  } else if (isExtended(key, scan::kF1) || isExtended(key, scan::kF2)) {
    const bool general = isExtended(key, scan::kF1);
    showInformation(screen_, session_.display, session_.data,
                    general ? state_.sections.generalInfo : state_.sections.editionInfo,
                    general ? ViewerMode::General : ViewerMode::Edition, state_.viewer);
  } else if (isExtended(key, scan::kF3)) {
    return leave(ScreenCode::Register);
  } else if (isExtended(key, scan::kF4)) {
    state_.sheets.printingInfo = !state_.sheets.printingInfo;
  } else if (isExtended(key, scan::kF5)) {
    return leave(ScreenCode::Sheets);
  } else if (isExtended(key, scan::kF6)) {
    return leave(ScreenCode::Flaws);
  } else if (isExtended(key, scan::kF7)) {
    return leave(ScreenCode::Composites);
  } else if (isExtended(key, scan::kF8)) {
    return leave(ScreenCode::Types);
  } else if (isExtended(key, scan::kF9) || isExtended(key, scan::kF10)) {
    print(isExtended(key, scan::kF10));
  } else if (key == std::string(1, static_cast<char>(kEscCode))) {
    return leave(ScreenCode::FrontPage);
  }
  return state_.nextScreen == ScreenCode::Sheets;
}

void SheetScreen::run() {
  state_.nextScreen = ScreenCode::Sheets;
  state_.screenName = "sheets";
  for (;;) {
    draw();
    const KeyString key = session_.display.waitKey();
    if (!handleKey(key)) return;
    if (state_.nextScreen != ScreenCode::Sheets) return;
  }
}

}  // namespace

void runSheetScreen(Session& session) {
  // The two-coloured edition has a schema screen of its own, not built yet.
  if (session.state.edition() == "T") {
    session.state.nextScreen = ScreenCode::FrontPage;
    return;
  }
  SheetScreen(session).run();
}

}  // namespace kolvard
