// Printed schemas from the key to the closed file: a sheet schema of a 100-cell pane with a
// cliché picture in every cell, and a series print of several pages. The counters give the
// process's peak resident size (the 32 MB data file, held in memory, included).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "domain/sheet_knowledge.hpp"
#include "domain/sheet_schema.hpp"
#include "print/export_session.hpp"
#include "print/page_raster.hpp"
#include "print/series_print.hpp"
#include "print/sheet_schema_print.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

namespace fs = std::filesystem;

const DataFile& sampleData() {
  static const DataFile data = DataFile::open(KOLVARD_SAMPLE_DATA).value();
  return data;
}

fs::path scratchDirectory() {
  const fs::path dir = fs::temp_directory_path() / ("kolvard-bench-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  return dir;
}

double peakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_SheetSchemaExport(benchmark::State& bench) {
  const DataFile& data = sampleData();
  Screen screen(&data);
  screen.openWindow(3);
  screen.setUpFonts();
  const fs::path dir = scratchDirectory();
  const std::string value = cp("5ø");
  PagePrintBuffers buffers;  // kept between prints, as the program keeps them
  for (auto _ : bench) {
    // V 5ø printing 1, pane A: every cell holds a cliché with a record and a picture.
    const SheetOfPrinting sheet = readSheetOfPrinting(data, "V", value, "1");
    SheetSchemaPage page;
    page.edition = "V";
    page.value = value;
    page.printing = "1";
    page.caption = cp(" Våbentype");
    page.panes = 2;
    page.pane = 0;
    page.paneCaption = readSheetKnowledge(data, "V", value, "1").captions[0];
    page.table = &sheet.table;
    page.group = sheet.format.group;
    showExportMessages(&screen, ExportKind::SheetSchema, sheetSchemaTag(page), 1, dir);
    ExportProgress progress(&screen);
    const SchemaExportResult result =
        exportSheetSchema(screen, data, page, dir, progress, "07. 03. 2016", buffers);
    if (!result.ok) bench.SkipWithError(result.error.c_str());
  }
  bench.counters["peakRSS_MB"] = peakResidentMegabytes();
  fs::remove_all(dir);
}
BENCHMARK(BM_SheetSchemaExport)->Unit(benchmark::kMillisecond);

// Only the drawing of the page (grid, texts, marks, 100 pictures), without the file.
void BM_SheetSchemaPageDrawing(benchmark::State& bench) {
  const DataFile& data = sampleData();
  Screen screen(&data);
  screen.openWindow(3);
  screen.setUpFonts();
  const std::string value = cp("5ø");
  const SheetOfPrinting sheet = readSheetOfPrinting(data, "V", value, "1");
  SheetSchemaPage page;
  page.edition = "V";
  page.value = value;
  page.printing = "1";
  page.panes = 2;
  page.table = &sheet.table;
  PageRaster raster;
  for (auto _ : bench) {
    ExportProgress progress(nullptr);
    drawSheetSchemaPage(screen, raster, data, page, progress, "07. 03. 2016");
    benchmark::DoNotOptimize(raster.packedRow(3000).data());
  }
}
BENCHMARK(BM_SheetSchemaPageDrawing)->Unit(benchmark::kMillisecond);

// Every page of one series, written as BMP files into a scratch directory.
void printWholeSeries(benchmark::State& bench, const std::string& edition, const std::string& value,
                      const std::string& caption, int series) {
  const DataFile& data = sampleData();
  Screen screen(&data);
  screen.openWindow(3);
  screen.setUpFonts();
  const fs::path dir = scratchDirectory();
  SeriesPrintRequest request;
  request.edition = edition;
  request.value = value;
  request.caption = caption;
  request.series = series;
  request.limits = readSeriesLimits(data, edition, request.value);
  request.currentValuePrinting = request.value + "1";
  std::size_t pages = 0;
  for (auto _ : bench) {
    ExportProgress progress(&screen);
    const SeriesPrintResult result =
        printSeries(screen, &screen, data, request, dir, progress, "07. 03. 2016");
    if (!result.ok) bench.SkipWithError(result.error.c_str());
    pages = result.files.size();
  }
  bench.counters["pages"] = static_cast<double>(pages);
  bench.counters["peakRSS_MB"] = peakResidentMegabytes();
  fs::remove_all(dir);
}

void BM_SeriesPrint(benchmark::State& bench) {
  printWholeSeries(bench, "V", cp("1ø"), cp(" Våbentype"), 1);
}
BENCHMARK(BM_SeriesPrint)->Unit(benchmark::kMillisecond);

// The oval series 2 of the two-coloured 4 skilling: its oval flaw records.
void BM_OvalSeriesPrint(benchmark::State& bench) {
  printWholeSeries(bench, "T", "4s", " Tofarvet", 2);
}
BENCHMARK(BM_OvalSeriesPrint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvard
