#include "screens/twocolour/tc_flaw_screen.hpp"

#include <algorithm>
#include <string>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/flaw_occurrences.hpp"
#include "domain/printing_order.hpp"
#include "domain/two_colour_flaw_texts.hpp"
#include "domain/two_colour_printings.hpp"
#include "domain/two_colour_steps.hpp"
#include "domain/value_tables.hpp"
#include "domain/value_text.hpp"
#include "screens/common/flaw_screen_parts.hpp"
#include "screens/common/key_panel.hpp"
#include "screens/common/message_line.hpp"
#include "screens/common/screen_text.hpp"
#include "screens/common/two_colour_load.hpp"
#include "screens/twocolour/occurrence_column.hpp"
#include "ui/info_viewer.hpp"

namespace kolvard {
namespace {

constexpr int kInvisible = colour::kWhite;
constexpr int kLightGrey = 3;

}  // namespace

void TwoColourFlawScreen::message(int number, const MessageArgs& args) {
  showMessage(session_, number, MessageCaller::Flaws, args);
}

void TwoColourFlawScreen::loadTable() {
  SharedState& st = session_.state;
  st.twoColourLoad = loadSelectedPositions(st.twoColourPositions, session_.data,
                                           st.frameData(session_.data), st.selection);
}

// The fields of the selected position: its oval and frame flaw numbers become the screen's,
// and a frame setting used in two periods brings its period.
void TwoColourFlawScreen::readPosition() {
  reading_ = readTwoColourPosition(session_.state.twoColourPositions, selection().positionIndex());
  flaws_.ovalFlawNumber = reading_.ovalFlawNumber;
  flaws_.frameFlawNumber = reading_.frameFlawNumber;
  if (reading_.frameNumber.hasSetting) selection().setPeriod(reading_.frameNumber.shown.period);
}

void TwoColourFlawScreen::afterPrintingChange(int oldIndex) {
  Selection& s = selection();
  loadTable();
  const SheetLayout layout = session_.state.twoColourPositions.layout();
  if (layout != SheetLayout::TwoPanes && oldIndex > 100) s.setPosition("1");
  if (const auto followed =
          followedOvalPosition(session_.state.twoColourPositions, s.followCliche())) {
    s.setPosition(followed->text);
  }
  readPosition();
}

int TwoColourFlawScreen::frameFlawsOf(int setting) {
  return frameFlawCount(session_.state.frameSettingCounts, setting, selection().period(),
                        iceland());
}

void TwoColourFlawScreen::enter() {
  Selection& s = selection();
  screen_.setBackColour(colour::kWhite);
  screen_.clear();
  const std::string shown = twoColourShownPrinting(s.value(), s.printing());
  if (shown != s.printing()) s.setPrinting(shown);
  flaws_.mode = FlawViewMode::Position;
  seriesIndex_ = readSeriesIndex(session_.data, session_.state.sections.series);
  limits_ = readSeriesLimits(session_.data, s.edition(), s.value());
  loadTable();
  readPosition();
  drawKeyPanel();
  drawInformationPanel();
}

// The oval series of the value and printing ("2s3b" is always series 2, printings 3 to 5);
// in oval mode the series of the oval flaw number, with its printing range.
void TwoColourFlawScreen::seekOvalSeries() {
  const Selection& s = selection();
  if (s.value() + s.printing() == "2s3b") {
    flaws_.series = 2;
    seriesRecord_ = SeriesIndexEntry{"2s", 2, 3, 5};
  } else if (const auto record =
                 seriesForPrinting(seriesIndex_, s.value(), leadingNumber(s.printing()), false)) {
    flaws_.series = record->series;
    seriesRecord_ = record;
  }
  if (inMode(FlawViewMode::Oval)) {
    const int series = std::max(1, splitFlawNumber(flaws_.ovalFlawNumber).group);
    flaws_.series = ovalSeriesCount() > 1 ? series : 0;
    seriesRecord_ = seriesByNumber(seriesIndex_, s.value(), std::max(1, flaws_.series));
  }
}

void TwoColourFlawScreen::drawTitle() {
  if (static_cast<int>(flaws_.mode) == lastMode_) return;
  eraseBox(screen_, 200, 0, 438, 14);
  const char* title = inMode(FlawViewMode::Position) ? "Klichéfejl på de enkelte positioner i arket"
                      : inMode(FlawViewMode::Oval)   ? "Ovalfejl i nummerrækkefølge"
                                                     : "Rammefejl i nummerrækkefølge";
  drawText(screen_, cp(title), 319, 10, Font::C, kCentred, 1, 3,
           inMode(FlawViewMode::Position) ? 4 : 6);
  lastMode_ = static_cast<int>(flaws_.mode);
}

void TwoColourFlawScreen::drawValueHeading() {
  const Selection& s = selection();
  if (s.value() == lastValue_) return;
  limits_ = readSeriesLimits(session_.data, s.edition(), s.value());
  eraseBox(screen_, 99, 22, 287, 39);
  drawText(screen_, valueText(s.value()) + session_.state.caption, 193, 35, Font::C, kCentred, 2, 4,
           inMode(FlawViewMode::Frame) ? kInvisible : 1);
}

void TwoColourFlawScreen::drawOvalHeading(int colour) {
  eraseBox(screen_, 99, 39, 287, 56);
  if (flaws_.ovalFlawNumber.empty()) {
    drawText(screen_, "( Ingen OF. registreret )", 193, 51, Font::C, kCentred, 2, 3,
             colour == 1 ? kLightGrey : colour);
  } else {
    drawText(screen_, "OF. " + flaws_.ovalFlawNumber, 193, 51, Font::C, kCentred, 2, 3, colour);
  }
}

// Steps 3 to 7: oval heading, oval panel, left column, occurrences and oval type.
void TwoColourFlawScreen::drawOvalPart(bool valueOrPrintingChanged) {
  const Selection& s = selection();
  const bool frameMode = inMode(FlawViewMode::Frame);
  if (frameMode && s.value() == lastValue_ && flaws_.ovalFlawNumber == lastOval_ &&
      !flaws_.ovalFlawNumber.empty() && ovalBlankDrawn_) {
    return;
  }
  drawOvalHeading(frameMode ? kInvisible : 1);
  FlawPanelRequest request;
  request.panel = FlawPanelKind::Oval;
  request.panelX = kOvalPanelX;
  request.mode = flaws_.mode;
  request.mark = reading_.ovalMark;
  if (!flaws_.ovalFlawNumber.empty()) {
    request.keyPart = ovalFlawKeyPart(s.value(), flaws_.ovalFlawNumber);
  }
  const int hidden = entryPreview_ ? kLightGrey : kInvisible;
  request.colour = frameMode ? hidden : twoColourValueColours(s.value()).value;
  ovalRecord_ = drawFlawPanel(screen_, session_.data, request);
  flaws_.ovalFound = ovalRecord_.found;
  lastRead_ = &ovalRecord_;
  if (frameMode) {
    ovalBlankDrawn_ = !entryPreview_;
    lastOval_ = flaws_.ovalFlawNumber;
    return;
  }
  ovalBlankDrawn_ = false;
  std::string description = ovalRecord_.description;
  if (inMode(FlawViewMode::Position) && reading_.newOval()) {
    description = withNewOvalLine(description);
  }
  drawFlawDescription(screen_, description, kOvalPanelX, false);
  drawLeftColumn(valueOrPrintingChanged);
  drawOccurrences();
  eraseBox(screen_, 154, 276, 232, 289);
  const std::string type = inMode(FlawViewMode::Position) ? reading_.ovalType : ovalRecord_.type;
  if (!type.empty()) drawText(screen_, "OM. " + type, 193, 286, Font::C, kCentred, 1, 2, 1);
  lastOval_ = flaws_.ovalFlawNumber;
}

void TwoColourFlawScreen::drawLeftColumn(bool valueOrPrintingChanged) {
  if (valueOrPrintingChanged || inMode(FlawViewMode::Oval)) eraseBox(screen_, 0, 0, 92, 479);
  if (flaws_.ovalFlawNumber.empty() || valueOrPrintingChanged) eraseBox(screen_, 0, 60, 92, 479);
  // "Kun én ovalserie:" reaches past the column: its row is cleared up to the oval panel.
  eraseBox(screen_, 0, 14, 100, 27);
  drawText(screen_, ovalSeriesHeading(flaws_.series), 47, 24, Font::B, kCentred, 1, 2, 1);
  double y = 35;
  for (const std::string& line :
       ovalSeriesRangeLines(selection().value(), flaws_.series, seriesRecord_)) {
    drawText(screen_, line, 47, y, Font::B, kCentred, 1, 2, 1);
    y += 11;
  }
}

void TwoColourFlawScreen::drawOccurrences() {
  flaws_.occurrences.clear();
  if (flaws_.ovalFlawNumber.empty() || !ovalRecord_.found) return;
  const Selection& s = selection();
  double y = s.value() == cp("8ø") && flaws_.ovalFlawNumber.starts_with("10.") ? 60 : 82;
  eraseBox(screen_, 2, 60, 90, y + 2);
  drawText(screen_, "OF. " + flaws_.ovalFlawNumber + ":", 47, y, Font::B, kCentred, 1, 2, 1);
  for (const OccurrenceItem& item :
       flawOccurrenceItems(ovalRecord_.occurrences, s.value() + s.printing())) {
    y += kOccurrenceLineStep;
    if (y > 470) break;
    eraseBox(screen_, 0, y - 8, 92, y + 2);
    drawOccurrenceItem(screen_, item, y);
    std::string text;
    for (const OccurrencePiece& piece : item.pieces) text += (text.empty() ? "" : " ") + piece.text;
    flaws_.occurrences.push_back(text);
  }
  if (y + 3 < 479) eraseBox(screen_, 0, y + 3, 92, 479);
}

void TwoColourFlawScreen::drawPrintingAndPosition() {
  eraseBox(screen_, 270, 22, 368, 56);
  const Selection& s = selection();
  if (inMode(FlawViewMode::Position)) {
    drawText(screen_, printingLabel(s.edition(), s.value(), s.printing()), 319, 31, Font::C,
             kCentred, 2, 4, 1);
    const bool onePane = session_.state.twoColourPositions.layout() == SheetLayout::OnePane;
    drawText(screen_, onePane ? "pos. " + s.position() : s.position(), 319, 51, Font::D, kCentred,
             2, 3, 1);
  } else if (inMode(FlawViewMode::Oval)) {
    eraseBox(screen_, 549, 0, 638, 479);
  }
}

void TwoColourFlawScreen::drawFrameHeadingText(int colour) {
  eraseBox(screen_, 352, 39, 540, 56);
  std::string period = selection().period();
  const std::string heading = frameHeading(flaws_.frameFlawNumber, period);
  selection().setPeriod(period);
  drawText(screen_, heading, 446, 51, Font::C, kCentred, 2, 3, colour);
}

// Steps 9 to 12: frame heading, frame panel, frame kind and frame type.
void TwoColourFlawScreen::drawFramePart() {
  const bool ovalMode = inMode(FlawViewMode::Oval);
  drawFrameHeadingText(ovalMode ? kInvisible : 1);
  const FlawNumberParts parts = splitFlawNumber(flaws_.frameFlawNumber);
  const bool drawPanel = !ovalMode || !frameBlankDrawn_;
  if (drawPanel) {
    // Labels of the last frame description may reach left of the panel: clear between panels.
    eraseBox(screen_, 305, 57, 356, 275);
    FlawPanelRequest request;
    request.panel = FlawPanelKind::Frame;
    request.panelX = kFramePanelX;
    request.mode = flaws_.mode;
    request.mark = reading_.frameMark;
    request.frameKind = reading_.frameKind;
    if (parts.group > 0) {
      request.keyPart =
          frameFlawKeyPart(std::to_string(storedSettingCode(parts.group, selection().period())),
                           std::to_string(parts.running));
    }
    const int hidden = entryPreview_ ? kLightGrey : kInvisible;
    request.colour = ovalMode ? hidden : twoColourValueColours(selection().value()).first;
    frameRecord_ = drawFlawPanel(screen_, session_.data, request);
    flaws_.frameFound = frameRecord_.found;
    if (!ovalMode) {
      drawFlawDescription(screen_, frameRecord_.description, kFramePanelX,
                          flawPanelInverted(request, frameRecord_));
      lastRead_ = &frameRecord_;
    }
    frameBlankDrawn_ = ovalMode && !entryPreview_;
  }
  lastFrame_ = flaws_.frameFlawNumber;
  const bool position = inMode(FlawViewMode::Position);
  const char kind = position ? reading_.frameKind : frameRecord_.frameKind;
  if (kind != lastFrameKind_) {
    eraseBox(screen_, 373, 22, 519, 39);
    drawText(screen_, frameKindCaption(kind), 446, 35, Font::C, kCentred, 2, 5,
             ovalMode ? kInvisible : 1);
    lastFrameKind_ = kind;
  }
  eraseBox(screen_, 407, 277, 485, 291);
  const std::string type = shownFrameType(position ? reading_.frameType : frameRecord_.type);
  if (!type.empty()) {
    drawText(screen_, "RM. " + type, 446, 286, Font::C, kCentred, 1, 2, ovalMode ? kInvisible : 1);
  }
}

void TwoColourFlawScreen::drawPrintingOrder() {
  if (inMode(FlawViewMode::Oval)) return;
  const Selection& s = selection();
  const int setting = printingOrderSetting(flaws_.frameFlawNumber);
  if (setting == lastOrderSetting_ && s.period() == lastOrderPeriod_ &&
      s.printing() == lastOrderPrinting_) {
    return;
  }
  lastOrderSetting_ = setting;
  lastOrderPeriod_ = s.period();
  lastOrderPrinting_ = s.printing();
  eraseBox(screen_, 549, 74, 638, 479);
  flaws_.printingOrder.clear();
  if (setting <= 0) return;
  drawText(screen_, cp("Tryk-rækkefølge"), 592, 82, Font::B, kCentred, 1, 2, 1);
  const auto record =
      readPrintingOrderRecord(session_.data, session_.data.findSection("TTRYK"), setting);
  if (!record) return;
  double y = 93;
  const std::string settingLine = printingOrderSettingLine(record->label);
  drawText(screen_, settingLine, 592, y, Font::B, kCentred, 1, 2, 1);
  flaws_.printingOrder.push_back(settingLine);
  const bool highlight = !inMode(FlawViewMode::Frame);
  for (const std::string& field : printingOrderScreenFields(*record, s.period())) {
    y += 11;
    if (y > 475) break;
    const bool current = highlight && namesPrinting(field, s.value() + s.printing());
    drawText(screen_, field, 592, y, Font::B, kCentred, 1, 2, current ? 2 : 1);
    flaws_.printingOrder.push_back(current ? "*" + field : field);
  }
}

void TwoColourFlawScreen::drawWandering() {
  eraseBox(screen_, 552, 0, 630, 74);
  flaws_.wandering.clear();
  if (lastRead_ == nullptr) return;
  const auto lines = wanderingClicheLines(lastRead_->wandering, flaws_.frameFlawNumber);
  if (lines.empty()) return;
  drawText(screen_, cp("Vandrekliché:"), 592, 7, Font::B, kCentred, 1, 2, 1);
  double y = 7;
  for (const WanderingLine& line : lines) {
    y += 11;
    if (y > 72) break;
    using Kind = WanderingLine::Kind;
    const bool wide = line.kind == Kind::Remark || line.kind == Kind::Later;
    drawText(screen_, line.text, 592, y, Font::B, kCentred, line.kind == Kind::Remark ? 1 : 2,
             wide ? 4 : 2, line.kind == Kind::Current ? 2 : 1);
    flaws_.wandering.push_back(line.text);
  }
}

void TwoColourFlawScreen::drawKeyPanel() {
  const int m = static_cast<int>(flaws_.mode);
  const auto caption = [&](std::string_view key, double x, double y, const char* text,
                           double textX) {
    eraseBox(screen_, textX - 1, y - 10, textX + 130, y + 3);
    if (!key.empty()) drawKeyCap(screen_, key, x, y);
    if (text != nullptr) drawText(screen_, cp(text), textX, y, Font::C, kFromLeft, 1, 3, 1);
  };
  caption("V", 95, 305, "Ny værdi", 130);
  caption("T", 95, 320, "Nyt tryk", 130);
  caption(m == 1 ? "" : "P", 95, 335,
          m == 0   ? "Ny position"
          : m == 2 ? "Skift periode"
                   : nullptr,
          130);
  if (m == 1) eraseBox(screen_, 94, 325, 128, 340);
  caption("O", 95, 350, m == 1 ? "Indlæs ny OF." : "Skift til ovaler", 130);
  caption("R", 95, 365, m == 2 ? "Indlæs ny RF." : "Skift til rammer", 130);
  caption("F4", 95, 380, "Tryk-information on/off", 130);
  eraseBox(screen_, 94, 385, 267, 398);
  if (m == 0) {
    drawText(screen_, "Pg Up    Pg Dn", 95, 395, Font::C, kFromLeft, 0, 1, 11);
    drawText(screen_, cp("Forrige / Næste tryk"), 157, 395, Font::C, kFromLeft, 1, 3, 1);
  }
  drawText(screen_, std::string{27, ' ', 26}, 375, 305, Font::C, kFromLeft, 2, 2, 1);
  drawText(screen_, std::string{24, ' ', 25}, 380, 318, Font::C, kFromLeft, 2, 5, 1);
  caption("", 0, 305,
          m == 0   ? "Forrige / Næste position"
          : m == 1 ? "Forrige / Næste OF."
                   : "Forrige / Næste RF.",
          410);
  caption("", 0, 320,
          m == 0   ? "Position over / under"
          : m == 1 ? "Forrige / Næste OF-serie"
                   : "Forrige / Næste setting",
          410);
  caption("F3", 375, 335, "Søgefunktion", 410);
  caption("F5", 375, 350, "Skemaer", 410);
  caption("F7", 375, 365, "Samleklicheer", 410);
  caption("F8", 375, 380, "Typer (OM&RM)", 410);
  eraseBox(screen_, 374, 385, 540, 398);
  if (m != 2) caption("F12", 375, 395, "Print aktuel ovalserie", 410);
}

void TwoColourFlawScreen::drawInformationPanel() {
  drawFlawInformationPanel(screen_, session_.data, selection(), false);
}

void TwoColourFlawScreen::draw() {
  const Selection& s = selection();
  seekOvalSeries();
  const bool valueOrPrintingChanged = s.value() != lastValue_ || s.printing() != lastPrinting_;
  drawTitle();
  drawValueHeading();
  drawOvalPart(valueOrPrintingChanged);
  drawPrintingAndPosition();
  drawFramePart();
  drawPrintingOrder();
  drawWandering();
  lastValue_ = s.value();
  lastPrinting_ = s.printing();
}

}  // namespace kolvard
