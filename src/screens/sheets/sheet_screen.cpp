#include "screens/sheets/sheet_screen.hpp"

#include <algorithm>
#include <string>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/value_text.hpp"
#include "print/export_session.hpp"
#include "print/position_mark.hpp"
#include "print/schema_bitmap.hpp"
#include "print/sheet_grid.hpp"
#include "print/sheet_schema_print.hpp"
#include "screens/common/key_panel.hpp"
#include "screens/common/message_line.hpp"
#include "screens/common/printing_entry.hpp"
#include "screens/common/printing_information.hpp"
#include "screens/common/screen_keys.hpp"
#include "screens/common/screen_text.hpp"
#include "screens/common/value_entry.hpp"

namespace kolvard {
namespace {

constexpr int kRepeatedColour = 26;
constexpr int kUncertainFill = 17;

constexpr KeyPanelItem kValueKeys[] = {
    {"V", 14, 370, "Ny værdi", 49},
    {"T", 14, 385, "Nyt tryk", 49},
};
constexpr KeyPanelItem kPrintingSteps = {"", 14, 400, "Forrige / Næste tryk", 78};
constexpr KeyPanelItem kScreenKeys[] = {
    {"F3", 206, 385, "Søgefunktion", 241}, {"F4", 206, 400, "Tryk-info on/off", 241},
    {"F6", 348, 370, "Klichéfejl", 383},   {"F7", 348, 385, "Samleklicheer", 383},
    {"F8", 348, 400, "Typer (M.)", 383},
};
constexpr KeyPanelItem kPrintOne = {"F9", 490, 370, "Print skema", 525};
constexpr KeyPanelItem kPrintLeft = {"F9", 490, 370, "Print venstre skema", 525};
constexpr KeyPanelItem kPrintRight = {"F10", 490, 385, "Print højre skema", 525};
constexpr KeyPanelItem kReturn = {"Esc", 490, 400, "Retur", 525};

}  // namespace

int SheetScreen::panes() const {
  return std::clamp(sheet_.format.panes, 1, 4);
}

bool SheetScreen::supplementKey() {
  return selection().valueKey() == "A4s";
}

void SheetScreen::setPrinting(const std::string& p) {
  // The sheets screen shows one printing: the range ends where it starts.
  selection().setPrinting(normalisePrintingName(selection().edition(), selection().value(), p));
}

void SheetScreen::loadSheet() {
  const Selection& s = selection();
  const std::string key = s.edition() + s.value() + "|" + s.printing();
  if (key == loadedKey_) return;
  sheet_ = readSheetOfPrinting(session_.data, s.edition(), s.value(), s.printing());
  knowledge_ = readSheetKnowledge(session_.data, s.edition(), s.value(), s.printing());
  for (int pane = 0; pane < 4; ++pane) {
    watermarks_[static_cast<std::size_t>(pane)] =
        watermarkMark(readWatermark(session_.data, session_.state.sections.wholeSheets, s.value(),
                                    s.printing(), static_cast<char>('A' + pane)));
  }
  loadedKey_ = key;
  if (!fourPanes()) sheets_.panePair = 0;
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
  if (marks.star)
    drawText(screen_, "*", left + 3, top + 10, Font::B, kFromLeft, 1, 2, colour::kRed);
  const double x = 29.0 * c + offset;
  drawText(screen_, cellTypeText(entry.type()), x, 53 + 29.0 * r, Font::C, kCentred, 1, 3,
           colour::kBlack);
  const int clicheColour =
      isRepeatedCopy(sheet_.table, sheet_.format.group, index) ? kRepeatedColour : colour::kBlack;
  const Selection& s = selection();
  drawText(screen_, cellClicheText(s.edition(), s.value(), s.printing(), entry.cliche()), x,
           65 + 29.0 * r, Font::B, kCentred, 1, 2, clicheColour);
}

void SheetScreen::drawPane(int pane, double offset) {
  const int paneCount = panes();
  const Selection& s = selection();
  drawText(screen_, sheetHeading(s.edition(), s.value(), session_.state.caption), 15 + offset, 23,
           Font::C, kFromLeft, 2, 4, colour::kBlack);
  drawText(screen_, sheetPrintingHeading(s.edition(), s.value(), s.printing(), paneCount, pane),
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
  drawText(screen_, caption, 15 + offset, 352, Font::B, kFromLeft, 1, 2, colour::kBlack);
  const std::string& mark = watermarks_[static_cast<std::size_t>(pane)];
  const double markX = paneCount == 1 ? 300 + offset : (offset > 0 ? 621 : 300);
  drawText(screen_, mark, markX, 352, Font::B, kToRight, 1, 3, colour::kBlack);
  sheets_.captions.push_back(caption);
  sheets_.watermarks.push_back(mark);
}

void SheetScreen::drawMenu() {
  eraseBox(screen_, 50, 360, 150, 373);
  eraseBox(screen_, 205, 360, 330, 388);
  eraseBox(screen_, 552, 360, 639, 372);
  eraseBox(screen_, 490, 376, 639, 388);
  eraseBox(screen_, 490, 391, 639, 403);
  drawKeyPanel(screen_, kValueKeys);
  drawText(screen_, "Pg Up    Pg Dn", 14, 400, Font::C, kFromLeft, 0, 3, colour::kBlack);
  drawKeyPanelItem(screen_, kPrintingSteps);
  if (fourPanes()) {
    const bool cd = sheets_.panePair == 1;
    const KeyPanelItem panePair = {cd                ? "A"
                                   : supplementKey() ? "S"
                                                     : "C",
                                   206, 370,
                                   cd                ? "Skift til A&B-ark"
                                   : supplementKey() ? "Supplement"
                                                     : "Skift til C&D-ark",
                                   241};
    drawKeyPanelItem(screen_, panePair);
  }
  drawKeyPanel(screen_, kScreenKeys);
  drawKeyPanelItem(screen_, panes() == 1 ? kPrintOne : kPrintLeft);
  if (panes() > 1) drawKeyPanelItem(screen_, kPrintRight);
  drawKeyPanelItem(screen_, kReturn);
}

void SheetScreen::drawInformationPanel() {
  eraseBox(screen_, 0, 405, 639, 479);
  const Selection& s = selection();
  if (!s.printingInfo()) return;
  drawPrintingInformation(screen_, session_.data, s.edition(), s.value(), s.printing());
}

void SheetScreen::draw() {
  screen_.setBackColour(colour::kWhite);
  screen_.clear();
  setPrinting(printing().empty() ? "1" : printing());
  loadSheet();
  eraseBox(screen_, 0, 0, 639, 356);
  sheets_.panes = panes();
  sheets_.captions.clear();
  sheets_.watermarks.clear();
  if (panes() == 1) {
    drawPane(0, 160);
  } else {
    const int first = fourPanes() && sheets_.panePair == 1 ? 2 : 0;
    drawPane(first, 0);
    drawPane(first + 1, 320);
  }
  drawMenu();
  drawInformationPanel();
}

KeyResult SheetScreen::valueEntry() {
  switch (enterValue(session_, 370, 0, MessageCaller::Sheets)) {
    case ValueTaken::No:
      return kStay;
    case ValueTaken::TwoColoured:
      return ScreenCode::Sheets;  // the same screen of the two-coloured edition
    case ValueTaken::Yes:
      break;
  }
  sheets_.panePair = 0;
  setPrinting("1");
  return kStay;
}

KeyResult SheetScreen::print(bool rightPane) {
  if (rightPane && panes() == 1) return kStay;
  const int first = fourPanes() && sheets_.panePair == 1 ? 2 : 0;
  const Selection& s = selection();
  SheetSchemaPage page;
  page.edition = s.edition();
  page.value = s.value();
  page.printing = s.printing();
  page.caption = session_.state.caption;
  page.panes = panes();
  page.pane = panes() == 1 ? 0 : first + (rightPane ? 1 : 0);
  page.paneCaption = knowledge_.captions[static_cast<std::size_t>(page.pane)];
  page.table = &sheet_.table;
  page.group = sheet_.format.group;

  const std::string tag = sheetSchemaTag(page);
  showExportMessages(&screen_, ExportKind::SheetSchema, tag, 1, session_.outputDirectory);
  session_.display.present();
  ExportProgress progress(&screen_);
  // A printing the value does not have, or one without printing data, gives no page.
  const std::string refusal = schemaPrintRefusal(session_);
  const SchemaExportResult result =
      refusal.empty() ? exportSheetSchema(screen_, session_.data, page, session_.outputDirectory,
                                          progress, todayDateText(), session_.printBuffers)
                      : SchemaExportResult{false, schemaFileName(tag), refusal};
  sheets_.files.clear();
  sheets_.printError.clear();
  if (result.ok) {
    sheets_.files.push_back(result.fileName);
  } else {
    sheets_.printError = cp(result.error);
    showExportFailure(&screen_, exportFailureText(result.fileName, result.error));
    session_.display.beep();
  }
  const KeyResult next = keyAfterPrint(session_);
  if (!next) drawMenu();
  return next;
}

KeyResult SheetScreen::handleKey(const KeyString& rawKey) {
  const KeyString key = upperKey(rawKey);
  if (key == "V") return valueEntry();
  if (key == "T") {
    if (const auto typed = enterPrinting(session_, 385, 0, MessageCaller::Sheets)) {
      setPrinting(*typed);
    }
  } else if (isExtended(key, scan::kPgUp) || isExtended(key, scan::kPgDn)) {
    if (const auto step =
            stepPrinting(session_, isExtended(key, scan::kPgDn), MessageCaller::Sheets)) {
      setPrinting(*step);
    }
  } else if (key == "A" || key == "B") {
    sheets_.panePair = 0;
  } else if (key == "C" || key == "D") {
    if (fourPanes()) sheets_.panePair = 1;
  } else if (key == "S") {
    if (fourPanes()) sheets_.panePair = 1 - sheets_.panePair;
  } else if (isExtended(key, scan::kF4)) {
    selection().setPrintingInfo(!selection().printingInfo());
  } else if (isExtended(key, scan::kF9) || isExtended(key, scan::kF10)) {
    return print(isExtended(key, scan::kF10));
  } else if (!showInformationFor(session_, key)) {
    return leavingKey(key);
  }
  return kStay;
}

}  // namespace kolvard
