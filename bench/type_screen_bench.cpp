// A full page of the cliché-type screen at zoom 4 in both variants: the six type drawings of
// the first page of A 4s, and the oval types of T 4s, with their annotations and labels.
#include <benchmark/benchmark.h>

#include "bench_session.hpp"
#include "screens/types/type_screen.hpp"

namespace kolvard {
namespace {

void setUp(BenchSession& rig) {
  rig.state.selection.restore("A", false, "4s", {"1", "1"}, "A1");
  rig.state.caption = " 1864 Udgaven";
}

// The page drawn again ("K") from the records read on entry.
void redrawPage(benchmark::State& bench, BenchSession& rig, TypeScreen& page) {
  page.enter();
  page.draw();
  for (auto _ : bench) {
    page.handleKey("K");
    page.draw();
    benchmark::DoNotOptimize(rig.screen.framebuffer().pixels().data());
  }
}

void BM_TypePageRedrawZoom4(benchmark::State& bench) {
  BenchSession rig(4);
  setUp(rig);
  TypeScreen page(rig.session, rig.state.types);
  redrawPage(bench, rig, page);
}
BENCHMARK(BM_TypePageRedrawZoom4)->Unit(benchmark::kMicrosecond);

// The two-coloured variant: the oval types of the first page of T 4s.
void BM_TwoColourTypePageRedrawZoom4(benchmark::State& bench) {
  BenchSession rig(4);
  rig.state.selection.restore("T", false, "4s", {"1", "1"}, "A1");
  rig.state.caption = " Tofarvet";
  TypeScreen page(rig.session, rig.state.tcTypes, twoColouredTypes());
  redrawPage(bench, rig, page);
}
BENCHMARK(BM_TwoColourTypePageRedrawZoom4)->Unit(benchmark::kMicrosecond);

// Entering the screen: the type section and the six records read, the pictures decoded, the
// page drawn.
void BM_TypePageEnterZoom4(benchmark::State& bench) {
  BenchSession rig(4);
  setUp(rig);
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
