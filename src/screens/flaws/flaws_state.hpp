// The cliché-flaw screen's own state, kept between visits, with what the state dump shows of
// it.
#pragma once

#include <string>
#include <vector>

#include "screens/common/line_editor.hpp"

namespace kolvard {

class JsonObject;
class Selection;

enum class FlawMode { ByPosition = 0, ByNumber = 1 };

struct FlawsState {
  FlawMode mode = FlawMode::ByPosition;   // set to by position on every entry
  int series = 1;                         // the series last shown
  bool found = false;                     // the cliché record last drawn was found
  std::string stamp;                      // the stamp number last shown
  std::vector<std::string> occurrences;   // the occurrence items shown
  std::vector<std::string> printedFiles;  // written by the last series print
  std::string printError;                 // why the last series print stopped
  LineEditorMemory editorMemory;          // the last position typed
};

// "flaws" in the state dump: mode, cliché and followed cliché, series, stamp number, found,
// the printing-information switch, the occurrence items shown and the last series print.
void writeFlawsDump(JsonObject& dump, const FlawsState& flaws, const Selection& selection);

}  // namespace kolvard
