// The page raster of a printed schema: one A4 page at 600 dpi, 4704 pixels across and rows
// 0..6610 down, held in memory one bit a pixel. Row 0 is never written out; the last 48
// pixels of each row do not reach the picture. Glyph text of colour 0 or less lands here
// through the RasterSink, with the half-tone switch applied.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "ui/large_block_allocator.hpp"
#include "ui/raster_sink.hpp"

namespace kolvard {

inline constexpr int kRasterWidth = 4704;
inline constexpr int kRasterRows = 6611;  // rows 0..6610
inline constexpr int kRasterRowBytes = kRasterWidth / 8;
inline constexpr int kPictureWidth = 4656;  // pixels of a row that reach the picture
inline constexpr int kPictureRows = 6610;   // raster rows 1..6610

class PageRaster final : public RasterSink {
 public:
  PageRaster();

  // All paper again.
  void clear();

  bool ink(int x, int y) const;
  // One pixel; positions outside the raster are ignored.
  void set(int x, int y, bool ink);

  // Ink for pixels x1..x2 of row y (either order; clipped to the raster).
  void hline(int x1, int x2, int y);
  // Ink at x in rows y1..y2 (either order; clipped).
  void vline(int x, int y1, int y2);
  // The hatch line: n = x2 - x1 + 1; the caller's phase counter goes up by 1; the pattern
  // "0011" repeated, with "11" in front while the counter is above 2; the counter goes back
  // to 0 above 3. The first n pattern pixels are written from x1, paper ones included.
  void dashedHLine(int x1, int x2, int y, int& phase);

  // Half-tone: glyph pixels are kept only where x and y are both even or both odd.
  void setHalfTone(bool on) { halfTone_ = on; }
  bool halfTone() const { return halfTone_; }
  void plotGlyphPixel(int x, int y) override;
  void plotGlyphPixels(std::span<const std::pair<int, int>> points) override;
  // The same for the pixels inside left..right, top..bottom (inclusive); returns how many
  // fell outside and were dropped.
  int plotGlyphPixelsInside(std::span<const std::pair<int, int>> points, int left, int top,
                            int right, int bottom);

  // Row y packed 8 pixels a byte, leftmost pixel in the most significant bit, ink as 1.
  std::span<const std::uint8_t> packedRow(int y) const;

 private:
  std::vector<std::uint8_t, LargeBlockAllocator<std::uint8_t>>
      bits_;  // kRasterRows rows of kRasterRowBytes
  bool halfTone_ = false;
  bool blank_ = true;  // nothing drawn since the raster was made or cleared
};

}  // namespace kolvard
