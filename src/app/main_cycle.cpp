#include "app/main_cycle.hpp"

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#include "app/display.hpp"
#include "app/edition_title.hpp"
#include "app/front_page.hpp"
#include "app/screen_dispatch.hpp"
#include "app/session.hpp"
#include "data/cp865.hpp"

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

// A data file whose directory cannot be read, or that lacks the fonts, would show nothing
// but would make the front page take the settings for damaged.
bool dataFileUsable(const DataFile& data) {
  if (data.size() < 6) return false;
  return data.findSection("AINFOF1").found() && data.findSection("0a042").found();
}

SectionRef lookup(const DataFile& data, const std::string& name) {
  SectionRef ref = data.findSection(name);
  if (!ref.found()) ref.start = ref.end = 0;  // a missing section reads as empty
  return ref;
}

}  // namespace

void locateEditionSections(ProgramState& state, const DataFile& data) {
  const std::string& e = state.edition();
  EditionSections& s = state.sections;
  s.generalInfo = lookup(data, "AINFOF1");
  s.editionInfo = lookup(data, state.icelandFlag == 1 ? std::string("IINFOF2") : e + "INFOF2");
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
  if (!dataFileUsable(*data)) {
    return startupError("  Error 2: Data-file KOL703.dat is damaged or incomplete  ");
  }

  Screen screen(&*data);
  Display display(screen, platform);
  Session session{state, *data, display, paths.settings, paths.outputDirectory};
  state.frontPageDrawn = false;
  try {
    for (;;) {
      saveSettings(state, paths.settings);
      locateEditionSections(state, *data);
      state.caption = editionTitle(state.edition(), state.icelandFlag, state.caption);
      if (state.openSheetsPending) {
        state.openSheetsPending = false;
        state.nextScreen = ScreenCode::Sheets;
        runScreens(session);
      }
      if (display.ensureWindow(state.zoom)) state.frontPageDrawn = false;
      screen.setUpFonts();
      switch (runFrontPage(session)) {
        case FrontPageAction::NextCycle:
          break;
        case FrontPageAction::OpenScreen:
          runScreens(session);
          break;
        case FrontPageAction::Quit:
          return 0;
      }
    }
  } catch (const WindowClosed&) {
    return 0;
  }
}

}  // namespace kolvard
