// The description lines of a cliché laid out in the text box of a printed cell: a line too
// wide for the box breaks at a blank onto the next line place, a later line whose place is
// taken moves down behind it, lines that would leave the box at the bottom move up, and every
// piece is moved in from the box's sides. Pure geometry: the text widths come from outside.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kolvard {

// Raster pixels, all edges inclusive.
struct CellTextBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The vertical room a line of text takes about its baseline, and the distance of line places.
struct CellLineMetrics {
  int ascent = 0;   // rows above the baseline
  int descent = 0;  // rows below it
  int step = 35;
};

// A description line where the screen would put it: centred on x, on baseline y.
struct CellLineWish {
  std::string text;
  int centreX = 0;
  int baseline = 0;
};

struct CellLinePiece {
  std::string text;
  int left = 0;  // the piece is drawn from here
  int baseline = 0;
};

using CellTextWidth = std::function<int(std::string_view)>;

// Splits `text` into pieces no wider than `width` pixels: at the last blank that lets the
// piece fit, or between letters when a single word is wider than the box.
std::vector<std::string> breakCellLine(std::string_view text, int width,
                                       const CellTextWidth& measure);

// Lays the lines out in order. `taken` holds the baselines already used in the cell (by an
// earlier record drawn into the same cell); the pieces placed here are added to it.
std::vector<CellLinePiece> layOutCellLines(const std::vector<CellLineWish>& lines,
                                           const CellTextBox& box, const CellLineMetrics& metrics,
                                           const CellTextWidth& measure, std::vector<int>& taken);

}  // namespace kolvard
