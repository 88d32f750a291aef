// The combined frame and oval schema page of the two-coloured edition from the key to the
// closed file, and its parts: reading the page's texts from the position table, drawing the
// page (grids, texts, 200 flaw-record pictures) and encoding it.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench_session.hpp"
#include "data/data_file.hpp"
#include "domain/frame_data.hpp"
#include "domain/two_colour_printings.hpp"
#include "domain/two_colour_schema.hpp"
#include "print/export_session.hpp"
#include "print/page_raster.hpp"
#include "print/schema_bitmap.hpp"
#include "print/two_colour_schema_print.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

namespace fs = std::filesystem;

// Pane A of a two-pane printing. The sample gives only some of its positions a flaw record;
// the benchmark gives every cell one, taking the records the pane has in turn.
constexpr const char* kValue = "4s";
constexpr const char* kPrinting = "1";

const DataFile& data() {
  return benchSampleData();
}

double peakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

struct Fixture {
  Screen screen{&data()};
  FrameData frames{data(), data().findSection("TRAMDAT")};
  TwoColourPositionTable table;
  Fixture() {
    screen.openWindow(3);
    screen.setUpFonts();
  }
  TwoColourSchemaPage page() {
    table.load(data(), frames, "T", kValue, printingBlockName(kValue, kPrinting),
               needsExtraLoadStep(kValue, kPrinting) ? 1 : 0);
    TwoColourSchemaPage page =
        makeTwoColourSchemaPage(data(), table, kValue, kPrinting, " Tofarvet", SchemaPane::A);
    fillEveryCell(page.oval);
    fillEveryCell(page.frame);
    return page;
  }
  static void fillEveryCell(SchemaGrid& grid) {
    std::vector<std::string> keys;
    for (const SchemaCell& cell : grid) {
      if (!cell.recordKey.empty() && data().findSection(cell.recordKey).found()) {
        keys.push_back(cell.recordKey);
      }
    }
    if (keys.empty()) return;
    for (std::size_t i = 0; i < grid.size(); ++i) grid[i].recordKey = keys[i % keys.size()];
  }
};

void BM_TwoColourCombinedSchemaExport(benchmark::State& bench) {
  Fixture f;
  const fs::path dir =
      fs::temp_directory_path() / ("kolvard-bench-tc-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  PagePrintBuffers buffers;  // kept between prints, as the program keeps them
  for (auto _ : bench) {
    const TwoColourSchemaPage page = f.page();
    showExportMessages(&f.screen, ExportKind::SheetSchema,
                       twoColourSchemaTag(page, SchemaPrintKind::Both), 1, dir);
    ExportProgress progress(&f.screen);
    const TwoColourSchemaExport result = exportTwoColourSchema(
        f.screen, data(), page, SchemaPrintKind::Both, dir, progress, "07. 03. 2016", buffers);
    if (!result.ok) bench.SkipWithError(result.error.c_str());
  }
  bench.counters["peakRSS_MB"] = peakResidentMegabytes();
  fs::remove_all(dir);
}
BENCHMARK(BM_TwoColourCombinedSchemaExport)->Unit(benchmark::kMillisecond);

// The position table and the page's texts: grids, frame header, full-sheet lines.
void BM_TwoColourSchemaPageTexts(benchmark::State& bench) {
  Fixture f;
  for (auto _ : bench) {
    const TwoColourSchemaPage page = f.page();
    benchmark::DoNotOptimize(page.oval[0].line1.data());
  }
}
BENCHMARK(BM_TwoColourSchemaPageTexts)->Unit(benchmark::kMillisecond);

// Only the drawing: grid, headings, footer, 200 cell texts and 200 pictures.
void BM_TwoColourCombinedSchemaDrawing(benchmark::State& bench) {
  Fixture f;
  const TwoColourSchemaPage page = f.page();
  PageRaster raster;
  for (auto _ : bench) {
    ExportProgress progress(nullptr);
    drawTwoColourSchemaPage(f.screen, raster, data(), page, SchemaPrintKind::Both, progress,
                            "07. 03. 2016");
    benchmark::DoNotOptimize(raster.packedRow(3000).data());
  }
}
BENCHMARK(BM_TwoColourCombinedSchemaDrawing)->Unit(benchmark::kMillisecond);

// The page's BMP bytes from the raster.
void BM_SchemaPageEncoding(benchmark::State& bench) {
  Fixture f;
  const TwoColourSchemaPage page = f.page();
  PageRaster raster;
  ExportProgress progress(nullptr);
  drawTwoColourSchemaPage(f.screen, raster, data(), page, SchemaPrintKind::Both, progress,
                          "07. 03. 2016");
  for (auto _ : bench) {
    const auto bytes = encodeSchemaBitmap(raster);
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_SchemaPageEncoding)->Unit(benchmark::kMillisecond);

// Writing the page's bytes through the scratch file and renaming it.
void BM_SchemaPageFileWrite(benchmark::State& bench) {
  const std::vector<std::uint8_t> bytes(kSchemaBitmapSize, 0xff);
  const fs::path dir =
      fs::temp_directory_path() / ("kolvard-bench-write-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  for (auto _ : bench) {
    if (!writeFileReplacing(dir, "#Kol4s1A.BMP", bytes).ok) bench.SkipWithError("not written");
  }
  fs::remove_all(dir);
}
BENCHMARK(BM_SchemaPageFileWrite)->Unit(benchmark::kMillisecond);

// The export without a window: no message band, no progress figure.
void BM_TwoColourCombinedSchemaExportHeadless(benchmark::State& bench) {
  Fixture f;
  const fs::path dir =
      fs::temp_directory_path() / ("kolvard-bench-tc-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  PagePrintBuffers buffers;  // kept between prints, as the program keeps them
  for (auto _ : bench) {
    const TwoColourSchemaPage page = f.page();
    ExportProgress progress(nullptr);
    const TwoColourSchemaExport result = exportTwoColourSchema(
        f.screen, data(), page, SchemaPrintKind::Both, dir, progress, "07. 03. 2016", buffers);
    if (!result.ok) bench.SkipWithError(result.error.c_str());
  }
  fs::remove_all(dir);
}
BENCHMARK(BM_TwoColourCombinedSchemaExportHeadless)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvard
