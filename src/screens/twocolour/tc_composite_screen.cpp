#include "screens/twocolour/tc_composite_screen.hpp"

#include <algorithm>
#include <string>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/composite_type_names.hpp"
#include "domain/frame_setting_description.hpp"
#include "domain/frame_settings.hpp"
#include "domain/printing_order.hpp"
#include "domain/two_colour_composites.hpp"
#include "domain/two_colour_reading.hpp"
#include "domain/two_colour_steps.hpp"
#include "domain/value_tables.hpp"
#include "domain/value_text.hpp"
#include "screens/common/composite_picture_view.hpp"
#include "screens/common/key_panel.hpp"
#include "screens/common/message_line.hpp"
#include "screens/common/picture_section.hpp"
#include "screens/common/screen_text.hpp"
#include "screens/common/two_colour_load.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

constexpr double kPanelX = 421;
constexpr double kCaptionX = 456;
constexpr int kFramePictureColour = 8;
constexpr int kEmptyRecordColour = 12;

constexpr KeyPanelItem kKindKeys[] = {
    {"V", kPanelX, 210, "Ny værdi", kCaptionX},
    {"O", kPanelX, 225, "Skift til ovaler", kCaptionX},
    {"R", kPanelX, 240, "Skift til rammer", kCaptionX},
};
constexpr KeyPanelItem kSeriesKey = {"S", kPanelX, 255, "Ny serie/setting", kCaptionX};
constexpr KeyPanelItem kPeriodKey = {"P", kPanelX, 270, "Skift periode", kCaptionX};
constexpr KeyPanelItem kStepTexts[] = {
    {"", kPanelX, 310, "Forrige / Næste samlekliché", kCaptionX},
    {"", kPanelX, 323, "Forrige / Næste serie/setting", kCaptionX},
};
constexpr KeyPanelItem kLeavingKeys[] = {
    {"F3", kPanelX, 340, "Søgefunktion", kCaptionX},
    {"F5", kPanelX, 355, "Skemaer", kCaptionX},
    {"F6", kPanelX, 370, "Klichéfejl", kCaptionX},
    {"F8", kPanelX, 385, "Typer (OM&RM)", kCaptionX},
    {"Esc", kPanelX, 400, "Retur", kCaptionX},
};

void drawColumnText(Screen& screen, const std::string& text, double y, int colour) {
  drawText(screen, text, kPanelX, y, Font::C, kFromLeft, 2, 4, colour);
}

}  // namespace

void TwoColourCompositeScreen::message(int number, const MessageArgs& args) {
  showMessage(session_, number, MessageCaller::Composites, args);
}

void TwoColourCompositeScreen::forgetDrawn() {
  drawnColumn_.clear();
  drawnKeyPanel_.clear();
  drawnPicture_.clear();
}

void TwoColourCompositeScreen::restart() {
  screen_.clear();
  forgetDrawn();
}

// The oval series of the printing, and the frame setting of the selected position; the
// flaw screen's F7 hands over the series of the sheet and the setting it showed.
void TwoColourCompositeScreen::takeStartingPlace() {
  SharedState& st = session_.state;
  Selection& s = st.selection;
  const auto index = readSeriesIndex(session_.data, st.sections.series);
  if (const auto record =
          seriesForPrinting(index, s.value(), std::max(1, leadingNumber(s.printing())), false)) {
    state_.ovalSeries = std::max(1, record->series);
  }
  st.twoColourLoad = loadSelectedPositions(st.twoColourPositions, session_.data,
                                           st.frameData(session_.data), st.selection);
  // The setting of the printing's frame block ("58", "27B"), else of the position's frame flaw.
  const TwoColourReading reading = readTwoColourPosition(st.twoColourPositions, s.positionIndex());
  if (const int block = leadingNumber(st.twoColourPositions.frameBlock().block); block >= 1) {
    state_.setting = block;
  } else if (reading.frameNumber.hasSetting && reading.frameNumber.storedCode >= 1) {
    state_.setting = reading.frameNumber.storedCode;
  }
  TwoColourHandOver& handOver = st.selection.twoColourHandOver();
  if (handOver.resetComposite) {
    const FlawNumberParts oval = splitFlawNumber(handOver.ovalComposite);
    if (handOver.ovalComposite.find('.') != std::string::npos && oval.group >= 1) {
      state_.ovalSeries = oval.group;
    }
    if (const int code = leadingNumber(handOver.frameSetting); code >= 1) state_.setting = code;
    state_.ovalComposite = 1;
    resetFrame_ = true;
    handOver.resetComposite = false;
  }
  if (flaws_.frameFlawNumber != state_.lastFrameFlaw) {
    resetFrame_ = true;
    state_.lastFrameFlaw = flaws_.frameFlawNumber;
  }
  if (iceland()) state_.setting = kIcelandicFrameSetting;
  if (state_.setting < 1) state_.setting = 1;
  const auto restriction = frameRestrictionOf(s.value() + s.printing());
  state_.restricted = restriction.has_value();
}

void TwoColourCompositeScreen::enter() {
  Selection& s = selection();
  savedValue_ = s.value();
  savedPrinting_ = s.printing();
  savedPeriod_ = s.period();
  savedPosition_ = s.position();
  screen_.setBackColour(colour::kWhite);
  takeStartingPlace();
  restart();
}

// The count byte of composite 1; a composite 1 that counts none still is one composite.
int TwoColourCompositeScreen::countOf(const std::string& firstSection) {
  const SectionRef ref =
      firstSection.empty() ? SectionRef{} : session_.data.findSection(firstSection);
  if (!ref.found()) return 0;
  const auto bytes = session_.data.sectionBytes(ref);
  return bytes.empty() ? 0 : std::max<int>(1, bytes[0]);
}

void TwoColourCompositeScreen::findComposite() {
  const Selection& s = selection();
  if (limitsValue_ != s.value()) {
    limits_ = readSeriesLimits(session_.data, "T", s.value());
    limitsValue_ = s.value();
  }
  state_.seriesCount = ovalCompositeSeriesCount(s.value(), limits_.seriesCount);
  state_.typeName.clear();
  if (ovals()) {
    state_.ovalSeries = std::clamp(state_.ovalSeries, 1, state_.seriesCount);
    const std::string first = ovalCompositeSectionName(s.value(), state_.ovalSeries, 1);
    state_.count = countOf(first);
    state_.firstAllowed = 1;
    state_.paneNote.clear();
    state_.period.clear();
    if (first != state_.lastOvalSeriesSection) state_.ovalComposite = 1;
    state_.lastOvalSeriesSection = first;
    if (state_.ovalComposite < 1 || state_.ovalComposite > state_.count) state_.ovalComposite = 1;
    state_.sectionName =
        ovalCompositeSectionName(s.value(), state_.ovalSeries, state_.ovalComposite);
    state_.typeName = compositeTypeName("T", s.value(), state_.ovalSeries, state_.ovalComposite);
    return;
  }
  state_.count = countOf(frameCompositeSectionName(state_.setting, 1));
  state_.firstAllowed = 1;
  state_.paneNote.clear();
  const auto restriction = frameRestrictionOf(s.value() + s.printing());
  if (state_.restricted && restriction) {
    state_.firstAllowed = restriction->firstAllowed;
    if (restriction->count > 0) state_.count = restriction->count;
    state_.paneNote = paneNote(restriction->pane);
  }
  int& k = state_.frameComposite;
  if (k < state_.firstAllowed || k > state_.count || resetFrame_) k = state_.firstAllowed;
  resetFrame_ = false;
  state_.period = shownSettingOf(state_.setting).period;
  state_.sectionName = frameCompositeSectionName(state_.setting, k);
}

void TwoColourCompositeScreen::drawRightColumn() {
  const Selection& s = selection();
  const int k = ovals() ? state_.ovalComposite : state_.frameComposite;
  std::string lines[3];
  int lineColours[3] = {1, 1, 1};
  if (ovals()) {
    lines[0] = ovalSeriesLine(state_.ovalSeries, state_.seriesCount);
  } else {
    lines[0] = frameSettingDescription(session_.data, "T", shownSettingOf(state_.setting).setting);
    lineColours[0] = 2;
    std::string label;
    const SectionRef order = session_.data.findSection("TTRYK");
    if (const auto record =
            readPrintingOrderRecord(session_.data, order, shownSettingOf(state_.setting).setting)) {
      label = record->label;
    }
    lines[1] = frameSettingTitle(label, state_.paneNote);
  }
  const std::string count =
      state_.count > 0 ? std::to_string(k) + " af " + std::to_string(state_.count) : std::string();
  const std::string period = state_.period.empty() ? std::string() : state_.period + ". periode";
  const std::string key = s.value() + "|" + lines[0] + "|" + lines[1] + "|" + count + "|" + period +
                          "|" + state_.typeName + "|" +
                          std::to_string(static_cast<int>(state_.kind));
  if (key == drawnColumn_) return;
  drawnColumn_ = key;
  const int pictureColour = ovals() ? twoColourValueColours(s.value()).value : kFramePictureColour;
  eraseBox(screen_, kPanelX, 48, 639, 199);  // the "V" key box begins below
  if (!state_.typeName.empty()) {
    drawText(screen_, "TYPE " + state_.typeName, kPanelX, 60, Font::D, kFromLeft, 2, 6,
             pictureColour);
  }
  drawColumnText(screen_, valueText(s.value()) + session_.state.caption, 110, 1);
  double y = ovals() ? 125 : 122;
  for (int i = 0; i < 2; ++i) {
    if (lines[i].empty()) continue;
    drawColumnText(screen_, lines[i], y, lineColours[i]);
    y += 13;
  }
  drawColumnText(screen_, cp("Samlekliché"), 150, 1);
  drawText(screen_, count, 494, 150, Font::C, kFromLeft, 2, 4, 1);
  if (!period.empty()) {
    drawText(screen_, period, 436, 170, Font::C, kFromLeft, 2, 3, 1);
  }
  if (ovals() && iceland()) {
    const int zoom = screen_.zoom();
    const auto px = [zoom](double units) { return static_cast<int>(units * zoom / 2); };
    drawPictureSection(session_, "TOVALIN", "T", px(436), px(160), pictureColour,
                       PixelBox{px(kPanelX), px(158), px(639), px(199)});
  }
}

void TwoColourCompositeScreen::drawKeyPanel() {
  const bool series = !iceland();
  const bool period = series && !ovals() && !state_.period.empty();
  const std::string shape = std::string(series ? "S" : "-") + (period ? "P" : "-");
  if (shape == drawnKeyPanel_) return;
  eraseBox(screen_, 420, 198, 639, 405);
  kolvard::drawKeyPanel(screen_, kKindKeys);
  if (series) drawKeyPanelItem(screen_, kSeriesKey);
  if (period) drawKeyPanelItem(screen_, kPeriodKey);
  drawText(screen_, std::string{27, ' ', 26}, kPanelX, 310, Font::C, kFromLeft, 2, 2, 1);
  drawText(screen_, std::string{24, ' ', 25}, 425, 323, Font::C, kFromLeft, 1, 5, 1);
  kolvard::drawKeyPanel(screen_, kStepTexts);
  kolvard::drawKeyPanel(screen_, kLeavingKeys);
  drawnKeyPanel_ = shape;
}

void TwoColourCompositeScreen::drawPicture() {
  const Selection& s = selection();
  const int colour = ovals() ? twoColourValueColours(s.value()).value : kFramePictureColour;
  const std::string key =
      state_.sectionName + "@" + std::to_string(screen_.zoom()) + "/" + std::to_string(colour);
  if (key == drawnPicture_) return;
  drawnPicture_ = key;
  state_.found = drawCompositePicture(session_, state_.sectionName, "T", colour);
  if (!state_.found) {
    drawText(screen_, "( Ingen OF. registreret )", 138, 40, Font::C, kFromLeft, 2, 4,
             kEmptyRecordColour);
  }
}

void TwoColourCompositeScreen::draw() {
  findComposite();
  drawPicture();
  drawRightColumn();
  drawKeyPanel();
}

}  // namespace kolvard
