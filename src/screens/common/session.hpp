// Everything a screen works with: the state the screens share (the current selection, the
// sections of the current edition, the zoom and the flow between screens), the data file, the
// window, the settings file and where printed schemas go. One session lives for the whole
// run; each screen's own state is handed to it by the screen table.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "data/data_file.hpp"
#include "domain/frame_data.hpp"
#include "domain/frame_settings.hpp"
#include "domain/two_colour_positions.hpp"
#include "print/page_print_buffers.hpp"
#include "screens/common/message_line.hpp"
#include "screens/common/screen_page.hpp"
#include "screens/common/selection.hpp"
#include "screens/common/settings_store.hpp"
#include "ui/display.hpp"
#include "ui/info_viewer.hpp"

namespace kolvard {

class Screen;

// Sections located at the top of every main cycle.
struct EditionSections {
  SectionRef generalInfo;  // "AINFOF1"
  SectionRef editionInfo;  // edition + "INFOF2" ("IINFOF2" with the Iceland flag)
  SectionRef wholeSheets;  // edition + "HELARK"
  SectionRef types;        // edition + "TYPER"
  SectionRef series;       // edition + "CSERIER"
  SectionRef frameData;    // "TRAMDAT"
};

struct SharedState {
  Selection selection;
  // The zoom as requested (2, 3, 4, or 6/8 until the next save limits it).
  int zoom = 3;

  // Set by the main cycle for the current edition.
  std::string caption;                            // the edition caption of headings
  std::array<std::int16_t, 74> printingCounts{};  // entries 1..73 from edition + "RFANTAL"
  EditionSections sections;
  // "TRAMDAT", decoded when a two-coloured screen first needs it and kept for the run.
  std::optional<FrameData> frames;
  // The two-coloured screens' position table of the selected value and printing, and how its
  // last load went.
  TwoColourPositionTable twoColourPositions;
  TwoColourLoad twoColourLoad;
  FrameSettingCounts frameSettingCounts;  // "TRFANTAL", read once at start-up

  // Screen flow.
  bool keyReadOnFrontPage = false;                // since the register last emptied its result list
  std::string screenName = "front";               // the screen now waiting for a key (state dump)
  ScreenCode openedFrom = ScreenCode::FrontPage;  // the screen left for the one now shown
  ViewerState viewer;                             // the information viewer, while it is open
  ShownMessage message;                           // the refused entry's message, until the next key

  const std::string& edition() const { return selection.edition(); }
  const std::string& value() const { return selection.value(); }
  const FrameData& frameData(const DataFile& data) {
    if (!frames) frames.emplace(data, data.findSection("TRAMDAT"));
    return *frames;
  }
};

struct Session {
  SharedState& state;
  const DataFile& data;
  Display& display;
  SettingsStore& settings;
  std::filesystem::path outputDirectory{"."};  // where printed schemas go
  PagePrintBuffers printBuffers{};             // the printed page, kept between prints

  Screen& screen() { return display.screen(); }
};

}  // namespace kolvard
