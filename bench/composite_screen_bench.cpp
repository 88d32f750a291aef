// A whole drawing of the composite-cliché screen's picture at zoom 4: 980 rows, each cleared
// over the picture area before its runs are drawn (the decoded rows are cached after the
// first drawing, as on the screen).
#include <benchmark/benchmark.h>

#include <string>

#include "bench_session.hpp"
#include "screens/composites/composite_screen.hpp"

namespace kolvard {
namespace {

void BM_CompositeScreenFullDraw(benchmark::State& bench) {
  BenchSession rig(4);
  ProgramState& state = rig.state;
  state.selection.restore("A", false, "4s", {"1", "1"}, "A1");
  state.caption = " 1864 Udgaven";
  state.sections.series = benchSampleData().findSection("ACSERIER");
  CompositeScreen page(rig.session, state.composites);
  for (auto _ : bench) {
    page.enter();  // forgets what was drawn: the next drawing is whole
    page.draw();
    benchmark::DoNotOptimize(rig.screen.framebuffer().pixels().data());
  }
  bench.counters["found"] = state.composites.found ? 1 : 0;
}
BENCHMARK(BM_CompositeScreenFullDraw)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kolvard
