// Where glyph text of colour 0 or less goes: the page raster of printed schemas.
#pragma once

#include <span>
#include <utility>

namespace kolvard {

class RasterSink {
 public:
  virtual ~RasterSink() = default;
  // One ink pixel at raster position (x, y); the sink applies its own half-tone rule.
  virtual void plotGlyphPixel(int x, int y) = 0;
  // The pixels of one text, in the order they were drawn: one call instead of one a pixel.
  virtual void plotGlyphPixels(std::span<const std::pair<int, int>> points) {
    for (const auto& [x, y] : points) plotGlyphPixel(x, y);
  }
};

}  // namespace kolvard
