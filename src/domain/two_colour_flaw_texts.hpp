// The texts the two-coloured flaw screen builds from its state: the oval series heading and
// the printing range of a series, the frame heading with the setting's period, the frame kind
// and frame type as shown, the description of a new oval, and the path of a wandering frame
// cliché.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "domain/cliche_numbers.hpp"

namespace kolvard {

// "Kun én ovalserie:" for series 0, else "Ovalserie 2:" (cp865).
std::string ovalSeriesHeading(int series);

// The printing range lines under the heading: the fixed texts of "4s" and of "8ø" series 3
// and 4, else value + first printing and "-" + value + last printing when they differ, with
// the pair names of "2s", "20ø" and "4ø" completed. Value texts are cp865.
std::vector<std::string> ovalSeriesRangeLines(std::string_view value, int series,
                                              const std::optional<SeriesIndexEntry>& record);

// The frame heading: "RF. " + the shown flaw number; for a setting used in two periods the
// period (forced to "1" when empty) follows after four blanks ("RF. 28.4    2. periode").
// `period` is updated: forced to "1", or cleared for a setting used in one period only.
std::string frameHeading(std::string_view shownFrameFlawNumber, std::string& period);

// "Omvendt ramme", "Tyk ret ramme", "Tyk omvendt ramme" or "Ret ramme" (cp865).
std::string frameKindCaption(char frameKind);

// The frame type as shown: "3" + grave accent + "1" reads "3h".
std::string shownFrameType(std::string_view type);

// The description of a position that got a new oval: "5ny oval$" appended (after a "$" when
// the description does not end in one).
std::string withNewOvalLine(std::string_view description);

// One line of the wandering-cliché list, in the order drawn under "Vandrekliché:".
struct WanderingLine {
  enum class Kind { Earlier, Current, Remark, Later } kind = Kind::Earlier;
  std::string text;
};
// The lines of a "v" field: the numbers after each "$R", the current frame flaw number, the
// remark after "$Q" or "$N" at the start, the numbers after each "$S". Empty field: none.
std::vector<WanderingLine> wanderingClicheLines(std::string_view field,
                                                std::string_view currentFrameFlawNumber);

}  // namespace kolvard
