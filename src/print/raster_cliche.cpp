#include "print/raster_cliche.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <utility>
#include <vector>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "data/run_length_rows.hpp"
#include "domain/cliche_record.hpp"
#include "print/cell_text_layout.hpp"
#include "print/page_raster.hpp"
#include "print/page_text.hpp"
#include "ui/line_walk.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

constexpr char kEscape = 27;
constexpr int kPictureReadBytes = 480;  // the picture tag must lie in the record's first bytes
constexpr int kCellWidth = 458;
constexpr int kCellHeight = 610;

// The cell's columns: 458 pixels from its left edge, so that a run can never reach into
// the next cell.
struct CellSpan {
  int left = 0;
  int right = 0;  // inclusive
  // Rows the description items may use: from 80 rows above the picture to 12 below it,
  // one cell's height (the picture itself always takes the same 518 rows).
  int top = 0;
  int bottom = 0;  // inclusive
  bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

int clampToInt(long long v) {
  return static_cast<int>(std::clamp<long long>(v, -1000000000LL, 1000000000LL));
}

CellSpan cellSpan(int column, int row, int yOffset) {
  const int left = clampToInt(static_cast<long long>(kCellWidth) * column - 453);
  const int firstRow = clampToInt(static_cast<long long>(kCellHeight) * row + yOffset);
  return CellSpan{left, left + kCellWidth - 1, firstRow - 80, firstRow - 80 + kCellHeight - 1};
}

// Glyph pixels of the description items, kept inside the cell's text box; the pixels it has
// to drop are counted, so that a page can tell when an item did not fit.
class CellSink final : public RasterSink {
 public:
  CellSink(PageRaster& raster, const CellTextBox& box) : raster_(raster), box_(box) {}
  void plotGlyphPixel(int x, int y) override {
    if (x >= box_.left && x <= box_.right && y >= box_.top && y <= box_.bottom) {
      raster_.plotGlyphPixel(x, y);
    } else {
      ++dropped_;
    }
  }
  void plotGlyphPixels(std::span<const std::pair<int, int>> points) override {
    dropped_ += raster_.plotGlyphPixelsInside(points, box_.left, box_.top, box_.right, box_.bottom);
  }
  int dropped() const { return dropped_; }

 private:
  PageRaster& raster_;
  CellTextBox box_;
  int dropped_ = 0;
};

// Glyph pixels held back, so that a text's drawn extent is known exactly before it is placed.
class RecordingSink final : public RasterSink {
 public:
  void plotGlyphPixel(int x, int y) override { points_.emplace_back(x, y); }
  void plotGlyphPixels(std::span<const std::pair<int, int>> points) override {
    points_.insert(points_.end(), points.begin(), points.end());
  }
  void clear() { points_.clear(); }
  const std::vector<std::pair<int, int>>& points() const { return points_; }
  void shift(int dx, int dy) {
    for (auto& [x, y] : points_) {
      x += dx;
      y += dy;
    }
  }

 private:
  std::vector<std::pair<int, int>> points_;
};

// The shift that brings [low, high] inside [from, to]; one too long starts at `from`.
int shiftInto(int low, int high, int from, int to) {
  if (high > to) return std::max(to - high, from - low);
  if (low < from) return from - low;
  return 0;
}

// The picture-unit scale of the page: 19 raster pixels for 14 picture units.
constexpr double kScale = 19.0 / 14.0;

// Where the description items go. The screen draws them in picture units of the panel at
// x 230 (half virtual units); the page keeps them registered with the enlarged picture:
// picture unit (585, 144), the corner of the top edge marks, lands on the cell's base point
// (458·c − 297 + X, 610·r + Y + 5).
struct ItemPlace {
  double baseX = 0, baseY = 0;
  CellSpan span;
  int x(double pictureUnits) const {
    return static_cast<int>(std::lround(baseX + (pictureUnits - 585) * kScale));
  }
  int y(double pictureUnits) const {
    return static_cast<int>(std::lround(baseY + (pictureUnits - 144) * kScale));
  }
};

// A one-pixel line with both ends drawn, kept inside the cell's columns.
void cellLine(PageRaster& raster, const CellSpan& span, int x0, int y0, int x1, int y1) {
  walkLine(x0, y0, x1, y1, [&](int px, int py) {
    if (span.contains(px, py)) raster.set(px, py, true);
  });
}

// An edge mark: the screen's ten wedge lines i = 1..10, drawn at every raster step between
// them so the wedge stays solid at the larger scale. Marks along the top and bottom follow
// the picture; those along the left and right sit just inside the cell's edges, since at
// the page's scale the picture already fills the cell's width.
void drawEdgeMark(PageRaster& raster, const ItemPlace& at, const ClicheEdgeMark& mark) {
  const int n = std::clamp(mark.number, -99, 99);
  const double x1 = 585 + 20 * n, x2 = 705 + 20 * n;
  const double y1 = 270 - 20 * n, y2 = 390 - 20 * n;
  const double seven = 7;
  const std::string& code = mark.code;
  const bool known = code == "OV" || code == "OH" || code == "NV" || code == "NH" || code == "VO" ||
                     code == "VN" || code == "HO" || code == "HN";
  if (!known) return;
  // Side marks: picture units across the margin to pixels from the cell's edges.
  const auto leftX = [&](double p) {
    return at.span.left + 2 + static_cast<int>(std::lround((p - 450) * kScale));
  };
  const auto rightX = [&](double p) {
    return at.span.right - 2 - static_cast<int>(std::lround((825 - p) * kScale));
  };
  const int steps = static_cast<int>(std::ceil(9 * kScale));
  for (int k = 0; k <= steps; ++k) {
    const double i = 1 + 9.0 * k / steps;
    if (code == "OV") {
      cellLine(raster, at.span, at.x(x1), at.y(std::min(134 + i + seven, 144.0)), at.x(x2),
               at.y(134 + i));
    } else if (code == "OH") {
      cellLine(raster, at.span, at.x(x1), at.y(134 + i), at.x(x2),
               at.y(std::min(134 + i + seven, 144.0)));
    } else if (code == "NV") {
      cellLine(raster, at.span, at.x(x1), at.y(std::max(524 + i - seven, 525.0)), at.x(x2),
               at.y(524 + i));
    } else if (code == "NH") {
      cellLine(raster, at.span, at.x(x1), at.y(524 + i), at.x(x2),
               at.y(std::max(524 + i - seven, 525.0)));
    } else if (code == "VO") {
      cellLine(raster, at.span, leftX(std::min(450 + i + seven, 460.0)), at.y(y1), leftX(450 + i),
               at.y(y2));
    } else if (code == "VN") {
      cellLine(raster, at.span, leftX(450 + i), at.y(y1), leftX(std::min(450 + i + seven, 460.0)),
               at.y(y2));
    } else if (code == "HO") {
      cellLine(raster, at.span, rightX(std::max(815 + i - seven, 816.0)), at.y(y1), rightX(815 + i),
               at.y(y2));
    } else {  // "HN"
      cellLine(raster, at.span, rightX(815 + i), at.y(y1), rightX(std::max(815 + i - seven, 816.0)),
               at.y(y2));
    }
  }
}

// The page form of the panel's text: the smallest page font, about the size the screen's
// font C has next to the picture.
constexpr Font kItemFont = Font::Page090;
constexpr double kItemSpacing = 0;  // the glyphs carry their own side bearings
constexpr double kItemSpaceWidth = 7;
constexpr int kWidthSlack = 4;         // a glyph's ink may reach a little past its advance
constexpr int kPageGlyphRecord = 512;  // the record size of the page fonts' glyphs

// Draws one text into the recorder, moves what it drew inside the box, and hands it on.
template <typename Draw>
void drawInsideBox(Screen& screen, RecordingSink& recorder, CellSink& out, const CellTextBox& box,
                   Draw draw) {
  recorder.clear();
  screen.setRasterSink(&recorder);
  draw();
  screen.setRasterSink(&out);
  const auto& points = recorder.points();
  if (points.empty()) return;
  int left = points.front().first, right = left;
  int top = points.front().second, bottom = top;
  for (const auto& [x, y] : points) {
    left = std::min(left, x);
    right = std::max(right, x);
    top = std::min(top, y);
    bottom = std::max(bottom, y);
  }
  const int dx = shiftInto(left, right, box.left, box.right);
  const int dy = shiftInto(top, bottom, box.top, box.bottom);
  recorder.shift(dx, dy);
  out.plotGlyphPixels(recorder.points());
}

// The rows the item font takes above and below its baseline, from its tallest and deepest
// letters (read from the glyph records: nothing is drawn).
CellLineMetrics itemLineMetrics(Screen& screen) {
  CellLineMetrics metrics;
  const FontRef font = screen.fontRef(kItemFont);
  for (const char c : cp("ÅØÉbdfhklgjpqy|")) {
    const Glyph& g = screen.glyphs().glyph(font, kPageGlyphRecord, static_cast<std::uint8_t>(c));
    metrics.ascent = std::max(metrics.ascent, g.ascent - 1);
    metrics.descent = std::max(metrics.descent, g.rows - g.ascent);
  }
  metrics.step = static_cast<int>(std::lround(26 * kScale));  // 13 virtual units
  return metrics;
}

void drawItems(Screen& screen, PageRaster& raster, const ItemPlace& at, CellSink& out,
               const CellTextBox& box, std::string_view description, std::vector<int>& taken) {
  const ClicheDescription parsed = parseClicheDescription(description);
  for (const ClicheEdgeMark& mark : parsed.marks) drawEdgeMark(raster, at, mark);

  // Placed labels and description lines as the flaw screen has them for the panel at x 230
  // with label base 61, converted from virtual units to picture units (× 2).
  constexpr double kPanelX = 230, kLabelBase = 61;
  static thread_local RecordingSink recorder;  // kept, so its buffer is allocated once
  for (const ClichePlacedLabel& label : parsed.labels) {
    const int mode = label.kind == 'h'   ? kFromLeft
                     : label.kind == 'v' ? kToRight
                     : label.kind == 'o' ? kVerticalUp
                                         : kVerticalDown;
    const double vx = std::clamp(std::round((kPanelX - 4) + 1.79 * label.x), -2000.0, 2000.0);
    const double vy = std::clamp(std::round(kLabelBase + 2.05 * label.y), -2000.0, 2000.0);
    drawInsideBox(screen, recorder, out, box, [&] {
      screen.drawGlyphText(label.text, at.x(2 * vx), at.y(2 * vy),
                           GlyphStyle{kItemFont, mode, kItemSpacing, kItemSpaceWidth, -2});
    });
  }

  const GlyphStyle style{kItemFont, kFromLeft, kItemSpacing, kItemSpaceWidth, -2};
  std::vector<CellLineWish> wishes;
  for (int d = 1; d <= 9; ++d) {
    const std::string& line = parsed.lines[static_cast<std::size_t>(d)];
    if (line.empty()) continue;
    const ClicheLinePlace place = clicheDescriptionLinePlace(line, d, kPanelX, kLabelBase);
    wishes.push_back(CellLineWish{place.text, at.x(2 * place.x), at.y(2 * place.y)});
  }
  if (wishes.empty()) return;
  // The page's letters are wider against the cell than the screen's against the panel: a
  // line too long for the cell goes on over the next line places.
  const auto measure = [&](std::string_view text) {
    return static_cast<int>(std::ceil(screen.glyphTextAdvance(text, style))) + kWidthSlack;
  };
  const CellLineMetrics metrics = itemLineMetrics(screen);
  for (const CellLinePiece& piece : layOutCellLines(wishes, box, metrics, measure, taken)) {
    drawInsideBox(screen, recorder, out, box,
                  [&] { screen.drawGlyphText(piece.text, piece.left, piece.baseline, style); });
  }
}

// The cell's text box: inside the grid lines with a small margin, below the cell's type and
// cliché texts, down to the caller's bottom or the cell's own.
CellTextBox textBox(const RasterClicheCell& cell) {
  const long long left = static_cast<long long>(kCellWidth) * cell.column - 446 + cell.xOffset;
  const long long first = static_cast<long long>(kCellHeight) * cell.row + cell.yOffset;
  CellTextBox box;
  box.left = clampToInt(left);
  box.right = clampToInt(left + 440);
  box.top = clampToInt(first - 14);
  box.bottom = cell.textBottom != 0 ? cell.textBottom : clampToInt(first + 522);
  return box;
}

}  // namespace

namespace {

constexpr int enlargeByDivision(int v) {
  // Round half up of 19·v / 14 as a floor division, also for negative values.
  const long long numerator = 19LL * v + 7;
  long long q = numerator / 14;
  if (numerator % 14 != 0 && numerator < 0) --q;
  return static_cast<int>(q);
}

// The columns of real pictures, worked out once (a picture is some 600 columns wide; columns
// beyond the table are worked out when met).
constexpr int kEnlargedColumns = 4096;
constexpr std::array<int, kEnlargedColumns> kEnlarged = [] {
  std::array<int, kEnlargedColumns> table{};
  for (int v = 0; v < kEnlargedColumns; ++v)
    table[static_cast<std::size_t>(v)] = enlargeByDivision(v);
  return table;
}();

}  // namespace

int enlargeClicheColumn(int v) {
  if (v >= 0 && v < kEnlargedColumns) return kEnlarged[static_cast<std::size_t>(v)];
  return enlargeByDivision(v);
}

bool drawRasterClichePicture(PageRaster& raster, const DataFile& file, std::string_view key,
                             int column, int row, int xOffset, int yOffset) {
  const SectionRef ref = file.findSection(key);
  if (!ref.found() || ref.length() < kPictureReadBytes) return false;
  const std::span<const std::uint8_t> bytes = file.sectionBytes(ref);
  if (bytes.size() < static_cast<std::size_t>(kPictureReadBytes)) return false;

  const std::string_view head(reinterpret_cast<const char*>(bytes.data()),
                              static_cast<std::size_t>(kPictureReadBytes));
  const char tag[3] = {kEscape, '*', 'b'};
  const auto at = head.find(std::string_view(tag, 3));
  if (at == std::string_view::npos) return false;
  const std::size_t pictureStart = at + 3;
  if (bytes.size() - pictureStart < static_cast<std::size_t>(kClicheMinimumBytes)) return false;

  const CellSpan span = cellSpan(column, row, yOffset);
  const long long x0 = static_cast<long long>(kCellWidth) * column - 453 + xOffset;
  long long y = static_cast<long long>(kCellHeight) * row + yOffset;
  int p = 0, q = 2;
  // Rows are drawn as they are decoded; rows the data does not hold stay paper.
  visitRunLengthRows(bytes.subspan(pictureStart), kRasterClicheSourceRows,
                     [&](int, std::span<const RunLengthRun> runs) {
                       ++p;
                       for (const auto& [s, e] : runs) {
                         long long from = x0 + enlargeClicheColumn(s);
                         long long to = x0 + enlargeClicheColumn(e);
                         if (from > to) std::swap(from, to);
                         from = std::max<long long>(from, span.left);
                         to = std::min<long long>(to, span.right);
                         if (from > to) continue;
                         const auto a = static_cast<int>(from), b = static_cast<int>(to);
                         if (y + 1 >= 0 && y + 1 < kRasterRows) {
                           raster.hline(a, b, static_cast<int>(y + 1));
                         }
                         if (p == 3 && y + 2 >= 0 && y + 2 < kRasterRows) {
                           raster.hline(a, b, static_cast<int>(y + 2));
                         }
                       }
                       y += p == 3 ? 2 : 1;
                       if (p == 3) {
                         ++q;
                         if (q == 5) {
                           p = 1;
                           q = 0;
                         } else {
                           p = 0;
                         }
                       }
                     });
  return true;
}

RasterCliche drawRasterCliche(Screen& screen, PageRaster& raster, const DataFile& file,
                              const RasterClicheCell& cell, std::vector<int>& taken) {
  RasterCliche out;
  ClicheRecord record = readClicheRecord(file, cell.key);
  // A record without picture data counts only when it has a description to show.
  if (!record.found || (!record.hasPicture && record.description.empty())) return out;

  out.found = true;
  out.orientation = record.orientation;
  out.description = record.description;
  out.stampNumber = record.stampNumber;
  out.occurrences = record.occurrences;
  out.pictureDrawn = drawRasterClichePicture(raster, file, cell.key, cell.column, cell.row,
                                             cell.xOffset, cell.yOffset);

  // The prefix is an item of its own, so that "1ny kliché$" becomes description line 1.
  std::string description;
  if (!cell.descriptionPrefix.empty()) {
    if (cell.descriptionPrefix.front() != '$') description += '$';
    description += cell.descriptionPrefix;
    if (description.back() != '$') description += '$';
  }
  description += record.description;

  ItemPlace place;
  place.span = cellSpan(cell.column, cell.row, cell.yOffset);
  place.baseX = static_cast<double>(kCellWidth) * cell.column - 297 + cell.xOffset;
  place.baseY = static_cast<double>(kCellHeight) * cell.row + cell.yOffset + 5;
  const CellTextBox box = textBox(cell);
  CellSink sink(raster, box);
  SinkScope scope(screen, &sink, screen.rasterSink());
  drawItems(screen, raster, place, sink, box, description, taken);
  out.droppedItemPixels = sink.dropped();
  return out;
}

RasterCliche drawRasterCliche(Screen& screen, PageRaster& raster, const DataFile& file,
                              const RasterClicheCell& cell) {
  std::vector<int> taken;
  return drawRasterCliche(screen, raster, file, cell, taken);
}

}  // namespace kolvard
