#include "sample-dat/cliches.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <map>
#include <stdexcept>

#include "kolvard-data/bitmap.hpp"

namespace sampledat {
namespace {

namespace fs = std::filesystem;
using kolvard::datatool::Bitmap;

constexpr int kWidth = 352;  // picture columns: the panel is 178 units (356 columns) inside
constexpr int kRows = 383;
constexpr int kTextMax = 560;

std::uint32_t hashOf(const std::string& text) {
  std::uint32_t h = 2166136261U;
  for (const char c : text) h = (h ^ static_cast<unsigned char>(c)) * 16777619U;
  h ^= h >> 15;
  h *= 0x2c1b3c6dU;
  h ^= h >> 12;
  return h;
}

// A small deterministic sequence for the flaws of one cliché.
class Dice {
 public:
  explicit Dice(const std::string& seed) : state_(hashOf(seed)) {}
  int below(int n) {
    state_ = state_ * 1664525U + 1013904223U;
    return static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(n));
  }
  int between(int lo, int hi) { return lo + below(hi - lo + 1); }

 private:
  std::uint32_t state_;
};

// The number of characters a UTF-8 text has in code page 865 (one byte each).
std::size_t cpLength(const std::string& utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

// ---- drawing ---------------------------------------------------------------------------

void fill(Bitmap& b, int x0, int y0, int x1, int y1, bool on = true) {
  for (int y = std::max(0, y0); y <= std::min(b.height - 1, y1); ++y)
    for (int x = std::max(0, x0); x <= std::min(b.width - 1, x1); ++x) b.set(x, y, on);
}

void outline(Bitmap& b, int x0, int y0, int x1, int y1, int t) {
  fill(b, x0, y0, x1, y0 + t - 1);
  fill(b, x0, y1 - t + 1, x1, y1);
  fill(b, x0, y0, x0 + t - 1, y1);
  fill(b, x1 - t + 1, y0, x1, y1);
}

bool insideEllipse(int x, int y, int cx, int cy, double rx, double ry) {
  const double dx = (x - cx) / rx;
  const double dy = (y - cy) / ry;
  return dx * dx + dy * dy <= 1.0;
}

void ring(Bitmap& b, int cx, int cy, int rx, int ry, int t) {
  for (int y = cy - ry; y <= cy + ry; ++y)
    for (int x = cx - rx; x <= cx + rx; ++x)
      if (insideEllipse(x, y, cx, cy, rx, ry) && !insideEllipse(x, y, cx, cy, rx - t, ry - t))
        b.set(x, y);
}

void disc(Bitmap& b, int cx, int cy, int r, bool on = true) {
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
      {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
      {'3', {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
      {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
      {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
  };
  return g;
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

// ---- the designs -----------------------------------------------------------------------

constexpr int kLeft = 6, kRight = 345, kTop = 4, kBottom = 378;  // the outer frame line
constexpr int kInset = 14;                                       // the inner frame line

struct Design {
  Bitmap picture{kWidth, kRows};
  std::string inscription;  // the top inscription, as drawn ('%' for Ø)
  std::string shown;        // the same as the descriptions write it
  std::vector<int> letterLeft;
  int textTop = 0;
  int ovalRx = 0, ovalRy = 0;  // 0: the centre is a circle of radius ovalRx... or nothing
  int cx = 176, cy = 190;
  std::string ovalWord;  // "ovalen", "cirklen"
  std::string numeral;
};

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
    case 'P': {  // the dotted ground of 1854 with crown, sword and sceptre
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

// ---- the flaws and their description ---------------------------------------------------

struct Description {
  std::array<std::string, 10> lines;  // lines 1..9 (without the digit)
  std::vector<std::string> labels;    // "h40,20,brud"
  std::string marks;                  // "OV03NH05"
};

// The band of description lines that lies over picture row r: 1-3 top, 4-6 middle, 7-9 bottom.
void addLine(Description& d, int row, std::string text) {
  const int first = row < 128 ? 1 : row < 256 ? 4 : 7;
  for (int k = first; k < first + 3; ++k) {
    if (d.lines[static_cast<std::size_t>(k)].empty()) {
      d.lines[static_cast<std::size_t>(k)] = std::move(text);
      return;
    }
  }
}

// Indentation that moves a line towards the side of its flaw.
std::string indent(int column, Dice& dice) {
  if (column < 110) return dice.below(2) ? "<" : "<≤";
  if (column > 242) return dice.below(2) ? ">" : ">≥";
  const int k = dice.below(3);
  return k == 0 ? "≤" : k == 1 ? "≥" : "";
}

int labelX(int column) {
  return std::max(1, static_cast<int>(std::lround((column / 2.0 + 9) / 1.79)));
}
int labelY(int row) {
  return std::max(1, static_cast<int>(std::lround((9 + row / 2.0) / 2.05)));
}

void label(Description& d, int column, int row, const std::string& word, Dice& dice) {
  const char kind = column < 176 ? 'h' : 'v';
  (void)dice;
  d.labels.push_back(std::string(1, kind) + std::to_string(labelX(column)) + "," +
                     std::to_string(labelY(row)) + "," + word);
}

std::string two(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

const char* third(int along, int length, bool vertical) {
  if (along < length / 3) return vertical ? "foroven" : "til venstre";
  if (along > 2 * length / 3) return vertical ? "forneden" : "til højre";
  return "på midten";
}

void frameBreak(Bitmap& b, Description& d, Dice& dice) {
  const int side = dice.below(4);
  const int gap = dice.between(5, 8);
  static const char* const kSides[] = {"venstre", "højre", "øverste", "nederste"};
  if (side < 2) {
    const int row = dice.between(30, 350);
    const int x0 = side == 0 ? kLeft : kRight - 2;
    fill(b, x0, row, x0 + 2, row + gap, false);
    addLine(d, row,
            indent(side == 0 ? 20 : 330, dice) + "Brud i " + kSides[side] + " rammelinie " +
                third(row, kRows, true));
    // A vertical label along the side: up on the left, down on the right.
    d.labels.push_back(std::string(1, side == 0 ? 'o' : 'n') + std::to_string(labelY(row)) + "," +
                       std::to_string(labelX(side == 0 ? 24 : 326)) + ",brud");
    const int n = (190 - row) / 20;
    if (row <= 190 && n <= 9)
      d.marks += std::string(side == 0 ? "V" : "H") + (dice.below(2) ? "O" : "N") + two(n);
  } else {
    const int column = dice.between(30, 320);
    const int y0 = side == 2 ? kTop : kBottom - 2;
    fill(b, column, y0, column + gap, y0 + 2, false);
    addLine(d, side == 2 ? 10 : 370,
            indent(column, dice) + "Brud i " + kSides[side] + " rammelinie " +
                third(column, kWidth, false));
    label(d, column, side == 2 ? 16 : 360, "brud", dice);
    const int n = (column - 175) / 20;
    if (column >= 175 && n <= 8)
      d.marks += std::string(side == 2 ? "O" : "N") + (dice.below(2) ? "V" : "H") + two(n);
  }
}

void colourDot(Bitmap& b, const Design& design, Description& d, Dice& dice) {
  const int where = dice.below(4);
  if (where == 0 && !design.letterLeft.empty()) {
    // Over a letter of the inscription.
    std::size_t k = 0;
    do {
      k = static_cast<std::size_t>(dice.below(static_cast<int>(design.inscription.size())));
    } while (design.inscription[k] == ' ');
    const int x = design.letterLeft[k] + 7;
    const int y = design.textTop - 5;
    disc(b, x, y, 2);
    std::string letter =
        design.inscription.substr(k, 1) == "%" ? "Ø" : design.inscription.substr(k, 1);
    const auto count =
        std::count(design.inscription.begin(), design.inscription.end(), design.inscription[k]);
    if (count > 1) {
      const auto before =
          std::count(design.inscription.begin(), design.inscription.begin() + static_cast<long>(k),
                     design.inscription[k]);
      letter = std::string(before == 0 ? "første " : "andet ") + letter;
    }
    addLine(d, y, indent(x, dice) + "Prik over " + letter + " i " + design.shown);
    label(d, x, y, "prik", dice);
  } else if (where == 1) {
    // Between the frame lines.
    const bool left = dice.below(2) == 0;
    const int x = left ? kLeft + 8 : kRight - 8;
    const int y = dice.between(40, 340);
    disc(b, x, y, 2);
    addLine(
        d, y,
        indent(x, dice) + "Farveprik mellem rammelinierne " + (left ? "til venstre" : "til højre"));
    label(d, left ? x + 6 : x - 6, y, "prik", dice);
  } else {
    // Inside the oval or circle, beside the middle.
    const bool left = dice.below(2) == 0;
    const int x =
        design.cx + (left ? -1 : 1) * dice.between(design.ovalRx / 3, design.ovalRx * 2 / 3);
    const int y = design.cy + dice.between(-design.ovalRy / 2, design.ovalRy / 2);
    disc(b, x, y, dice.between(2, 4));
    addLine(
        d, y,
        indent(x, dice) + "Prik i " + design.ovalWord + " " + (left ? "til venstre" : "til højre"));
    label(d, x, y, "prik", dice);
  }
}

void scratch(Bitmap& b, const Design& design, Description& d, Dice& dice) {
  const int corner = dice.below(4);
  const bool left = corner % 2 == 0;
  const bool top = corner < 2;
  const int x0 = left ? dice.between(24, 60) : dice.between(292, 328);
  const int y0 = top ? dice.between(24, 70) : dice.between(300, 350);
  const int x1 = x0 + (left ? 1 : -1) * dice.between(18, 40);
  const int y1 = y0 + (top ? 1 : -1) * dice.between(10, 30);
  line(b, x0, y0, x1, y1, 2);
  (void)design;
  addLine(d, y0,
          indent(x0, dice) + "Ridse i " + (top ? "øverste " : "nederste ") +
              (left ? "venstre" : "højre") + " hjørne");
  label(d, x1, y1, "ridse", dice);
}

void retouch(Bitmap& b, const Design& design, Description& d, Dice& dice) {
  if (dice.below(2) == 0) {
    // The inner frame line thickened over a stretch.
    const bool bottom = dice.below(2) == 0;
    const int x = dice.between(60, 250);
    const int len = dice.between(24, 50);
    const int y = bottom ? kBottom - kInset - 5 : kTop + kInset;
    fill(b, x, y, x + len, y + 5);
    addLine(d, y,
            indent(x + len / 2, dice) + "Retouche af indre rammelinie " +
                (bottom ? "forneden" : "foroven"));
    label(d, x + len / 2, bottom ? y - 12 : y + 14, "retouche", dice);
  } else {
    // A break in the oval or circle, closed again by hand with a heavier stroke.
    const double angle = dice.between(0, 359) * 3.14159265358979 / 180.0;
    const int x = design.cx + static_cast<int>(std::lround(std::cos(angle) * (design.ovalRx - 2)));
    const int y = design.cy + static_cast<int>(std::lround(std::sin(angle) * (design.ovalRy - 2)));
    disc(b, x, y, 6, false);
    disc(b, x, y, 3);
    addLine(d, y,
            indent(x, dice) + "Retoucheret brud i " + design.ovalWord + " " +
                (y < design.cy ? "foroven" : "forneden"));
    label(d, x, y, "retouche", dice);
  }
}

std::string describe(const Description& d, bool extraOnly, std::size_t budget) {
  std::vector<std::string> items;
  for (int k = 1; k <= 9; ++k)
    if (!d.lines[static_cast<std::size_t>(k)].empty())
      items.push_back(std::to_string(k) + d.lines[static_cast<std::size_t>(k)]);
  if (!d.marks.empty()) items.push_back("P" + d.marks);
  for (const auto& l : d.labels) items.push_back(l);
  if (extraOnly) items.push_back("9Ekstra kliché, pladsen ukendt");
  // Drop items from the end until the record's text fits.
  for (;;) {
    std::string out;
    for (const auto& item : items) out += "$" + item;
    if (!out.empty()) out += "$";
    if (cpLength(out) <= budget || items.size() <= 1) return out;
    items.pop_back();
  }
}

std::string upper(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (utf8.compare(i, 2, "ø") == 0 || utf8.compare(i, 2, "Ø") == 0) {
      out += 'O';
      ++i;
    } else {
      out += static_cast<char>(std::toupper(static_cast<unsigned char>(utf8[i])));
    }
  }
  return out;
}

char digit(int d) {
  return static_cast<char>(d <= 9 ? 48 + d : 55 + d);
}

void writeText(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) throw std::runtime_error(path.string() + ": cannot be written");
}

void writeBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error(path.string() + ": cannot be written");
}

// P4 PBM, written straight from the ink bytes.
std::vector<std::uint8_t> pbm(const Bitmap& b) {
  const std::string header =
      "P4\n" + std::to_string(b.width) + " " + std::to_string(b.height) + "\n";
  const auto rowBytes = static_cast<std::size_t>((b.width + 7) / 8);
  std::vector<std::uint8_t> out(header.begin(), header.end());
  const std::size_t start = out.size();
  out.resize(start + rowBytes * static_cast<std::size_t>(b.height), 0);
  const std::uint8_t* ink = b.ink.data();
  const auto w = static_cast<std::size_t>(b.width);
  for (std::size_t y = 0; y < static_cast<std::size_t>(b.height); ++y)
    for (std::size_t x = 0; x < w; ++x)
      if (ink[y * w + x])
        out[start + y * rowBytes + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
  return out;
}

}  // namespace

std::string clicheKey(const std::string& valueKey, const std::string& cliche) {
  std::string number = cliche;
  while (!number.empty() && number.back() == ' ') number.pop_back();
  const auto dot = number.find('.');
  const std::string head = dot == std::string::npos ? "-" : number.substr(0, dot) + "-";
  int n = std::stoi(dot == std::string::npos ? number : number.substr(dot + 1));
  int q = 0;
  while (n > 32) {
    ++q;
    n -= 32;
  }
  return valueKey + head + digit(q) + digit(n);
}

void writeValueCliches(const ValueCliches& value, const fs::path& outDir, std::string& manifest) {
  const fs::path dir = outDir / "cliches";
  fs::create_directories(dir);
  const char edition = value.valueKey[0];
  // The numeral of the value: its leading digits.
  std::string numeral;
  for (const char c : value.valueCode)
    if (c >= '0' && c <= '9') numeral += c;
  const Design design = makeDesign(edition, numeral);

  // The clichés in order of first appearance, with every place they stand.
  std::vector<std::string> order;
  std::map<std::string, std::vector<const Occurrence*>> places;
  for (const auto& o : value.occurrences) {
    if (o.cliche.empty()) continue;
    if (!places.count(o.cliche)) order.push_back(o.cliche);
    places[o.cliche].push_back(&o);
  }
  std::map<int, int> highest;  // series -> highest running number
  for (const auto& number : order) {
    const auto dot = number.find('.');
    const int series = dot == std::string::npos ? 1 : std::stoi(number.substr(0, dot));
    const int running = std::stoi(dot == std::string::npos ? number : number.substr(dot + 1));
    highest[series] = std::max(highest[series], running);

    const auto& list = places[number];
    std::string stamp;
    bool extraOnly = true;
    std::string occurrences;
    for (const Occurrence* o : list) {
      if (!o->type.empty()) stamp = o->type;
      if (o->pane != ' ' || (o->position[0] >= '0' && o->position[0] <= '9')) extraOnly = false;
      std::string item(1, o->sheetGroup);
      std::string vp = value.valueCode + o->printing;
      vp.resize(6, ' ');
      item += vp;
      item += o->pane;
      item += std::string(7 - std::min<std::size_t>(7, o->position.size()), ' ') + o->position;
      occurrences += item;
    }
    if (stamp.empty()) stamp = "?";
    if (stamp.size() < 2) stamp += ' ';  // a field holds at least two characters

    Bitmap picture = design.picture;
    Description d;
    Dice dice(value.valueKey + "/" + number);
    const int flaws = 1 + dice.below(3);
    bool used[4] = {false, false, false, false};
    for (int k = 0; k < flaws; ++k) {
      // Each flaw of a cliché is of its own kind, so no two describe the same thing.
      int kind = dice.below(4);
      while (used[kind]) kind = (kind + 1) % 4;
      used[kind] = true;
      switch (kind) {
        case 0:
          frameBreak(picture, d, dice);
          break;
        case 1:
          colourDot(picture, design, d, dice);
          break;
        case 2:
          scratch(picture, design, d, dice);
          break;
        default:
          retouch(picture, design, d, dice);
          break;
      }
    }
    // flag + "*d" + "*m" + "*t" + "*b" tags and contents
    const std::size_t fixed = 1 + 3 + 3 + cpLength(stamp) + 3 + occurrences.size() + 3;
    if (fixed + 40 > static_cast<std::size_t>(kTextMax))
      throw std::runtime_error(value.valueKey + " " + number + ": too many occurrences");
    const std::string description = describe(d, extraOnly, kTextMax - fixed);

    const std::string key = upper(clicheKey(value.valueKey, number));
    std::string source = "# " + value.valueKey + " C." + number + "\n";
    source += "*d " + description + "\n*m " + stamp + "\n*t " + occurrences + "\n";
    writeText(dir / (key + ".txt"), source);
    writeBytes(dir / (key + ".pbm"), pbm(picture));
    manifest += "cliche   " + key + " cliches/" + key + ".txt picture=cliches/" + key + ".pbm\n";
  }

  // The series limits: the number of series, then the highest running number of 1..20.
  const std::string limitsName = upper(value.valueKey) + "0";
  int count = 0;
  for (const auto& [series, top] : highest) count = std::max(count, series);
  std::string limits = "# " + value.valueKey + ": number of series, highest running numbers\n" +
                       std::to_string(count) + "\n";
  for (int s = 1; s <= 20; ++s) limits += std::to_string(highest.count(s) ? highest[s] : 0) + "\n";
  writeText(outDir / (limitsName + ".txt"), limits);
  manifest += "int16    " + limitsName + " " + limitsName + ".txt count=21\n";
}

}  // namespace sampledat
