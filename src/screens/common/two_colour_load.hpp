// The two-coloured screens load the position table of the selected value and printing, and
// the selected position follows the sheet's layout ("A27" becomes "27" on a one-pane sheet).
#pragma once

#include "domain/two_colour_positions.hpp"
#include "screens/common/selection.hpp"

namespace kolvard {

TwoColourLoad loadSelectedPositions(TwoColourPositionTable& table, const DataFile& file,
                                    const FrameData& frameData, Selection& selection);

}  // namespace kolvard
