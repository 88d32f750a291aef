// The palette colours a stamp of an edition and value is drawn in.
#pragma once

#include <string_view>

namespace kolvard {

struct StampColours {
  int value;  // the value picture
  int first;  // edition "T": the first (frame) picture; 0 for the other editions

  bool operator==(const StampColours&) const = default;
};

// The colours of `value` (cp865) in `edition`. A few values of "M" and "I" changed colour
// between printings and depend on the printing selector. Unknown combinations give 8
// (8 and 8 for "T").
StampColours stampColoursFor(std::string_view edition, std::string_view value,
                             int printingSelector);

// The printing selector (field 3 of the settings) as a number: its leading digits, so "10a"
// gives 10; 0 when it does not start with a digit.
int printingSelectorNumber(std::string_view text);

}  // namespace kolvard
