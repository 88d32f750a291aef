// The PDF of printed pages: a sheet schema page of the sample (a cliché picture in every
// cell), drawn once, written as a PDF of 1, 10 or 60 such pages into a scratch directory.
// The time is the encoding and writing alone; the counters give the file size per page and
// the process's peak resident size (the data file, held in memory, included), which must not
// grow with the number of pages: run one size at a time to compare them.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "domain/sheet_schema.hpp"
#include "print/export_session.hpp"
#include "print/page_raster.hpp"
#include "print/pdf_pages.hpp"
#include "print/sheet_schema_print.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

namespace fs = std::filesystem;

// Every page is the same drawn page.
class CopiedPages : public PdfPageSource {
 public:
  explicit CopiedPages(const PageRaster& page) : page_(page) {}
  bool pdfPage(int, std::vector<std::uint8_t>& compressed, std::string&) override {
    compressPdfPage(page_, compressed);
    return true;
  }

 private:
  const PageRaster& page_;
};

// A drawn sheet schema page of the sample: 5ø, printing 1, pane A.
PageRaster drawnSchemaPage(const DataFile& data) {
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
  page.group = sheet.format.group;
  PageRaster drawn;
  ExportProgress progress(nullptr);
  drawSheetSchemaPage(screen, drawn, data, page, progress, "07. 03. 2016");
  return drawn;
}

// The compression of one page alone, as each drawing thread does it.
void BM_CompressPdfPage(benchmark::State& bench) {
  const DataFile data = DataFile::open(KOLVARD_SAMPLE_DATA).value();
  const PageRaster drawn = drawnSchemaPage(data);
  std::vector<std::uint8_t> compressed;
  for (auto _ : bench) {
    compressPdfPage(drawn, compressed);
    benchmark::DoNotOptimize(compressed.data());
  }
  bench.counters["bytes"] = static_cast<double>(compressed.size());
}
BENCHMARK(BM_CompressPdfPage)->Unit(benchmark::kMillisecond);

void BM_PdfPages(benchmark::State& bench) {
  const DataFile data = DataFile::open(KOLVARD_SAMPLE_DATA).value();
  const PageRaster drawn = drawnSchemaPage(data);

  const fs::path dir =
      fs::temp_directory_path() / ("kolvard-pdf-bench-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const int pages = static_cast<int>(bench.range(0));
  CopiedPages source(drawn);
  for (auto _ : bench) {
    const FileWriteResult result = writePdfReplacing(dir, "BENCH.PDF", pages, source);
    if (!result.ok) bench.SkipWithError(result.error.c_str());
  }
  std::error_code ec;
  const auto size = fs::file_size(dir / "BENCH.PDF", ec);
  bench.counters["bytesPerPage"] = ec ? 0.0 : static_cast<double>(size) / pages;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  bench.counters["peakRSS_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
  fs::remove_all(dir, ec);
}
BENCHMARK(BM_PdfPages)->Arg(1)->Arg(10)->Arg(60)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvard
