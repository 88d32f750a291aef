#include "screens/common/cliche_panel.hpp"

#include <algorithm>
#include <cmath>

#include "data/data_file.hpp"
#include "ui/line_walk.hpp"
#include "ui/run_length_picture.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

constexpr double kPanelTop = 70;
constexpr double kFlawPanelX = 230;
constexpr double kPictureInset = 5;  // the picture's left edge from the panel x

ClicheClip interiorOf(const ClichePanelGeometry& g) {
  return {g.interiorLeft(), g.interiorTop(), g.interiorRight(), g.interiorBottom()};
}

ClichePicturePlace panelPicturePlace(int zoom, double panelX) {
  return {panelX + kPictureInset, kPanelTop, interiorOf(clichePanelGeometry(zoom, panelX))};
}

// One horizontal line from x1 towards x2 on row y, the end point itself not drawn (so a line
// from x to x draws nothing), clipped to the box.
void drawRun(Screen& screen, const ClicheClip& g, int y, long long x1, long long x2, int colour) {
  long long from = x1, to = x2;
  if (x2 < x1) {
    from = x2 + 1;
    to = x1 + 1;
  }
  from = std::max<long long>(from, g.left);
  to = std::min<long long>(to, g.right);
  if (to <= from) return;
  screen.hspan(y, static_cast<int>(from), static_cast<int>(to), colour);
}

// A one-pixel line between two pixel points, both ends drawn (as the screen's lineTo),
// clipped to the box.
void drawClippedLine(Screen& screen, const ClicheClip& g, int x0, int y0, int x1, int y1,
                     int colour) {
  walkLine(x0, y0, x1, y1, [&](int px, int py) {
    if (px >= g.left && px < g.right && py >= g.top && py < g.bottom) {
      screen.setPixel(px, py, colour);
    }
  });
}

void drawEdgeMark(Screen& screen, const ClicheClip& g, const ClicheEdgeMark& mark,
                  const ClichePicturePlace& place) {
  const int zoom = screen.zoom();
  // Picture units (half a virtual unit) to pixels; the mark numbers are given for the picture
  // of the panel at x 230 (left 235, top 70) and move with the picture.
  const double shiftX = 2 * (place.left - (kFlawPanelX + kPictureInset));
  const double shiftY = 2 * (place.top - kPanelTop);
  const auto cx = [zoom, shiftX](double p) {
    return static_cast<int>(std::lround((p + shiftX) * zoom / 4.0));
  };
  const auto cy = [zoom, shiftY](double p) {
    return static_cast<int>(std::lround((p + shiftY) * zoom / 4.0));
  };
  const int seven = 7 * zoom / 4;
  const int n = mark.number;
  const int x1 = cx(585 + 20 * n), x2 = cx(705 + 20 * n);
  const int y1 = cy(270 - 20 * n), y2 = cy(390 - 20 * n);
  const std::string& code = mark.code;
  for (int i = 1; i <= 10; ++i) {
    const auto line = [&](int ax, int ay, int bx, int by) {
      drawClippedLine(screen, g, ax, ay, bx, by, colour::kKeyFace);
    };
    if (code == "OV") {
      line(x1, std::min(cy(134 + i) + seven, cy(144)), x2, cy(134 + i));
    } else if (code == "OH") {
      line(x1, cy(134 + i), x2, std::min(cy(134 + i) + seven, cy(144)));
    } else if (code == "NV") {
      line(x1, std::max(cy(524 + i) - seven, cy(525)), x2, cy(524 + i));
    } else if (code == "NH") {
      line(x1, cy(524 + i), x2, std::max(cy(524 + i) - seven, cy(525)));
    } else if (code == "VO") {
      line(std::min(cx(450 + i) + seven, cx(460)), y1, cx(450 + i), y2);
    } else if (code == "VN") {
      line(cx(450 + i), y1, std::min(cx(450 + i) + seven, cx(460)), y2);
    } else if (code == "HO") {
      line(std::max(cx(815 + i) - seven, cx(816)), y1, cx(815 + i), y2);
    } else if (code == "HN") {
      line(cx(815 + i), y1, std::max(cx(815 + i) - seven, cx(816)), y2);
    } else {
      return;  // other codes are skipped
    }
  }
}

}  // namespace

ClichePanelGeometry clichePanelGeometry(int zoom, double panelX) {
  const auto trunc = [zoom](double v) { return static_cast<int>(std::trunc(v * zoom / 2.0)); };
  return ClichePanelGeometry{trunc(panelX - 10), trunc(kPanelTop - 10), trunc(panelX + 188),
                             trunc(kPanelTop + 202)};
}

void drawPictureRows(Screen& screen, const std::vector<ClichePictureRow>& rows,
                     const PictureRowsPlace& place, int colour) {
  const int s = screen.zoom();
  const ClicheClip& g = place.clip;
  const long long base = place.base;
  const int step = place.turned ? -1 : 1;
  int y = place.firstRow - step;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (!pictureRowDrawn(static_cast<int>(r), s)) continue;  // read but not drawn; y stays
    y += step;
    if (y < g.top || y >= g.bottom) continue;
    for (const auto& [a, b] : rows[r]) {
      const long long la = a, lb = b;
      if (place.turned) {
        // trunc(86·S − S·a/4) as one integer division (which truncates toward zero)
        const long long x1 = base + (344 * s - s * la) / 4;
        const long long x2 =
            lb - la < 3 ? x1 - s * (lb - la) / 3 - 1 : base + (344 * s - s * lb) / 4 - 1;
        drawRun(screen, g, y, x1, x2, colour);
      } else {
        const long long x1 = base + s * la / 4;
        const long long x2 = lb - la < 3 ? x1 + s * (lb - la) / 3 + 1 : base + s * lb / 4 + 1;
        drawRun(screen, g, y, x1, x2, colour);
      }
    }
  }
}

void drawClichePicture(Screen& screen, const std::vector<ClichePictureRow>& rows, double panelX,
                       int colour, bool turned) {
  if (!turned) {
    drawClichePictureAt(screen, rows, panelPicturePlace(screen.zoom(), panelX), colour);
    return;
  }
  // The turned rows start just above virtual y 262 and go up.
  const ClicheClip g = interiorOf(clichePanelGeometry(screen.zoom(), panelX));
  drawPictureRows(screen, rows, {screen.px(kPanelTop + 192) - 1, screen.px(panelX + 1), true, g},
                  colour);
}

void drawClichePictureAt(Screen& screen, const std::vector<ClichePictureRow>& rows,
                         const ClichePicturePlace& place, int colour) {
  // The rows start one pixel below the top.
  drawPictureRows(screen, rows,
                  {screen.px(place.top) + 1, screen.px(place.left), false, place.clip}, colour);
}

void drawClichePanelFrame(Screen& screen, double panelX, int outerColour, int fill) {
  const ClichePanelGeometry g = clichePanelGeometry(screen.zoom(), panelX);
  // The rectangle and a second one a pixel outside it.
  for (int k = 0; k < 2; ++k) {
    const int c = k == 0 ? colour::kBlack : outerColour;
    const int left = g.frameLeft - k, top = g.frameTop - k;
    const int right = g.frameRight + k, bottom = g.frameBottom + k;
    screen.hspan(top, left, right + 1, c);
    screen.hspan(bottom, left, right + 1, c);
    for (int y = top; y <= bottom; ++y) {
      screen.setPixel(left, y, c);
      screen.setPixel(right, y, c);
    }
  }
  // The whole interior the picture is clipped to: at zoom 3 the box from (x − 9, 61) starts a
  // pixel inside it, and a picture pixel in that first column or row would outlive the panel.
  for (int y = g.interiorTop(); y < g.interiorBottom(); ++y) {
    screen.hspan(y, g.interiorLeft(), g.interiorRight(), fill);
  }
}

ClicheRecord drawClichePanel(Screen& screen, const DataFile& file,
                             const ClichePanelRequest& request) {
  const double p = request.panelX;
  drawClichePanelFrame(screen, p, colour::kBlack, request.uncertain ? 17 : colour::kWhite);

  ClicheRecord record =
      readClicheRecord(file, clicheRecordKey(request.valueKey, request.clicheNumber));
  if (!record.found) {
    if (request.mode == ClichePanelMode::ByNumber) {
      const std::string edition =
          !request.edition.empty() ? request.edition : request.valueKey.substr(0, 1);
      screen.drawGlyphText(clicheMissingWords(edition), p + 89, 140,
                           GlyphStyle{Font::C, kCentred, 1, 3, colour::kDarkGrey});
    }
    return record;
  }
  if (record.hasPicture) {
    drawClichePicture(screen, decodeClichePicture(record.picture), p, request.colour,
                      request.turned && record.turnedOrientation());
  }
  return record;
}

void drawClichePlacedLabels(Screen& screen, const std::vector<ClichePlacedLabel>& labels,
                            double panelX, double labelBaseY) {
  for (const ClichePlacedLabel& label : labels) {
    const int mode = label.kind == 'h'   ? kFromLeft
                     : label.kind == 'v' ? kToRight
                     : label.kind == 'o' ? kVerticalUp
                                         : kVerticalDown;
    const double x = std::round((panelX - 4) + 1.79 * label.x);
    const double y = std::round(labelBaseY + 2.05 * label.y);
    screen.drawGlyphText(label.text, x, y, GlyphStyle{Font::C, mode, 1, 2, colour::kBlack});
  }
}

void drawClicheAnnotations(Screen& screen, std::string_view description, double panelX,
                           double labelBaseY) {
  drawClicheAnnotations(screen, description, panelX, labelBaseY,
                        panelPicturePlace(screen.zoom(), panelX));
}

void drawClicheAnnotations(Screen& screen, std::string_view description, double panelX,
                           double labelBaseY, const ClichePicturePlace& picture) {
  const ClicheDescription parsed = parseClicheDescription(description);
  for (const ClicheEdgeMark& mark : parsed.marks) drawEdgeMark(screen, picture.clip, mark, picture);

  drawClichePlacedLabels(screen, parsed.labels, panelX, labelBaseY);

  for (int d = 1; d <= 9; ++d) {
    const std::string& line = parsed.lines[static_cast<std::size_t>(d)];
    if (line.empty()) continue;
    const ClicheLinePlace place = clicheDescriptionLinePlace(line, d, panelX, labelBaseY);
    screen.drawGlyphText(place.text, place.x, place.y,
                         GlyphStyle{Font::C, kCentred, 1, 2, colour::kBlack});
  }
}

}  // namespace kolvard
