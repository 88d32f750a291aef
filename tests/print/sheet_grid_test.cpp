#include "print/sheet_grid.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "domain/version.hpp"
#include "print/page_raster.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

bool rowInk(const PageRaster& r, int y, int x1, int x2) {
  for (int x = x1; x <= x2; ++x) {
    if (!r.ink(x, y)) return false;
  }
  return true;
}

TEST(SheetGrid, OuterFrameMiddleAndInnerLines) {
  PageRaster r;
  drawSheetGrid(r);
  // Horizontal bands: exactly x 3..4587.
  for (const int y : {128, 130, 132, 740, 741, 3177, 3180, 3183, 5620, 5621, 6228, 6232}) {
    EXPECT_TRUE(rowInk(r, y, 3, 4587)) << y;
    EXPECT_FALSE(r.ink(4588, y)) << y;
  }
  for (const int y : {127, 133, 739, 742, 3176, 3184, 6227, 6233}) {
    EXPECT_FALSE(r.ink(1000, y)) << y;
  }
  // Vertical lines: rows 131..6230 only.
  for (const auto& [x1, x2] :
       {std::pair{2, 6}, {462, 463}, {2291, 2297}, {4125, 4126}, {4582, 4586}}) {
    EXPECT_TRUE(rowInk(r, 131, x1, x2));
    EXPECT_TRUE(rowInk(r, 1000, x1, x2));
    EXPECT_TRUE(rowInk(r, 6230, x1, x2));
    EXPECT_FALSE(r.ink(x1 - 1, 1000)) << x1;
    EXPECT_FALSE(r.ink(x2 + 1, 1000)) << x2;
    EXPECT_FALSE(r.ink(x1, 6233));
  }
  // The frame's corner: the horizontal band starts at x 3, the vertical line at row 131.
  EXPECT_FALSE(r.ink(2, 130));
  EXPECT_TRUE(r.ink(2, 131));
  EXPECT_TRUE(r.ink(3, 128));
  // Nothing outside the grid.
  for (const int y : {0, 100, 6234, 6400, 6610}) {
    for (const std::uint8_t b : r.packedRow(y)) EXPECT_EQ(b, 0) << y;
  }
}

TEST(SheetGrid, CellInteriorsArePaper) {
  PageRaster r;
  drawSheetGrid(r);
  // Cell (1, 1): x 7..461, rows 133..739; cell (6, 6) beyond both middle lines.
  for (int y = 133; y <= 739; ++y) {
    for (int x = 7; x <= 461; ++x) ASSERT_FALSE(r.ink(x, y)) << x << "," << y;
  }
  for (int y = 3184; y <= 3789; y += 7) {
    for (int x = 2298; x <= 2750; ++x) ASSERT_FALSE(r.ink(x, y)) << x << "," << y;
  }
  // The inner line between columns 1 and 2 of the next cell.
  EXPECT_FALSE(r.ink(464, 1000));
  EXPECT_FALSE(r.ink(919, 1000));
  EXPECT_TRUE(r.ink(920, 1000));
}

TEST(PageFooter, DateTextHasTwoDigitDayAndMonth) {
  std::tm date{};
  date.tm_mday = 7;
  date.tm_mon = 2;
  date.tm_year = 116;
  EXPECT_EQ(pageDateText(date), "07. 03. 2016");
  date.tm_mday = 31;
  date.tm_mon = 11;
  date.tm_year = 99;
  EXPECT_EQ(pageDateText(date), "31. 12. 1999");
  EXPECT_EQ(todayDateText().size(), 12u);
  EXPECT_EQ(versionBanner(), "KOLVARD Version 7.03");
}

// SOURCE_DATE_EPOCH fixes the date of printed pages; what is not a plain number is ignored.
TEST(PageFooter, SourceDateEpochFixesTheDate) {
  const std::string today = todayDateText();
  for (const auto& [epoch, date] :
       std::vector<std::pair<const char*, std::string>>{{"1457308800", "07. 03. 2016"},
                                                        {"0", "01. 01. 1970"},
                                                        {"946684799", "31. 12. 1999"},
                                                        {"12x", today},
                                                        {"-5", today},
                                                        {"", today}}) {
    ::setenv("SOURCE_DATE_EPOCH", epoch, 1);
    EXPECT_EQ(todayDateText(), date) << epoch;
  }
  ::unsetenv("SOURCE_DATE_EPOCH");
}

// The bounding box of the ink in a band of rows.
struct Box {
  int left = kRasterWidth, right = -1, top = kRasterRows, bottom = -1;
};
Box inkBox(const PageRaster& r, int y1, int y2) {
  Box b;
  for (int y = y1; y <= y2; ++y) {
    for (int x = 0; x < kRasterWidth; ++x) {
      if (!r.ink(x, y)) continue;
      b.left = std::min(b.left, x);
      b.right = std::max(b.right, x);
      b.top = std::min(b.top, y);
      b.bottom = std::max(b.bottom, y);
    }
  }
  return b;
}

class PageFooterOnSample : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { data_ = DataFile::open(KOLVARD_SAMPLE_DATA); }
  static void TearDownTestSuite() { data_.reset(); }
  void SetUp() override {
    ASSERT_TRUE(data_.has_value());
    screen_.emplace(&*data_);
    screen_->openWindow(3);
    screen_->setUpFonts();
    screen_->setRasterSink(&raster_);
  }
  static std::optional<DataFile> data_;
  std::optional<Screen> screen_;
  PageRaster raster_;
};
std::optional<DataFile> PageFooterOnSample::data_;

TEST_F(PageFooterOnSample, SheetFooterEndsAtTheRightAndBannerStartsAtTheLeft) {
  const Framebuffer before = screen_->framebuffer();
  drawSheetSchemaFooter(*screen_, "07. 03. 2016");
  const Box date = inkBox(raster_, 6200, 6320);
  EXPECT_LE(date.right, 4579);
  EXPECT_GE(date.right, 4560);
  EXPECT_LE(date.bottom, 6310);
  EXPECT_GE(date.bottom, 6290);
  EXPECT_GT(date.left, 3000);  // a short line at the right
  const Box banner = inkBox(raster_, 6500, 6610);
  EXPECT_GE(banner.left, 13);
  EXPECT_LE(banner.left, 20);
  EXPECT_LT(banner.right, 2000);
  EXPECT_LE(banner.bottom, 6610);
  EXPECT_TRUE(screen_->framebuffer() == before);  // the page only, never the window
}

TEST_F(PageFooterOnSample, SeriesFooterPlacesHeadingSeriesAndDate) {
  drawSeriesPageFooter(*screen_, cp("1864 udgaven  4 sk."), " 3", "07. 03. 2016");
  const Box top = inkBox(raster_, 0, 100);
  EXPECT_GE(top.left, 13);
  EXPECT_LE(top.left, 40);
  EXPECT_LE(top.right, 4580);
  EXPECT_GE(top.right, 4560);
  EXPECT_LE(top.bottom, 100);
  // The date line sits under the series text, at the right.
  const Box date = inkBox(raster_, 120, 190);
  EXPECT_GT(date.left, 3000);
  EXPECT_LE(date.right, 4579);
  EXPECT_LE(date.bottom, 175);
  // Page 200 is the larger face: the heading is taller than the date.
  EXPECT_GT(top.bottom - top.top, date.bottom - date.top);
  const Box banner = inkBox(raster_, 6500, 6610);
  EXPECT_GE(banner.left, 13);
  EXPECT_GT(banner.right, banner.left);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
