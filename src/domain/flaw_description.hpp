// The description of a two-coloured flaw record: "$"-separated items, description lines 1..9
// and labels placed on the picture ("h", "v", "o", "n"), as the cliché descriptions; and the
// places of the lines in a panel, with the turning of the lines of an inverted frame, whose
// picture is drawn half a turn: the line moves to the opposite band of the panel, "øvre" and
// "nedre", "venstre" and "højre" change places and the indentation works the other way.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "domain/cliche_record.hpp"

namespace kolvard {

inline constexpr double kFlawLabelBaseY = 61;  // labels and lines are placed from here

struct FlawDescription {
  std::vector<ClichePlacedLabel> labels;  // in item order; items whose first number is 0 dropped
  std::array<std::string, 10> lines;      // [1..9]: the whole item, digit included; [0] unused
};
// Every "$"-separated item counts, the first one too; items of another kind are ignored.
FlawDescription parseFlawDescription(std::string_view description);

// The slot line `line` (1..9) of an inverted frame is drawn in, given which lines are filled.
int invertedLineSlot(int line, const std::array<std::string, 10>& lines);
// A line of an inverted frame with the first "øvre" read as "nedre" (else the first "nedre" as
// "øvre") and the first "venstre" as "højre" (else the first "højre" as "venstre").
std::string turnedLineText(std::string_view line);

// The lines to draw, centred: their text without digit and indentation characters, and their
// places in the panel at x `panelX`, measured from `baseY`; an inverted frame's lines turned.
std::vector<ClicheLinePlace> flawDescriptionLinePlaces(const std::array<std::string, 10>& lines,
                                                       double panelX, bool inverted,
                                                       double baseY = kFlawLabelBaseY);

}  // namespace kolvard
