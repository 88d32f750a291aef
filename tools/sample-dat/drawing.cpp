#include "sample-dat/drawing.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace sampledat {
namespace {

using kolvard::datatool::Bitmap;

bool insideEllipse(int x, int y, int cx, int cy, double rx, double ry) {
  const double dx = (x - cx) / rx;
  const double dy = (y - cy) / ry;
  return dx * dx + dy * dy <= 1.0;
}

// 5 x 7 letters for the inscriptions and numerals.
const std::map<char, std::array<const char*, 7>>& glyphs() {
  static const std::map<char, std::array<const char*, 7>> g = {
      {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
      {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
      {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
      {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
      {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".###."}},
      {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
      {'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
      {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
      {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
      {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
      {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
      {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
      {'0', {".###.", "#..##", "#.#.#", "#.#.#", "##..#", "#...#", ".###."}},
      {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
      {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
      {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
      {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
      {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
      {'%', {".####", "#..##", "#.#.#", "#.#.#", "##..#", "#...#", "####."}},  // Ø
      {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
      {'6', {".###.", "#....", "#....", "####.", "#...#", "#...#", ".###."}},
      {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
      {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
      {'9', {".###.", "#...#", "#...#", ".####", "....#", "....#", ".###."}},
      {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
      {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
      {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
      {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
      {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
      {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
      {'-', {".....", ".....", ".....", "#####", ".....", ".....", "....."}},
      {'.', {".....", ".....", ".....", ".....", ".....", ".##..", ".##.."}},
      {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
      {'3', {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
      {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
      {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
  };
  return g;
}

}  // namespace

void fill(Bitmap& b, int x0, int y0, int x1, int y1, bool on) {
  for (int y = std::max(0, y0); y <= std::min(b.height - 1, y1); ++y)
    for (int x = std::max(0, x0); x <= std::min(b.width - 1, x1); ++x) b.set(x, y, on);
}

void outline(Bitmap& b, int x0, int y0, int x1, int y1, int t) {
  fill(b, x0, y0, x1, y0 + t - 1);
  fill(b, x0, y1 - t + 1, x1, y1);
  fill(b, x0, y0, x0 + t - 1, y1);
  fill(b, x1 - t + 1, y0, x1, y1);
}

void ring(Bitmap& b, int cx, int cy, int rx, int ry, int t) {
  for (int y = cy - ry; y <= cy + ry; ++y)
    for (int x = cx - rx; x <= cx + rx; ++x)
      if (insideEllipse(x, y, cx, cy, rx, ry) && !insideEllipse(x, y, cx, cy, rx - t, ry - t))
        b.set(x, y);
}

void disc(Bitmap& b, int cx, int cy, int r, bool on) {
  for (int y = cy - r; y <= cy + r; ++y)
    for (int x = cx - r; x <= cx + r; ++x)
      if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r) b.set(x, y, on);
}

void clearEllipse(Bitmap& b, int cx, int cy, int rx, int ry) {
  for (int y = cy - ry; y <= cy + ry; ++y)
    for (int x = cx - rx; x <= cx + rx; ++x)
      if (insideEllipse(x, y, cx, cy, rx, ry)) b.set(x, y, false);
}

void line(Bitmap& b, int x0, int y0, int x1, int y1, int t) {
  const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
  for (int i = 0; i <= steps; ++i) {
    const int x = x0 + (steps ? (x1 - x0) * i / steps : 0);
    const int y = y0 + (steps ? (y1 - y0) * i / steps : 0);
    fill(b, x, y, x + t - 1, y + t - 1);
  }
}

// Draws an inscription centred on x; returns the left edge of each character.
std::vector<int> text(Bitmap& b, int cx, int y, const std::string& s, int scale) {
  const int advance = 6 * scale;
  const int width = static_cast<int>(s.size()) * advance - scale;
  std::vector<int> lefts;
  int x = cx - width / 2;
  for (const char c : s) {
    lefts.push_back(x);
    const auto it = glyphs().find(c);
    if (it != glyphs().end()) {
      for (int r = 0; r < 7; ++r)
        for (int k = 0; k < 5; ++k)
          if (it->second[static_cast<std::size_t>(r)][k] == '#')
            fill(b, x + k * scale, y + r * scale, x + k * scale + scale - 1,
                 y + r * scale + scale - 1);
    }
    x += advance;
  }
  return lefts;
}

void crown(Bitmap& b, int cx, int cy) {
  fill(b, cx - 34, cy + 8, cx + 34, cy + 18);  // the band
  for (int k = -2; k <= 2; ++k) {
    const int x = cx + 17 * k;
    line(b, x, cy + 8, x + (k < 0 ? 4 : k > 0 ? -4 : 0), cy - 14 + std::abs(k) * 4, 3);
    disc(b, x + (k < 0 ? 4 : k > 0 ? -4 : 0), cy - 16 + std::abs(k) * 4, 4);
  }
  disc(b, cx, cy - 28, 5);  // the orb
  fill(b, cx - 1, cy - 40, cx + 1, cy - 30);
  fill(b, cx - 5, cy - 37, cx + 5, cy - 35);
}

Design makeDesign(char edition, const std::string& numeral) {
  Design d;
  Bitmap& b = d.picture;
  d.numeral = numeral;
  outline(b, kLeft, kTop, kRight, kBottom, 3);
  outline(b, kLeft + kInset, kTop + kInset, kRight - kInset, kBottom - kInset, 2);
  const auto corners = [&](int scale) {
    for (const int x : {44, 308})
      for (const int y : {46, 336}) {
        ring(b, x, y, 20, 20, 2);
        text(b, x + 1, y - 7 * scale / 2, numeral, scale);
      }
  };
  switch (edition) {
    case 'P':
    case 'L': {  // the dotted ground of 1854 with crown, sword and sceptre
      for (int y = kTop + kInset + 8; y < kBottom - kInset - 4; y += 14)
        for (int x = kLeft + kInset + 8; x < kRight - kInset - 4; x += 14)
          fill(b, x, y, x + 1, y + 1);
      clearEllipse(b, d.cx, d.cy, 118, 150);
      ring(b, d.cx, d.cy, 118, 150, 3);
      crown(b, d.cx, d.cy - 70);
      line(b, d.cx - 60, d.cy + 60, d.cx + 60, d.cy - 20, 3);  // the sword
      line(b, d.cx + 60, d.cy + 60, d.cx - 60, d.cy - 20, 3);  // the sceptre
      text(b, d.cx, d.cy + 76, numeral, 5);
      d.ovalRx = 118;
      d.ovalRy = 150;
      d.ovalWord = "ovalen";
      d.inscription = "KGL POST";
      break;
    }
    case 'C': {  // the square of the islands: a circle and the value
      ring(b, d.cx, d.cy, 112, 112, 3);
      text(b, d.cx, d.cy - 45, numeral, 13);
      text(b, d.cx, d.cy + 130, "CENTS", 3);
      corners(3);
      d.ovalRx = 112;
      d.ovalRy = 112;
      d.ovalWord = "cirklen";
      d.inscription = "DANSK VI";
      break;
    }
    case 'A': {  // 1864: crown in an oval
      ring(b, d.cx, d.cy, 100, 136, 4);
      crown(b, d.cx, d.cy - 10);
      text(b, d.cx, d.cy + 70, "SKILLING", 2);
      corners(3);
      d.ovalRx = 100;
      d.ovalRy = 136;
      d.ovalWord = "ovalen";
      d.inscription = "DANMARK";
      break;
    }
    case 'V': {  // the arms type: a shield with three lions in an oval
      ring(b, d.cx, d.cy, 96, 128, 3);
      outline(b, d.cx - 50, d.cy - 70, d.cx + 50, d.cy + 20, 3);
      for (int y = d.cy + 20; y < d.cy + 72; ++y) {
        const int half = 50 * (d.cy + 72 - y) / 52;
        fill(b, d.cx - half, y, d.cx - half + 2, y);
        fill(b, d.cx + half - 2, y, d.cx + half, y);
      }
      for (int k = 0; k < 3; ++k) disc(b, d.cx - 10 + 10 * k, d.cy - 50 + 32 * k, 7);
      text(b, d.cx, d.cy + 138, "%RE", 3);
      corners(3);
      d.ovalRx = 96;
      d.ovalRy = 128;
      d.ovalWord = "ovalen";
      d.inscription = "DANMARK";
      break;
    }
    default: {  // the official stamps: the value in a circle
      ring(b, d.cx, d.cy, 104, 104, 4);
      text(b, d.cx, d.cy - 42, numeral, 12);
      text(b, d.cx, d.cy + 124, "%RE", 3);
      d.ovalRx = 104;
      d.ovalRy = 104;
      d.ovalWord = "cirklen";
      d.inscription = "TJENESTE";
      break;
    }
  }
  d.textTop = kTop + kInset + 8;
  d.letterLeft = text(b, d.cx, d.textTop, d.inscription, 3);
  d.shown = d.inscription;
  const auto pos = d.shown.find('%');
  if (pos != std::string::npos) d.shown.replace(pos, 1, "Ø");
  return d;
}

}  // namespace sampledat
