// Costs of the spine: a full front-page drawing, glyph text, and section lookups.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_session.hpp"
#include "data/data_file.hpp"
#include "screens/front/front_page.hpp"

namespace kolvard {

const DataFile& benchSampleData() {
  static const DataFile data = DataFile::open(KOLVARD_SAMPLE_DATA).value();
  return data;
}

namespace {

const DataFile& sampleData() {
  return benchSampleData();
}

void BM_FullFrontPageDraw(benchmark::State& bench) {
  const int zoom = static_cast<int>(bench.range(0));
  BenchSession rig(zoom);
  rig.state.zoom = zoom;
  rig.state.selection.restore("A", false, "4s", {"1", "1"}, "1");
  for (auto _ : bench) {
    rig.state.front.drawn = false;
    FrontPage page(rig.session, rig.state.front);
    page.draw();
    benchmark::DoNotOptimize(rig.screen.framebuffer().pixels().data());
  }
}
BENCHMARK(BM_FullFrontPageDraw)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

void BM_GlyphText2000Characters(benchmark::State& bench) {
  Screen screen(&sampleData());
  screen.openWindow(4);
  screen.setUpFonts();
  std::string line = "Kvadrater. 3 & 4 cents 1854 udgaven (punkter) 1864 udgaven 0123456789 ";
  std::string text;
  while (text.size() < 2000) text += line;
  text.resize(2000);
  const GlyphStyle style{Font::C, kFromLeft, 1, 3, 1};
  for (auto _ : bench) {
    // 2,000 characters as 20 lines of 100.
    for (int i = 0; i < 20; ++i) {
      screen.drawGlyphText(std::string_view(text).substr(static_cast<std::size_t>(i) * 100, 100), 5,
                           20 + 22 * i, style);
    }
    benchmark::DoNotOptimize(screen.framebuffer().pixels().data());
  }
  bench.SetItemsProcessed(bench.iterations() * 2000);
}
BENCHMARK(BM_GlyphText2000Characters)->Unit(benchmark::kMicrosecond);

void BM_OpenDataFileAnd1000Lookups(benchmark::State& bench) {
  const char* names[] = {"AINFOF1", "TINFOF2", "PHELARK", "T100O", "0a200",  "KOLVARD", "JRFANTAL",
                         "V1O",     "M32O",    "TRAMDAT", "I40A",  "NOSUCH", "C4C",     "A16S"};
  for (auto _ : bench) {
    const auto data = DataFile::open(KOLVARD_SAMPLE_DATA);
    int found = 0;
    for (int i = 0; i < 1000; ++i) found += data->findSection(names[i % 14]).found();
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(BM_OpenDataFileAnd1000Lookups)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kolvard
