// kolvard-sample-pictures: draws the invented stamp pictures of the sample data set as
// one-bit PBM files (one pixel per stored picture column and row), ready for
// `kolvard-data pack`.
//
//   kolvard-sample-pictures FONT_DIR OUT_DIR
//
// FONT_DIR holds the BDF fonts of the sample set; the value is written large with them.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "data/cp865.hpp"
#include "kolvard-data/bdf_font.hpp"
#include "kolvard-data/bitmap.hpp"
#include "kolvard-data/pack_error.hpp"

namespace {

using kolvard::datatool::BdfFont;
using kolvard::datatool::Bitmap;

BdfFont loadFont(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw kolvard::datatool::PackError(path.string() + ": cannot be read");
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return kolvard::datatool::parseBdf(text, path.string());
}

// A drawing surface with the few shapes a stamp needs. Coordinates are picture pixels.
class Canvas {
 public:
  Canvas(int width, int height) : image_(width, height) {}
  Bitmap& image() { return image_; }

  void fill(int x0, int y0, int x1, int y1, bool on = true) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) image_.set(x, y, on);
  }
  void frame(int x0, int y0, int x1, int y1, int t) {
    fill(x0, y0, x1, y0 + t);
    fill(x0, y1 - t, x1, y1);
    fill(x0, y0, x0 + t, y1);
    fill(x1 - t, y0, x1, y1);
  }
  // Pixels inside the ellipse (cx, cy, rx, ry).
  static bool inEllipse(double x, double y, double cx, double cy, double rx, double ry) {
    const double dx = (x - cx) / rx;
    const double dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
  }
  void ellipse(double cx, double cy, double rx, double ry, bool on = true) {
    where(
        static_cast<int>(cx - rx), static_cast<int>(cy - ry), static_cast<int>(cx + rx) + 1,
        static_cast<int>(cy + ry) + 1,
        [&](int x, int y) { return inEllipse(x, y, cx, cy, rx, ry); }, on);
  }
  void ring(double cx, double cy, double rx, double ry, double t) {
    where(static_cast<int>(cx - rx), static_cast<int>(cy - ry), static_cast<int>(cx + rx) + 1,
          static_cast<int>(cy + ry) + 1, [&](int x, int y) {
            return inEllipse(x, y, cx, cy, rx, ry) && !inEllipse(x, y, cx, cy, rx - t, ry - t);
          });
  }
  void triangle(double ax, double ay, double bx, double by, double cx, double cy) {
    const auto side = [](double px, double py, double qx, double qy, double x, double y) {
      return (qx - px) * (y - py) - (qy - py) * (x - px);
    };
    const int x0 = static_cast<int>(std::min({ax, bx, cx}));
    const int x1 = static_cast<int>(std::max({ax, bx, cx})) + 1;
    const int y0 = static_cast<int>(std::min({ay, by, cy}));
    const int y1 = static_cast<int>(std::max({ay, by, cy})) + 1;
    where(x0, y0, x1, y1, [&](int x, int y) {
      const double d1 = side(ax, ay, bx, by, x, y);
      const double d2 = side(bx, by, cx, cy, x, y);
      const double d3 = side(cx, cy, ax, ay, x, y);
      return (d1 >= 0 && d2 >= 0 && d3 >= 0) || (d1 <= 0 && d2 <= 0 && d3 <= 0);
    });
  }
  void where(int x0, int y0, int x1, int y1, const std::function<bool(int, int)>& inside,
             bool on = true) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (inside(x, y)) image_.set(x, y, on);
  }

  // Text in a BDF font, scaled, centred on cx with its baseline at `baseline`.
  void text(const BdfFont& font, const std::string& utf8, double cx, int baseline, double scale,
            double scaleY = 0) {
    const double sy = scaleY > 0 ? scaleY : scale;
    const std::string codes = kolvard::utf8ToCp865(utf8);
    double total = 0;
    for (const char c : codes) total += glyph(font, c).advance;
    double pen = cx - total * scale / 2;
    for (const char c : codes) {
      const auto& g = glyph(font, c);
      const int top = baseline - static_cast<int>(std::lround((g.height + g.yOffset) * sy));
      const int w = static_cast<int>(std::lround(g.width * scale));
      const int h = static_cast<int>(std::lround(g.height * sy));
      const int left = static_cast<int>(std::lround(pen + g.xOffset * scale));
      for (int y = 0; y < h; ++y) {
        const auto& row =
            g.ink[static_cast<std::size_t>(std::min(g.height - 1, static_cast<int>(y / sy)))];
        for (int x = 0; x < w; ++x) {
          if (row[static_cast<std::size_t>(std::min(g.width - 1, static_cast<int>(x / scale)))]) {
            image_.set(left + x, top + y);
          }
        }
      }
      pen += g.advance * scale;
    }
  }

 private:
  static const kolvard::datatool::BdfGlyph& glyph(const BdfFont& font, char code) {
    static const kolvard::datatool::BdfGlyph none;
    const auto it = font.glyphs.find(kolvard::cp865ToUnicode(static_cast<std::uint8_t>(code)));
    return it == font.glyphs.end() ? none : it->second;
  }
  Bitmap image_;
};

struct Fonts {
  BdfFont heading;  // 0a200
  BdfFont label;    // 0a120
};

// Where a stamp sits in its picture: the picture starts at virtual x0; the white panel
// ends at virtual x 389, and columns are two per virtual unit.
struct Layout {
  int width = 0;
  int rows = 0;
  int left = 0, top = 0, right = 0, bottom = 0;  // the stamp's paper
};

Layout layoutFor(double x0, int rows, int stampWidth) {
  Layout l;
  const int centre = static_cast<int>(2 * (210 - x0));
  l.rows = rows;
  l.left = centre - stampWidth / 2;
  l.right = centre + stampWidth / 2;
  l.width = l.right + 12;
  l.top = 16;
  l.bottom = rows - 16;
  return l;
}

// Paper with perforation teeth, an outer and an inner frame line.
void stampFrame(Canvas& c, const Layout& l) {
  c.frame(l.left, l.top, l.right, l.bottom, 10);
  const int pitch = 28;
  for (int x = l.left + pitch / 2; x < l.right; x += pitch) {
    c.ellipse(x, l.top, 9, 9, false);
    c.ellipse(x, l.bottom - 1, 9, 9, false);
  }
  for (int y = l.top + pitch / 2; y < l.bottom; y += pitch) {
    c.ellipse(l.left, y, 9, 9, false);
    c.ellipse(l.right - 1, y, 9, 9, false);
  }
  c.frame(l.left + 30, l.top + 30, l.right - 30, l.bottom - 30, 6);
  c.frame(l.left + 44, l.top + 44, l.right - 44, l.bottom - 44, 2);
}

void crown(Canvas& c, double cx, double base, double w) {
  const double h = w * 0.55;
  c.fill(static_cast<int>(cx - w / 2), static_cast<int>(base - h * 0.25),
         static_cast<int>(cx + w / 2), static_cast<int>(base));
  for (int i = 0; i < 5; ++i) {
    const double px = cx - w / 2 + w * i / 4.0;
    const double tip = base - h * (i == 2 ? 1.0 : (i % 2 ? 0.8 : 0.7));
    c.triangle(px - w / 10, base - h * 0.2, px + w / 10, base - h * 0.2, px, tip);
    c.ellipse(px, tip, w / 22, w / 22);
  }
  c.fill(static_cast<int>(cx - 2), static_cast<int>(base - h * 1.25), static_cast<int>(cx + 3),
         static_cast<int>(base - h * 1.0));
  c.fill(static_cast<int>(cx - 8), static_cast<int>(base - h * 1.17), static_cast<int>(cx + 9),
         static_cast<int>(base - h * 1.12));
}

std::string number(const std::string& value) {
  std::string n;
  for (const char ch : value) {
    if (ch < '0' || ch > '9') break;
    n += ch;
  }
  return n;
}

std::string unitWord(char edition, const std::string& value) {
  switch (value.back()) {
    case 's':
      return edition == 'I' || edition == 'J' ? "SKILDING" : "SKILLING";
    case 'c':
      return "CENTS";
    case 'a':
      return "AUR";
    default:
      return "ØRE";
  }
}

std::string country(char edition, const std::string& value) {
  if (edition == 'I' || edition == 'J' || value.back() == 'a') return "ISLAND";
  if (value.back() == 'c') return "DANSK VESTINDIEN";
  return "DANMARK";
}

int rowsOf(char edition) {
  switch (edition) {
    case 'C':
      return 688;
    case 'P':
    case 'L':
      return 679;
    case 'A':
      return 786;
    default:
      return 733;
  }
}

double leftOf(char edition) {
  switch (edition) {
    case 'C':
      return 29;
    case 'P':
    case 'L':
    case 'A':
      return 35;
    default:
      return 47;
  }
}

// The two-coloured edition's oval: shared by the frame pictures and the centre types.
struct Oval {
  double cx, cy, rx, ry;
};
Oval twoColourOval(const Layout& l) {
  return {(l.left + l.right) / 2.0, (l.top + l.bottom) / 2.0, (l.right - l.left) * 0.3,
          (l.bottom - l.top) * 0.3};
}

void cornerNumbers(Canvas& c, const Layout& l, const Fonts& f, const std::string& n) {
  const int in = 95;
  for (const int x : {l.left + in, l.right - in}) {
    for (const int y : {l.top + in, l.bottom - in}) {
      c.ring(x, y, 36, 36, 4);
      c.text(f.label, n, x, y + (n.size() > 2 ? 9 : 13), n.size() > 2 ? 0.7 : 1.0);
    }
  }
}

Bitmap valuePicture(char edition, const std::string& value, const Fonts& f) {
  const int rows = rowsOf(edition);
  const Layout l = layoutFor(leftOf(edition), rows, 560);
  Canvas c(l.width, rows);
  const double cx = (l.left + l.right) / 2.0;
  const double cy = (l.top + l.bottom) / 2.0;
  const std::string n = number(value);
  const double big = n.size() >= 3 ? 2.0 : 3.0;
  const int countryBase = l.top + 110;
  const int unitBase = l.bottom - 75;
  const auto titles = [&] {
    c.text(f.label, country(edition, value), cx, countryBase,
           country(edition, value).size() > 10 ? 1.0 : 1.5);
    c.text(f.label, unitWord(edition, value), cx, unitBase, 1.4);
  };
  if (edition != 'T') stampFrame(c, l);
  switch (edition) {
    case 'C':  // diagonal hatching around a round medallion
      c.where(l.left + 50, l.top + 130, l.right - 50, l.bottom - 120, [&](int x, int y) {
        return (x + y) % 12 < 2 && !Canvas::inEllipse(x, y, cx, cy, 170, 170);
      });
      c.ring(cx, cy, 170, 170, 10);
      titles();
      c.text(f.heading, n, cx, static_cast<int>(cy + 60), big);
      break;
    case 'P':  // dots ("punkter") behind a crown and the value
      c.where(l.left + 50, l.top + 130, l.right - 50, l.bottom - 120, [&](int x, int y) {
        return ((x - l.left) % 14 - 7) * ((x - l.left) % 14 - 7) +
                       ((y - l.top) % 14 - 7) * ((y - l.top) % 14 - 7) <=
                   4 &&
               !Canvas::inEllipse(x, y, cx, cy + 40, 175, 160);
      });
      crown(c, cx, cy - 70, 150);
      titles();
      c.text(f.heading, n, cx, static_cast<int>(cy + 120), big);
      break;
    case 'L':  // wavy lines behind a crown and the value
      c.where(l.left + 50, l.top + 130, l.right - 50, l.bottom - 120, [&](int x, int y) {
        const double wave = 6 * std::sin(x / 14.0);
        return std::fmod(y + wave + 1000, 16.0) < 2.5 &&
               !Canvas::inEllipse(x, y, cx, cy + 40, 175, 160);
      });
      crown(c, cx, cy - 70, 150);
      titles();
      c.text(f.heading, n, cx, static_cast<int>(cy + 120), big);
      break;
    case 'A':  // crown and value in a thick oval, numbers in the corners
      c.ring(cx, cy, 200, 250, 14);
      c.ring(cx, cy, 178, 228, 3);
      crown(c, cx, cy - 60, 140);
      cornerNumbers(c, l, f, n);
      titles();
      c.text(f.heading, n, cx, static_cast<int>(cy + 130), big * 0.9);
      break;
    case 'T': {  // the frame plate: oval opening, value inside, numbers in the corners
      const Oval o = twoColourOval(l);
      if (value.back() == 'a') {  // the Iceland values sit in the "TIRAM" frame
        c.text(f.heading, n, o.cx, static_cast<int>(o.cy + 60), big * 0.9);
        cornerNumbers(c, l, f, n);
        break;
      }
      stampFrame(c, l);
      c.ring(o.cx, o.cy, o.rx + 14, o.ry + 14, 8);
      c.where(l.left + 50, l.top + 50, l.right - 50, l.bottom - 50, [&](int x, int y) {
        return (x - y + 2000) % 10 < 2 &&
               !Canvas::inEllipse(x, y, o.cx, o.cy, o.rx + 22, o.ry + 22) &&
               !(std::abs(y - countryBase + 15) < 40 || std::abs(y - unitBase + 15) < 40);
      });
      cornerNumbers(c, l, f, n);
      titles();
      c.text(f.heading, n, o.cx, static_cast<int>(o.cy + 60), big * 0.9);
      break;
    }
    case 'V': {  // a shield with the value, a crown above it
      const double top = cy - 130, w = 190, mid = cy + 60, tip = cy + 230;
      c.fill(static_cast<int>(cx - w), static_cast<int>(top), static_cast<int>(cx + w),
             static_cast<int>(top + 10));
      c.fill(static_cast<int>(cx - w), static_cast<int>(top), static_cast<int>(cx - w + 10),
             static_cast<int>(mid));
      c.fill(static_cast<int>(cx + w - 10), static_cast<int>(top), static_cast<int>(cx + w),
             static_cast<int>(mid));
      c.where(static_cast<int>(cx - w), static_cast<int>(mid), static_cast<int>(cx + w),
              static_cast<int>(tip) + 1, [&](int x, int y) {
                const double edge = w * (1 - (y - mid) / (tip - mid));
                const double d = std::abs(x - cx);
                return d <= edge && d >= edge - 11;
              });
      crown(c, cx, top - 20, 130);
      titles();
      c.text(f.heading, n, cx, static_cast<int>(cy + 80), big * 0.9);
      break;
    }
    case 'M':  // official: a round seal, diamonds at the sides
      c.ring(cx, cy, 165, 165, 12);
      c.ring(cx, cy, 145, 145, 3);
      for (int y = l.top + 140; y < l.bottom - 140; y += 40) {
        for (const int x : {l.left + 80, l.right - 80}) {
          c.triangle(x - 14, y, x + 14, y, x, y - 18);
          c.triangle(x - 14, y, x + 14, y, x, y + 18);
        }
      }
      c.text(f.label, "TJENESTE", cx, countryBase, 1.5);
      c.text(f.label, unitWord(edition, value), cx, unitBase, 1.4);
      c.text(f.heading, n, cx, static_cast<int>(cy + 60), n.size() >= 2 ? 1.9 : 2.6);
      break;
    case 'I':  // oval with a crown above the value
      c.ring(cx, cy, 190, 235, 10);
      c.where(l.left + 50, l.top + 130, l.right - 50, l.bottom - 120, [&](int x, int y) {
        return y % 8 < 2 && !Canvas::inEllipse(x, y, cx, cy, 200, 245);
      });
      crown(c, cx, cy - 80, 130);
      titles();
      c.text(f.heading, n, cx, static_cast<int>(cy + 120), big * 0.9);
      break;
    default:  // 'J': official of Iceland, a diamond around the value
      c.where(static_cast<int>(cx - 200), static_cast<int>(cy - 200), static_cast<int>(cx + 201),
              static_cast<int>(cy + 201), [&](int x, int y) {
                const double d = std::abs(x - cx) + std::abs(y - cy);
                return d <= 200 && d >= 186;
              });
      crown(c, cx, cy - 70, 110);
      c.text(f.label, "ISLAND", cx, countryBase, 1.5);
      c.text(f.label, "I GILDI " + unitWord(edition, value), cx, unitBase, 1.2);
      c.text(f.heading, n, cx, static_cast<int>(cy + 110), n.size() >= 2 ? 1.9 : 2.6);
      break;
  }
  return std::move(c.image());
}

// The centre types of the two-coloured edition, drawn under the frame in the oval.
Bitmap centrePicture(int type) {
  const Layout l = layoutFor(47, 733, 560);
  Canvas c(l.width, 733);
  const Oval o = twoColourOval(l);
  c.ring(o.cx, o.cy, o.rx, o.ry, 6);
  c.where(static_cast<int>(o.cx - o.rx), static_cast<int>(o.cy - o.ry),
          static_cast<int>(o.cx + o.rx) + 1, static_cast<int>(o.cy + o.ry) + 1, [&](int x, int y) {
            if (!Canvas::inEllipse(x, y, o.cx, o.cy, o.rx - 16, o.ry - 16)) return false;
            const double dx = x - o.cx, dy = y - o.cy;
            switch (type) {
              case 1:
                return std::fmod(std::hypot(dx / o.rx, dy / o.ry) * 200, 12.0) < 2.5;
              case 2:
                return y % 9 < 2;
              default:
                return std::fmod(std::atan2(dy, dx) * 180 / 3.14159265 + 360, 7.5) < 1.5;
            }
          });
  crown(c, o.cx, o.cy - o.ry + 75, 90);
  return std::move(c.image());
}

// The frame of the Iceland values of the oval type.
Bitmap icelandFrame(const Fonts& f) {
  const Layout l = layoutFor(47, 733, 560);
  Canvas c(l.width, 733);
  stampFrame(c, l);
  const Oval o = twoColourOval(l);
  c.ring(o.cx, o.cy, o.rx + 10, o.ry + 10, 12);
  c.where(l.left + 50, l.top + 50, l.right - 50, l.bottom - 50, [&](int x, int y) {
    return (x + y) % 10 < 2 && (x - y + 2000) % 20 < 2 &&
           !Canvas::inEllipse(x, y, o.cx, o.cy, o.rx + 24, o.ry + 24);
  });
  const double cx = (l.left + l.right) / 2.0;
  c.fill(static_cast<int>(cx - 150), l.top + 60, static_cast<int>(cx + 150), l.top + 125, false);
  c.fill(static_cast<int>(cx - 110), l.bottom - 125, static_cast<int>(cx + 110), l.bottom - 60,
         false);
  c.text(f.label, "ISLAND", cx, l.top + 110, 1.5);
  c.text(f.label, "AUR", cx, l.bottom - 75, 1.4);
  return std::move(c.image());
}

Bitmap logo(const Fonts& f) {
  Canvas c(390, 121);
  c.text(f.heading, "KOLVARD", 190, 98, 1.15, 2.1);
  c.fill(12, 106, 368, 112);
  return std::move(c.image());
}

struct Edition {
  char letter;
  std::vector<std::string> values;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: kolvard-sample-pictures FONT_DIR OUT_DIR\n";
    return 2;
  }
  try {
    const std::filesystem::path fontDir = argv[1];
    const std::filesystem::path outDir = argv[2];
    std::filesystem::create_directories(outDir);
    const Fonts fonts{loadFont(fontDir / "0a200.bdf"), loadFont(fontDir / "0a120.bdf")};
    const std::vector<Edition> editions = {
        {'C', {"3c", "4c"}},
        {'P', {"2s", "4s", "8s", "16s"}},
        {'L', {"4s"}},
        {'A', {"2s", "3s", "4s", "8s", "16s"}},
        {'T', {"2s",  "3s",  "4s",  "8s",  "16s", "48s",  "3ø",  "4ø",  "5ø",  "8ø",
               "12ø", "16ø", "20ø", "25ø", "50ø", "100ø", "1c",  "3c",  "4c",  "5c",
               "7c",  "10c", "12c", "14c", "50c", "4a",   "25a", "50a", "100a"}},
        {'V', {"1ø", "5ø", "10ø", "15ø", "20ø", "24ø", "1c", "2c", "5c", "8c"}},
        {'M', {"2s", "4s", "16s", "1ø", "3ø", "4ø", "5ø", "8ø", "10ø", "15ø", "20ø", "32ø"}},
        {'I', {"2s", "3s", "4s", "8s", "16s", "3a", "5a", "6a", "10a", "16a", "20a", "40a"}},
        {'J', {"4s", "8s", "3a", "4a", "5a", "10a", "16a", "20a", "50a"}},
    };
    const auto save = [&](const std::string& name, const Bitmap& image) {
      const auto bytes = kolvard::datatool::writePbm(image);
      std::ofstream out(outDir / (name + ".pbm"), std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
      if (!out)
        throw kolvard::datatool::PackError((outDir / (name + ".pbm")).string() +
                                           ": cannot be written");
    };
    for (const auto& e : editions) {
      for (const auto& v : e.values) {
        std::string name(1, e.letter);
        for (const char ch : v)
          name += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        if (const auto p = name.find("ø"); p != std::string::npos) name.replace(p, 2, "O");
        save(name, valuePicture(e.letter, v, fonts));
      }
    }
    save("THGR1", centrePicture(1));
    save("THGR2", centrePicture(2));
    save("THGR4", centrePicture(4));
    save("TIRAM", icelandFrame(fonts));
    save("KOLVARD", logo(fonts));
  } catch (const std::exception& e) {
    std::cerr << "kolvard-sample-pictures: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
