// Both panels of the two-coloured flaw screen at zoom 4: the oval panel upright and the frame
// panel half a turn, each a full 383-row record with description lines and labels.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_session.hpp"
#include "data/cp865.hpp"
#include "screens/twocolour/flaw_panel.hpp"
#include "support/data_builder.hpp"

namespace kolvard {
namespace {

// 383 rows of six runs each, the columns shifting from row to row.
std::string fullPicture() {
  std::string out;
  for (int r = 0; r < 383; ++r) {
    std::string row;
    int offset = 0;
    for (int k = 0; k < 6; ++k) {
      for (const int v : {10 + 55 * k + r % 7, 40 + 55 * k + r % 5}) {
        while (v - offset >= 255) {
          row += '\xff';
          offset += 255;
        }
        row += static_cast<char>(v - offset);
      }
    }
    out += static_cast<char>(row.size()) + row;
  }
  return out;
}

void BM_FlawPanelPairAtZoom4(benchmark::State& bench) {
  BenchSession rig(4);
  const std::string text = cp("\x1b*d$1øvre venstre hjørne$2brud$5midt$9nederst$h20,30,a$o40,60,b");
  const DataFile records = test::DataBuilder()
                               .add("T4s2-0H", " " + text + "\x1b*b" + fullPicture())
                               .add("T58-04", "O" + text + "\x1b*b" + fullPicture())
                               .file();
  FlawPanelRequest oval;
  oval.mode = FlawViewMode::Frame;
  oval.colour = 4;
  oval.keyPart = "4s2-17";
  FlawPanelRequest frame = oval;
  frame.panel = FlawPanelKind::Frame;
  frame.panelX = kFramePanelX;
  frame.colour = 9;
  frame.keyPart = "58-4";
  for (auto _ : bench) {
    for (const FlawPanelRequest& r : {oval, frame}) {
      const FlawRecord record = drawFlawPanel(rig.screen, records, r);
      drawFlawDescription(rig.screen, record.description, r.panelX, flawPanelInverted(r, record));
    }
    benchmark::DoNotOptimize(rig.screen.framebuffer().pixels().data());
  }
}
BENCHMARK(BM_FlawPanelPairAtZoom4)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kolvard
