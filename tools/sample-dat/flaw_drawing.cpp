#include "sample-dat/flaw_drawing.hpp"

#include <algorithm>
#include <cmath>

namespace sampledat {
namespace {

int labelX(int column) {
  return std::max(1, static_cast<int>(std::lround((column / 2.0 + 9) / 1.79)));
}
int labelY(int row) {
  return std::max(1, static_cast<int>(std::lround((9 + row / 2.0) / 2.05)));
}
std::string two(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}
const char* third(int along, int length, bool vertical) {
  if (along < length / 3) return vertical ? "foroven" : "til venstre";
  if (along > 2 * length / 3) return vertical ? "forneden" : "til højre";
  return "på midten";
}

}  // namespace

std::uint32_t hashOf(const std::string& text) {
  std::uint32_t h = 2166136261U;
  for (const char c : text) h = (h ^ static_cast<unsigned char>(c)) * 16777619U;
  h ^= h >> 15;
  h *= 0x2c1b3c6dU;
  h ^= h >> 12;
  return h;
}

// The number of characters a UTF-8 text has in code page 865 (one byte each).
std::size_t cpLength(const std::string& utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

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

void label(Description& d, int column, int row, const std::string& word, Dice& dice) {
  const char kind = column < 176 ? 'h' : 'v';
  (void)dice;
  d.labels.push_back(std::string(1, kind) + std::to_string(labelX(column)) + "," +
                     std::to_string(labelY(row)) + "," + word);
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

}  // namespace sampledat
