#include "screens/twocolour/tc_schema_screen.hpp"

#include <algorithm>
#include <string>

#include "data/cp865.hpp"
#include "domain/two_colour_printings.hpp"
#include "domain/value_text.hpp"
#include "print/position_mark.hpp"
#include "screens/common/flaw_screen_parts.hpp"
#include "screens/common/key_panel.hpp"
#include "screens/common/screen_text.hpp"
#include "screens/common/two_colour_load.hpp"

namespace kolvard {
namespace {

constexpr int kGreyFrame = 19;
constexpr int kPaneLetterColour = 7;
constexpr double kFrameOffset = 320;

constexpr KeyPanelItem kKeys[] = {
    {"V", 14, 370, "Ny værdi", 49},
    {"T", 14, 385, "Nyt tryk", 49},
    {"", 14, 400, "Forrige / Næste tryk", 78},
    {"F3", 206, 385, "Søgefunktion", 241},
    {"F4", 206, 400, "Tryk-info on/off", 241},
    {"F6", 348, 370, "Klichéfejl", 383},
    {"F7", 348, 385, "Samleklicheer", 383},
    {"F8", 348, 400, "Typer (OM&RM)", 383},
    {"F9", 490, 370, "Print ovalskema", 525},
    {"F10", 490, 385, "Print rammeskema", 525},
    {"F11", 490, 400, "Print ramme+oval", 525},
    {"Esc", 555, 415, "Retur", 590},
};

std::vector<std::string> rowTexts(const SchemaGrid& grid) {
  std::vector<std::string> row;
  for (std::size_t i = 0; i < 10; ++i) row.push_back(grid[i].line1 + "/" + grid[i].line2);
  return row;
}

}  // namespace

const TwoColourPositionTable& TwoColourSchemaScreen::shownTable() const {
  return extraStep_ ? extraTable_ : session_.state.twoColourPositions;
}

void TwoColourSchemaScreen::loadTables() {
  SharedState& st = session_.state;
  Selection& s = st.selection;
  // The shared table as the flaw screen reads it; the schemas of a few printings show the
  // sheet one printing block on.
  st.twoColourLoad =
      loadSelectedPositions(st.twoColourPositions, session_.data, st.frameData(session_.data), s);
  extraStep_ = needsExtraLoadStep(s.value(), s.printing());
  if (extraStep_) {
    extraTable_.load(session_.data, st.frameData(session_.data), s.edition(), s.value(),
                     printingBlockName(s.value(), s.printing()), 1);
  }
  const bool onePane = isSinglePanePrinting(s.value(), s.printing()) ||
                       shownTable().layout() != SheetLayout::TwoPanes;
  pane_ = onePane ? SchemaPane::Single : schemas_.pane == 2 ? SchemaPane::B : SchemaPane::A;
}

void TwoColourSchemaScreen::enter() {
  Selection& s = selection();
  screen_.setBackColour(colour::kWhite);
  screen_.clear();
  const std::string shown = twoColourShownPrinting(s.value(), s.printing());
  if (shown != s.printing()) s.setPrinting(shown);
  if (schemas_.pane != 2) schemas_.pane = 1;
  drawKeyPanel();
  drawInformationPanel();
}

void TwoColourSchemaScreen::drawHeader() {
  const Selection& s = selection();
  drawText(screen_, valueText(s.value()) + session_.state.caption, 15, 23, Font::C, kFromLeft, 2, 4,
           1);
  const std::string_view letter = schemaPaneLetter(pane_);
  std::string printing = printingLabel(s.edition(), s.value(), s.printing());
  if (!letter.empty()) printing += "  " + std::string(letter) + "-ark";
  drawText(screen_, printing, 302, 23, Font::C, kToRight, 2, 4, 1);
  if (!letter.empty()) {
    drawText(screen_, letter, 163, 23, Font::D, kToRight, 2, 4, kPaneLetterColour);
  }
}

void TwoColourSchemaScreen::drawGrid(const SchemaGrid& grid, double offset) {
  const double x0 = 14 + offset, y0 = 40;
  for (int k = 0; k <= 10; ++k) {
    const double d = sheetGridShift(29.0 * k);
    screen_.line(x0 + d, y0, x0 + d, y0 + 291, colour::kBlack);
    screen_.line(x0, y0 + d, x0 + 291, y0 + d, colour::kBlack);
  }
  for (int r = 0; r < 10; ++r) {
    for (int c = 1; c <= 10; ++c) {
      const SchemaCell& cell = grid[static_cast<std::size_t>(10 * r + c - 1)];
      const int colour = cell.grey ? kGreyFrame : 1;
      const double x = offset + 29.0 * c;
      drawText(screen_, cell.line1, x, 29.0 * r + 53, Font::C, kCentred, 1, 0, colour);
      drawText(screen_, cell.line2, x, 29.0 * r + 65, Font::B, kCentred, 1, 0, colour);
    }
  }
}

void TwoColourSchemaScreen::drawFrameHeader() {
  drawText(screen_, header_.description, 335, 23, Font::C, kFromLeft, 2, 4, 1);
  drawText(screen_, header_.title, 624, 23, Font::C, kToRight, 2, 3, 1);
}

void TwoColourSchemaScreen::drawFullSheetLines() {
  drawText(screen_, ovalLine_.text, 14, 352, Font::B, kFromLeft, 1, 3, ovalLine_.palette);
  drawText(screen_, frameLine_.text, 335, 352, Font::B, kFromLeft, 1, 3, frameLine_.palette);
  drawText(screen_, schemas_.watermark, 625, 352, Font::B, kToRight, 1, 3, 1);
}

void TwoColourSchemaScreen::drawKeyPanel() {
  // Only the pane key changes; the information panel's first line reaches up to the last row.
  eraseBox(screen_, 205, 360, 330, 373);
  ::kolvard::drawKeyPanel(screen_, kKeys);
  drawText(screen_, "Pg Up    Pg Dn", 14, 400, Font::C, kFromLeft, 0, 1, 1);
  if (pane_ != SchemaPane::Single) {
    const bool onA = pane_ == SchemaPane::A;
    drawKeyPanelItem(screen_,
                     {onA ? "B" : "A", 206, 370, onA ? "Skift til B-ark" : "Skift til A-ark", 241});
  }
}

void TwoColourSchemaScreen::drawInformationPanel() {
  // The key panel reaches down to y 415: the short edition text keeps below it.
  drawFlawInformationPanel(screen_, session_.data, selection(), true);
}

void TwoColourSchemaScreen::draw() {
  const Selection& s = selection();
  eraseBox(screen_, 0, 0, 639, 356);
  loadTables();
  const TwoColourPositionTable& table = shownTable();
  drawHeader();
  schemas_.watermark = schemaWatermarkMark(table.watermarkSide(), pane_);

  ovals_ = ovalSchemaGrid(table, s.value(), pane_);
  frames_ = frameSchemaGrid(table, pane_);
  header_ = frameSchemaHeader(session_.data, table, pane_);
  ovalLine_ = ovalFullSheetLine(session_.data, s.edition(), s.value(), s.printing(), pane_);
  frameLine_ =
      frameFullSheetLine(session_.data, session_.state.sections.wholeSheets, header_.title);
  drawGrid(ovals_, 0);
  drawFrameHeader();
  drawGrid(frames_, kFrameOffset);
  drawFullSheetLines();
  drawKeyPanel();

  schemas_.shownPane = static_cast<int>(pane_);
  schemas_.single = pane_ == SchemaPane::Single;
  schemas_.label = header_.label;
  schemas_.title = header_.title;
  schemas_.period = header_.period;
  schemas_.description = header_.description;
  schemas_.turned = isTurnedPane(table, pane_, header_.label);
  schemas_.ovalRow = rowTexts(ovals_);
  schemas_.frameRow = rowTexts(frames_);
  schemas_.ovalFullSheet = ovalLine_.text;
  schemas_.frameFullSheet = frameLine_.text;
}

}  // namespace kolvard
