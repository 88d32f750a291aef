// Composite clichés as the screen shows them: the two sets of pictures (the composites of a
// series, and the cliché types of "A2s" and "A4s"), and where the composite picture of an
// edition lies on the screen. The section names are in composite_names.hpp.
#pragma once

#include <string_view>

namespace kolvard {

// The two sets of composite pictures, by the letter of their section names: the composites
// of a series, and the cliché types ("A2s" and "A4s" only), which have one series.
enum class CompositeSet : char { Composites = 'F', ClicheTypes = 'Q' };

// Whether the value has the second set of pictures, the cliché types.
bool hasClicheTypeSet(std::string_view valueKey);

// The composite picture of an edition at a zoom: how many rows are read, the pixel row the
// drawing starts below and how many pixels the picture is moved to the left.
struct CompositePictureLayout {
  int rows = 980;
  int top = 0;    // the first drawn row is the one below
  int shift = 0;  // pixels to the left (to the right when negative)
};
CompositePictureLayout compositePictureLayout(std::string_view edition, int zoom);

}  // namespace kolvard
