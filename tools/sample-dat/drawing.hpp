// Drawing the invented pictures of the sample set on one-bit bitmaps: filled boxes, frames,
// rings, lines, 5 x 7 block letters, and the design of a value (frame, oval or circle,
// crown, shield or numeral, inscription, corner numerals) that the cliché and type pictures
// start from.
#pragma once

#include <string>
#include <vector>

#include "kolvard-data/bitmap.hpp"

namespace sampledat {

using kolvard::datatool::Bitmap;

inline constexpr int kWidth = 352;  // cliché picture columns: the panel is 356 columns inside
inline constexpr int kRows = 383;   // cliché picture rows

void fill(Bitmap& b, int x0, int y0, int x1, int y1, bool on = true);
void outline(Bitmap& b, int x0, int y0, int x1, int y1, int t);
void ring(Bitmap& b, int cx, int cy, int rx, int ry, int t);
void disc(Bitmap& b, int cx, int cy, int r, bool on = true);
void clearEllipse(Bitmap& b, int cx, int cy, int rx, int ry);
void line(Bitmap& b, int x0, int y0, int x1, int y1, int t);

// Draws block letters centred on x, each 5 x 7 cells of `scale` pixels, 6 cells apart ('%'
// is "Ø"; a character without a drawing leaves a gap); returns the left edge of each.
std::vector<int> text(Bitmap& b, int cx, int y, const std::string& s, int scale);
void crown(Bitmap& b, int cx, int cy);

inline constexpr int kLeft = 6, kRight = 345, kTop = 4, kBottom = 378;  // the outer frame line
inline constexpr int kInset = 14;                                       // the inner frame line

struct Design {
  Bitmap picture{kWidth, kRows};
  std::string inscription;  // the top inscription, as drawn ('%' for Ø)
  std::string shown;        // the same as the descriptions write it
  std::vector<int> letterLeft;
  int textTop = 0;
  int ovalRx = 0, ovalRy = 0;  // the oval or circle round the centre
  int cx = 176, cy = 190;
  std::string ovalWord;  // "ovalen", "cirklen"
  std::string numeral;
};

// The design of a value of `edition` with `numeral` (its leading digits).
Design makeDesign(char edition, const std::string& numeral);

}  // namespace sampledat
