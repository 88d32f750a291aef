// The steps of the two-coloured flaw screen: through the positions of a sheet of one or two
// panes, through oval and frame flaw numbers (series or setting "." running number), through
// the printings of a value with their named successors and predecessors, and the search for
// a followed oval on the sheet of another printing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "domain/frame_settings.hpp"
#include "domain/two_colour_positions.hpp"

namespace kolvard {

enum class SheetDirection { Previous, Next, Above, Below };

// Where a position step goes: moved, stayed without a word (Next at the last position), or
// refused with a beep.
struct SheetStep {
  enum class Outcome { Moved, Stayed, Beep } outcome = Outcome::Beep;
  TwoColourPosition position;  // the new position when moved, else the old one
};
// Steps from a position text ("A27", "B5", or "27" on one pane).
SheetStep stepSheetPosition(const TwoColourPosition& from, SheetDirection direction);

// The first and the last position of the sheet the position text belongs to: "A1"/"B100"
// with a pane letter, "1"/"100" without.
TwoColourPosition firstSheetPosition(std::string_view positionText);
TwoColourPosition lastSheetPosition(std::string_view positionText);

// A flaw number taken apart at its ".": the series or setting before it (0 without a "."),
// the running number after it.
struct FlawNumberParts {
  int group = 0;
  int running = 0;
};
FlawNumberParts splitFlawNumber(std::string_view number);
// group + "." + running, or the running number alone when the group is 0.
std::string joinFlawNumber(int group, int running);

// The frame settings Up and Down step through: 1..highest, setting 18 skipped (it is 5 in its
// second period). Nothing past the ends.
std::optional<int> frameSettingAfter(int setting, int highest);
std::optional<int> frameSettingBefore(int setting);

// The number of frame flaws of a shown setting in a period: the count of the setting's number,
// of number + 30 for setting 31 in period "1" and 39, 41, 42, 43 in period "2" (the Icelandic
// variant: 100).
int frameFlawCount(const FrameSettingCounts& counts, int setting, std::string_view period,
                   bool iceland);

// PgDn / PgUp: the printing after or before `printing` of the value (the named successors and
// predecessors first, else the number one up or down within 1..printingCount); nothing past
// the ends (message 7).
std::optional<std::string> printingAfter(std::string_view value, std::string_view printing,
                                         int printingCount);
std::optional<std::string> printingBefore(std::string_view value, std::string_view printing);

// The position of the first sheet place 1..200 whose oval flaw number is `followed`, written
// for the layout ("A27", "B5", "27"); nothing when no place holds it or nothing is followed
// (an empty or blank text).
std::optional<TwoColourPosition> followedOvalPosition(const TwoColourPositionTable& table,
                                                      std::string_view followed);

}  // namespace kolvard
