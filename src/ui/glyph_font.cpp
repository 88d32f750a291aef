#include "ui/glyph_font.hpp"

#include "data/data_file.hpp"

namespace kolvard {
namespace {

int bigEndian16(std::span<const std::uint8_t> record, std::size_t at) {
  if (record.size() < at + 2) return 0;
  return (record[at] << 8) | record[at + 1];
}

}  // namespace

Glyph decodeGlyphRecord(std::span<const std::uint8_t> record) {
  Glyph g;
  g.ascent = bigEndian16(record, 2) & 0xFF;
  g.width = bigEndian16(record, 4);
  g.drawWidth = g.width & 0xFF;
  g.rows = bigEndian16(record, 6) & 0xFF;
  g.bytesPerRow = (g.drawWidth + 7) / 8;
  g.bits.assign(static_cast<std::size_t>(g.rows * g.bytesPerRow), 0);
  for (std::size_t i = 0; i < g.bits.size() && 10 + i < record.size(); ++i) {
    g.bits[i] = record[10 + i];
  }
  for (int r = 0; r < g.rows; ++r) {
    for (int k = 0; k < g.bytesPerRow; ++k) {
      const std::uint8_t byte = g.bits[static_cast<std::size_t>(r * g.bytesPerRow + k)];
      for (int bit = 0; bit < 8 && byte != 0; ++bit) {
        if (((byte >> (7 - bit)) & 1) != 0) {
          g.inkPixels.emplace_back(static_cast<std::int16_t>(8 * k + bit),
                                   static_cast<std::int16_t>(r));
        }
      }
    }
  }
  return g;
}

const Glyph& GlyphCache::glyph(FontRef font, int recordSize, std::uint8_t code) {
  static const Glyph kEmpty;
  if (!font.located() || file_ == nullptr) return kEmpty;
  auto& slot = fonts_[{font.start, recordSize}][code];
  if (!slot) {
    const auto record = file_->readBytes(
        static_cast<std::int64_t>(font.start) + static_cast<std::int64_t>(code) * recordSize,
        recordSize);
    slot = std::make_unique<Glyph>(decodeGlyphRecord(record));
  }
  return *slot;
}

}  // namespace kolvard
