#include "screens/twocolour/flaw_panel.hpp"

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "domain/flaw_description.hpp"
#include "screens/common/flaw_description_items.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

constexpr double kPictureTop = 70;
constexpr double kTurnedDrop = 192;  // the turned picture's first row lies this much lower
constexpr double kPictureInset = 5;  // upright: column 0 from the panel x
constexpr double kTurnedInset = 1;   // turned: the column reference from the panel x
constexpr int kUncertainFill = 17;

bool active(const FlawPanelRequest& r) {
  return (r.panel == FlawPanelKind::Oval && r.mode == FlawViewMode::Oval) ||
         (r.panel == FlawPanelKind::Frame && r.mode == FlawViewMode::Frame);
}

}  // namespace

ClichePanelGeometry flawPanelGeometry(int zoom, double panelX) {
  return clichePanelGeometry(zoom, panelX);
}

bool flawPanelInverted(const FlawPanelRequest& request, const FlawRecord& record) {
  if (request.panel != FlawPanelKind::Frame) return false;
  const char kind = request.mode == FlawViewMode::Position ? request.frameKind : record.frameKind;
  return isInvertedFlawFrame(kind);
}

FlawRecord drawFlawPanel(Screen& screen, const DataFile& file, const FlawPanelRequest& request) {
  const double x = request.panelX;
  drawClichePanelFrame(screen, x, active(request) ? colour::kBlack : colour::kWhite,
                       request.mark == '?' ? kUncertainFill : colour::kWhite);
  if (request.keyPart.empty()) return {};  // no flaw number

  FlawRecord record = readFlawRecord(file, flawRecordKey(request.edition, request.keyPart));
  if (!record.found) {
    if (request.panel == FlawPanelKind::Oval && request.mode == FlawViewMode::Oval) {
      screen.drawGlyphText(cp("( OF-nummer ikke anvendt )"), x + 89, 140,
                           GlyphStyle{Font::C, kCentred, 1, 3, colour::kDarkGrey});
    } else {
      record.clearTexts();
    }
  }
  if (!record.hasPicture) return record;

  const int zoom = screen.zoom();
  const ClichePanelGeometry g = flawPanelGeometry(zoom, x);
  const ClicheClip clip{g.interiorLeft(), g.interiorTop(), g.interiorRight(), g.interiorBottom()};
  const bool inverted = flawPanelInverted(request, record);
  // The first drawn row lies at virtual y 70, or for the half turn 192 lower, going up.
  const PictureRowsPlace place =
      inverted
          ? PictureRowsPlace{screen.px(kPictureTop) + screen.px(kTurnedDrop),
                             screen.px(x + kTurnedInset), true, clip}
          : PictureRowsPlace{screen.px(kPictureTop), screen.px(x + kPictureInset), false, clip};
  drawPictureRows(screen, decodeClichePicture(record.picture), place, request.colour);
  return record;
}

void drawFlawDescription(Screen& screen, std::string_view description, double panelX,
                         bool inverted) {
  drawFlawDescriptionItems(screen, description, panelX, kFlawLabelBaseY, inverted);
}

}  // namespace kolvard
