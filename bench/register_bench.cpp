// A full redraw of the register screen with a page of results.
#include <benchmark/benchmark.h>

#include "app/display.hpp"
#include "app/session.hpp"
#include "data/data_file.hpp"
#include "platform/headless/headless_platform.hpp"
#include "screens/register/register_screen.hpp"
#include "screens/register/register_tables.hpp"
#include "screens/register/search.hpp"

namespace kolvard {
namespace {

void BM_RegisterScreenFullRedraw(benchmark::State& bench) {
  static const DataFile data = DataFile::open(KOLVARD_SAMPLE_DATA).value();
  const int zoom = static_cast<int>(bench.range(0));
  ProgramState state;
  state.settings.edition = "P";
  state.settings.value = "4s";
  state.caption = " 1854 Udgaven";
  RegisterState& reg = state.reg;
  reg.edition = "P";
  reg.title = state.caption;
  reg.value = "4s";
  reg.highestPrinting = highestPrintingOf("P", "4s");
  reg.fromPrinting = "1";
  reg.toPrinting = reg.highestPrinting;
  runSearch(reg, data, nullptr);
  Screen screen(&data);
  HeadlessPlatform platform({});
  Display display(screen, platform);
  display.ensureWindow(zoom);
  screen.setUpFonts();
  Session session{state, data, display, SettingsPaths{}};
  for (auto _ : bench) {
    drawRegisterScreen(session);
    benchmark::DoNotOptimize(screen.framebuffer().pixels().data());
  }
}
BENCHMARK(BM_RegisterScreenFullRedraw)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kolvard
