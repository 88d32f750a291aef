// The pictures and descriptions of the two-coloured flaw records: the oval (the centre with
// the value) and the frame (shared by every value, with the hole for the oval), each with
// its flaws drawn and described as the cliché records are.
#pragma once

#include <string>

#include "sample-dat/drawing.hpp"

namespace sampledat::tc {

struct FlawPicture {
  Bitmap picture{kWidth, kRows};
  std::string description;  // the "$"-separated items
};

// An oval flaw of the value ("4s", "8ø", "25a") keyed by `seed`; `budget` characters for the
// description.
FlawPicture ovalFlaw(const std::string& value, const std::string& seed, std::size_t budget);
// A frame flaw of a setting; an inverted frame gets flaws at its top and bottom so that its
// description fills lines 1-3 and 7-9. The Icelandic setting has its own inscription.
FlawPicture frameFlaw(bool iceland, bool inverted, const std::string& seed, std::size_t budget);

}  // namespace sampledat::tc
