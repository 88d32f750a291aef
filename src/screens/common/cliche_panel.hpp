// The panel the flaw screens (and later the two-coloured screens) draw a cliché in:
// double frame, background, the record's picture at the screen's zoom, edge marks, placed
// labels and the nine description lines, all clipped to the panel; the type screen places the
// same picture and annotations in its grid cells.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "domain/cliche_record.hpp"

namespace kolvard {

class DataFile;
class Screen;

enum class ClichePanelMode { ByPosition, ByNumber };

struct ClichePanelRequest {
  double panelX = 230;
  ClichePanelMode mode = ClichePanelMode::ByPosition;
  std::string edition;   // for the missing-record words ("" : the value key's first letter)
  std::string valueKey;  // edition + value, e.g. "P4s"
  std::string clicheNumber;
  int colour = 1;          // drawing colour of the picture
  bool uncertain = false;  // fill palette 17 instead of 15
  // The second (two-coloured) panel: its picture is drawn turned by 180 degrees when the
  // record's orientation flag is "U" or "O".
  bool turned = false;
};

// The panel's pixel rectangles at a zoom: the inner frame line (corners truncated to pixels)
// and the interior strictly inside it, to which the picture and the edge marks are clipped.
struct ClichePanelGeometry {
  int frameLeft, frameTop, frameRight, frameBottom;  // inclusive pixel positions of the lines
  int interiorLeft() const { return frameLeft + 1; }
  int interiorTop() const { return frameTop + 1; }
  int interiorRight() const { return frameRight; }    // exclusive
  int interiorBottom() const { return frameBottom; }  // exclusive
};
ClichePanelGeometry clichePanelGeometry(int zoom, double panelX);

// A box of pixels [left, right) x [top, bottom) that a drawing is clipped to.
struct ClicheClip {
  int left, top, right, bottom;
};

// Frame, background, lookup, picture; the missing-record words in by-number mode. Returns the
// record.
ClicheRecord drawClichePanel(Screen& screen, const DataFile& file,
                             const ClichePanelRequest& request);

// Where a picture goes: its rows start one pixel below virtual y `top`, picture column 0 lies
// at virtual x `left`; the picture and its edge marks are clipped to `clip`. The flaw
// screens' panel at x P has left P + 5, top 70 and its interior as the clip.
struct ClichePicturePlace {
  double left, top;
  ClicheClip clip;
};

// The frame of a panel at panel x: the rectangle in palette 1 and a second one a pixel
// outside it in `outerColour`; the inside filled with `fill`, with no outline of another
// colour.
void drawClichePanelFrame(Screen& screen, double panelX, int outerColour, int fill);

// How the drawn rows of a picture are laid into pixels: the pixel row of the first drawn row
// and the column reference `base`. Upright rows go down and a run (a, b) starts at
// base + trunc(zoom·a/4); turned rows go up and the run starts at base + trunc(86·zoom −
// zoom·a/4) and runs leftwards. A run shorter than 3 is drawn trunc(zoom·(b − a)/3) + 1
// pixels wide, so that it stays visible.
struct PictureRowsPlace {
  int firstRow;
  long long base;
  bool turned;
  ClicheClip clip;
};
void drawPictureRows(Screen& screen, const std::vector<ClichePictureRow>& rows,
                     const PictureRowsPlace& place, int colour);

// Draws an already decoded picture into the panel at panel x (clipped to its interior).
void drawClichePicture(Screen& screen, const std::vector<ClichePictureRow>& rows, double panelX,
                       int colour, bool turned);
// The same, upright, at any place (the type screen's cells).
void drawClichePictureAt(Screen& screen, const std::vector<ClichePictureRow>& rows,
                         const ClichePicturePlace& place, int colour);

// Placed labels: "h" starting at the point, "v" ending at it, "o" upwards, "n" downwards, at
// x = round(panel x − 4 + 1.79·x), y = round(label base + 2.05·y); font C, palette 1.
void drawClichePlacedLabels(Screen& screen, const std::vector<ClichePlacedLabel>& labels,
                            double panelX, double labelBaseY);

// Edge marks "$P", placed labels h/v/o/n, description lines 1..9 with their indentation
// characters.
void drawClicheAnnotations(Screen& screen, std::string_view description, double panelX,
                           double labelBaseY);
// The same for a picture placed elsewhere: the edge marks follow the picture and its clip.
void drawClicheAnnotations(Screen& screen, std::string_view description, double panelX,
                           double labelBaseY, const ClichePicturePlace& picture);

}  // namespace kolvard
