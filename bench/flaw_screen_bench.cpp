// One cycle of the cliché-flaw screen after an arrow key: the position step, the entry read,
// the cliché record and picture, annotations and the occurrence list.
#include <benchmark/benchmark.h>

#include "bench_session.hpp"
#include "screens/flaws/flaw_screen.hpp"

namespace kolvard {
namespace {

void BM_FlawScreenCycleAfterArrowKey(benchmark::State& bench) {
  BenchSession rig(4);
  ProgramState& state = rig.state;
  state.selection.restore("A", false, "4s", {"1", "1"}, "A1");
  state.caption = " 1864 Udgaven";
  state.sections.series = benchSampleData().findSection("ACSERIER");
  FlawScreen page(rig.session, state.flaws);
  page.enter();
  page.draw();
  const KeyString right = extendedKey(scan::kRight), left = extendedKey(scan::kLeft);
  bool forward = true;
  for (auto _ : bench) {
    page.handleKey(forward ? right : left);
    forward = !forward;
    page.draw();
    benchmark::DoNotOptimize(rig.screen.framebuffer().pixels().data());
  }
}
BENCHMARK(BM_FlawScreenCycleAfterArrowKey)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kolvard
