// The one program state object that every screen reads and changes: the current selection,
// the settings of the current edition, the tables filled at each main cycle, and the code of
// the screen to open next. Screens get it by reference.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/edition_settings.hpp"
#include "data/data_file.hpp"
#include "screens/flaws/number_entry.hpp"
#include "screens/register/register_state.hpp"
#include "ui/info_viewer.hpp"

namespace kolvard {

// Codes of the screens a screen leaves to.
enum class ScreenCode : int {
  FrontPage = 1,
  Register = 3,
  Sheets = 5,
  Flaws = 6,
  Composites = 7,
  Types = 8,
};

// Sections located at the top of every main cycle.
struct EditionSections {
  SectionRef generalInfo;  // "AINFOF1"
  SectionRef editionInfo;  // edition + "INFOF2" ("IINFOF2" with the Iceland flag)
  SectionRef wholeSheets;  // edition + "HELARK"
  SectionRef types;        // edition + "TYPER"
  SectionRef series;       // edition + "CSERIER"
  SectionRef frameData;    // "TRAMDAT"
};

struct ProgramState {
  // Settings: the zoom as requested (2, 3, 4, or 6/8 until the next save limits it) and the
  // record of the current edition; settings.edition is the current edition letter.
  int zoom = 3;
  EditionSettings settings;
  int icelandFlag = 0;                // 1 for "I" and for the Iceland oval values run as "T"
  int positionIndex = 1;              // 1..400, from settings.position
  std::string editionSelector = "9";  // edition-level selector (not saved)

  std::string caption;                            // the edition caption of headings
  std::array<std::int16_t, 74> printingCounts{};  // entries 1..73 from edition + "RFANTAL"
  EditionSections sections;

  // Selection beyond the settings record.
  std::string printingTo;  // the register's printing range end
  std::string cliche;      // "C.": a running number or series "." running number

  // Screen flow.
  ScreenCode nextScreen = ScreenCode::FrontPage;
  bool frontPageDrawn = false;       // false: the next front-page drawing is a full one
  bool openSheetsPending = false;    // Enter on the front page: open the sheets screen next cycle
  std::string screenName = "front";  // the screen now waiting for a key (state dump)
  ViewerState viewer;                // the information viewer, while it is open
  RegisterState reg;                 // the register screen and its result list

  // The cliché-flaw screens.
  std::string followCliche;       // the cliché to look for when the printing changes
  bool printingInfo = false;      // F4: printing information instead of edition information
  std::string period = "1";       // the period setting shared with the composite screens
  LineEditorMemory editorMemory;  // the last position typed
  struct FlawView {
    int mode = 0;  // 0 by position, 1 by number
    int series = 1;
    bool found = false;  // the cliché record was found
    std::string stamp;
    std::vector<std::string> occurrences;   // the occurrence items shown
    std::vector<std::string> printedFiles;  // written by the last series print
    std::string printError;                 // why the last series print stopped
  } flaws;

  // The sheets screen.
  struct SheetsView {
    int panePair = 0;           // 0 panes A and B, 1 panes C and D
    bool printingInfo = false;  // F4
    int panes = 1;
    std::vector<std::string> captions;    // of the panes shown
    std::vector<std::string> watermarks;  // of the panes shown
    std::vector<std::string> files;       // written by the last print
    std::string printError;               // why the last print wrote no file
  } sheets;

  const std::string& edition() const { return settings.edition; }
  const std::string& value() const { return settings.value; }
};

}  // namespace kolvard
