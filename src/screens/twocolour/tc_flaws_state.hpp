// The two-coloured flaw screen's own state, kept between visits (the mode, the oval and frame
// flaw numbers, the oval series), with what it last showed for the state dump.
#pragma once

#include <string>
#include <vector>

#include "screens/common/line_editor.hpp"
#include "screens/twocolour/flaw_panel.hpp"

namespace kolvard {

class JsonObject;
class Selection;

struct TwoColourFlawsState {
  FlawViewMode mode = FlawViewMode::Position;  // position mode on every entry
  std::string ovalFlawNumber;                  // "2.17", or "17" for a value with one series
  std::string frameFlawNumber;                 // shown: "28.4" (stored "58.4")
  int series = 0;                              // the oval series shown (0: the only one)
  bool ovalFound = false;                      // the oval flaw record last read exists
  bool frameFound = false;                     // the frame flaw record last read exists
  std::vector<std::string> occurrences;        // the occurrence items shown, as text
  std::vector<std::string> printingOrder;      // the printing-order lines shown
  std::vector<std::string> wandering;          // the wandering-cliché lines shown
  std::vector<std::string> printedFiles;       // written by the last series print
  std::string printError;                      // why the last series print stopped
  LineEditorMemory editorMemory;               // the last position typed
};

// "tcFlaws" in the state dump: mode, the oval and frame flaw numbers, period, series, whether
// the records were found, the occurrence items, printing-order and wandering-cliché lines
// shown, and the last series print.
void writeTwoColourFlawsDump(JsonObject& dump, const TwoColourFlawsState& flaws,
                             const Selection& selection);

}  // namespace kolvard
