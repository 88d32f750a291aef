// A full redraw of the register screen with a page of results.
#include <benchmark/benchmark.h>

#include "bench_session.hpp"
#include "screens/register/register_screen.hpp"

namespace kolvard {
namespace {

void BM_RegisterScreenFullRedraw(benchmark::State& bench) {
  BenchSession rig(static_cast<int>(bench.range(0)));
  ProgramState& state = rig.state;
  state.selection.restore("P", false, "4s", {"1", "6"}, "1");
  state.caption = " 1854 Udgaven";
  const SearchScope scope{"P", "4s", "1", "6"};
  runSearch(scope, state.reg, state.reg, benchSampleData(), nullptr);
  RegisterScreen page(rig.session, state.reg);
  for (auto _ : bench) {
    page.drawWhole();
    benchmark::DoNotOptimize(rig.screen.framebuffer().pixels().data());
  }
}
BENCHMARK(BM_RegisterScreenFullRedraw)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kolvard
