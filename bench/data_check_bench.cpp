// Cost of kolvard-data check over the whole sample data set (about 32 MB, 4,300 sections),
// the file already read into memory: the directory, every section and the cross references.
#include <benchmark/benchmark.h>

#include "data/data_file.hpp"
#include "kolvard-data/data_check.hpp"

namespace kolvard {
namespace {

void BM_CheckSampleData(benchmark::State& state) {
  const auto file = DataFile::open(KOLVARD_SAMPLE_DATA);
  if (!file) {
    state.SkipWithError("the sample data is missing");
    return;
  }
  for (auto _ : state) {
    const datatool::DataCheckReport report = datatool::checkDataFile(*file);
    benchmark::DoNotOptimize(report.problems.data());
    if (!report.problems.empty()) state.SkipWithError("the sample data has problems");
  }
  state.SetBytesProcessed(state.iterations() * file->size());
}
BENCHMARK(BM_CheckSampleData)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvard
