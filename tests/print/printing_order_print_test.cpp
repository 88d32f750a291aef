#include "print/printing_order_print.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "print/page_raster.hpp"
#include "support/data_builder.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::DataBuilder;

// A page font whose every printable glyph is a solid 4 x 4 block whose last row is on the line.
std::string blockFont() {
  std::vector<std::pair<std::uint8_t, std::string>> glyphs;
  for (int c = 33; c < 256; ++c) {
    glyphs.emplace_back(static_cast<std::uint8_t>(c),
                        test::glyphRecord(512, 4, 4, {"####", "####", "####", "####"}));
  }
  return test::fontSection(512, glyphs);
}

struct Band {
  int top, bottom, left, right;
};

// The rows with ink, grouped into bands of adjacent rows, with their horizontal extent.
std::vector<Band> inkBands(const PageRaster& r) {
  std::vector<Band> bands;
  for (int y = 0; y < kRasterRows; ++y) {
    int left = kRasterWidth, right = -1;
    const auto row = r.packedRow(y);
    for (int byte = 0; byte < kRasterRowBytes; ++byte) {
      if (row[static_cast<std::size_t>(byte)] == 0) continue;
      for (int x = byte * 8; x < byte * 8 + 8; ++x) {
        if (!r.ink(x, y)) continue;
        left = std::min(left, x);
        right = x;
      }
    }
    if (right < 0) continue;
    if (!bands.empty() && bands.back().bottom == y - 1) {
      Band& b = bands.back();
      b.bottom = y;
      b.left = std::min(b.left, left);
      b.right = std::max(b.right, right);
    } else {
      bands.push_back({y, y, left, right});
    }
  }
  return bands;
}

TEST(PrintingOrderPrint, HeadingAndLinesCentredFortyEightRowsApart) {
  std::string record = "12,4s1,4s2,2. periode:,4s7(ny),4s8,";
  record.resize(320, ' ');
  const DataFile file = DataBuilder().add("0a120", blockFont()).add("TTRYK", record).file();
  Screen screen(&file);
  screen.openWindow(3);
  screen.setUpFonts();

  const struct {
    const char* period;
    int lines;
  } cases[] = {{"", 1}, {"1", 1}, {"2", 2}};
  for (const auto& c : cases) {
    auto raster = std::make_unique<PageRaster>();
    EXPECT_EQ(printPrintingOrder(screen, *raster, file, 1, c.period), c.lines) << c.period;
    const std::vector<Band> bands = inkBands(*raster);
    ASSERT_EQ(bands.size(), static_cast<std::size_t>(c.lines + 1)) << c.period;
    for (std::size_t i = 0; i < bands.size(); ++i) {
      EXPECT_EQ(bands[i].bottom, 6380 + 48 * static_cast<int>(i)) << c.period << " line " << i;
      EXPECT_EQ(bands[i].top, bands[i].bottom - 3);
      EXPECT_NEAR((bands[i].left + bands[i].right) / 2.0, 2366, 8) << c.period << " line " << i;
    }
    EXPECT_EQ(screen.rasterSink(), nullptr);
  }

  auto raster = std::make_unique<PageRaster>();
  EXPECT_EQ(printPrintingOrder(screen, *raster, file, 2, ""), -1);
  EXPECT_EQ(printPrintingOrder(screen, *raster, file, 0, ""), -1);
  EXPECT_TRUE(inkBands(*raster).empty());
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
