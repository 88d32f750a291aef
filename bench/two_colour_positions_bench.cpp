// Loading the position table of a two-coloured printing: the last printing of a value with 130
// printings, whose frame block is the last of 60 frame blocks, each block a transform and a
// few changed frames. Once with the table kept (the value section decoded before: stepping
// through printings), once with a new table (the decoding included).
#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

#include "data/data_file.hpp"
#include "data/inverted_record.hpp"
#include "domain/two_colour_positions.hpp"
#include "kolvard-data/pack.hpp"

namespace kolvard {
namespace {

constexpr int kPrintings = 130;
constexpr int kFrameBlocks = 60;

// A field record: designation (5), blank, kind, mark, type (4), flaw number (6).
std::string fieldRecord(const std::string& where, const std::string& number) {
  std::string r = where;
  r.resize(6, ' ');
  r += "  1   ";
  r += number;
  return r;
}

std::vector<std::uint8_t> section(const std::vector<std::string>& records) {
  std::vector<std::uint8_t> out;
  for (std::string r : records) {
    r.resize(kPositionRecordSize, ' ');
    const std::string stored = encodeInvertedRecord(r);
    out.insert(out.end(), stored.begin(), stored.end());
  }
  return out;
}

std::vector<std::string> everyPosition(const std::string& prefix) {
  std::vector<std::string> out;
  for (int i = 1; i <= 100; ++i) {
    out.push_back(fieldRecord("A" + std::to_string(i), prefix + std::to_string(i)));
    out.push_back(fieldRecord("B" + std::to_string(i), prefix + std::to_string(100 + i)));
  }
  return out;
}

const DataFile& twoColourData() {
  static const DataFile file = [] {
    std::vector<std::string> value = {"T1", "F2", "X0"};
    for (const std::string& r : everyPosition("1.")) value.push_back(r);
    for (int p = 1; p <= kPrintings; ++p) {
      if (p > 1) value.push_back("T" + std::to_string(p));
      value.push_back("R" + std::to_string(1 + (p - 1) * kFrameBlocks / kPrintings));
      value.push_back("I");
      for (int k = 0; k < 4; ++k) {
        value.push_back(fieldRecord("A" + std::to_string(1 + (p * 7 + k * 13) % 100),
                                    std::to_string(p % 20) + "." + std::to_string(k)));
      }
    }
    value.push_back("^F");

    std::vector<std::string> frames = {"E1", "X0"};
    for (const std::string& r : everyPosition("5.")) frames.push_back(r);
    for (int b = 2; b <= kFrameBlocks; ++b) {
      frames.push_back("E" + std::to_string(b));
      frames.push_back("X" + std::to_string(2 + b % 9));
      for (int k = 0; k < 3; ++k) {
        frames.push_back(fieldRecord("B" + std::to_string(1 + (b * 11 + k) % 100),
                                     std::to_string(b) + "." + std::to_string(k)));
      }
    }
    frames.push_back("^F");
    return DataFile(datatool::buildContainer({{normaliseSectionName("T4sDAT"), section(value)},
                                              {normaliseSectionName("TRAMDAT"), section(frames)}}));
  }();
  return file;
}

void BM_TwoColourLoadLastPrinting(benchmark::State& bench) {
  const DataFile& data = twoColourData();
  const FrameData frames(data, data.findSection("TRAMDAT"));
  TwoColourPositionTable table;
  table.load(data, frames, "T", "4s", "1");
  const std::string last = std::to_string(kPrintings);
  for (auto _ : bench) {
    TwoColourPosition position{"B27", 127};
    const TwoColourLoad load = loadPositionTable(table, data, frames, "T", "4s", last, position);
    if (!load.printingFound || !load.frameBlockFound) bench.SkipWithError("printing not found");
    benchmark::DoNotOptimize(table.frame(127));
  }
}
BENCHMARK(BM_TwoColourLoadLastPrinting)->Unit(benchmark::kMicrosecond);

void BM_TwoColourLoadLastPrintingNewTable(benchmark::State& bench) {
  const DataFile& data = twoColourData();
  const FrameData frames(data, data.findSection("TRAMDAT"));
  const std::string last = std::to_string(kPrintings);
  for (auto _ : bench) {
    TwoColourPositionTable table;
    TwoColourPosition position{"B27", 127};
    const TwoColourLoad load = loadPositionTable(table, data, frames, "T", "4s", last, position);
    if (!load.printingFound || !load.frameBlockFound) bench.SkipWithError("printing not found");
    benchmark::DoNotOptimize(table.frame(127));
  }
}
BENCHMARK(BM_TwoColourLoadLastPrintingNewTable)->Unit(benchmark::kMicrosecond);

// The sample's "4ø": its last printing, 130, names the last frame block of the data, so every
// frame block is applied.
void BM_TwoColourLoadSampleLastPrinting(benchmark::State& bench) {
  static const std::optional<DataFile> data = DataFile::open(KOLVARD_SAMPLE_DATA);
  if (!data) {
    bench.SkipWithError("no sample data");
    return;
  }
  const FrameData frames(*data, data->findSection("TRAMDAT"));
  TwoColourPositionTable table;
  const std::string value = "4\x9b";
  table.load(*data, frames, "T", value, "1");
  for (auto _ : bench) {
    TwoColourPosition position{"B27", 127};
    const TwoColourLoad load = loadPositionTable(table, *data, frames, "T", value, "130", position);
    if (!load.printingFound || !load.frameBlockFound) bench.SkipWithError("printing not found");
    benchmark::DoNotOptimize(table.frame(127));
  }
}
BENCHMARK(BM_TwoColourLoadSampleLastPrinting)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kolvard
