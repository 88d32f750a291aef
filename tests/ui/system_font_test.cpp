#include "ui/system_font.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "data/cp865.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

std::uint8_t byte(char c) {
  return static_cast<std::uint8_t>(c);
}

// The glyph as rows of '#' and '.', for comparing and for readable failure messages.
std::string picture(const SystemFontFace& face, std::uint8_t code) {
  std::string out;
  for (int y = 0; y < face.cellHeight(); ++y) {
    for (int x = 0; x < face.cellWidth(); ++x) out += face.ink(code, x, y) ? '#' : '.';
    out += '\n';
  }
  return out;
}

int inkCount(const SystemFontFace& face, std::uint8_t code) {
  int n = 0;
  for (int y = 0; y < face.cellHeight(); ++y) {
    for (int x = 0; x < face.cellWidth(); ++x) n += face.ink(code, x, y) ? 1 : 0;
  }
  return n;
}

// Ink along one edge of the cell: a column (x fixed) read top to bottom or a row (y fixed)
// read left to right.
std::vector<bool> column(const SystemFontFace& face, std::uint8_t code, int x) {
  std::vector<bool> out;
  for (int y = 0; y < face.cellHeight(); ++y) out.push_back(face.ink(code, x, y));
  return out;
}
std::vector<bool> row(const SystemFontFace& face, std::uint8_t code, int y) {
  std::vector<bool> out;
  for (int x = 0; x < face.cellWidth(); ++x) out.push_back(face.ink(code, x, y));
  return out;
}

// The runs of ink along an edge, as [first, last] pairs.
std::vector<std::pair<int, int>> runs(const std::vector<bool>& line) {
  std::vector<std::pair<int, int>> out;
  for (int i = 0; i < static_cast<int>(line.size()); ++i) {
    if (!line[static_cast<std::size_t>(i)]) continue;
    if (!out.empty() && out.back().second == i - 1) {
      out.back().second = i;
    } else {
      out.emplace_back(i, i);
    }
  }
  return out;
}

// Whether the runs lie symmetrically about the middle of a line of `size` pixels.
bool centred(const std::vector<std::pair<int, int>>& r, int size) {
  for (const auto& [first, last] : r) {
    const auto mirrored = std::make_pair(size - 1 - last, size - 1 - first);
    if (std::find(r.begin(), r.end(), mirrored) == r.end()) return false;
  }
  return !r.empty();
}

int topInkRow(const SystemFontFace& face, std::uint8_t code) {
  for (int y = 0; y < face.cellHeight(); ++y) {
    for (int x = 0; x < face.cellWidth(); ++x) {
      if (face.ink(code, x, y)) return y;
    }
  }
  return -1;
}
int bottomInkRow(const SystemFontFace& face, std::uint8_t code) {
  for (int y = face.cellHeight() - 1; y >= 0; --y) {
    for (int x = 0; x < face.cellWidth(); ++x) {
      if (face.ink(code, x, y)) return y;
    }
  }
  return -1;
}

class SystemFontZoom : public testing::TestWithParam<int> {
 protected:
  const SystemFontFace& face() const { return systemFontFace(GetParam()); }
};

INSTANTIATE_TEST_SUITE_P(SystemFontFaces, SystemFontZoom, testing::Values(2, 3, 4),
                         [](const auto& zoom) { return "Zoom" + std::to_string(zoom.param); });

// --- the faces and their cells ---

TEST_P(SystemFontZoom, EmbeddedFileIsWellFormed) {
  std::string error;
  const auto parsed = SystemFontFace::parse(systemFontSource(GetParam()), &error);
  ASSERT_TRUE(parsed.has_value()) << error;
  EXPECT_EQ(parsed->cellWidth(), face().cellWidth());
  EXPECT_EQ(parsed->cellHeight(), face().cellHeight());
  for (int code = 0; code < 256; ++code) {
    const auto c = static_cast<std::uint8_t>(code);
    EXPECT_EQ(picture(*parsed, c), picture(face(), c)) << "code " << code;
  }
}

TEST_P(SystemFontZoom, CellIsEightBySixteenVirtualUnits) {
  EXPECT_EQ(face().cellWidth(), 4 * GetParam());
  EXPECT_EQ(face().cellHeight(), 8 * GetParam());
}

TEST(SystemFont, CellSizesInPixels) {
  EXPECT_EQ(systemFontFace(2).cellWidth(), 8);
  EXPECT_EQ(systemFontFace(2).cellHeight(), 16);
  EXPECT_EQ(systemFontFace(3).cellWidth(), 12);
  EXPECT_EQ(systemFontFace(3).cellHeight(), 24);
  EXPECT_EQ(systemFontFace(4).cellWidth(), 16);
  EXPECT_EQ(systemFontFace(4).cellHeight(), 32);
}

TEST(SystemFont, ZoomsOutsideTwoToFourAreClamped) {
  EXPECT_EQ(&systemFontFace(1), &systemFontFace(2));
  EXPECT_EQ(&systemFontFace(0), &systemFontFace(2));
  EXPECT_EQ(&systemFontFace(-7), &systemFontFace(2));
  EXPECT_EQ(&systemFontFace(5), &systemFontFace(4));
  EXPECT_EQ(&systemFontFace(100), &systemFontFace(4));
  EXPECT_NE(&systemFontFace(2), &systemFontFace(3));
  EXPECT_NE(&systemFontFace(3), &systemFontFace(4));
  EXPECT_EQ(systemFontSource(1), systemFontSource(2));
  EXPECT_EQ(systemFontSource(9), systemFontSource(4));
}

TEST_P(SystemFontZoom, InkOutsideTheCellIsFalse) {
  const int w = face().cellWidth();
  const int h = face().cellHeight();
  const std::uint8_t full = 219;
  ASSERT_TRUE(face().ink(full, 0, 0));
  ASSERT_TRUE(face().ink(full, w - 1, h - 1));
  EXPECT_FALSE(face().ink(full, -1, 0));
  EXPECT_FALSE(face().ink(full, 0, -1));
  EXPECT_FALSE(face().ink(full, w, 0));
  EXPECT_FALSE(face().ink(full, 0, h));
  EXPECT_FALSE(face().ink(full, w + 100, h + 100));
}

// --- letters and symbols ---

TEST_P(SystemFontZoom, LettersDigitsAndMiddleDotHaveDistinctGlyphs) {
  const std::string text = cp("ABCÆØÅabcæøå0123456789·éüÉ");
  std::set<std::string> seen;
  for (const char c : text) {
    const std::string glyph = picture(face(), byte(c));
    EXPECT_GT(inkCount(face(), byte(c)), 0) << "code " << int{byte(c)} << " is blank";
    EXPECT_TRUE(seen.insert(glyph).second)
        << "code " << int{byte(c)} << " looks like another letter:\n"
        << glyph;
  }
}

TEST_P(SystemFontZoom, LettersStandOnOneBaseline) {
  const std::string flat = cp("ABCEHXÅÆ0123456789acexæå");
  const int baseline = bottomInkRow(face(), byte('H'));
  for (const char c : flat) {
    EXPECT_EQ(bottomInkRow(face(), byte(c)), baseline) << "code " << int{byte(c)};
  }
  for (const char c : std::string("gjpqy")) {
    EXPECT_GT(bottomInkRow(face(), byte(c)), baseline) << c << " has no descender";
  }
  // Accents and the ring rise above the capitals, and stay inside the cell.
  EXPECT_LT(topInkRow(face(), byte(cp("Å")[0])), topInkRow(face(), byte('A')));
  EXPECT_LT(topInkRow(face(), byte(cp("É")[0])), topInkRow(face(), byte('E')));
  // Lower case letters are lower than capitals; x has no ascender.
  EXPECT_GT(topInkRow(face(), byte('x')), topInkRow(face(), byte('X')));
}

TEST_P(SystemFontZoom, ArrowsPointUpAndDown) {
  const std::uint8_t up = 24;
  const std::uint8_t down = 25;
  // The head is the widest row of an arrow: in the upper part of ↑, the lower part of ↓.
  const auto widestRow = [&](std::uint8_t code) {
    int best = -1;
    int bestWidth = 0;
    for (int y = 0; y < face().cellHeight(); ++y) {
      const auto r = row(face(), code, y);
      const int width = static_cast<int>(std::count(r.begin(), r.end(), true));
      if (width > bestWidth) {
        best = y;
        bestWidth = width;
      }
    }
    return best;
  };
  ASSERT_GT(inkCount(face(), up), 0);
  ASSERT_GT(inkCount(face(), down), 0);
  const int upMiddle = (topInkRow(face(), up) + bottomInkRow(face(), up)) / 2;
  const int downMiddle = (topInkRow(face(), down) + bottomInkRow(face(), down)) / 2;
  EXPECT_LT(widestRow(up), upMiddle) << picture(face(), up);
  EXPECT_GT(widestRow(down), downMiddle) << picture(face(), down);
}

TEST_P(SystemFontZoom, SpaceNulAndNoBreakSpaceAreBlank) {
  EXPECT_EQ(inkCount(face(), 0), 0);
  EXPECT_EQ(inkCount(face(), 32), 0);
  EXPECT_EQ(inkCount(face(), 255), 0);
}

TEST_P(SystemFontZoom, EveryPrintableAsciiCharacterHasInk) {
  for (int code = 33; code < 127; ++code) {
    EXPECT_GT(inkCount(face(), static_cast<std::uint8_t>(code)), 0) << "code " << code;
  }
}

// --- box drawing ---

TEST_P(SystemFontZoom, HorizontalLineCrossesTheCellThroughItsCentre) {
  const std::uint8_t line = 196;  // ─
  const int w = face().cellWidth();
  const auto left = column(face(), line, 0);
  EXPECT_EQ(left, column(face(), line, w - 1));
  EXPECT_EQ(left, column(face(), line, w / 2));
  ASSERT_EQ(runs(left).size(), 1U) << picture(face(), line);
  EXPECT_TRUE(centred(runs(left), face().cellHeight())) << picture(face(), line);
  EXPECT_EQ(runs(row(face(), line, 0)).size(), 0U);
  EXPECT_EQ(runs(row(face(), line, face().cellHeight() - 1)).size(), 0U);
}

TEST_P(SystemFontZoom, VerticalLineCrossesTheCellThroughItsCentre) {
  const std::uint8_t line = 179;  // │
  const int h = face().cellHeight();
  const auto top = row(face(), line, 0);
  EXPECT_EQ(top, row(face(), line, h - 1));
  EXPECT_EQ(top, row(face(), line, h / 2));
  ASSERT_EQ(runs(top).size(), 1U) << picture(face(), line);
  EXPECT_TRUE(centred(runs(top), face().cellWidth())) << picture(face(), line);
  EXPECT_EQ(runs(column(face(), line, 0)).size(), 0U);
  EXPECT_EQ(runs(column(face(), line, face().cellWidth() - 1)).size(), 0U);
}

TEST_P(SystemFontZoom, CrossReachesAllFourEdges) {
  const std::uint8_t cross = 197;  // ┼
  const int w = face().cellWidth();
  const int h = face().cellHeight();
  EXPECT_EQ(column(face(), cross, 0), column(face(), 196, 0));
  EXPECT_EQ(column(face(), cross, w - 1), column(face(), 196, w - 1));
  EXPECT_EQ(row(face(), cross, 0), row(face(), 179, 0));
  EXPECT_EQ(row(face(), cross, h - 1), row(face(), 179, h - 1));
  EXPECT_TRUE(face().ink(cross, w / 2, h / 2));
}

TEST_P(SystemFontZoom, DoubleLinesAreTwoSeparateParallelLines) {
  const int w = face().cellWidth();
  const int h = face().cellHeight();
  const std::uint8_t horizontal = 205;  // ═
  const auto left = column(face(), horizontal, 0);
  EXPECT_EQ(left, column(face(), horizontal, w - 1));
  EXPECT_EQ(left, column(face(), horizontal, w / 2));
  EXPECT_EQ(runs(left).size(), 2U) << picture(face(), horizontal);
  EXPECT_TRUE(centred(runs(left), h)) << picture(face(), horizontal);

  const std::uint8_t vertical = 186;  // ║
  const auto top = row(face(), vertical, 0);
  EXPECT_EQ(top, row(face(), vertical, h - 1));
  EXPECT_EQ(top, row(face(), vertical, h / 2));
  EXPECT_EQ(runs(top).size(), 2U) << picture(face(), vertical);
  EXPECT_TRUE(centred(runs(top), w)) << picture(face(), vertical);
}

// What each box-drawing character has at its four edges, from the character names
// ("down single and right double" ...): 0 nothing, 1 a single line, 2 a double line.
struct BoxArms {
  std::uint8_t code;
  const char* name;
  int up, down, left, right;
};
constexpr BoxArms kBoxes[] = {
    {179, "│", 1, 1, 0, 0}, {180, "┤", 1, 1, 1, 0}, {181, "╡", 1, 1, 2, 0}, {182, "╢", 2, 2, 1, 0},
    {183, "╖", 0, 2, 1, 0}, {184, "╕", 0, 1, 2, 0}, {185, "╣", 2, 2, 2, 0}, {186, "║", 2, 2, 0, 0},
    {187, "╗", 0, 2, 2, 0}, {188, "╝", 2, 0, 2, 0}, {189, "╜", 2, 0, 1, 0}, {190, "╛", 1, 0, 2, 0},
    {191, "┐", 0, 1, 1, 0}, {192, "└", 1, 0, 0, 1}, {193, "┴", 1, 0, 1, 1}, {194, "┬", 0, 1, 1, 1},
    {195, "├", 1, 1, 0, 1}, {196, "─", 0, 0, 1, 1}, {197, "┼", 1, 1, 1, 1}, {198, "╞", 1, 1, 0, 2},
    {199, "╟", 2, 2, 0, 1}, {200, "╚", 2, 0, 0, 2}, {201, "╔", 0, 2, 0, 2}, {202, "╩", 2, 0, 2, 2},
    {203, "╦", 0, 2, 2, 2}, {204, "╠", 2, 2, 0, 2}, {205, "═", 0, 0, 2, 2}, {206, "╬", 2, 2, 2, 2},
    {207, "╧", 1, 0, 2, 2}, {208, "╨", 2, 0, 1, 1}, {209, "╤", 0, 1, 2, 2}, {210, "╥", 0, 2, 1, 1},
    {211, "╙", 2, 0, 0, 1}, {212, "╘", 1, 0, 0, 2}, {213, "╒", 0, 1, 0, 2}, {214, "╓", 0, 2, 0, 1},
    {215, "╫", 2, 2, 1, 1}, {216, "╪", 1, 1, 2, 2}, {217, "┘", 1, 0, 1, 0}, {218, "┌", 0, 1, 0, 1},
};

TEST(SystemFont, BoxTableMatchesCodePage) {
  for (const BoxArms& box : kBoxes) {
    EXPECT_EQ(cp(box.name), std::string(1, static_cast<char>(box.code))) << box.name;
  }
}

// Every box-drawing character meets each edge with exactly the single or double line of
// ─ │ ═ ║ or not at all, so that any two of them side by side join without a step.
TEST_P(SystemFontZoom, BoxCharactersJoinTheirNeighbours) {
  const int w = face().cellWidth();
  const int h = face().cellHeight();
  const std::vector<bool> noColumn(static_cast<std::size_t>(h), false);
  const std::vector<bool> noRow(static_cast<std::size_t>(w), false);
  const std::vector<bool> horizontalEdge[] = {noColumn, column(face(), 196, 0),
                                              column(face(), 205, 0)};
  const std::vector<bool> verticalEdge[] = {noRow, row(face(), 179, 0), row(face(), 186, 0)};
  for (const BoxArms& box : kBoxes) {
    SCOPED_TRACE(std::string(box.name) + " (" + std::to_string(box.code) + ")\n" +
                 picture(face(), box.code));
    EXPECT_EQ(row(face(), box.code, 0), verticalEdge[box.up]) << "top edge";
    EXPECT_EQ(row(face(), box.code, h - 1), verticalEdge[box.down]) << "bottom edge";
    EXPECT_EQ(column(face(), box.code, 0), horizontalEdge[box.left]) << "left edge";
    EXPECT_EQ(column(face(), box.code, w - 1), horizontalEdge[box.right]) << "right edge";
  }
}

// Following the ink from one arm of a corner or T reaches every other arm: the lines are
// joined inside the cell, not just present at the edges.
TEST_P(SystemFontZoom, SingleLineArmsMeetInTheMiddle) {
  const int w = face().cellWidth();
  const int h = face().cellHeight();
  for (const BoxArms& box : kBoxes) {
    const bool allSingle = box.up < 2 && box.down < 2 && box.left < 2 && box.right < 2;
    if (!allSingle) continue;
    SCOPED_TRACE(std::string(box.name) + "\n" + picture(face(), box.code));
    // Flood fill from the first inked edge pixel.
    std::vector<char> seen(static_cast<std::size_t>(w * h), 0);
    std::vector<std::pair<int, int>> todo;
    for (int x = 0; x < w && todo.empty(); ++x) {
      if (face().ink(box.code, x, 0)) todo.emplace_back(x, 0);
      if (face().ink(box.code, x, h - 1)) todo.emplace_back(x, h - 1);
    }
    for (int y = 0; y < h && todo.empty(); ++y) {
      if (face().ink(box.code, 0, y)) todo.emplace_back(0, y);
      if (face().ink(box.code, w - 1, y)) todo.emplace_back(w - 1, y);
    }
    int reached = 0;
    while (!todo.empty()) {
      const auto [x, y] = todo.back();
      todo.pop_back();
      if (!face().ink(box.code, x, y) || seen[static_cast<std::size_t>(y * w + x)]) continue;
      seen[static_cast<std::size_t>(y * w + x)] = 1;
      ++reached;
      todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
    }
    EXPECT_EQ(reached, inkCount(face(), box.code)) << "the arms are not one connected line";
  }
}

TEST_P(SystemFontZoom, DoubleCornersNest) {
  // ╔: the outer line turns round the inner one; nothing inks the corner beyond them.
  const std::uint8_t corner = 201;
  const int w = face().cellWidth();
  const int h = face().cellHeight();
  const auto rowRuns = runs(column(face(), corner, w - 1));  // the two horizontal lines
  const auto colRuns = runs(row(face(), corner, h - 1));     // the two vertical lines
  ASSERT_EQ(rowRuns.size(), 2U);
  ASSERT_EQ(colRuns.size(), 2U);
  const int outerRow = rowRuns[0].first;
  const int innerRow = rowRuns[1].first;
  const int outerCol = colRuns[0].first;
  const int innerCol = colRuns[1].first;
  EXPECT_TRUE(face().ink(corner, outerCol, outerRow)) << picture(face(), corner);
  EXPECT_TRUE(face().ink(corner, innerCol, innerRow)) << picture(face(), corner);
  EXPECT_FALSE(face().ink(corner, innerCol - 1, innerRow)) << picture(face(), corner);
  EXPECT_FALSE(face().ink(corner, innerCol, innerRow - 1)) << picture(face(), corner);
  EXPECT_FALSE(face().ink(corner, outerCol - 1, outerRow)) << picture(face(), corner);
  EXPECT_FALSE(face().ink(corner, outerCol, outerRow - 1)) << picture(face(), corner);
  // ╬ has no line through its middle.
  EXPECT_FALSE(face().ink(206, w / 2, h / 2)) << picture(face(), 206);
}

// --- blocks and shades ---

TEST_P(SystemFontZoom, BlocksFillExactHalves) {
  const int w = face().cellWidth();
  const int h = face().cellHeight();
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      SCOPED_TRACE("x " + std::to_string(x) + " y " + std::to_string(y));
      EXPECT_TRUE(face().ink(219, x, y)) << "█";
      EXPECT_EQ(face().ink(220, x, y), y >= h / 2) << "▄";
      EXPECT_EQ(face().ink(223, x, y), y < h / 2) << "▀";
      EXPECT_EQ(face().ink(221, x, y), x < w / 2) << "▌";
      EXPECT_EQ(face().ink(222, x, y), x >= w / 2) << "▐";
    }
  }
}

TEST_P(SystemFontZoom, ShadesGetDarkerAndTileWithoutSeams) {
  const int w = face().cellWidth();
  const int h = face().cellHeight();
  const int area = w * h;
  EXPECT_EQ(inkCount(face(), 176) * 4, area) << "░ inks a quarter";
  EXPECT_EQ(inkCount(face(), 177) * 2, area) << "▒ inks a half";
  EXPECT_EQ(inkCount(face(), 178) * 4, area * 3) << "▓ inks three quarters";
  for (const std::uint8_t shade : {std::uint8_t{176}, std::uint8_t{177}, std::uint8_t{178}}) {
    SCOPED_TRACE("code " + std::to_string(shade) + "\n" + picture(face(), shade));
    // A shaded area of several cells has the same texture at a cell edge as inside the
    // cell: the pixel pairs across the right and bottom edges occur inside the cell too.
    const auto pairsAcross = [&](bool dx) {
      std::set<std::pair<std::vector<bool>, std::vector<bool>>> inside;
      for (int i = 0; i + 1 < (dx ? w : h); ++i) {
        inside.emplace(dx ? column(face(), shade, i) : row(face(), shade, i),
                       dx ? column(face(), shade, i + 1) : row(face(), shade, i + 1));
      }
      const auto edge = dx ? std::make_pair(column(face(), shade, w - 1), column(face(), shade, 0))
                           : std::make_pair(row(face(), shade, h - 1), row(face(), shade, 0));
      return inside.count(edge) == 1;
    };
    EXPECT_TRUE(pairsAcross(true)) << "seam between cells side by side";
    EXPECT_TRUE(pairsAcross(false)) << "seam between cells one above the other";
  }
  // ▒ is a checkerboard, also across cell edges.
  for (int y = 0; y < h; ++y) {
    EXPECT_NE(face().ink(177, 0, y), face().ink(177, w - 1, y)) << "row " << y;
  }
  for (int x = 0; x < w; ++x) {
    EXPECT_NE(face().ink(177, x, 0), face().ink(177, x, h - 1)) << "column " << x;
  }
}

// --- reading font files ---

// A well-formed file with 2 x 3 cells: code c inks pixel (c % 2, c % 3), code 65 is full.
std::string smallFont() {
  std::string text = "# a test face\n#\ncell 2 3\n";
  for (int code = 0; code < 256; ++code) {
    text += "code " + std::to_string(code) + " U+" + std::to_string(code) + "\n";
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 2; ++x) {
        text += (code == 65 || (x == code % 2 && y == code % 3)) ? '#' : '.';
      }
      text += '\n';
    }
  }
  return text;
}

std::string replaceFirst(std::string text, const std::string& from, const std::string& to) {
  const auto pos = text.find(from);
  EXPECT_NE(pos, std::string::npos) << from;
  if (pos != std::string::npos) text.replace(pos, from.size(), to);
  return text;
}

TEST(SystemFontParse, ReadsCellSizeAndGlyphs) {
  std::string error;
  const auto face = SystemFontFace::parse(smallFont(), &error);
  ASSERT_TRUE(face.has_value()) << error;
  EXPECT_EQ(face->cellWidth(), 2);
  EXPECT_EQ(face->cellHeight(), 3);
  EXPECT_EQ(picture(*face, 65), "##\n##\n##\n");
  EXPECT_EQ(picture(*face, 0), "#.\n..\n..\n");
  EXPECT_EQ(picture(*face, 7), "..\n.#\n..\n");
  EXPECT_EQ(picture(*face, 255), ".#\n..\n..\n");
}

TEST(SystemFontParse, AcceptsWindowsLineEndsAndTrailingEmptyLines) {
  std::string crlf;
  for (const char c : smallFont()) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  const auto a = SystemFontFace::parse(crlf + "\r\n\n");
  ASSERT_TRUE(a.has_value());
  EXPECT_EQ(picture(*a, 65), "##\n##\n##\n");
  // No line feed after the last row.
  std::string noFinalNewline = smallFont();
  noFinalNewline.pop_back();
  EXPECT_TRUE(SystemFontFace::parse(noFinalNewline).has_value());
}

TEST(SystemFontParse, RejectsMalformedFilesWithTheLine) {
  struct Case {
    const char* what;
    std::string text;
    const char* lineNumber;
  };
  const std::string good = smallFont();
  const std::vector<Case> cases = {
      {"empty", "", "line 0"},
      {"only comments", "# nothing\n", "line 1"},
      {"no cell line", replaceFirst(good, "cell 2 3", "size 2 3"), "line 3"},
      {"cell size not a number", replaceFirst(good, "cell 2 3", "cell 2 x"), "line 3"},
      {"cell line with extra", replaceFirst(good, "cell 2 3", "cell 2 3 4"), "line 3"},
      {"zero cell width", replaceFirst(good, "cell 2 3", "cell 0 3"), "line 3"},
      {"cell too wide", replaceFirst(good, "cell 2 3", "cell 33 3"), "line 3"},
      {"codes out of order", replaceFirst(good, "code 1 ", "code 2 "), "line 8"},
      {"code missing its number", replaceFirst(good, "code 1 U+1", "code"), "line 8"},
      {"row too short", replaceFirst(good, "code 0 U+0\n#.\n", "code 0 U+0\n#\n"), "line 5"},
      {"row too long", replaceFirst(good, "code 0 U+0\n#.\n", "code 0 U+0\n#..\n"), "line 5"},
      {"foreign character", replaceFirst(good, "code 0 U+0\n#.\n", "code 0 U+0\n#x\n"), "line 5"},
      {"truncated inside a glyph", good.substr(0, good.find("code 9 ") + 14), "line 41"},
      {"truncated between glyphs", good.substr(0, good.find("code 9 ")), "line 39"},
      {"text after the last glyph", good + "code 256\n", "line 1028"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(SystemFontFace::parse(c.text, &error).has_value()) << c.what;
    EXPECT_NE(error.find(c.lineNumber), std::string::npos) << c.what << ": " << error;
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
