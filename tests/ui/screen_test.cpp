#include "ui/screen.hpp"

#include <gtest/gtest.h>

#include <set>

#include "support/data_builder.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::DataBuilder;
using test::fontSection;
using test::glyphRecord;

struct RecordingSink : RasterSink {
  std::set<std::pair<int, int>> pixels;
  void plotGlyphPixel(int x, int y) override { pixels.insert({x, y}); }
};

// The set of pixels of one colour in a framebuffer.
std::set<std::pair<int, int>> inked(const Screen& s, int colour) {
  std::set<std::pair<int, int>> out;
  const Framebuffer& f = s.framebuffer();
  for (int y = 0; y < f.height(); ++y) {
    for (int x = 0; x < f.width(); ++x) {
      if (f.at(x, y) == s.palette()[colour]) out.insert({x, y});
    }
  }
  return out;
}

// Bounding box [minX, maxX] x [minY, maxY] of a pixel set.
struct Box {
  int minX, minY, maxX, maxY;
};
Box bounds(const std::set<std::pair<int, int>>& px) {
  Box b{1 << 30, 1 << 30, -1, -1};
  for (const auto& [x, y] : px) {
    b.minX = std::min(b.minX, x);
    b.maxX = std::max(b.maxX, x);
    b.minY = std::min(b.minY, y);
    b.maxY = std::max(b.maxY, y);
  }
  return b;
}

class GlyphTextTest : public ::testing::Test {
 protected:
  GlyphTextTest() {
    // Font "one": the digit 1 is a solid block 4 wide and 3 high with ascent 3; "L" is an
    // L shape 3 wide; in the 512-byte font the "1" is 2 wide, so record sizes can be told apart.
    const std::vector<std::string> block = {"####", "####", "####"};
    const std::vector<std::string> ell = {"#..", "#..", "###"};
    data_ = DataBuilder()
                .add("0a028", fontSection(48, {{'1', glyphRecord(48, 3, 4, block)},
                                               {'L', glyphRecord(48, 3, 3, ell)}}))
                .add("0a042", fontSection(512, {{'1', glyphRecord(512, 3, 2, {"##", "##", "##"})},
                                                {'L', glyphRecord(512, 3, 3, ell)}}))
                .file();
  }
  Screen screenAt(int zoom) {
    Screen s(&data_);
    s.openWindow(zoom);
    s.setFontRef(Font::C, FontRef{data_.findSection("0a028").start});
    s.setFontRef(Font::D, FontRef{data_.findSection("0a042").start});
    return s;
  }
  DataFile data_;
};

TEST(ScreenGeometry, BoxesCoverTheirFarEdge) {
  Screen s;
  s.openWindow(2);
  s.setTextColour(12);
  s.fillBox(192, 0, 198, 399, 12);
  Box b = bounds(inked(s, 12));
  EXPECT_EQ(b.minX, 192);
  EXPECT_EQ(b.maxX, 198);  // exclusive 199
  EXPECT_EQ(b.maxY, 399);  // exclusive 400
  s.openWindow(3);
  s.setTextColour(12);
  s.fillBox(192, 0, 198, 399, 12);
  b = bounds(inked(s, 12));
  EXPECT_EQ(b.minX, 288);
  EXPECT_EQ(b.maxX, 297);  // exclusive 298
  EXPECT_EQ(b.maxY, 599);  // 599.5 rounds to 600, exclusive
  EXPECT_EQ(s.framebuffer().width(), 960);
  EXPECT_EQ(s.framebuffer().height(), 720);
}

TEST(ScreenGeometry, BoxIsOutlinedInTheTextColour) {
  Screen s;
  s.openWindow(2);
  s.setTextColour(8);
  s.fillBox(10, 10, 20, 20, 2);
  EXPECT_EQ(s.framebuffer().at(10, 10), s.palette()[8]);
  EXPECT_EQ(s.framebuffer().at(20, 15), s.palette()[8]);
  EXPECT_EQ(s.framebuffer().at(15, 15), s.palette()[2]);
}

TEST(ScreenGeometry, LinesSaveAndRestore) {
  Screen s;
  s.openWindow(4);
  const Framebuffer before = s.saveScreen();
  s.line(0, 0, 10, 0, 12);
  EXPECT_EQ(inked(s, 12).size(), 21u);  // 0..20 pixels at zoom 4, both ends drawn
  s.restoreScreen(before);
  EXPECT_TRUE(inked(s, 12).empty());
}

TEST_F(GlyphTextTest, CentredOnesUseTheDigitOneRule) {
  Screen s = screenAt(2);
  // Total advance -1 + 2 x (4 + 1) + 2 x 2.4 = 13.8: x moves 7 pixels left of 100.
  s.drawGlyphText("11", 100, 50, GlyphStyle{Font::C, kCentred, 1, 3, 12});
  const auto px = inked(s, 12);
  // The first 1 is shifted 0.8 right of 93, the second starts at 93 + 4 + 1 + 2.4 + 0.8.
  EXPECT_TRUE(px.count({94, 48}));
  EXPECT_TRUE(px.count({97, 48}));
  EXPECT_FALSE(px.count({98, 48}));
  EXPECT_TRUE(px.count({101, 48}));
  EXPECT_TRUE(px.count({104, 50}));
  EXPECT_EQ(px.size(), 24u);
  const Box b = bounds(px);
  EXPECT_EQ(b.minY, 48);  // y - ascent + 1
  EXPECT_EQ(b.maxY, 50);
}

TEST_F(GlyphTextTest, SpacesDrawNothingAndCentreOnTheirWidth) {
  Screen s = screenAt(2);
  const Framebuffer before = s.saveScreen();
  s.drawGlyphText("   ", 100, 50, GlyphStyle{Font::C, kCentred, 1, 3, 12});
  EXPECT_EQ(s.framebuffer(), before);
  // "  L": the spaces (3 + 3 pixels) come first; centred, the total is 6 - 1 + 3 + 1 = 9.
  s.drawGlyphText("  L", 100, 50, GlyphStyle{Font::C, kCentred, 1, 3, 12});
  EXPECT_EQ(bounds(inked(s, 12)).minX, 100 - 5 + 6);
}

TEST_F(GlyphTextTest, RightAlignedTextEndsAtX) {
  Screen s = screenAt(2);
  s.drawGlyphText("LL", 100, 50, GlyphStyle{Font::C, kToRight, 1, 3, 12});
  const Box b = bounds(inked(s, 12));
  EXPECT_EQ(b.maxX, 100);
  EXPECT_EQ(b.minX, 100 - 3 - 1 - 3 + 1);
}

TEST_F(GlyphTextTest, VerticalTextReadsUpwards) {
  Screen s = screenAt(2);
  // Mode 4 from y: the L turned a quarter anticlockwise; its foot runs upwards from y.
  s.drawGlyphText("L", 100, 50, GlyphStyle{Font::C, kVerticalUp, 1, 3, 12});
  const auto px = inked(s, 12);
  const Box b = bounds(px);
  EXPECT_EQ(b.minX, 100 - 3 + 1);
  EXPECT_EQ(b.maxX, 100);
  EXPECT_EQ(b.maxY, 50);
  EXPECT_EQ(b.minY, 48);
  // The stem (column 0 of the glyph) becomes the bottom row; the foot (row 2) the right column.
  for (int x = 98; x <= 100; ++x) EXPECT_TRUE(px.count({x, 50}));
  for (int y = 48; y <= 50; ++y) EXPECT_TRUE(px.count({100, y}));
  EXPECT_EQ(px.size(), 5u);
  // Mode 5 ends at y: the glyph lies above y + w - 1 ... y.
  Screen t = screenAt(2);
  t.drawGlyphText("L", 100, 50, GlyphStyle{Font::C, kVerticalDown, 1, 3, 12});
  EXPECT_EQ(bounds(inked(t, 12)).maxY, 52);
  EXPECT_EQ(bounds(inked(t, 12)).minY, 50);
}

TEST_F(GlyphTextTest, RecordSizeFollowsZoomAndRasterOutput) {
  // At zoom 3 glyph records are 512 bytes long: read as 48-byte records this font's "1"
  // would be empty.
  Screen s = screenAt(3);
  s.drawGlyphText("1", 10, 10, GlyphStyle{Font::D, kFromLeft, 0, 0, 12});
  EXPECT_EQ(inked(s, 12).size(), 6u);  // the 2 x 3 digit of the 512-byte font
  // Colour -2 goes to the raster, unconverted, and always uses 512-byte records.
  Screen r = screenAt(2);
  RecordingSink sink;
  r.setRasterSink(&sink);
  r.drawGlyphText("1", 1000, 2000, GlyphStyle{Font::D, kFromLeft, 7, 14, -2});
  EXPECT_EQ(sink.pixels.size(), 6u);
  EXPECT_TRUE(sink.pixels.count({1000, 1998}));  // x + round(0.2 x 2) = 1000
  EXPECT_TRUE(inked(r, 12).empty());
}

TEST_F(GlyphTextTest, KeyBoxes) {
  Screen s = screenAt(2);
  const Framebuffer before = s.saveScreen();
  s.drawKeyBox("", 100, 100, 2);
  EXPECT_EQ(s.framebuffer(), before);  // no caption, no box, not even the shadow
  s.setTextColour(8);
  s.drawKeyBox("L", 100, 100, 2);
  const Framebuffer& f = s.framebuffer();
  EXPECT_EQ(f.at(105, 95), s.palette()[11]);   // face
  EXPECT_EQ(f.at(99, 90), s.palette()[8]);     // shadow outlined in the text colour
  EXPECT_EQ(f.at(112, 100), s.palette()[15]);  // caption centred at x + 12
  s.drawWideKeyBox("L", 200, 100, 1);
  EXPECT_EQ(f.at(218, 100), s.palette()[15]);  // wide caption centred at x + 18
  EXPECT_EQ(f.at(235, 95), s.palette()[11]);
}

TEST_F(GlyphTextTest, MissingFontDrawsNothing) {
  Screen s = screenAt(2);
  const Framebuffer before = s.saveScreen();
  s.drawGlyphText("11 L", 100, 50, GlyphStyle{Font::A, kFromLeft, 1, 3, 12});
  EXPECT_EQ(s.framebuffer(), before);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

TEST(TextGrid, PrintsCellsInTextColourOnBackground) {
  Screen s;
  s.openWindow(3);
  s.setTextColour(2);
  s.setBackColour(12);
  s.moveTo(10, 5);  // (80, 80) units: pixel (120, 120) at zoom 3
  s.printText(std::string{static_cast<char>(219), ' '});  // a full block, then a space
  const Framebuffer& f = s.framebuffer();
  EXPECT_EQ(f.at(120, 120), s.palette()[2]);
  EXPECT_EQ(f.at(131, 143), s.palette()[2]);   // the block fills its 12 x 24 cell
  EXPECT_EQ(f.at(132, 130), s.palette()[12]);  // the space is background only
  EXPECT_EQ(f.at(143, 143), s.palette()[12]);
  EXPECT_EQ(f.at(144, 130), s.palette()[15]);  // nothing beyond the two cells
  s.newLine();
  s.printText(std::string{static_cast<char>(219)});
  EXPECT_EQ(f.at(120, 144), s.palette()[2]);  // back at column 10, one row down
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
