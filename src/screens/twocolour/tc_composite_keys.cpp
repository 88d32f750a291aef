// The keys of the two-coloured composite screen: the steps through composites, series and
// settings, the value and series entries, ovals and frames, the periods, and leaving.
#include <algorithm>
#include <string>

#include "data/text_fields.hpp"
#include "domain/frame_settings.hpp"
#include "domain/two_colour_composites.hpp"
#include "domain/two_colour_printings.hpp"
#include "domain/value_tables.hpp"
#include "screens/common/line_editor.hpp"
#include "screens/common/screen_keys.hpp"
#include "screens/common/screen_text.hpp"
#include "screens/twocolour/tc_composite_screen.hpp"

namespace kolvard {
namespace {

constexpr double kEditorOffset = 431;

bool isOneOf(const KeyString& key, std::initializer_list<int> scans) {
  return std::any_of(scans.begin(), scans.end(), [&](int s) { return isExtended(key, s); });
}

}  // namespace

void TwoColourCompositeScreen::stepComposites(const KeyString& key) {
  const CompositeKey which = isExtended(key, scan::kHome)    ? CompositeKey::First
                             : isExtended(key, scan::kEnd)   ? CompositeKey::Last
                             : isExtended(key, scan::kLeft)  ? CompositeKey::Previous
                             : isExtended(key, scan::kRight) ? CompositeKey::Next
                             : isExtended(key, scan::kPgUp)  ? CompositeKey::GroupBack
                                                             : CompositeKey::GroupOn;
  const CompositeStep step =
      stepCompositeWithin(which, composite(), state_.firstAllowed, state_.count);
  if (step.refused) {
    MessageArgs args;
    args.lower = state_.firstAllowed;
    args.upper = state_.count;
    message(5, args);
    return;
  }
  composite() = step.composite;
}

void TwoColourCompositeScreen::stepSeriesOrSetting(bool next) {
  Selection& s = selection();
  if (ovals()) {
    const auto series =
        stepOvalCompositeSeries(s.value(), state_.ovalSeries, state_.seriesCount, next);
    if (!series) {
      MessageArgs args;
      args.valueKey = s.valueKey();
      args.seriesCount = state_.seriesCount;
      message(kMessageSeriesRange, args);
      return;
    }
    state_.ovalSeries = *series;
    state_.ovalComposite = 1;
  } else {
    // The Icelandic values have the one frame setting.
    const auto setting =
        iceland() ? std::nullopt
                  : stepFrameCompositeSetting(state_.setting, highestTypedSetting(false), next);
    if (!setting) {
      MessageArgs args;
      args.highestSetting = highestTypedSetting(iceland());
      message(2, args);
      return;
    }
    state_.setting = *setting;
    state_.frameComposite = 1;
  }
  s.setPeriod("");
  state_.restricted = false;
}

void TwoColourCompositeScreen::seriesEntry() {
  if (iceland()) return;
  Selection& s = selection();
  const int current = ovals() ? state_.ovalSeries : settingEntryNumber(state_.setting);
  const LineEditorRequest request{'S',         255,       kEditorOffset, std::to_string(current),
                                  s.edition(), s.value(), s.printing()};
  const LineEditorResult typed = runLineEditor(screen_, session_.display, request);
  drawnKeyPanel_.clear();
  if (typed.cancelled) return;
  state_.restricted = false;
  if (ovals()) {
    const auto series = checkOvalSeriesEntry(s.value(), typed.text, state_.seriesCount);
    if (!series) {
      MessageArgs args;
      args.valueKey = s.valueKey();
      args.seriesCount = state_.seriesCount;
      message(kMessageSeriesRange, args);
      return;
    }
    state_.ovalSeries = *series;
    state_.ovalComposite = 1;
    return;
  }
  const auto setting = checkSettingEntry(typed.text, highestTypedSetting(false));
  if (!setting) {
    MessageArgs args;
    args.highestSetting = highestTypedSetting(false);
    message(2, args);
    return;
  }
  state_.setting = *setting;
  state_.frameComposite = 1;
}

KeyResult TwoColourCompositeScreen::valueEntry() {
  Selection& s = selection();
  const LineEditorRequest request{'V',         210,       kEditorOffset, s.value(),
                                  s.edition(), s.value(), s.printing()};
  const LineEditorResult typed = runLineEditor(screen_, session_.display, request);
  drawnKeyPanel_.clear();
  if (typed.cancelled) return kStay;
  std::string value = normaliseValueKey(asciiLower(typed.text));
  if (iceland()) {
    const auto& values = valuesOf("I");
    if (!isIcelandOvalValue(value) &&
        std::find(values.begin(), values.end(), value) != values.end()) {
      // The other Icelandic values have the one-coloured composite screen.
      s.setEdition("I", true);
      s.setValue(value);
      return ScreenCode::Composites;
    }
    if (!isIcelandOvalValue(value)) return kStay;
  } else if (twoColourHighestPrinting(value) == "0") {
    message(kMessageValueUnknown);
    return kStay;
  }
  s.setValue(value);
  s.setPrinting("1");
  s.setPosition("1");
  s.setPeriod("");
  takeStartingPlace();
  state_.kind = CompositeKind::Ovals;
  state_.ovalSeries = 1;
  state_.ovalComposite = 1;
  restart();
  return kStay;
}

void TwoColourCompositeScreen::switchKind(CompositeKind kind) {
  if (state_.kind == kind) return;
  state_.kind = kind;
  if (flaws_.mode != FlawViewMode::Position) {
    flaws_.mode = kind == CompositeKind::Ovals ? FlawViewMode::Oval : FlawViewMode::Frame;
  }
  restart();
}

KeyResult TwoColourCompositeScreen::leave(ScreenCode code) {
  Selection& s = selection();
  if (s.value() == savedValue_) {
    s.setPrinting(savedPrinting_);
    s.setPeriod(savedPeriod_);
    s.setPosition(savedPosition_);
  }
  return code;
}

KeyResult TwoColourCompositeScreen::act(const KeyString& rawKey) {
  const KeyString key = upperKey(rawKey);
  if (isOneOf(key,
              {scan::kHome, scan::kEnd, scan::kLeft, scan::kRight, scan::kPgUp, scan::kPgDn})) {
    stepComposites(key);
  } else if (isOneOf(key, {scan::kUp, scan::kDown})) {
    stepSeriesOrSetting(isExtended(key, scan::kDown));
  } else if (key == "S") {
    seriesEntry();
  } else if (key == "V") {
    return valueEntry();
  } else if (key == "O") {
    switchKind(CompositeKind::Ovals);
  } else if (key == "R") {
    switchKind(CompositeKind::Frames);
  } else if (key == "P") {
    if (iceland() || ovals()) return kStay;
    if (const auto other = otherPeriodCode(state_.setting)) {
      state_.setting = *other;
      state_.frameComposite = 1;
      state_.restricted = false;
    }
  } else if (showInformationFor(session_, key)) {
    forgetDrawn();
  } else if (const KeyResult next = leavingKey(key)) {
    return leave(*next);
  }
  return kStay;
}

KeyResult TwoColourCompositeScreen::handleKey(const KeyString& key) {
  eraseBox(screen_, 421, 406, 638, 420);
  return act(key);
}

}  // namespace kolvard
