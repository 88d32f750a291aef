// The screen model: the drawing surface of the one window, in virtual units of a 640 x 480
// grid (one unit is zoom / 2 pixels), with the palette, the system-font text grid of 80 x 30
// cells, the data file's bitmap fonts and key boxes.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "ui/framebuffer.hpp"
#include "ui/glyph_font.hpp"
#include "ui/palette.hpp"
#include "ui/raster_sink.hpp"
#include "ui/run_length_picture.hpp"

namespace kolvard {

class DataFile;

inline constexpr int kVirtualWidth = 640;
inline constexpr int kVirtualHeight = 480;

enum class Font { A, B, C, D, Page090, Page120, Page150, Page160, Page170, Page180, Page200 };
inline constexpr int kFontCount = 11;

// Glyph text modes.
enum GlyphMode : int {
  kCentred = 0,          // horizontal, centred on x
  kFromLeft = 1,         // horizontal, starting at x
  kToRight = 2,          // horizontal, ending at x
  kVerticalCentred = 3,  // vertical (reading upwards), centred on y
  kVerticalUp = 4,       // vertical, starting at y
  kVerticalDown = 5,     // vertical, ending at y
};

struct GlyphStyle {
  Font font = Font::C;
  int mode = kFromLeft;
  double spacing = 1;
  double spaceWidth = 3;
  int colour = colour::kWhite;  // palette index; 0 or less writes into the raster
};

// The names of every font section the screens and the printed pages use, at every zoom.
std::vector<std::string_view> fontSectionNames();

class Screen {
 public:
  // The window at `zoom` (2..4); the program opens the one the settings name.
  explicit Screen(const DataFile* data = nullptr, int zoom = 3);

  // (Re)creates the drawing surface for a zoom (2, 3 or 4): client size 640·zoom/2 ×
  // 480·zoom/2, cleared, text colour 8 on background 15.
  void openWindow(int zoom);
  int zoom() const { return zoom_; }
  Framebuffer& framebuffer() { return frame_; }
  const Framebuffer& framebuffer() const { return frame_; }
  const Palette& palette() const { return palette_; }

  // Virtual units to pixels, rounded to nearest.
  int px(double units) const;

  void clear();
  void setTextColour(int index) { textColour_ = index; }
  void setBackColour(int index) { backColour_ = index; }
  int textColour() const { return textColour_; }

  // Pen: system-font cells (column, row) are (c·8, r·16) units.
  void moveTo(int column, int row);
  void moveToUnits(double x, double y);
  // System-font text at the pen, text colour on background colour; the pen moves after it.
  void printText(std::string_view text);
  void newLine();

  // A filled box from (x1, y1) to (x2, y2) in units, covering its far edge, outlined in the
  // text colour.
  void fillBox(double x1, double y1, double x2, double y2, int fill);
  // A one-pixel line from the pen to (x, y); the pen moves there.
  void lineTo(double x, double y, int colour);
  void line(double x1, double y1, double x2, double y2, int colour) {
    moveToUnits(x1, y1);
    lineTo(x2, y2, colour);
  }
  void setPixel(int x, int y, int colour) { frame_.set(x, y, palette_[colour]); }
  // A horizontal span of pixels [x0, x1) on row y (pictures).
  void hspan(int y, int x0, int x1, int colour) { frame_.hline(x0, x1, y, palette_[colour]); }

  Framebuffer saveScreen() const { return frame_; }
  void restoreScreen(const Framebuffer& saved);

  // Fonts: located at the font set-up by zoom; glyph records are cached.
  void setUpFonts();
  FontRef fontRef(Font font) const { return fonts_[static_cast<std::size_t>(font)]; }
  void setFontRef(Font font, FontRef ref) { fonts_[static_cast<std::size_t>(font)] = ref; }
  GlyphCache& glyphs() { return glyphs_; }
  PictureCache& pictures() { return pictures_; }

  // Bitmap-font text. x, y, spacing and space width are units for colours of 0 or more and
  // raster pixels otherwise.
  void drawGlyphText(std::string_view text, double x, double y, const GlyphStyle& style);
  // The width in pixels a horizontal text would take (the centring sum).
  double glyphTextAdvance(std::string_view text, const GlyphStyle& style);

  // A key letter in a small dark box; nothing for an empty caption.
  void drawKeyBox(std::string_view caption, double x, double y, double spacing);
  void drawWideKeyBox(std::string_view caption, double x, double y, double spacing);

  void setRasterSink(RasterSink* sink) { raster_ = sink; }
  RasterSink* rasterSink() const { return raster_; }

 private:
  void drawKeyBoxWidth(std::string_view caption, double x, double y, double spacing, int width);
  int recordSizeFor(int colour) const;
  // Every ink pixel of a glyph text, handed to plot(x, y).
  template <typename Plot>
  void drawGlyphPixels(std::string_view text, double x, double y, const GlyphStyle& style,
                       Plot plot);

  const DataFile* data_;
  int zoom_ = 3;
  Framebuffer frame_;
  Palette palette_;
  int textColour_ = colour::kBlack;
  int backColour_ = colour::kWhite;
  double penX_ = 0, penY_ = 0, lineStartX_ = 0;
  std::array<FontRef, kFontCount> fonts_{};
  GlyphCache glyphs_;
  PictureCache pictures_;
  RasterSink* raster_ = nullptr;
  std::vector<std::pair<int, int>> rasterPoints_;  // one text's raster pixels, kept for reuse
};

}  // namespace kolvard
