// The two-coloured screens load the position table of the selected value and printing, and
// the selected position follows the sheet's layout ("A27" becomes "27" on a one-pane sheet).
// A printing of a pair is read from the pair's block ("2" of "4s" from "2-3").
#pragma once

#include "domain/two_colour_positions.hpp"
#include "screens/common/selection.hpp"

namespace kolvard {

TwoColourLoad loadSelectedPositions(TwoColourPositionTable& table, const DataFile& file,
                                    const FrameData& frameData, Selection& selection);

}  // namespace kolvard
