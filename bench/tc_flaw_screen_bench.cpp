// One cycle of the two-coloured flaw screen after an arrow key in position mode: the position
// read, both flaw panels with their pictures and descriptions, the occurrence list and the
// printing order (4 øre, printing 1: setting 5 in its first period).
#include <benchmark/benchmark.h>

#include "bench_session.hpp"
#include "screens/twocolour/tc_flaw_screen.hpp"

namespace kolvard {
namespace {

void BM_TwoColourFlawScreenCycleAfterArrowKey(benchmark::State& bench) {
  BenchSession rig(4);
  ProgramState& state = rig.state;
  const DataFile& data = benchSampleData();
  state.selection.restore("T", false, "4s", {"1", "1"}, "A52");
  state.caption = " Tofarvet";
  state.sections.series = data.findSection("TCSERIER");
  state.frames = FrameData(data, data.findSection("TRAMDAT"));
  state.frameSettingCounts = FrameSettingCounts(data, data.findSection("TRFANTAL"));
  TwoColourFlawScreen page(rig.session, state.tcFlaws);
  page.enter();
  page.draw();
  // A52 -> A53 (an oval flaw with its occurrences) and back, past the frame flaws of setting 5.
  const KeyString right = extendedKey(scan::kRight), left = extendedKey(scan::kLeft);
  bool forward = true;
  for (auto _ : bench) {
    page.handleKey(forward ? right : left);
    forward = !forward;
    page.draw();
    benchmark::DoNotOptimize(rig.screen.framebuffer().pixels().data());
  }
}
BENCHMARK(BM_TwoColourFlawScreenCycleAfterArrowKey)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kolvard
