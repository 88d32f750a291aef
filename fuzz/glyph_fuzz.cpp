// Glyph records and the glyph renderer: a font section from the input (after the choice
// bytes and a short text), each glyph of the text checked against its record and drawn on its
// own, then the whole text drawn into the window in every writing mode.
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_support.hpp"
#include "screen_harness.hpp"
#include "ui/glyph_font.hpp"
#include "ui/raster_sink.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

class RecordingSink final : public RasterSink {
 public:
  void plotGlyphPixel(int x, int y) override { pixels.emplace_back(x, y); }
  std::vector<std::pair<int, int>> pixels;
};

// The glyph of a code decoded as its record says, bytes past the file reading as 0.
void checkGlyph(const DataFile& file, const Glyph& g, std::int64_t recordStart, int recordSize) {
  const auto record = file.readBytes(recordStart, recordSize);
  const auto byteAt = [&](std::size_t i) -> int { return i < record.size() ? record[i] : 0; };
  // A 16-bit field cut off by the end of the file reads as 0.
  const auto field = [&](std::size_t at) {
    return at + 2 <= record.size() ? (byteAt(at) << 8 | byteAt(at + 1)) : 0;
  };
  FUZZ_CHECK(g.ascent == (field(2) & 0xFF));
  FUZZ_CHECK(g.width == field(4));
  FUZZ_CHECK(g.drawWidth == (field(4) & 0xFF));
  FUZZ_CHECK(g.rows == (field(6) & 0xFF));
  FUZZ_CHECK(g.bytesPerRow == (g.drawWidth + 7) / 8);
  FUZZ_CHECK(g.bits.size() == static_cast<std::size_t>(g.rows * g.bytesPerRow));
  for (std::size_t i = 0; i < g.bits.size(); ++i) {
    FUZZ_CHECK(g.bits[i] == (10 + i < static_cast<std::size_t>(recordSize) ? byteAt(10 + i) : 0));
  }
}

}  // namespace
}  // namespace kolvard

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kolvard;
  fuzz::InputReader input(data, size);
  const bool wide = input.byte() % 2 == 0;  // 512-byte records, else 48-byte ones
  const std::string text = input.text(input.choice(9));
  const std::vector<std::uint8_t> font = input.rest();
  const int recordSize = wide ? 512 : 48;

  const DataFile file = fuzz::containerOf({{"FONT", font}});
  const SectionRef ref = file.findSection("FONT");
  FUZZ_CHECK(ref.found());
  const FontRef fontRef{ref.start};

  // Screen fonts have 48-byte records at zoom 2 and 512-byte ones above; raster text (colour
  // -2) always 512.
  fuzz::FuzzDisplay& display = fuzz::displayFor(&file, wide ? 3 : 2);
  Screen& screen = display.screen();
  screen.setFontRef(Font::C, fontRef);
  RecordingSink sink;
  screen.setRasterSink(&sink);

  for (const char c : text) {
    const auto code = static_cast<std::uint8_t>(c);
    const Glyph& g = screen.glyphs().glyph(fontRef, recordSize, code);
    checkGlyph(file, g, static_cast<std::int64_t>(ref.start) + code * recordSize, recordSize);
    if (c == ' ') continue;

    // One glyph at raster position (1000, 1000): its ink lies in its cell, as wide as the
    // bits of a bitmap row and `rows` high from the ascent above the baseline, one pixel for
    // each ink bit.
    sink.pixels.clear();
    screen.drawGlyphText(std::string(1, c), 1000, 1000,
                         GlyphStyle{Font::C, kFromLeft, 1, 3, wide ? -2 : -1});
    const int left = static_cast<int>(std::lround(c == '1' ? 1000 + 0.2 * g.drawWidth : 1000));
    const int top = 1000 - g.ascent + 1;
    std::size_t ink = 0;
    for (int r = 0; r < g.rows; ++r) {
      for (int b = 0; b < 8 * g.bytesPerRow; ++b) ink += g.ink(r, b) ? 1 : 0;
    }
    for (const auto& [x, y] : sink.pixels) {
      FUZZ_CHECK(x >= left && x < left + 8 * g.bytesPerRow);
      FUZZ_CHECK(y >= top && y < top + g.rows);
    }
    FUZZ_CHECK(sink.pixels.size() == ink);
  }
  screen.setRasterSink(nullptr);

  // The whole text in the window, in every mode: drawing stays inside the framebuffer and
  // the advance is a finite number.
  const int colour = wide ? colour::kDarkGrey : colour::kWhite;
  for (int mode = kCentred; mode <= kVerticalDown; ++mode) {
    const GlyphStyle style{Font::C, mode, 1, 3, colour};
    FUZZ_CHECK(std::isfinite(screen.glyphTextAdvance(text, style)));
    screen.drawGlyphText(text, 320, 240, style);
  }
  const Framebuffer& frame = screen.framebuffer();
  FUZZ_CHECK(frame.pixels().size() ==
             static_cast<std::size_t>(frame.width()) * static_cast<std::size_t>(frame.height()));
  return 0;
}
