#include "domain/two_colour_reading.hpp"

#include <string_view>

namespace kolvard {

bool TwoColourReading::newOval() const {
  return std::string_view("nFNUVWX").find(ovalKind) != std::string_view::npos;
}

TwoColourReading readTwoColourPosition(const TwoColourPositionTable& table, int index) {
  const bool onSheet = index >= 1 && index <= kTwoColourPositions;
  const TwoColourField& oval = table.oval(onSheet ? index : 0);
  const TwoColourField& frame = table.frame(onSheet ? index : 0);
  TwoColourReading r;
  r.ovalKind = oval.kind();
  r.ovalMark = isUncertainMark(oval.mark()) ? '?' : oval.mark();
  r.ovalType = oval.type();
  r.ovalFlawNumber = oval.flawNumber();
  r.frameKind = frame.kind() == kDownArrowKind ? 'O' : frame.kind();
  r.frameMark = frame.mark();
  if (isUncertainMark(frame.mark())) r.frameMark = r.ovalMark = '?';
  r.frameType = frame.type();
  r.frameNumber = splitFrameFlawNumber(frame.flawNumber());
  r.frameFlawNumber = r.frameNumber.shownText;
  return r;
}

}  // namespace kolvard
