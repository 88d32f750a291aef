// The two picture panels of the two-coloured flaw screen: the oval panel (left, x 104) and the
// frame panel (right, x 357). A panel draws its frame (double where it belongs to the view
// mode), its background (light grey for an uncertain mark), the flaw record's picture (half a
// turn for an inverted frame) and, in a second call, the record's labels and description
// lines.
#pragma once

#include <string>
#include <string_view>

#include "domain/flaw_record.hpp"
#include "screens/common/cliche_panel.hpp"

namespace kolvard {

class DataFile;
class Screen;

// The flaw screen's view modes: by sheet position, oval flaws and frame flaws in number order.
enum class FlawViewMode { Position = 0, Oval = 1, Frame = 2 };
enum class FlawPanelKind { Oval, Frame };

inline constexpr double kOvalPanelX = 104;
inline constexpr double kFramePanelX = 357;

struct FlawPanelRequest {
  FlawPanelKind panel = FlawPanelKind::Oval;
  double panelX = kOvalPanelX;
  FlawViewMode mode = FlawViewMode::Position;
  int colour = 1;   // the picture colour (15 draws an empty panel)
  char mark = ' ';  // the panel's mark: "?" for an uncertain cliché
  std::string edition = "T";
  std::string keyPart;   // "4s2-17", "58-4"; empty when there is no flaw number
  char frameKind = ' ';  // the position's frame kind, read in position mode
};

// The panel box at a zoom (the frame lines and the interior): the cliché panel's.
ClichePanelGeometry flawPanelGeometry(int zoom, double panelX);

// Whether the panel draws its picture and description half a turn: the frame panel, when the
// frame kind (the record's in oval and frame mode, the position's in position mode) is "U" or
// "O".
bool flawPanelInverted(const FlawPanelRequest& request, const FlawRecord& record);

// Frame, background, lookup and picture; "( OF-nummer ikke anvendt )" for a missing record on
// the oval panel in oval mode. Returns the record read; a missing record in position and frame
// mode comes back without type, occurrences and description.
FlawRecord drawFlawPanel(Screen& screen, const DataFile& file, const FlawPanelRequest& request);

// The labels and description lines of a record in the panel at x, the lines turned for an
// inverted frame.
void drawFlawDescription(Screen& screen, std::string_view description, double panelX,
                         bool inverted);

}  // namespace kolvard
