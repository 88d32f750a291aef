// The sheets screen's own state, kept between visits, with what the state dump shows of it.
#pragma once

#include <string>
#include <vector>

namespace kolvard {

class JsonObject;
class Selection;

struct SheetsState {
  int panePair = 0;                     // 0 panes A and B, 1 panes C and D
  int panes = 1;                        // of the sheet shown
  std::vector<std::string> captions;    // of the panes shown
  std::vector<std::string> watermarks;  // of the panes shown
  std::vector<std::string> files;       // written by the last print
  std::string printError;               // why the last print wrote no file
};

// "sheets" in the state dump: panes, pane pair, the printing-information switch, and the
// captions, watermark marks and printed files.
void writeSheetsDump(JsonObject& dump, const SheetsState& sheets, const Selection& selection);

}  // namespace kolvard
