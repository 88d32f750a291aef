#include "screens/composites/composite_screen.hpp"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/composite_names.hpp"
#include "domain/composite_steps.hpp"
#include "domain/composite_type_names.hpp"
#include "domain/value_tables.hpp"
#include "domain/value_text.hpp"
#include "domain/version.hpp"
#include "screens/common/composite_picture_view.hpp"
#include "screens/common/key_panel.hpp"
#include "screens/common/line_editor.hpp"
#include "screens/common/message_line.hpp"
#include "screens/common/screen_keys.hpp"
#include "screens/common/screen_text.hpp"
#include "screens/common/value_entry.hpp"
#include "ui/info_viewer.hpp"

namespace kolvard {
namespace {

constexpr double kPanelX = 421;    // the texts and key caps on the right
constexpr double kCaptionX = 456;  // the key captions
constexpr double kEditorOffset = 431;

constexpr KeyPanelItem kValueKey = {"V", kPanelX, 210, "Ny værdi", kCaptionX};
constexpr KeyPanelItem kTypeKeys[] = {
    {"M", kPanelX, 225, "Skift til klichétyper", kCaptionX},
    {"C", kPanelX, 240, "Skift til klichéfejl", kCaptionX},
};
constexpr KeyPanelItem kSeriesKey = {"S", kPanelX, 255, "Ny serie", kCaptionX};
constexpr KeyPanelItem kCompositeSteps = {"", kPanelX, 310, "Forrige / Næste samlekliché",
                                          kCaptionX};
constexpr KeyPanelItem kSeriesSteps = {"", kPanelX, 323, "Forrige / Næste serie/setting",
                                       kCaptionX};
constexpr KeyPanelItem kLeavingKeys[] = {
    {"F3", kPanelX, 340, "Søgefunktion", kCaptionX}, {"F5", kPanelX, 355, "Skemaer", kCaptionX},
    {"F6", kPanelX, 370, "Klichéfejl", kCaptionX},   {"F8", kPanelX, 385, "Typer (M.)", kCaptionX},
    {"Esc", kPanelX, 400, "Retur", kCaptionX},
};

bool isOneOf(const KeyString& key, std::initializer_list<int> scans) {
  return std::any_of(scans.begin(), scans.end(), [&](int s) { return isExtended(key, s); });
}

}  // namespace

void CompositeScreen::message(int number, const MessageArgs& args) {
  showMessage(session_, number, MessageCaller::Composites, args);
}

void CompositeScreen::readLimits() {
  const Selection& s = selection();
  if (limitsValueKey_ == s.valueKey()) return;
  limits_ = readSeriesLimits(session_.data, s.edition(), s.value());
  limitsValueKey_ = s.valueKey();
  state_.seriesCount = compositeSeriesCount(s.valueKey(), limits_.seriesCount);
}

// The count byte of composite 1 of the set and series; 0 when that section is missing.
// Looked up again only when the set, series or value changed.
int CompositeScreen::countOf(int series) {
  const Selection& s = selection();
  const std::string name =
      compositeSectionName(s.edition(), s.value(), static_cast<char>(state_.set), series, 1);
  if (name == countSection_) return count_;
  countSection_ = name;
  const SectionRef ref = session_.data.findSection(name);
  const auto bytes =
      ref.found() ? session_.data.sectionBytes(ref) : std::span<const std::uint8_t>{};
  count_ = bytes.empty() ? 0 : bytes[0];
  return count_;
}

void CompositeScreen::forgetDrawn() {
  drawnValue_.clear();
  drawnKeyPanel_.clear();
  drawnPicture_.clear();
  drawnSeries_ = drawnSeriesCount_ = -1;
}

void CompositeScreen::enter() {
  Selection& s = selection();
  savedValueKey_ = s.valueKey();
  savedPrintings_ = s.printings();
  savedPeriod_ = s.period();
  savedPosition_ = s.position();
  state_.set = CompositeSet::Composites;
  screen_.setBackColour(colour::kWhite);
  screen_.clear();
  limitsValueKey_.clear();
  readLimits();
  const auto index = readSeriesIndex(session_.data, session_.state.sections.series);
  const auto record = seriesForPrinting(index, s.value(), leadingNumber(s.printing()), false);
  state_.series = record ? std::max(1, record->series) : 1;
  forgetDrawn();
  drawInformationLines();
}

void CompositeScreen::drawTextPanel() {
  const Selection& s = selection();
  eraseBox(screen_, 421, 61, 560, 74);
  if (typeSet()) {
    drawText(screen_, cp("KLICHÉTYPER"), 421, 70, Font::C, kFromLeft, 4, 4, 12);
  }
  if (drawnValue_ != s.valueKey()) {
    eraseBox(screen_, 421, 100, 570, 114);
    drawText(screen_, valueText(s.value()) + session_.state.caption, 421, 110, Font::C, kFromLeft,
             2, 4, 1);
    drawnValue_ = s.valueKey();
  }
  if (drawnSeries_ != state_.series || drawnSeriesCount_ != state_.seriesCount || typeSet()) {
    eraseBox(screen_, 421, 120, 600, 134);
    if (state_.seriesCount > 1 && !typeSet()) {
      drawText(screen_, compositeSeriesLine(s.valueKey(), state_.series, state_.seriesCount), 421,
               130, Font::C, kFromLeft, 1, 3, 1);
    }
    // In the types set the line stays empty; leaving it draws the series again.
    drawnSeries_ = typeSet() ? -1 : state_.series;
    drawnSeriesCount_ = state_.seriesCount;
  }
  drawText(screen_, cp("Samlekliché"), 421, 150, Font::C, kFromLeft, 1, 3, 1);
  eraseBox(screen_, 494, 138, 600, 154);
  drawText(screen_, compositeCountLine(state_.composite, state_.count), 494, 150, Font::C,
           kFromLeft, 1, 3, 1);
}

// Under the key panel: the version banner and the credit line of the edition's help text.
void CompositeScreen::drawInformationLines() {
  eraseBox(screen_, 440, 418, 639, 450);
  eraseBox(screen_, 440, 455, 639, 479);
  const SectionRef help = session_.data.findSection(selection().edition() + "INFOF0");
  drawText(screen_, versionBanner(), 534, 466, Font::B, kCentred, 1, 2, 10);
  drawText(screen_, infoTextLine(session_.data, help, 31), 534, 476, Font::B, kCentred, 1, 2, 10);
}

void CompositeScreen::drawKeyPanel() {
  const bool types = hasClicheTypeSet(valueKey());
  const bool series = state_.seriesCount > 1;
  // Drawn in every cycle: the cycle's first erase runs through the captions of "M", "C" and
  // "S". Another set of keys erases the panel first.
  const std::string shape = std::string(types ? "M" : "-") + (series ? "S" : "-");
  if (shape != drawnKeyPanel_) eraseBox(screen_, 420, 198, 639, 405);
  drawKeyPanelItem(screen_, kValueKey);
  if (types) kolvard::drawKeyPanel(screen_, kTypeKeys);
  if (series) drawKeyPanelItem(screen_, kSeriesKey);
  drawText(screen_, std::string{27, ' ', 26}, kPanelX, 310, Font::C, kFromLeft, 2, 2, 1);
  drawKeyPanelItem(screen_, kCompositeSteps);
  if (series) {
    drawText(screen_, std::string{24, ' ', 25}, 425, 323, Font::C, kFromLeft, 1, 5, 1);
    drawKeyPanelItem(screen_, kSeriesSteps);
  }
  kolvard::drawKeyPanel(screen_, kLeavingKeys);
  drawnKeyPanel_ = shape;
}

void CompositeScreen::drawTypeName() {
  eraseBox(screen_, 421, 48, 490, 61);
  if (state_.typeName.empty()) return;
  const Selection& s = selection();
  drawText(screen_, "TYPE " + state_.typeName, 421, 60, Font::D, kFromLeft, 2, 6,
           valueColourOf(s.edition(), s.value(), leadingNumber(s.printing())));
}

bool CompositeScreen::drawPicture() {
  const Selection& s = selection();
  const std::string name =
      compositeSectionName(s.edition(), s.value(), static_cast<char>(state_.set),
                           typeSet() ? 1 : state_.series, state_.composite);
  const int colour = valueColourOf(s.edition(), s.value(), leadingNumber(s.printing()));
  const std::string key =
      name + "@" + std::to_string(screen_.zoom()) + "/" + std::to_string(colour);
  if (key == drawnPicture_) return false;
  drawnPicture_ = key;
  state_.found = drawCompositePicture(session_, name, s.edition(), colour);
  return true;
}

void CompositeScreen::draw() {
  const Selection& s = selection();
  eraseBox(screen_, 540, 198, 640, 263);
  eraseBox(screen_, 436, 160, 496, 174);
  readLimits();
  const int series = typeSet() ? 1 : state_.series;
  state_.count = countOf(series);
  if (state_.composite < 1 || state_.composite > state_.count) state_.composite = 1;
  if (state_.set != state_.lastSet || state_.series != state_.lastSeries) state_.composite = 1;
  state_.lastSet = state_.set;
  state_.lastSeries = state_.series;
  state_.typeName = compositeTypeName(s.edition(), s.value(), series, state_.composite);
  drawTextPanel();
  drawKeyPanel();
  drawTypeName();
  const bool pictureDrawn = drawPicture();
  // Over the (empty) picture area, so drawn again whenever the picture is.
  if (s.valueKey() == cp("M10ø") && pictureDrawn) {
    drawText(screen_, "( Ingen klichefejl registreret )", 121, 40, Font::C, kFromLeft, 2, 4, 12);
  }
}

void CompositeScreen::stepComposites(const KeyString& key) {
  const CompositeKey which = isExtended(key, scan::kHome)    ? CompositeKey::First
                             : isExtended(key, scan::kEnd)   ? CompositeKey::Last
                             : isExtended(key, scan::kLeft)  ? CompositeKey::Previous
                             : isExtended(key, scan::kRight) ? CompositeKey::Next
                             : isExtended(key, scan::kPgUp)  ? CompositeKey::GroupBack
                                                             : CompositeKey::GroupOn;
  const CompositeStep step = stepComposite(which, state_.composite, state_.count);
  if (step.refused) {
    MessageArgs args;
    args.lower = 1;
    args.upper = state_.count;
    message(5, args);
  }
  state_.composite = step.composite;
}

void CompositeScreen::stepSeries(bool next) {
  if (state_.seriesCount <= 1 || typeSet()) return;
  const CompositeSeriesStep step =
      stepCompositeSeries(valueKey(), state_.series, state_.seriesCount, next);
  if (!step.changed) {
    message(kMessageSeriesRange, step.args);
    return;
  }
  state_.series = step.series;
  state_.composite = 1;
}

void CompositeScreen::seriesEntry() {
  if (state_.seriesCount <= 1 || typeSet()) return;
  Selection& s = selection();
  const LineEditorRequest request{
      'S', 255, kEditorOffset, std::to_string(state_.series), s.edition(), s.value(), s.printing()};
  const LineEditorResult result = runLineEditor(screen_, session_.display, request);
  drawnKeyPanel_.clear();
  if (result.cancelled) return;
  const CompositeSeriesEntry entry =
      checkCompositeSeriesEntry(valueKey(), result.text, state_.seriesCount);
  if (entry.accepted) {
    state_.series = entry.series;
  } else {
    message(kMessageSeriesRange, entry.args);
  }
  state_.composite = 1;
}

KeyResult CompositeScreen::valueEntry() {
  Selection& s = selection();
  s.setPrinting("1");
  s.setPosition("1");
  state_.set = CompositeSet::Composites;
  const ValueTaken taken = enterValue(session_, 210, kEditorOffset, MessageCaller::Composites);
  drawnKeyPanel_.clear();
  switch (taken) {
    case ValueTaken::No:
      return kStay;
    case ValueTaken::TwoColoured:
      // The screen table opens the two-coloured composite screen for edition "T".
      return ScreenCode::Composites;
    case ValueTaken::Yes:
      break;
  }
  readLimits();
  state_.series = 1;
  state_.composite = 1;
  forgetDrawn();
  screen_.clear();
  drawInformationLines();
  return kStay;
}

KeyResult CompositeScreen::leave(ScreenCode code) {
  Selection& s = selection();
  if (s.valueKey() == savedValueKey_) {
    s.setRange(savedPrintings_.from, savedPrintings_.to);
    s.setPeriod(savedPeriod_);
    s.setPosition(savedPosition_);
  }
  return code;
}

KeyResult CompositeScreen::act(const KeyString& rawKey) {
  const KeyString key = upperKey(rawKey);
  if (isOneOf(key,
              {scan::kHome, scan::kEnd, scan::kLeft, scan::kRight, scan::kPgUp, scan::kPgDn})) {
    stepComposites(key);
  } else if (isOneOf(key, {scan::kUp, scan::kDown})) {
    stepSeries(isExtended(key, scan::kDown));
  } else if (key == "S") {
    seriesEntry();
  } else if (key == "V") {
    return valueEntry();
  } else if (key == "M") {
    if (hasClicheTypeSet(valueKey()) && !typeSet()) {
      state_.savedSeries = state_.series;
      state_.savedComposite = state_.composite;
      state_.set = state_.lastSet = CompositeSet::ClicheTypes;
      state_.series = state_.lastSeries = 1;
      state_.composite = std::max(1, state_.savedTypeComposite);
    }
  } else if (key == "C") {
    if (typeSet()) {
      state_.savedTypeComposite = state_.composite;
      state_.set = state_.lastSet = CompositeSet::Composites;
      state_.series = state_.lastSeries = state_.savedSeries;
      state_.composite = state_.savedComposite;
    }
  } else if (showInformationFor(session_, key)) {
    // The viewer puts the screen back as it was.
  } else if (const KeyResult next = leavingKey(key)) {
    return leave(*next);
  }
  return kStay;
}

KeyResult CompositeScreen::handleKey(const KeyString& key) {
  eraseBox(screen_, 421, 406, 638, 420);
  return act(key);
}

}  // namespace kolvard
