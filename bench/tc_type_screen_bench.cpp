// A full page of the two-coloured type screen at zoom 4: the oval types of the first page of
// T 4s with their descriptions and labels, the grid, the heading and the key line.
#include <benchmark/benchmark.h>

#include "bench_session.hpp"
#include "screens/types/type_screen.hpp"

namespace kolvard {
namespace {

// The page drawn again ("K") from the records read on entry.
void BM_TwoColourTypePageRedrawZoom4(benchmark::State& bench) {
  BenchSession rig(4);
  rig.state.selection.restore("T", false, "4s", {"1", "1"}, "A1");
  rig.state.caption = " Tofarvet";
  TypeScreen page(rig.session, rig.state.tcTypes, twoColouredTypes());
  page.enter();
  page.draw();
  for (auto _ : bench) {
    page.handleKey("K");
    page.draw();
    benchmark::DoNotOptimize(rig.screen.framebuffer().pixels().data());
  }
}
BENCHMARK(BM_TwoColourTypePageRedrawZoom4)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kolvard
