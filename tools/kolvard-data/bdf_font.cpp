#include "kolvard-data/bdf_font.hpp"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "data/cp865.hpp"
#include "kolvard-data/pack_error.hpp"

namespace kolvard::datatool {
namespace {

std::vector<std::string_view> words(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t begin = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > begin) out.push_back(line.substr(begin, i - begin));
  }
  return out;
}

[[noreturn]] void fail(const std::string& source, int line, const std::string& what) {
  throw PackError(source + ":" + std::to_string(line) + ": " + what);
}

int number(std::string_view word, const std::string& source, int line) {
  int value = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec != std::errc() || end != word.data() + word.size()) {
    fail(source, line, "\"" + std::string(word) + "\" is not a number");
  }
  return value;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string glyphLabel(const BdfGlyph& g, int code) {
  std::ostringstream s;
  s << "glyph \"" << g.name << "\" (code " << code << ")";
  return s.str();
}

void putBigEndian(std::vector<std::uint8_t>& out, std::size_t at, int value) {
  out[at] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
  out[at + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

}  // namespace

BdfFont parseBdf(std::string_view text, const std::string& source) {
  BdfFont font;
  BdfGlyph glyph;
  long encoding = -1;
  bool inChar = false;
  bool haveWidth = false;
  bool haveBox = false;
  int bitmapRowsLeft = -1;  // rows still expected after BITMAP, -1 outside a bitmap
  int lineNo = 0;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    const std::size_t nl = text.find('\n', pos);
    std::string_view line = text.substr(pos, nl == std::string_view::npos ? text.npos : nl - pos);
    pos = nl == std::string_view::npos ? text.size() + 1 : nl + 1;
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto w = words(line);
    if (w.empty()) continue;
    if (bitmapRowsLeft > 0) {
      if (w[0] == "ENDCHAR") fail(source, lineNo, "bitmap of \"" + glyph.name + "\" ends early");
      std::vector<bool> row(static_cast<std::size_t>(glyph.width), false);
      const std::string_view hex = w[0];
      for (int x = 0; x < glyph.width; ++x) {
        const std::size_t digit = static_cast<std::size_t>(x / 4);
        const int v = digit < hex.size() ? hexDigit(hex[digit]) : -1;
        if (v < 0) fail(source, lineNo, "bad bitmap row \"" + std::string(hex) + "\"");
        row[static_cast<std::size_t>(x)] = (v >> (3 - x % 4)) & 1;
      }
      glyph.ink.push_back(std::move(row));
      --bitmapRowsLeft;
      continue;
    }
    const std::string_view key = w[0];
    if (key == "STARTCHAR") {
      glyph = BdfGlyph{};
      glyph.name = w.size() > 1 ? std::string(w[1]) : std::string();
      glyph.line = lineNo;
      encoding = -1;
      inChar = true;
      haveWidth = haveBox = false;
      bitmapRowsLeft = -1;
    } else if (!inChar) {
      continue;  // font properties
    } else if (key == "ENCODING") {
      if (w.size() < 2) fail(source, lineNo, "ENCODING without a number");
      encoding = number(w[1], source, lineNo);
    } else if (key == "DWIDTH") {
      if (w.size() < 2) fail(source, lineNo, "DWIDTH without a width");
      glyph.advance = number(w[1], source, lineNo);
      haveWidth = true;
    } else if (key == "BBX") {
      if (w.size() < 5) fail(source, lineNo, "BBX needs four numbers");
      glyph.width = number(w[1], source, lineNo);
      glyph.height = number(w[2], source, lineNo);
      glyph.xOffset = number(w[3], source, lineNo);
      glyph.yOffset = number(w[4], source, lineNo);
      if (glyph.width < 0 || glyph.height < 0 || glyph.width > 4096 || glyph.height > 4096) {
        fail(source, lineNo, "BBX size out of range");
      }
      haveBox = true;
    } else if (key == "BITMAP") {
      if (!haveBox) fail(source, lineNo, "BITMAP before BBX");
      bitmapRowsLeft = glyph.height;
    } else if (key == "ENDCHAR") {
      if (!haveWidth) fail(source, lineNo, "glyph \"" + glyph.name + "\" has no DWIDTH");
      if (bitmapRowsLeft < 0 && glyph.height > 0) {
        fail(source, lineNo, "glyph \"" + glyph.name + "\" has no BITMAP");
      }
      if (encoding >= 0) font.glyphs[static_cast<char32_t>(encoding)] = std::move(glyph);
      glyph = BdfGlyph{};
      inChar = false;
      bitmapRowsLeft = -1;
    }
  }
  if (inChar) fail(source, lineNo, "glyph \"" + glyph.name + "\" has no ENDCHAR");
  return font;
}

std::vector<std::uint8_t> encodeFontSection(const BdfFont& font, int recordSize,
                                            const std::string& source) {
  const std::size_t size = static_cast<std::size_t>(recordSize);
  std::vector<std::uint8_t> out(size * 256, 0);
  for (int code = 1; code < 256; ++code) {
    const auto it = font.glyphs.find(cp865ToUnicode(static_cast<std::uint8_t>(code)));
    if (it == font.glyphs.end()) continue;
    const BdfGlyph& g = it->second;
    const auto where = [&](const std::string& what) {
      fail(source, g.line, glyphLabel(g, code) + ": " + what);
    };
    const bool anyInk = std::any_of(g.ink.begin(), g.ink.end(), [](const auto& row) {
      return std::find(row.begin(), row.end(), true) != row.end();
    });
    const int width = g.advance;
    if (width < 0 || width > 255) where("advance " + std::to_string(width) + " is outside 0-255");
    const int bytesPerRow = (width + 7) / 8;
    int ascent = 0;
    int rows = 0;
    int topPad = 0;
    int column = 0;
    if (anyInk) {
      ascent = g.height + g.yOffset;
      rows = g.height;
      if (ascent < 0) {  // wholly below the baseline: blank rows on top keep its place
        topPad = -ascent;
        rows += topPad;
        ascent = 0;
      }
      const int bits = 8 * bytesPerRow;
      if (g.width > bits) {
        where("ink is " + std::to_string(g.width) + " pixels wide but a row of a glyph " +
              std::to_string(width) + " wide holds " + std::to_string(bits));
      }
      column = std::max(0, g.xOffset);
      if (column + g.width > bits) column = bits - g.width;
      if (ascent > 255 || rows > 255) where("more than 255 rows");
      const int needed = 10 + rows * bytesPerRow;
      if (needed > recordSize) {
        where("needs " + std::to_string(needed) + " bytes (" + std::to_string(rows) + " rows of " +
              std::to_string(bytesPerRow) + ") but a record holds " + std::to_string(recordSize));
      }
    }
    const std::size_t base = size * static_cast<std::size_t>(code);
    putBigEndian(out, base + 2, ascent);
    putBigEndian(out, base + 4, width);
    putBigEndian(out, base + 6, rows);
    if (!anyInk) continue;
    for (int r = 0; r < g.height; ++r) {
      const auto& row = g.ink[static_cast<std::size_t>(r)];
      for (int x = 0; x < g.width; ++x) {
        if (!row[static_cast<std::size_t>(x)]) continue;
        const int px = column + x;
        const std::size_t at =
            base + 10 + static_cast<std::size_t>((r + topPad) * bytesPerRow + px / 8);
        out[at] = static_cast<std::uint8_t>(out[at] | (0x80 >> (px % 8)));
      }
    }
  }
  return out;
}

FontRecord decodeFontRecord(std::span<const std::uint8_t> section, int recordSize, int code) {
  FontRecord rec;
  const std::size_t base = static_cast<std::size_t>(recordSize) * static_cast<std::size_t>(code);
  const auto byte = [&](std::size_t i) -> int {
    return base + i < section.size() && i < static_cast<std::size_t>(recordSize) ? section[base + i]
                                                                                 : 0;
  };
  rec.ascent = (byte(2) << 8) | byte(3);
  rec.width = (byte(4) << 8) | byte(5);
  rec.rows = (byte(6) << 8) | byte(7);
  const int bytesPerRow = (rec.width + 7) / 8;
  for (int r = 0; r < rec.rows; ++r) {
    std::vector<bool> row(static_cast<std::size_t>(8 * bytesPerRow));
    for (int x = 0; x < 8 * bytesPerRow; ++x) {
      const int b = byte(static_cast<std::size_t>(10 + r * bytesPerRow + x / 8));
      row[static_cast<std::size_t>(x)] = (b >> (7 - x % 8)) & 1;
    }
    rec.ink.push_back(std::move(row));
  }
  return rec;
}

}  // namespace kolvard::datatool
