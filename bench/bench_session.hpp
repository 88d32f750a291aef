// A screen session over the sample data in the headless backend, for the screen benchmarks.
#pragma once

#include <string_view>

#include "app/platform_display.hpp"
#include "app/program_state.hpp"
#include "data/data_file.hpp"
#include "platform/headless/headless_platform.hpp"
#include "screens/common/session.hpp"

namespace kolvard {

const DataFile& benchSampleData();

class BenchSession {
 public:
  explicit BenchSession(int zoom)
      : screen(&benchSampleData()), platform({}), display(screen, platform) {
    display.ensureWindow(zoom);
    screen.setUpFonts();
  }

  ProgramState state;
  Screen screen;
  HeadlessPlatform platform;
  PlatformDisplay display;
  Session session{state, benchSampleData(), display, settings_};

 private:
  // The benchmarks touch no settings file.
  struct NoSettings final : SettingsStore {
    void loadEdition(std::string_view) override {}
    void save() override {}
    void resetDamagedRecord() override {}
  } settings_;
};

}  // namespace kolvard
