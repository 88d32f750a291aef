#include "sample-dat/two_colour_pictures.hpp"

#include <cmath>
#include <map>

#include "sample-dat/flaw_drawing.hpp"

namespace sampledat::tc {
namespace {

constexpr int kCx = 176, kCy = 190;

Design ovalDesign(const std::string& value) {
  Design d;
  Bitmap& b = d.picture;
  std::string numeral, unit;
  for (const char c : value) (c >= '0' && c <= '9' ? numeral : unit) += c;
  d.inscription = unit == "s" ? "SKILLING" : unit == "a" ? "AUR" : "%RE";
  d.numeral = numeral;
  d.ovalRx = 150;
  d.ovalRy = 178;
  d.ovalWord = "ovalen";
  ring(b, kCx, kCy, 150, 178, 4);
  ring(b, kCx, kCy, 128, 156, 2);
  crown(b, kCx, kCy - 96);
  text(b, kCx, kCy - 40, numeral, 12);
  d.textTop = kCy + 70;
  d.letterLeft = text(b, kCx, d.textTop, d.inscription, 3);
  d.shown = unit == "s" ? "SKILLING" : unit == "a" ? "AUR" : "ØRE";
  return d;
}

Design frameDesign(bool iceland) {
  Design d;
  Bitmap& b = d.picture;
  outline(b, kLeft, kTop, kRight, kBottom, 3);
  outline(b, kLeft + kInset, kTop + kInset, kRight - kInset, kBottom - kInset, 2);
  ring(b, kCx, kCy, 120, 140, 3);
  for (const int x : {40, 312})
    for (const int y : {40, 342}) {
      ring(b, x, y, 14, 14, 2);
      disc(b, x, y, 4);
    }
  d.textTop = kTop + kInset + 8;
  d.inscription = iceland ? "ISLAND" : "DANMARK";
  d.letterLeft = text(b, kCx, d.textTop, d.inscription, 3);
  text(b, kCx, kBottom - kInset - 30, iceland ? "FRIMERKI" : "POSTFRIM", 3);
  d.shown = d.inscription;
  d.ovalRx = 120;
  d.ovalRy = 140;
  d.ovalWord = "ovalen";
  return d;
}

const char* side(bool left) {
  return left ? "venstre" : "højre";
}

// The flaws of a frame: each at the top ("øvre") or the bottom ("nedre") or along a side.
void frameFlawAt(Bitmap& b, Description& d, Dice& dice, int where) {
  const bool left = dice.below(2) == 0;
  const bool top = where == 0;
  switch (where == 2 ? 2 : dice.below(2)) {
    case 0: {  // a break in the outer line
      const int x = left ? dice.between(60, 150) : dice.between(200, 290);
      const int y = top ? kTop : kBottom - 2;
      fill(b, x, y, x + dice.between(5, 8), y + 2, false);
      addLine(
          d, top ? 10 : 370,
          indent(x, dice) + "Brud i " + (top ? "øvre" : "nedre") + " rammelinie til " + side(left));
      label(d, x, top ? 16 : 360, "brud", dice);
      break;
    }
    case 1: {  // a dot by a corner
      const int x = left ? dice.between(24, 70) : dice.between(282, 328);
      const int y = top ? dice.between(24, 70) : dice.between(312, 356);
      disc(b, x, y, dice.between(2, 4));
      addLine(d, y,
              indent(x, dice) + "Prik ved " + (top ? "øvre " : "nedre ") + side(left) + " hjørne");
      label(d, x, y, "prik", dice);
      break;
    }
    default: {  // a scratch along a side
      const int x = left ? kLeft + 6 : kRight - 6;
      const int y = dice.between(150, 230);
      line(b, x, y, x + (left ? 8 : -8), y + dice.between(20, 40), 2);
      addLine(d, y, indent(x, dice) + "Ridse langs " + side(left) + " side");
      label(d, left ? x + 10 : x - 10, y, "ridse", dice);
      break;
    }
  }
}

}  // namespace

FlawPicture ovalFlaw(const std::string& value, const std::string& seed, std::size_t budget) {
  static std::map<std::string, Design> designs;
  auto it = designs.find(value);
  if (it == designs.end()) it = designs.emplace(value, ovalDesign(value)).first;
  const Design& design = it->second;
  FlawPicture out{design.picture, ""};
  Description d;
  Dice dice(seed);
  const int flaws = 1 + dice.below(3);
  for (int k = 0; k < flaws; ++k) {
    switch ((dice.below(4) + k) % 4) {
      case 0:
        colourDot(out.picture, design, d, dice);
        break;
      case 1:
        retouch(out.picture, design, d, dice);
        break;
      case 2: {  // a break in the outer oval line
        const bool upper = dice.below(2) == 0;
        const int x = kCx + dice.between(-60, 60);
        const double t = (x - kCx) / 150.0;
        const int y =
            kCy + (upper ? -1 : 1) * static_cast<int>(std::lround(178 * std::sqrt(1 - t * t)));
        fill(out.picture, x - 3, y - 3, x + 3, y + 3, false);
        addLine(d, y,
                indent(x, dice) + "Brud i ovalens yderlinie " + (upper ? "foroven" : "forneden"));
        label(d, x, y + (upper ? 10 : -10), "brud", dice);
        break;
      }
      default: {  // a stroke through the numeral
        const int y = kCy - 40 + dice.between(10, 70);
        line(out.picture, kCx - 40, y, kCx + 40, y + dice.between(-6, 6), 2);
        addLine(d, y, indent(kCx, dice) + "Streg gennem tallet");
        label(d, kCx + 44, y, "streg", dice);
        break;
      }
    }
  }
  out.description = describe(d, false, budget);
  return out;
}

FlawPicture frameFlaw(bool iceland, bool inverted, const std::string& seed, std::size_t budget) {
  static const Design danish = frameDesign(false);
  static const Design icelandic = frameDesign(true);
  const Design& design = iceland ? icelandic : danish;
  FlawPicture out{design.picture, ""};
  Description d;
  Dice dice(seed);
  if (inverted) {
    frameFlawAt(out.picture, d, dice, 0);
    frameFlawAt(out.picture, d, dice, 0);
    frameFlawAt(out.picture, d, dice, 1);
    frameFlawAt(out.picture, d, dice, 1);
  } else {
    const int flaws = 1 + dice.below(3);
    for (int k = 0; k < flaws; ++k) frameFlawAt(out.picture, d, dice, dice.below(3));
  }
  if (dice.below(3) == 0) colourDot(out.picture, design, d, dice);
  out.description = describe(d, false, budget);
  return out;
}

}  // namespace sampledat::tc
