// Composite clichés in the data file: the one-character code of a composite number, the
// section names of the composites ("F" set) and of the cliché types ("Q" set), and where the
// composite picture of an edition lies on the screen.
#pragma once

#include <string>
#include <string_view>

namespace kolvard {

// The two sets of composite pictures: the composites of a series, and the cliché types
// ("A2s" and "A4s" only), which have one series.
enum class CompositeSet : char { Composites = 'F', ClicheTypes = 'Q' };

// The code of composite n, one character so that a section name fits 8 characters:
// 0..9 "0".."9", 10..35 "A".."Z", 36 "0", 37..39 "^", "_", "`", 40..46 "#"..")", 47 "!",
// 48 "-". Outside 0..48: '\0' (no section has such a name).
char compositeCode(int n);

// Edition + set letter + value code + series + "-" + code ("AF4s2-C"); the "Q" set always
// names series 1. Empty for a composite number without a code.
std::string compositeSectionName(std::string_view edition, CompositeSet set, std::string_view value,
                                 int series, int composite);

// Whether the value has the second set of pictures, the cliché types.
bool hasClicheTypeSet(std::string_view valueKey);

// The composite picture of an edition at a zoom: how many rows are read, the pixel row the
// drawing starts below and how many pixels the picture is moved to the left.
struct CompositePictureLayout {
  int rows = 980;
  int top = 0;    // the first drawn row is the one below
  int shift = 0;  // pixels to the left
};
CompositePictureLayout compositePictureLayout(std::string_view edition, int zoom);

}  // namespace kolvard
