// Cost of the two-coloured register search over every printing of a value with 130 printings
// ("4ø"), with one, two and three criteria sets: each printing names one of 60 frame blocks
// (two or three printings a block, as the frame settings run), so the frames are walked on
// block by block. Over a generated file, and over the sample's "4ø" when the data has it.
#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <string>

#include "data/data_file.hpp"
#include "data/inverted_record.hpp"
#include "domain/frame_data.hpp"
#include "domain/two_colour_search.hpp"
#include "support/data_builder.hpp"

namespace kolvard {
namespace {

std::string record(std::string text) {
  text.resize(kPositionRecordSize, ' ');
  return encodeInvertedRecord(text);
}

// Position (characters 1..5), mark (8), type (9..12), flaw (13..18).
std::string field(const std::string& position, char kind, const std::string& type,
                  const std::string& flaw) {
  std::string r = position;
  r.resize(6, ' ');
  r += kind;
  r += ' ';
  std::string t = type;
  t.resize(4, ' ');
  return record(r + t + flaw);
}

std::string pane(int p) {
  return (p <= 100 ? "A" : "B") + std::to_string((p - 1) % 100 + 1);
}

const DataFile& syntheticFile() {
  static const DataFile file = [] {
    // 130 printings on two panes: the first lists every oval, the later ones a few changes.
    std::string ovals = record("F2");
    for (int printing = 1; printing <= 130; ++printing) {
      ovals += record("T" + std::to_string(printing));
      ovals += record("R" + std::to_string(1 + (printing - 1) / 2 % 60));
      for (int p = 1; p <= 200; ++p) {
        if (printing > 1 && (p + printing) % 23 != 0) continue;
        const std::string type = std::to_string(1 + (p * 7 + printing) % 9);
        ovals += field(pane(p), ' ', type, std::to_string(p % 9) + "." + std::to_string(p));
      }
    }
    ovals += record("^F");
    // 60 frame blocks: the first sets every frame, each later one turns rows or moves a few.
    std::string frames;
    for (int block = 1; block <= 60; ++block) {
      frames += record("E" + std::to_string(block));
      if (block == 1) {
        for (int p = 1; p <= 200; ++p) {
          frames += field(pane(p), p % 7 == 0 ? 'T' : ' ', std::to_string(1 + p % 12), "5.1");
        }
      } else {
        frames += record("X" + std::to_string(2 + block % 9));
        for (int p = block; p <= 200; p += 37) frames += field(pane(p), 'U', "3h", "5.2");
      }
    }
    frames += record("^F");
    return test::DataBuilder()
        .add(
            "T4\x9b"
            "DAT",
            ovals)
        .add("TRAMDAT", frames)
        .file();
  }();
  return file;
}

const DataFile* sampleFile() {
  static const std::optional<DataFile> file = DataFile::open(KOLVARD_SAMPLE_DATA);
  return file ? &*file : nullptr;
}

void searchAll(benchmark::State& bench, const DataFile* file, bool typed) {
  const std::string value = "4\x9b";
  if (file == nullptr || !file->findSection("T" + value + "DAT").found()) {
    bench.SkipWithError("no two-coloured printing section for 4\xc3\xb8 in the data");
    return;
  }
  const FrameData frames(*file, file->findSection("TRAMDAT"));
  SearchCriteria criteria;
  criteria.setsInUse = static_cast<int>(bench.range(0));
  // Untyped: every position, pair or strip. Typed: a frame kind and type on the first stamp and
  // any oval type on the others, as a user searches.
  if (typed) {
    criteria.criteria[0].frameKind = "R";
    criteria.criteria[0].frameType = "1";
    criteria.criteria[1].type = "*";
    criteria.criteria[2].type = "*";
  }
  auto list = std::make_unique<SearchList>();
  int printings = 0;
  for (auto _ : bench) {
    printings =
        runTwoColourSearch({"T", value, "1", "999"}, criteria, *list, *file, frames, nullptr)
            .printingsSearched;
    benchmark::DoNotOptimize(list->foundCount);
  }
  bench.counters["printings"] = printings;
  bench.counters["lines"] = list->foundCount;
}

void BM_TwoColourSearchSyntheticEveryLine(benchmark::State& bench) {
  searchAll(bench, &syntheticFile(), false);
}
void BM_TwoColourSearchSyntheticTyped(benchmark::State& bench) {
  searchAll(bench, &syntheticFile(), true);
}
void BM_TwoColourSearchSampleTyped(benchmark::State& bench) {
  searchAll(bench, sampleFile(), true);
}

BENCHMARK(BM_TwoColourSearchSyntheticEveryLine)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwoColourSearchSyntheticTyped)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwoColourSearchSampleTyped)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvard
