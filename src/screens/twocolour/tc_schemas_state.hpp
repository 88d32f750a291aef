// The two-coloured schema screen's own state, kept between visits (the pane shown), with what
// it last showed for the state dump.
#pragma once

#include <string>
#include <vector>

namespace kolvard {

class JsonObject;

struct TwoColourSchemasState {
  int pane = 1;         // the pane last chosen: 1 pane A, 2 pane B (kept between visits)
  int shownPane = 1;    // what is shown: 0 single pane, 1 pane A, 2 pane B
  bool single = false;  // the printing is one pane
  std::string label;    // the frame setting label
  std::string title;    // "Setting 5A (2. periode)", "Rammesetting"
  std::string period;
  std::string description;
  bool turned = false;
  std::vector<std::string> ovalRow;   // row 0 of the oval grid: "type/number" per cell
  std::vector<std::string> frameRow;  // row 0 of the frame grid
  std::string ovalFullSheet, frameFullSheet;
  std::string watermark;
  std::vector<std::string> lastPrint;  // the files of the last schema print
};

// "tcSchemas" in the state dump.
void writeTwoColourSchemasDump(JsonObject& dump, const TwoColourSchemasState& schemas);

}  // namespace kolvard
