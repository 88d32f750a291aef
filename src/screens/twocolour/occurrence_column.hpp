// The occurrence items of an oval flaw as the left column of the two-coloured flaw screen
// draws them, one line per item.
#pragma once

#include "domain/flaw_occurrences.hpp"

namespace kolvard {

class Screen;

inline constexpr double kOccurrenceLineStep = 11;  // the column's lines lie this far apart

// The pieces of one item on the line at y (their left ends, space width 2).
void drawOccurrenceItem(Screen& screen, const OccurrenceItem& item, double y);

}  // namespace kolvard
