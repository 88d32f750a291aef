#include "app/main_cycle.hpp"

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#include "app/data_file_check.hpp"
#include "app/platform_display.hpp"
#include "app/screen_table.hpp"
#include "data/cp865.hpp"
#include "domain/edition_names.hpp"
#include "screens/front/front_page.hpp"

namespace kolvard {
namespace {

void printBanner(std::ostream& console) {
  const std::string rule(52, '-');
  console << rule << '\n'
          << " Kolvard kan afsluttes via klik paa ovre hojre kryds      "
          << cp865ToUtf8(std::string(1, cp865::kUpArrow)) << '\n'
          << rule << '\n'
          << std::flush;
}

SectionRef lookup(const DataFile& data, const std::string& name) {
  SectionRef ref = data.findSection(name);
  if (!ref.found()) ref.start = ref.end = 0;  // a missing section reads as empty
  return ref;
}

// The settings file as the main cycle and the front page use it. A save that fails (a
// read-only file, an unwritable folder) leaves the old file; the console says so once a run.
class SettingsFileStore final : public SettingsStore {
 public:
  SettingsFileStore(ProgramState& state, const SettingsPaths& paths, std::ostream& console)
      : state_(state), paths_(paths), console_(console) {}
  void loadEdition(std::string_view edition) override { loadSettings(state_, edition, paths_); }
  void save() override {
    if (saveSettings(state_, paths_) || warned_) return;
    warned_ = true;
    console_ << "  Note: the settings could not be saved in " << paths_.file.filename().string()
             << "  " << std::endl;
  }
  void resetDamagedRecord() override { resetToEditionDefaults(state_); }

 private:
  ProgramState& state_;
  const SettingsPaths& paths_;
  std::ostream& console_;
  bool warned_ = false;
};

}  // namespace

void locateEditionSections(SharedState& state, const DataFile& data) {
  const std::string& e = state.edition();
  EditionSections& s = state.sections;
  s.generalInfo = lookup(data, "AINFOF1");
  s.editionInfo = lookup(data, state.selection.iceland() ? std::string("IINFOF2") : e + "INFOF2");
  s.wholeSheets = lookup(data, e + "HELARK");
  state.printingCounts.fill(0);
  const SectionRef counts = lookup(data, e + "RFANTAL");
  for (int i = 1; i <= 73; ++i) {
    const std::int64_t at = counts.start + 2 + 2 * (i - 1);
    if (!counts.found() || at + 2 > counts.end) break;
    state.printingCounts[static_cast<std::size_t>(i)] = data.readInt16(at).value_or(0);
  }
  s.types = lookup(data, e + "TYPER");
  s.series = lookup(data, e + "CSERIER");
  s.frameData = lookup(data, "TRAMDAT");
}

int runProgram(Platform& platform, ProgramRun& run, const ProgramPaths& paths,
               std::ostream& console, bool waitOnError) {
  ProgramState& state = run.state;
  printBanner(console);
  loadSettings(state, "", paths.settings);

  std::optional<DataFile> data = DataFile::open(paths.dataFile);
  const auto startupError = [&](const std::string& message) {
    platform.beep();
    console << message << std::endl;
    if (waitOnError) std::getchar();
    return 1;
  };
  if (!data) return startupError("  Error 1: Data-file KOL703.dat not found  ");
  // A cut-short or overwritten file would show empty screens and print blank pages, and
  // would make the front page take the settings for damaged.
  if (!dataFileProblems(*data).empty()) return startupError(kDataFileDamagedMessage);

  state.frameSettingCounts = FrameSettingCounts(*data, data->findSection("TRFANTAL"));
  Screen screen(&*data, state.zoom);
  PlatformDisplay display(screen, platform);
  SettingsFileStore settings(state, paths.settings, console);
  Session session{state, *data, display, settings, paths.outputDirectory};
  state.front.drawn = false;
  try {
    for (;;) {
      settings.save();
      locateEditionSections(state, *data);
      state.caption =
          editionTitle(state.edition(), state.selection.iceland() ? 1 : 0, state.caption);
      if (state.front.openSheetsPending) {
        state.front.openSheetsPending = false;
        runScreens(session, state, ScreenCode::Sheets);
      }
      if (display.ensureWindow(state.zoom)) state.front.drawn = false;
      screen.setUpFonts();
      state.screenName = "front";
      FrontPage front(session, state.front);
      const ScreenCode next = runScreenPage(front, session);
      if (next == ScreenCode::End) return 0;
      if (next != ScreenCode::FrontPage) runScreens(session, state, next);
    }
  } catch (const WindowClosed&) {
    return 0;
  }
}

}  // namespace kolvard
