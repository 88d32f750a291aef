// Cliché records drawn into a cell of the page raster: the record's text fields for the
// caller, the run-length picture enlarged by 19/14 (382 source rows become 518 raster rows,
// runs scaled and rounded), and the record's description items (edge marks, placed labels)
// at the raster's scale, in the manner of the flaw screen's panel.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kolvard {

class DataFile;
class PageRaster;
class Screen;

inline constexpr int kRasterClicheSourceRows = 382;
inline constexpr int kRasterClicheRows = 518;

// One source run position (offset already added) on the raster: round(19·v / 14).
int enlargeClicheColumn(int v);

struct RasterClicheCell {
  std::string key;  // the cliché record key ("P4s2-3L"), as clicheRecordKey builds it
  int column = 1;   // 1..10 on the page grid (cells 458 x 610)
  int row = 0;      // 0..9: the cell's row on the sheet grid (its top at 610·row + 133)
  int xOffset = 0;  // 0 for sheet schemas, 8 in the series print
  int yOffset = 210;
  // Put in front of the record's description before its items are drawn ("1ny kliché$"
  // for a position flagged as a new cliché).
  std::string descriptionPrefix;
  // The last raster row the description items may use; 0 for the cell's own bottom (the
  // series page keeps them above the label under the picture).
  int textBottom = 0;
};

struct RasterCliche {
  bool found = false;
  char orientation = ' ';
  std::string description;  // "d"
  std::string stampNumber;  // "m"
  std::string occurrences;  // "t"
  bool pictureDrawn = false;
  // Glyph pixels of the description items that fell outside the cell's text box.
  int droppedItemPixels = 0;
};

// Reads the record of the cell's key and, when found, draws its picture and description
// items into `raster`. Glyph text goes through `screen`'s page fonts; `screen`'s raster sink
// is set to `raster` while drawing and restored afterwards.
RasterCliche drawRasterCliche(Screen& screen, PageRaster& raster, const DataFile& file,
                              const RasterClicheCell& cell);
// The same for a cell that already holds another record's description lines: `takenLines`
// holds their baselines, this record's lines go behind them and are added.
RasterCliche drawRasterCliche(Screen& screen, PageRaster& raster, const DataFile& file,
                              const RasterClicheCell& cell, std::vector<int>& takenLines);

// Only the picture (no record fields, no description): origin X0 = 458·c - 453 + xOffset,
// first row 610·r + yOffset + 1. Returns false when the record has no picture to draw (not
// found, shorter than 480 bytes, no picture tag, fewer than 10 bytes after it).
bool drawRasterClichePicture(PageRaster& raster, const DataFile& file, std::string_view key,
                             int column, int row, int xOffset, int yOffset);

}  // namespace kolvard
