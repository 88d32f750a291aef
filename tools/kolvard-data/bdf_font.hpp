// Bitmap fonts from BDF files: glyphs are looked up by their Unicode encoding and written
// as the 256 glyph records of a font section, indexed by code page 865 code.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kolvard::datatool {

struct BdfGlyph {
  std::string name;  // STARTCHAR
  int line = 0;      // source line of STARTCHAR
  int advance = 0;   // DWIDTH x
  int width = 0;     // BBX
  int height = 0;
  int xOffset = 0;
  int yOffset = 0;
  std::vector<std::vector<bool>> ink;  // height rows of width pixels, top row first
};

struct BdfFont {
  std::map<char32_t, BdfGlyph> glyphs;  // by ENCODING
};

// Parses a BDF file's text. Throws PackError naming `sourceName` and the line on
// malformed input.
BdfFont parseBdf(std::string_view text, const std::string& sourceName);

// The 256 records of `recordSize` bytes (48 or 512). A record holds 2 unused bytes, the
// ascent, the width (the advance) and the row count as 16-bit big-endian numbers, 2 unused
// bytes and the bitmap, floor((width + 7) / 8) bytes a row, most significant bit leftmost.
// Codes without a glyph get an all-zero record. Throws PackError when a glyph does not fit.
std::vector<std::uint8_t> encodeFontSection(const BdfFont& font, int recordSize,
                                            const std::string& sourceName);

// One record decoded again, for checks.
struct FontRecord {
  int ascent = 0;
  int width = 0;
  int rows = 0;
  std::vector<std::vector<bool>> ink;  // rows of 8 * floor((width + 7) / 8) pixels
};
FontRecord decodeFontRecord(std::span<const std::uint8_t> section, int recordSize, int code);

}  // namespace kolvard::datatool
