// Printing a schema page: the sheet grid and the BMP conversion of a full page, one cliché
// drawn into a cell of the page, and the whole file written to disk.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "data/data_file.hpp"
#include "domain/cliche_record.hpp"
#include "print/page_raster.hpp"
#include "print/raster_cliche.hpp"
#include "print/schema_bitmap.hpp"
#include "print/sheet_grid.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

void BM_SheetGridAndEncode(benchmark::State& bench) {
  PageRaster raster;
  for (auto _ : bench) {
    raster.clear();
    drawSheetGrid(raster);
    const auto bytes = encodeSchemaBitmap(
        raster, [] {}, 76);
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_SheetGridAndEncode)->Unit(benchmark::kMillisecond);

void BM_RasterClicheCell(benchmark::State& bench) {
  static const DataFile data = DataFile::open(KOLVARD_SAMPLE_DATA).value();
  Screen screen(&data);
  screen.openWindow(3);
  screen.setUpFonts();
  PageRaster raster;
  RasterClicheCell cell;
  cell.key = clicheRecordKey("V5\x9b", "1.1");
  cell.column = 4;
  cell.row = 3;
  for (auto _ : bench) {
    const RasterCliche r = drawRasterCliche(screen, raster, data, cell);
    benchmark::DoNotOptimize(r.found);
  }
}
BENCHMARK(BM_RasterClicheCell)->Unit(benchmark::kMicrosecond);

void BM_WriteFile(benchmark::State& bench) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "kolvard-print-bench";
  std::filesystem::create_directories(dir);
  PageRaster raster;
  drawSheetGrid(raster);
  for (auto _ : bench) {
    const FileWriteResult result =
        writeFileReplacing(dir, "%V5oC1-1.BMP", encodeSchemaBitmap(raster));
    if (!result.ok) bench.SkipWithError(result.error.c_str());
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_WriteFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvard
