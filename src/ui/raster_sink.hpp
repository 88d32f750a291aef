// Where glyph text of colour 0 or less goes: the page raster of printed schemas.
#pragma once

namespace kolvard {

class RasterSink {
 public:
  virtual ~RasterSink() = default;
  // One ink pixel at raster position (x, y); the sink applies its own half-tone rule.
  virtual void plotGlyphPixel(int x, int y) = 0;
};

}  // namespace kolvard
