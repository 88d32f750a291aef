#include "screens/common/two_colour_load.hpp"

#include "domain/two_colour_printings.hpp"

namespace kolvard {

TwoColourLoad loadSelectedPositions(TwoColourPositionTable& table, const DataFile& file,
                                    const FrameData& frameData, Selection& selection) {
  TwoColourPosition position{selection.position(), selection.positionIndex()};
  const TwoColourLoad result =
      loadPositionTable(table, file, frameData, selection.edition(), selection.value(),
                        printingBlockName(selection.value(), selection.printing()), position);
  if (position.text != selection.position()) selection.setPosition(position.text);
  return result;
}

}  // namespace kolvard
