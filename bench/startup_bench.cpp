// Start-up: from the program's start to the front page's first frame, with the data file read
// and checked and a settings file written.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "app/data_file_check.hpp"
#include "app/main_cycle.hpp"
#include "bench_session.hpp"
#include "data/data_file.hpp"
#include "platform/headless/headless_platform.hpp"

namespace kolvard {
namespace {

void BM_StartToFirstFrame(benchmark::State& bench) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / "kolvard-startup-bench";
  std::filesystem::create_directories(dir);
  ProgramPaths paths;
  paths.dataFile = KOLVARD_SAMPLE_DATA;
  paths.settings = {dir / "KOL703.CFG", dir / "KOL703.XXX"};
  paths.outputDirectory = dir;
  for (auto _ : bench) {
    // No keys: the run ends at the front page's wait for the first key, as if closed.
    HeadlessPlatform platform({});
    ProgramRun run;
    std::ostringstream console;
    benchmark::DoNotOptimize(runProgram(platform, run, paths, console, false));
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_StartToFirstFrame)->Unit(benchmark::kMillisecond);

// Opening the data file and finding one section: mapped (what the program does) and read whole
// (what a file that cannot be mapped gets).
void BM_DataFileOpen(benchmark::State& bench) {
  const bool mapped = bench.range(0) != 0;
  for (auto _ : bench) {
    auto file = mapped ? DataFile::open(KOLVARD_SAMPLE_DATA) : DataFile::read(KOLVARD_SAMPLE_DATA);
    benchmark::DoNotOptimize(file->findSection("AINFOF1").start);
  }
  bench.SetLabel(mapped ? "mapped" : "read");
}
BENCHMARK(BM_DataFileOpen)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The part of start-up that holds the directory against the file and looks up the sections
// the main cycle needs.
void BM_DataFileProblems(benchmark::State& bench) {
  const DataFile& data = benchSampleData();
  for (auto _ : bench) benchmark::DoNotOptimize(dataFileProblems(data).size());
}
BENCHMARK(BM_DataFileProblems)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kolvard
