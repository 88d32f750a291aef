#include "ui/screen.hpp"

#include <cmath>
#include <cstdlib>

#include "data/data_file.hpp"
#include "ui/line_walk.hpp"
#include "ui/system_font.hpp"

namespace kolvard {
namespace {

constexpr std::array<const char*, 4> kFontA = {"0a020", "0a030", "0a040", ""};
constexpr std::array<const char*, 4> kFontB = {"0a025", "0a036", "0a048", ""};
constexpr std::array<const char*, 4> kFontC = {"0a028", "0a042", "0a056", ""};
constexpr std::array<const char*, 4> kFontD = {"0a038", "0a057", "0a076", ""};
constexpr std::array<const char*, 7> kPageFonts = {"0a090", "0a120", "0a150", "0a160",
                                                   "0a170", "0a180", "0a200"};

int roundToInt(double v) {
  return static_cast<int>(std::lround(v));
}

}  // namespace

std::vector<std::string_view> fontSectionNames() {
  std::vector<std::string_view> names;
  for (const auto* set : {&kFontA, &kFontB, &kFontC, &kFontD}) {
    for (const char* name : *set) {
      if (*name != '\0') names.emplace_back(name);
    }
  }
  names.insert(names.end(), kPageFonts.begin(), kPageFonts.end());
  return names;
}

Screen::Screen(const DataFile* data, int zoom) : data_(data), glyphs_(data) {
  openWindow(zoom);
}

void Screen::openWindow(int zoom) {
  zoom_ = zoom < 2 ? 2 : (zoom > 4 ? 4 : zoom);
  const int width = kVirtualWidth * zoom_ / 2;
  const int height = kVirtualHeight * zoom_ / 2;
  if (frame_.width() == width && frame_.height() == height) {
    frame_.fillRect(0, 0, width, height, palette_[colour::kWhite]);  // the same memory again
  } else {
    frame_ = Framebuffer(width, height, palette_[colour::kWhite]);
  }
  textColour_ = colour::kDarkGrey;
  backColour_ = colour::kWhite;
  penX_ = penY_ = lineStartX_ = 0;
}

int Screen::px(double units) const {
  return roundToInt(units * zoom_ / 2.0);
}

void Screen::clear() {
  frame_.fillRect(0, 0, frame_.width(), frame_.height(), palette_[backColour_]);
}

void Screen::moveTo(int column, int row) {
  moveToUnits(column * 8.0, row * 16.0);
}

void Screen::moveToUnits(double x, double y) {
  penX_ = lineStartX_ = x;
  penY_ = y;
}

void Screen::printText(std::string_view text) {
  const SystemFontFace& face = systemFontFace(zoom_);
  const Rgb ink = palette_[textColour_];
  const Rgb paper = palette_[backColour_];
  for (const char c : text) {
    const int x0 = px(penX_);
    const int y0 = px(penY_);
    const auto code = static_cast<std::uint8_t>(c);
    for (int y = 0; y < face.cellHeight(); ++y) {
      for (int x = 0; x < face.cellWidth(); ++x) {
        frame_.set(x0 + x, y0 + y, face.ink(code, x, y) ? ink : paper);
      }
    }
    penX_ += 8;
  }
}

void Screen::newLine() {
  penX_ = lineStartX_;
  penY_ += 16;
}

void Screen::fillBox(double x1, double y1, double x2, double y2, int fill) {
  const int left = px(x1);
  const int top = px(y1);
  const int right = roundToInt(x2 * zoom_ / 2.0 + 1);
  const int bottom = roundToInt(y2 * zoom_ / 2.0 + 1);
  if (right <= left || bottom <= top) return;
  frame_.fillRect(left, top, right, bottom, palette_[fill]);
  const Rgb outline = palette_[textColour_];
  frame_.hline(left, right, top, outline);
  frame_.hline(left, right, bottom - 1, outline);
  frame_.fillRect(left, top, left + 1, bottom, outline);
  frame_.fillRect(right - 1, top, right, bottom, outline);
}

void Screen::lineTo(double x, double y, int colour) {
  int x0 = px(penX_), y0 = px(penY_);
  const int x1 = px(x), y1 = px(y);
  const Rgb c = palette_[colour];
  walkLine(x0, y0, x1, y1, [&](int ix, int iy) { frame_.set(ix, iy, c); });
  penX_ = x;
  penY_ = y;
}

void Screen::restoreScreen(const Framebuffer& saved) {
  if (saved.width() == frame_.width() && saved.height() == frame_.height()) frame_ = saved;
}

void Screen::setUpFonts() {
  if (data_ == nullptr) return;
  const std::size_t z = static_cast<std::size_t>(zoom_ - 2);
  const auto locate = [this](const char* name) {
    const SectionRef ref = data_->findSection(name);
    return ref.found() ? FontRef{ref.start} : FontRef{};
  };
  setFontRef(Font::A, locate(kFontA[z]));
  setFontRef(Font::B, locate(kFontB[z]));
  setFontRef(Font::C, locate(kFontC[z]));
  setFontRef(Font::D, locate(kFontD[z]));
  for (std::size_t i = 0; i < kPageFonts.size(); ++i) {
    fonts_[static_cast<std::size_t>(Font::Page090) + i] = locate(kPageFonts[i]);
  }
}

int Screen::recordSizeFor(int colour) const {
  if (colour == -2) return 512;
  return zoom_ <= 2 ? 48 : 512;
}

double Screen::glyphTextAdvance(std::string_view text, const GlyphStyle& style) {
  const bool units = style.colour >= 0;
  const double spacing = units ? px(style.spacing) : style.spacing;
  const double spaceWidth = units ? px(style.spaceWidth) : style.spaceWidth;
  const int recordSize = recordSizeFor(style.colour);
  const FontRef font = fontRef(style.font);
  double total = -spacing;
  for (const char c : text) {
    if (c == ' ') {
      total += spaceWidth;
      continue;
    }
    const Glyph& g = glyphs_.glyph(font, recordSize, static_cast<std::uint8_t>(c));
    total += g.width + spacing;
    if (c == '1') total += 0.6 * g.width;
  }
  return total;
}

template <typename Plot>
void Screen::drawGlyphPixels(std::string_view text, double x, double y, const GlyphStyle& style,
                             Plot plot) {
  const bool units = style.colour >= 0;
  const int recordSize = recordSizeFor(style.colour);
  const FontRef font = fontRef(style.font);
  double originX = units ? px(x) : x;
  double originY = units ? px(y) : y;
  const double spacing = units ? px(style.spacing) : style.spacing;
  const double spaceWidth = units ? px(style.spaceWidth) : style.spaceWidth;
  int mode = style.mode;
  if (mode == kCentred || mode == kVerticalCentred) {
    const double half = std::round(glyphTextAdvance(text, style) / 2);
    if (mode == kCentred) {
      originX -= half;
      mode = kFromLeft;
    } else {
      originY += half;
      mode = kVerticalUp;
    }
  }
  const bool vertical = mode >= kVerticalCentred;
  const bool reversed = mode == kToRight || mode == kVerticalDown;
  // Writing direction along the pen's axis: right (1), left (2), up (4), down (5).
  const double direction = (mode == kFromLeft || mode == kVerticalDown) ? 1.0 : -1.0;
  double pen = vertical ? originY : originX;
  const int baseline = roundToInt(vertical ? originX : originY);

  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char c = reversed ? text[n - 1 - i] : text[i];
    if (c == ' ') {
      pen += direction * spaceWidth;
      continue;
    }
    const Glyph& g = glyphs_.glyph(font, recordSize, static_cast<std::uint8_t>(c));
    const int w = g.drawWidth;
    int at = roundToInt(c == '1' ? pen + direction * 0.2 * w : pen);
    if (reversed) at += static_cast<int>(direction) * (w - 1);
    const int across = baseline - g.ascent + 1;
    if (vertical) {
      for (const auto& [b, r] : g.inkPixels) plot(across + r, at - b);
    } else {
      for (const auto& [b, r] : g.inkPixels) plot(at + b, across + r);
    }
    pen += direction * (w + spacing + (c == '1' ? 0.6 * w : 0.0));
  }
}

void Screen::drawGlyphText(std::string_view text, double x, double y, const GlyphStyle& style) {
  if (style.colour > 0) {
    const Rgb ink = palette_[style.colour];
    drawGlyphPixels(text, x, y, style, [&](int px, int py) { frame_.set(px, py, ink); });
    return;
  }
  // Raster text goes to the sink in one call, not one virtual call a pixel.
  if (raster_ == nullptr) return;
  rasterPoints_.clear();
  drawGlyphPixels(text, x, y, style, [&](int px, int py) { rasterPoints_.emplace_back(px, py); });
  if (!rasterPoints_.empty()) raster_->plotGlyphPixels(rasterPoints_);
}

void Screen::drawKeyBoxWidth(std::string_view caption, double x, double y, double spacing,
                             int width) {
  if (caption.empty()) return;
  fillBox(x - 1, y - 10, x + width, y + 2, colour::kKeyShadow);
  fillBox(x, y - 9, x + width, y + 2, colour::kKeyFace);
  drawGlyphText(caption, x + width / 2.0, y,
                GlyphStyle{Font::C, kCentred, spacing, 3, colour::kWhite});
}

void Screen::drawKeyBox(std::string_view caption, double x, double y, double spacing) {
  drawKeyBoxWidth(caption, x, y, spacing, 24);
}

void Screen::drawWideKeyBox(std::string_view caption, double x, double y, double spacing) {
  drawKeyBoxWidth(caption, x, y, spacing, 36);
}

}  // namespace kolvard
