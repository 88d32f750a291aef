// One cycle of the cliché-flaw screen after an arrow key: the position step, the entry read,
// the cliché record and picture, annotations and the occurrence list.
#include <benchmark/benchmark.h>

#include "app/display.hpp"
#include "app/session.hpp"
#include "data/data_file.hpp"
#include "platform/headless/headless_platform.hpp"
#include "screens/flaws/flaw_screen.hpp"

namespace kolvard {
namespace {

void BM_FlawScreenCycleAfterArrowKey(benchmark::State& bench) {
  static const DataFile data = DataFile::open(KOLVARD_SAMPLE_DATA).value();
  ProgramState state;
  state.settings.edition = "A";
  state.settings.value = "4s";
  state.settings.position = "A1";
  state.caption = " 1864 Udgaven";
  state.sections.series = data.findSection("ACSERIER");
  Screen screen(&data);
  HeadlessPlatform platform({});
  Display display(screen, platform);
  display.ensureWindow(4);
  screen.setUpFonts();
  Session session{state, data, display, SettingsPaths{}};
  FlawScreenVisit visit(session);
  visit.enter();
  visit.draw();
  const KeyString right = extendedKey(scan::kRight), left = extendedKey(scan::kLeft);
  bool forward = true;
  for (auto _ : bench) {
    visit.handleKey(forward ? right : left);
    forward = !forward;
    visit.draw();
    benchmark::DoNotOptimize(screen.framebuffer().pixels().data());
  }
}
BENCHMARK(BM_FlawScreenCycleAfterArrowKey)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kolvard
