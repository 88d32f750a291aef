// The printing order of a frame setting on a printed page: the heading
// "Tryk-rækkefølge for setting " + label + ":" and below it the printings made with the
// setting, joined into lines of about 100 characters, all centred on one x.
#pragma once

#include <string_view>

namespace kolvard {

class DataFile;
class PageRaster;
class Screen;

inline constexpr int kPrintingOrderPrintX = 2366;
inline constexpr int kPrintingOrderPrintY = 6380;
inline constexpr int kPrintingOrderLinePitch = 48;  // raster rows from one line to the next

// Writes the printing order of the shown setting in a period ("", "1", "2") into the raster,
// the heading at (x, y) and each line 48 rows below the one before. Returns the number of
// lines written after the heading; a setting without a record writes nothing and gives -1.
// The screen provides the page fonts; its raster sink is left as it was.
int printPrintingOrder(Screen& screen, PageRaster& raster, const DataFile& file, int setting,
                       std::string_view period, int x = kPrintingOrderPrintX,
                       int y = kPrintingOrderPrintY);

}  // namespace kolvard
