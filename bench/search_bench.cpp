// Cost of the register search over every printing of a value with 60 and more printings, with
// one, two and three criteria sets: over a generated section, and over the largest printing
// section of the sample data ("5ø" of the arms type, 61 printings) when the data has it.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "data/inverted_record.hpp"
#include "domain/printing_record_reader.hpp"
#include "domain/search.hpp"

namespace kolvard {
namespace {

void put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  for (std::size_t i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A data file holding one section, with the two-level directory in front of it.
DataFile oneSectionFile(const std::string& name, const std::string& content) {
  const std::string key = normaliseSectionName(name);
  const std::size_t groupDir = 12;  // one entry and the blank end entry
  const std::size_t nameDir = 30;   // one entry, its closing entry and the blank end entry
  std::vector<std::uint8_t> out(groupDir + nameDir, ' ');
  out[0] = static_cast<std::uint8_t>(key[0]);
  out[1] = static_cast<std::uint8_t>(key[1]);
  put32(out, 2, static_cast<std::uint32_t>(groupDir));
  for (std::size_t i = 0; i < 6; ++i) out[groupDir + i] = static_cast<std::uint8_t>(key[2 + i]);
  put32(out, groupDir + 6, static_cast<std::uint32_t>(groupDir + nameDir));
  put32(out, groupDir + 16, static_cast<std::uint32_t>(groupDir + nameDir + content.size()));
  out.insert(out.end(), content.begin(), content.end());
  return DataFile(std::move(out));
}

std::string record(std::string text) {
  text.resize(kPositionRecordSize, ' ');
  return encodeInvertedRecord(text);
}

std::string positionRecord(const std::string& designation, char mark, char flag,
                           const std::string& type, const std::string& cliche) {
  std::string r = designation;
  r.resize(5, ' ');
  r += mark;
  r += ' ';
  r += flag;
  std::string t = type;
  t.resize(4, ' ');
  return record(r + t + cliche);
}

// 61 printings of a two-pane sheet, every printing listing all 200 positions, with a few
// changed positions and uncertain ones as real data has them.
const DataFile& syntheticFile() {
  static const DataFile file = [] {
    std::string s = record("F2");
    for (int printing = 1; printing <= 61; ++printing) {
      s += record("T" + std::to_string(printing));
      s += record("X0");
      for (int p = 1; p <= 200; ++p) {
        const std::string designation = (p <= 100 ? "A" : "B") + std::to_string((p - 1) % 100 + 1);
        const char flag = p % 37 == 0 ? 'o' : p % 53 == 0 ? '?' : ' ';
        const std::string type = std::to_string(1 + (p * 7 + printing) % 13) + (p % 5 ? "" : "a");
        s += positionRecord(designation, ' ', flag, type, std::to_string(1 + (p * 11) % 97));
        if (p % 41 == 0) s += positionRecord(designation, '>', ' ', "14", std::to_string(p));
      }
      if (printing % 10 == 0) s += record("+    ");
    }
    s += record("^F");
    return oneSectionFile(
        "V5\x9b"
        "DAT",
        s);
  }();
  return file;
}

const DataFile* sampleFile() {
  static const std::optional<DataFile> file = DataFile::open(KOLVARD_SAMPLE_DATA);
  return file ? &*file : nullptr;
}

void searchAll(benchmark::State& bench, const DataFile* file, bool typed) {
  const std::string value = "5" + std::string(1, cp865::kOslash);
  if (file == nullptr || !file->findSection("V" + value + "DAT").found()) {
    bench.SkipWithError("no printing section for 5\xc3\xb8 of the arms type in the data");
    return;
  }
  const int sets = static_cast<int>(bench.range(0));
  const SearchScope scope{"V", value, "1", "999"};
  SearchCriteria criteria;
  criteria.setsInUse = sets;
  // Untyped: every position, pair or strip is listed (the most lines). Typed: a type on the
  // first stamp and any known type on the others, as a user searches.
  if (typed) {
    criteria.criteria[0].type = "7";
    criteria.criteria[1].type = "*";
    criteria.criteria[2].type = "*";
  }
  auto list = std::make_unique<SearchList>();
  int printings = 0;
  for (auto _ : bench) {
    printings = runSearch(scope, criteria, *list, *file, nullptr).printingsSearched;
    benchmark::DoNotOptimize(list->foundCount);
  }
  bench.counters["printings"] = printings;
  bench.counters["lines"] = list->foundCount;
}

void BM_SearchSyntheticEveryLine(benchmark::State& bench) {
  searchAll(bench, &syntheticFile(), false);
}
void BM_SearchSyntheticTyped(benchmark::State& bench) {
  searchAll(bench, &syntheticFile(), true);
}
void BM_SearchSampleEveryLine(benchmark::State& bench) {
  searchAll(bench, sampleFile(), false);
}
void BM_SearchSampleTyped(benchmark::State& bench) {
  searchAll(bench, sampleFile(), true);
}

BENCHMARK(BM_SearchSyntheticEveryLine)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchSyntheticTyped)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchSampleEveryLine)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchSampleTyped)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);

// Reading alone: every printing of the section through the reader.
void BM_SearchReaderOnly(benchmark::State& bench) {
  const DataFile& file = syntheticFile();
  const SectionRef section = file.findSection(
      "V5\x9b"
      "DAT");
  for (auto _ : bench) {
    PrintingRecordReader reader(file, section, "V", "5\x9b");
    int printings = 0;
    while (reader.nextPrinting().completed != kEndOfDataPrinting) ++printings;
    benchmark::DoNotOptimize(printings);
  }
}
BENCHMARK(BM_SearchReaderOnly)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvard
