// `kolvard export value V 5ø`: every schema of a value with 61 printings (122 pages), as the
// command runs it (the data file opened and checked once, each page drawn and written),
// without a PDF, with the PDF beside the BMP files, and the PDF alone. Run each benchmark in
// its own process for its peak resident size (the 40 MB data file, mapped, included): it
// must not grow with the number of pages, compare `P 4s` (12 pages).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "app/export_command.hpp"

namespace kolvard {
namespace {

namespace fs = std::filesystem;

double peakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void exportValue(benchmark::State& bench, const char* edition, const char* value, int pages,
                 const char* option) {
  const fs::path dir =
      fs::temp_directory_path() / ("kolvard-bench-value-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::vector<std::string> args = {"value", edition, value, dir.string()};
  if (*option != '\0') args.emplace_back(option);
  for (auto _ : bench) {
    std::ostringstream out, err;
    if (runExportCommand(args, KOLVARD_SAMPLE_DATA, out, err) != 0) {
      bench.SkipWithError(err.str().c_str());
      break;
    }
  }
  bench.SetItemsProcessed(bench.iterations() * pages);  // items: pages
  bench.counters["peak_MB"] = peakResidentMegabytes();
  fs::remove_all(dir);
}

void BM_ExportValueBmp(benchmark::State& bench) {
  exportValue(bench, "V", "5o", 122, "");
}
void BM_ExportValueBmpAndPdf(benchmark::State& bench) {
  exportValue(bench, "V", "5o", 122, "--pdf");
}
void BM_ExportValuePdfOnly(benchmark::State& bench) {
  exportValue(bench, "V", "5o", 122, "--pdf-only");
}
void BM_ExportSmallValuePdfOnly(benchmark::State& bench) {
  exportValue(bench, "P", "4s", 12, "--pdf-only");
}

BENCHMARK(BM_ExportValueBmp)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_ExportValueBmpAndPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_ExportValuePdfOnly)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_ExportSmallValuePdfOnly)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace kolvard
