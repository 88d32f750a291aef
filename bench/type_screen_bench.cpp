// A full page of the cliché-type screen at zoom 4: six type drawings with their annotations
// and labels, the grid, the heading and the key line. The sample data set has no type pages
// of its own yet, so the page and its six records are added to a copy of it.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_session.hpp"
#include "screens/types/type_screen.hpp"
#include "support/data_builder.hpp"

namespace kolvard {
namespace {

std::string typeRecord(int n) {
  std::string picture;
  // 383 rows of three runs each, like a drawn cliché.
  for (int i = 0; i < 383; ++i) {
    picture += std::string{6,
                           10,
                           static_cast<char>(40 + i % 30),
                           90,
                           static_cast<char>(120 + i % 50),
                           static_cast<char>(200),
                           static_cast<char>(230 + i % 20)};
  }
  return " \x1b*d$1Type " + std::to_string(n) + "$2>second line$h20,30,mark\x1b*b" + picture;
}

const DataFile& typeData() {
  static const DataFile file = [] {
    test::DataBuilder builder;
    for (const auto& entry : benchSampleData().listSections()) {
      if (entry.name == "ATYPER") continue;
      const auto bytes = benchSampleData().sectionBytes(entry.ref);
      builder.add(entry.name, std::string(bytes.begin(), bytes.end()));
    }
    std::string page = "4s    1  1  1   2   3   4   5   6";
    page.resize(64, ' ');
    builder.add("ATYPER", page + "*" + std::string(63, ' '));
    for (int n = 1; n <= 6; ++n) builder.add("A4SM" + std::to_string(n), typeRecord(n));
    return builder.file();
  }();
  return file;
}

// The page drawn again ("K") from the records read on entry.
void BM_TypePageRedrawZoom4(benchmark::State& bench) {
  BenchSession rig(4, typeData());
  rig.state.selection.restore("A", false, "4s", {"1", "1"}, "A1");
  rig.state.caption = " 1864 Udgaven";
  TypeScreen page(rig.session, rig.state.types);
  page.enter();
  page.draw();
  for (auto _ : bench) {
    page.handleKey("K");
    page.draw();
    benchmark::DoNotOptimize(rig.screen.framebuffer().pixels().data());
  }
}
BENCHMARK(BM_TypePageRedrawZoom4)->Unit(benchmark::kMicrosecond);

// Entering the screen: the section and the six records read, the pictures decoded, the page
// drawn.
void BM_TypePageEnterZoom4(benchmark::State& bench) {
  BenchSession rig(4, typeData());
  rig.state.selection.restore("A", false, "4s", {"1", "1"}, "A1");
  rig.state.caption = " 1864 Udgaven";
  for (auto _ : bench) {
    TypeScreen page(rig.session, rig.state.types);
    page.enter();
    page.draw();
    benchmark::DoNotOptimize(rig.screen.framebuffer().pixels().data());
  }
}
BENCHMARK(BM_TypePageEnterZoom4)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kolvard
