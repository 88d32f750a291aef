// The composite clichés of the two-coloured edition: one run of composites for every oval
// series of a value and one for every frame setting. Their section names, the frame settings
// a printing used only in part, and the steps between series, settings, periods and
// composites. Texts are cp865.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "domain/composite_steps.hpp"

namespace kolvard {

// "TF4s2-1": composite k of oval series `series`; "100ø" and "100a" are written "TF100O-" and
// "TF100A-" + the code of k. Empty when k has no code.
std::string ovalCompositeSectionName(std::string_view value, int series, int k);
// "TF28-1": composite k of the frame setting stored under `storedCode`. Empty when k has no
// code.
std::string frameCompositeSectionName(int storedCode, int k);

// A frame setting that a printing used only in part: its composites start later, or there are
// fewer of them, and the title names the pane that was used.
struct FrameRestriction {
  int firstAllowed = 1;
  int count = 0;  // 0: the count of the composite section
  char pane = 'A';
};
// The restriction of value + printing ("2s3b"); nothing for a printing that used the whole
// setting.
std::optional<FrameRestriction> frameRestrictionOf(std::string_view valuePrinting);
// " (kun B-ark)".
std::string paneNote(char pane);

// The number of oval series whose composites are shown: the series count of the value's
// series limits, at least 1; "48s" has one.
int ovalCompositeSeriesCount(std::string_view value, int limitsSeriesCount);
// Up (previous) and Down (next) between the oval series 1..count; series 4 of "4ø" has no
// composites and is stepped over. Nothing beyond the range (message 1).
std::optional<int> stepOvalCompositeSeries(std::string_view value, int series, int count,
                                           bool next);
// A typed oval series: 1..count, not series 4 of "4ø".
std::optional<int> checkOvalSeriesEntry(std::string_view value, std::string_view entry, int count);

// Up and Down between the frame settings, from a stored code: the setting shown before or
// after it, 18 stepped over, within 1..highest; the result is stored under its own number.
std::optional<int> stepFrameCompositeSetting(int storedCode, int highest, bool next);
// A typed setting: 1..highest, not 18; it is stored under its own number.
std::optional<int> checkSettingEntry(std::string_view entry, int highest);
// The setting as the entry offers it: stored codes of 54 and more as code - 30, 18 as 5.
int settingEntryNumber(int storedCode);
// The code of the other period of a setting used in two: 5 and 18, 28 and 58, 29 and 59,
// 31 and 61, 39 and 69, 41 and 71, 42 and 72, 43 and 73. Nothing for any other code.
std::optional<int> otherPeriodCode(int storedCode);

// The title of a frame composite: "Rammesetting " + label + pane note; a label of 51 or more
// (or none) is left out.
std::string frameSettingTitle(std::string_view label, std::string_view note);
// "Ovalserie 2 af 3".
std::string ovalSeriesLine(int series, int count);

// The steps of Home, End, Left, Right, PgUp and PgDn within first..count: Left at the first
// and Right at the count are refused (message 5), PgUp and PgDn move six and stop at the ends.
CompositeStep stepCompositeWithin(CompositeKey key, int composite, int first, int count);

}  // namespace kolvard
