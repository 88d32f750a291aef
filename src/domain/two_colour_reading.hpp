// A position of the two-coloured position table as the screens read it: the oval's and the
// frame's kind, mark, type and flaw number, the marks folded to "?" when uncertain, the frame
// kind as its letter and the frame flaw number shown with its setting's period.
#pragma once

#include <string>

#include "domain/frame_settings.hpp"
#include "domain/two_colour_positions.hpp"

namespace kolvard {

struct TwoColourReading {
  char ovalKind = ' ';
  char ovalMark = ' ';  // "?" when the oval or the frame is uncertain
  std::string ovalType;
  std::string ovalFlawNumber;
  char frameKind = ' ';  // the down-arrow kind reads as "O"
  char frameMark = ' ';  // "?" when uncertain
  std::string frameType;
  std::string frameFlawNumber;  // shown: "28.4" for the stored "58.4"
  FrameFlawNumber frameNumber;  // the stored number taken apart (its period when it has a setting)

  // An oval kind "n", "F", "N", "U", "V", "W" or "X": the position got a new oval in this
  // printing.
  bool newOval() const;
};

// The fields of position index 1..200 (any other index reads the scrap slot).
TwoColourReading readTwoColourPosition(const TwoColourPositionTable& table, int index);

}  // namespace kolvard
