// Bitmap fonts of the data file: 256 glyph records per font, indexed by cp865 code. A record
// is 48 bytes (screen fonts at zoom 2) or 512 bytes (zoom 3 and 4, and page output):
// 2 bytes not read, ascent, width and row count as 16-bit big-endian numbers, 2 bytes not
// read, then the bitmap row by row, floor((width + 7) / 8) bytes a row, MSB leftmost.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace kolvard {

class DataFile;

struct Glyph {
  int ascent = 0;                  // low byte of the ascent field
  int width = 0;                   // the full 16-bit width: used when measuring
  int drawWidth = 0;               // its low byte: used when drawing
  int rows = 0;                    // low byte of the row count
  int bytesPerRow = 0;             // floor((drawWidth + 7) / 8)
  std::vector<std::uint8_t> bits;  // rows * bytesPerRow; bytes past the record read as 0
  // The ink pixels as (column, row) from the top left, row by row, left to right: what a
  // drawing visits, worked out once.
  std::vector<std::pair<std::int16_t, std::int16_t>> inkPixels;

  bool ink(int row, int bit) const {
    return (bits[static_cast<std::size_t>(row * bytesPerRow + bit / 8)] >> (7 - bit % 8)) & 1;
  }
};

// One glyph record as the renderer reads it (`record` may be short: missing bytes read as 0).
Glyph decodeGlyphRecord(std::span<const std::uint8_t> record);

// A font is known by the byte position of its record 0; position 0 means "not located"
// and draws nothing.
struct FontRef {
  std::int32_t start = 0;
  bool located() const { return start > 0; }
};

// Glyph records decoded once and kept, per font position and record size.
class GlyphCache {
 public:
  explicit GlyphCache(const DataFile* file = nullptr) : file_(file) {}
  void setFile(const DataFile* file) {
    file_ = file;
    fonts_.clear();
  }

  // The glyph of `code` in the font, with 48- or 512-byte records.
  const Glyph& glyph(FontRef font, int recordSize, std::uint8_t code);

 private:
  using Table = std::array<std::unique_ptr<Glyph>, 256>;
  const DataFile* file_ = nullptr;
  std::map<std::pair<std::int32_t, int>, Table> fonts_;
};

}  // namespace kolvard
