// A whole drawing of the composite-cliché screen at zoom 4: 980 picture rows, each cleared
// over the picture area before its runs are drawn (the decoded rows are cached after the
// first drawing, as on the screen). Once over the sample data as it is, once with a dense
// composite of 40 runs on every row put in its place.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_session.hpp"
#include "kolvard-data/pack.hpp"
#include "screens/composites/composite_screen.hpp"
#include "screens/twocolour/tc_composite_screen.hpp"

namespace kolvard {
namespace {

// The sample data with "AF4s1-1" replaced by a composite of 980 rows of 40 runs each.
const DataFile& denseCompositeData() {
  static const DataFile file = [] {
    const DataFile& sample = benchSampleData();
    const std::string name = normaliseSectionName("AF4s1-1");
    std::vector<datatool::PackedSection> sections;
    for (const DataFile::Entry& entry : sample.listSections()) {
      const std::string key = normaliseSectionName(entry.name);
      if (key == name) continue;
      const auto bytes = sample.sectionBytes(entry.ref);
      sections.push_back({key, std::vector<std::uint8_t>(bytes.begin(), bytes.end())});
    }
    std::vector<std::uint8_t> picture{1};
    for (int row = 0; row < 980; ++row) {
      std::vector<std::uint8_t> bytes;
      int offset = 0;
      for (int run = 0; run < 40; ++run) {
        for (const int column : {20 * run + row % 7, 20 * run + row % 7 + 8}) {
          for (; column - offset >= 255; offset += 255) bytes.push_back(255);
          bytes.push_back(static_cast<std::uint8_t>(column - offset));
        }
      }
      picture.push_back(static_cast<std::uint8_t>(bytes.size()));
      picture.insert(picture.end(), bytes.begin(), bytes.end());
    }
    sections.push_back({name, picture});
    return DataFile(datatool::buildContainer(sections));
  }();
  return file;
}

void drawWhole(benchmark::State& bench, const DataFile& data) {
  BenchSession rig(4);
  Session session{rig.state, data, rig.display, rig.session.settings};
  ProgramState& state = rig.state;
  state.selection.restore("A", false, "4s", {"1", "1"}, "A1");
  state.caption = " 1864 Udgaven";
  state.sections.series = data.findSection("ACSERIER");
  CompositeScreen page(session, state.composites);
  for (auto _ : bench) {
    page.enter();  // forgets what was drawn: the next drawing is whole
    page.draw();
    benchmark::DoNotOptimize(rig.screen.framebuffer().pixels().data());
  }
  bench.counters["found"] = state.composites.found ? 1 : 0;
}

void BM_CompositeScreenFullDraw(benchmark::State& bench) {
  drawWhole(bench, benchSampleData());
}
BENCHMARK(BM_CompositeScreenFullDraw)->Unit(benchmark::kMicrosecond);

void BM_CompositeScreenFullDrawDense(benchmark::State& bench) {
  drawWhole(bench, denseCompositeData());
}
BENCHMARK(BM_CompositeScreenFullDrawDense)->Unit(benchmark::kMicrosecond);

// The two-coloured screen's oval composite of T 4s, series 1, drawn whole after each entry
// (which also loads the printing's positions).
void BM_TwoColourCompositeScreenFullDraw(benchmark::State& bench) {
  BenchSession rig(4);
  ProgramState& state = rig.state;
  const DataFile& data = benchSampleData();
  state.selection.restore("T", false, "4s", {"1", "1"}, "A1");
  state.caption = " Tofarvet";
  state.sections.series = data.findSection("TCSERIER");
  state.frames = FrameData(data, data.findSection("TRAMDAT"));
  TwoColourCompositeScreen page(rig.session, state.tcComposites, state.tcFlaws);
  for (auto _ : bench) {
    page.enter();
    page.draw();
    benchmark::DoNotOptimize(rig.screen.framebuffer().pixels().data());
  }
  bench.counters["found"] = state.tcComposites.found ? 1 : 0;
}
BENCHMARK(BM_TwoColourCompositeScreenFullDraw)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kolvard
