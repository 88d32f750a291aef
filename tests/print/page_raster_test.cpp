#include "print/page_raster.hpp"

#include <gtest/gtest.h>

#include <string>

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

// The pixels x..x+n-1 of row y as a string of '1' (ink) and '0' (paper).
std::string pixels(const PageRaster& r, int x, int y, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += r.ink(x + i, y) ? '1' : '0';
  return out;
}

TEST(PageRaster, StartsAsPaperAndSetsSinglePixels) {
  PageRaster r;
  EXPECT_FALSE(r.ink(0, 0));
  EXPECT_FALSE(r.ink(kRasterWidth - 1, kRasterRows - 1));
  r.set(9, 3, true);
  EXPECT_TRUE(r.ink(9, 3));
  EXPECT_EQ(pixels(r, 7, 3, 4), "0010");
  r.set(9, 3, false);
  EXPECT_FALSE(r.ink(9, 3));
  // Outside the raster: ignored, and reads as paper.
  r.set(-1, 0, true);
  r.set(kRasterWidth, 0, true);
  r.set(0, kRasterRows, true);
  r.set(0, -1, true);
  EXPECT_FALSE(r.ink(-1, 0));
  EXPECT_FALSE(r.ink(kRasterWidth, 0));
  for (int y = 0; y < kRasterRows; y += 1000) {
    for (const std::uint8_t b : r.packedRow(y)) EXPECT_EQ(b, 0);
  }
  r.hline(0, 20, 5);
  r.clear();
  EXPECT_FALSE(r.ink(10, 5));
}

TEST(PageRaster, HorizontalAndVerticalLinesCoverBothEndsInEitherOrder) {
  PageRaster r;
  r.hline(5, 21, 10);  // ragged start, a whole byte, ragged end
  EXPECT_EQ(pixels(r, 3, 10, 21), "001111111111111111100");
  r.hline(40, 33, 11);
  EXPECT_EQ(pixels(r, 32, 11, 10), "0111111110");
  r.hline(50, 50, 12);
  EXPECT_EQ(pixels(r, 49, 12, 3), "010");
  r.vline(100, 30, 27);
  EXPECT_FALSE(r.ink(100, 26));
  for (int y = 27; y <= 30; ++y) EXPECT_TRUE(r.ink(100, y));
  EXPECT_FALSE(r.ink(100, 31));
  EXPECT_FALSE(r.ink(99, 28));
  EXPECT_FALSE(r.ink(101, 28));
}

TEST(PageRaster, LinesAreClippedToTheRaster) {
  PageRaster r;
  r.hline(-100, 3, 0);
  EXPECT_EQ(pixels(r, 0, 0, 5), "11110");
  r.hline(kRasterWidth - 3, kRasterWidth + 500, kRasterRows - 1);
  EXPECT_EQ(pixels(r, kRasterWidth - 4, kRasterRows - 1, 4), "0111");
  r.hline(-1000000, 1000000, kRasterRows);  // row outside: nothing, no crash
  r.hline(0, 10, -1);
  r.vline(2, -50, 1);
  EXPECT_TRUE(r.ink(2, 0));
  EXPECT_TRUE(r.ink(2, 1));
  r.vline(-1, 0, 100);
  r.vline(kRasterWidth, 0, 100);
  r.vline(7, kRasterRows - 2, kRasterRows + 1000);
  EXPECT_TRUE(r.ink(7, kRasterRows - 1));
  // A whole row from far outside on both sides fills exactly the row.
  r.hline(-5000, 90000, 200);
  for (const std::uint8_t b : r.packedRow(200)) EXPECT_EQ(b, 0xFF);
  for (const std::uint8_t b : r.packedRow(201)) EXPECT_EQ(b, 0);
}

TEST(PageRaster, DashedLineFollowsThePhaseCounter) {
  PageRaster r;
  int phase = 0;
  // Counter 1 and 2: "0011..."; 3: "11" + "0011..."; 4: the same, then back to 0.
  for (int y = 0; y < 8; ++y) r.dashedHLine(10, 19, y + 1, phase);
  EXPECT_EQ(pixels(r, 10, 1, 10), "0011001100");
  EXPECT_EQ(pixels(r, 10, 2, 10), "0011001100");
  EXPECT_EQ(pixels(r, 10, 3, 10), "1100110011");
  EXPECT_EQ(pixels(r, 10, 4, 10), "1100110011");
  EXPECT_EQ(pixels(r, 10, 5, 10), "0011001100");
  EXPECT_EQ(pixels(r, 10, 7, 10), "1100110011");
  EXPECT_EQ(phase, 0);
  // Nothing beyond x2.
  EXPECT_FALSE(r.ink(20, 3));
  EXPECT_FALSE(r.ink(9, 3));
}

TEST(PageRaster, DashedLineWritesPaperToo) {
  PageRaster r;
  r.hline(0, 30, 4);
  int phase = 0;
  r.dashedHLine(2, 9, 4, phase);
  EXPECT_EQ(phase, 1);
  EXPECT_EQ(pixels(r, 0, 4, 12), "110011001111");
  // A single pixel and an empty range still advance the counter.
  r.dashedHLine(5, 5, 6, phase);
  EXPECT_EQ(phase, 2);
  r.dashedHLine(5, 4, 6, phase);
  EXPECT_EQ(phase, 3);
  EXPECT_FALSE(r.ink(5, 6));
  // Clipped at the left edge: the pattern still counts from x1.
  r.dashedHLine(-2, 5, 7, phase);  // counter 4: "11" + "0011": 110011 00 from x = -2
  EXPECT_EQ(phase, 0);
  EXPECT_EQ(pixels(r, 0, 7, 6), "001100");
  r.dashedHLine(-100000, 100000, kRasterRows + 3, phase);  // off the raster: no crash
}

TEST(PageRaster, HalfToneKeepsTheEvenSquaresOfTheCheckerboard) {
  PageRaster r;
  EXPECT_FALSE(r.halfTone());
  r.plotGlyphPixel(1, 2);
  EXPECT_TRUE(r.ink(1, 2));
  r.setHalfTone(true);
  for (int y = 10; y < 12; ++y) {
    for (int x = 0; x < 4; ++x) r.plotGlyphPixel(x, y);
  }
  EXPECT_EQ(pixels(r, 0, 10, 4), "1010");  // both even
  EXPECT_EQ(pixels(r, 0, 11, 4), "0101");  // both odd
  r.plotGlyphPixel(-1, -1);                // outside: ignored
  // The half-tone switch concerns glyphs only.
  r.hline(0, 3, 12);
  EXPECT_EQ(pixels(r, 0, 12, 4), "1111");
}

TEST(PageRaster, PackedRowIsMostSignificantBitFirstWithInkAsOne) {
  PageRaster r;
  r.set(0, 3, true);
  r.set(9, 3, true);
  r.set(kRasterWidth - 1, 3, true);
  const auto row = r.packedRow(3);
  ASSERT_EQ(row.size(), static_cast<std::size_t>(kRasterRowBytes));
  EXPECT_EQ(row[0], 0x80);
  EXPECT_EQ(row[1], 0x40);
  EXPECT_EQ(row[2], 0x00);
  EXPECT_EQ(row[static_cast<std::size_t>(kRasterRowBytes - 1)], 0x01);
  EXPECT_TRUE(r.packedRow(-1).empty());
  EXPECT_TRUE(r.packedRow(kRasterRows).empty());
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
