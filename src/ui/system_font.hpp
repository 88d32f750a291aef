// The system font of the text grid: a fixed-pitch bold bitmap font of the 256 code page 865
// characters, one face per zoom, built into the program so that text looks the same on
// every machine. The faces are the text files in src/ui/fonts (made once by
// tools/fonts/make-system-font.sh); the build embeds them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kolvard {

// The system font at a zoom: cells of 4*zoom x 8*zoom pixels (8 x 16 virtual units).
class SystemFontFace {
 public:
  // A face whose every glyph is blank.
  SystemFontFace(int cellWidth, int cellHeight);

  int cellWidth() const { return cellWidth_; }
  int cellHeight() const { return cellHeight_; }
  // True where the glyph of `code` has ink at (x, y) of its cell; false outside the cell.
  bool ink(std::uint8_t code, int x, int y) const {
    if (x < 0 || y < 0 || x >= cellWidth_ || y >= cellHeight_) return false;
    return (rows_[static_cast<std::size_t>(code) * cellHeight_ + y] >> x) & 1U;
  }

  // Reads a font file: optional '#' comment lines, "cell W H" (W at most 32), then for
  // each code 0 to 255 in order a line "code N" (anything after N is a label) followed by
  // H lines of W characters, '#' ink and '.' paper. Nothing may follow the last glyph but
  // empty lines. On a malformed file gives nothing and, when `error` is given, says why
  // and on which line.
  static std::optional<SystemFontFace> parse(std::string_view text, std::string* error = nullptr);

 private:
  int cellWidth_;
  int cellHeight_;
  std::vector<std::uint32_t> rows_;  // 256 × cellHeight rows; bit x is column x
};

// The face for zoom 2, 3 or 4 (a zoom below 2 gives the zoom-2 face, above 4 the zoom-4 face).
// Parsed once on first use and kept.
const SystemFontFace& systemFontFace(int zoom);

// The embedded font file behind systemFontFace(zoom), zoom clamped the same way.
std::string_view systemFontSource(int zoom);

}  // namespace kolvard
