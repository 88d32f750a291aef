#include "print/printing_order_print.hpp"

#include <string>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "domain/printing_order.hpp"
#include "print/page_raster.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

constexpr GlyphStyle kPrintingOrderStyle{Font::Page120, kCentred, 7, 14, -2};

}  // namespace

int printPrintingOrder(Screen& screen, PageRaster& raster, const DataFile& file, int setting,
                       std::string_view period, int x, int y) {
  const auto record = readPrintingOrderRecord(file, file.findSection("TTRYK"), setting);
  if (!record) return -1;
  RasterSink* const previous = screen.rasterSink();
  screen.setRasterSink(&raster);
  screen.drawGlyphText(cp("Tryk-rækkefølge for setting ") + record->label + ":", x, y,
                       kPrintingOrderStyle);
  const auto lines = printingOrderPrintLines(*record, period);
  for (const std::string& line : lines) {
    y += kPrintingOrderLinePitch;
    screen.drawGlyphText(line, x, y, kPrintingOrderStyle);
  }
  screen.setRasterSink(previous);
  return static_cast<int>(lines.size());
}

}  // namespace kolvard
