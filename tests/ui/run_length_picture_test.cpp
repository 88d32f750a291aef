#include "ui/run_length_picture.hpp"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using Span = std::tuple<int, int, int>;  // y, x0, x1

std::vector<Span> render(const std::vector<PictureRow>& rows, int zoom, int left = 0, int top = 0) {
  std::vector<Span> out;
  renderPicture(rows, zoom, left, top, [&](int y, int x0, int x1) { out.emplace_back(y, x0, x1); });
  return out;
}

TEST(PictureDecoding, EscapesAddToARunningBase) {
  // Unused byte; row 1: pair (10, 300) written 10, 255 45; row 2 empty; row 3: (600, 700):
  // 255 255 90 then 190 (the base keeps growing through the row: 510 + 190).
  const std::vector<std::uint8_t> bytes = {0, 3, 10, 255, 45, 0, 5, 255, 255, 90, 190, 0};
  const auto rows = decodeRunLengthPicture(bytes, 3);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].runs, (std::vector<std::pair<int, int>>{{10, 300}}));
  EXPECT_TRUE(rows[1].runs.empty());
  EXPECT_EQ(rows[2].runs, (std::vector<std::pair<int, int>>{{600, 700}}));
}

TEST(PictureDecoding, StopsWhereTheDataEnds) {
  // Asks for 5 rows; the count of the third row runs past the section.
  const std::vector<std::uint8_t> bytes = {0, 2, 1, 9, 0, 9, 4, 5};
  const auto rows = decodeRunLengthPicture(bytes, 5);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].runs.size(), 1u);
  EXPECT_EQ(rows[2].runs, (std::vector<std::pair<int, int>>{{4, 5}}));
  EXPECT_TRUE(decodeRunLengthPicture({}, 5).empty());
  EXPECT_TRUE(decodeRunLengthPicture(std::vector<std::uint8_t>{0}, 5).empty());
}

TEST(PictureRows, PhasesThinRowsByZoom) {
  std::vector<PictureRow> rows(8, PictureRow{{{0, 8}}});
  // Zoom 4 draws every row, the first one pixel below the top.
  auto z4 = render(rows, 4, 0, 100);
  ASSERT_EQ(z4.size(), 8u);
  EXPECT_EQ(std::get<0>(z4.front()), 101);
  EXPECT_EQ(std::get<0>(z4.back()), 108);
  // Zoom 3 draws three rows of four, zoom 2 every second row.
  EXPECT_EQ(render(rows, 3).size(), 6u);
  EXPECT_EQ(render(rows, 2).size(), 4u);
  EXPECT_FALSE(pictureRowDrawn(0, 2));
  EXPECT_TRUE(pictureRowDrawn(1, 2));
  EXPECT_TRUE(pictureRowDrawn(0, 3));
  EXPECT_TRUE(pictureRowDrawn(1, 3));
  EXPECT_FALSE(pictureRowDrawn(2, 3));
  EXPECT_TRUE(pictureRowDrawn(3, 3));
  // Drawn rows follow each other without gaps.
  const auto z2 = render(rows, 2, 0, 10);
  for (std::size_t i = 0; i < z2.size(); ++i)
    EXPECT_EQ(std::get<0>(z2[i]), 11 + static_cast<int>(i));
}

TEST(PictureRows, RunEndsAndShortRuns) {
  const std::vector<PictureRow> rows = {PictureRow{{{10, 30}, {41, 42}, {50, 50}}}};
  const auto z4 = render(rows, 4, 5);
  ASSERT_EQ(z4.size(), 3u);
  EXPECT_EQ(z4[0], Span(1, 15, 36));  // 5 + 10 .. 5 + 30 + 1
  EXPECT_EQ(z4[1], Span(1, 46, 48));
  EXPECT_EQ(z4[2], Span(1, 55, 56));
  // Zoom 2 (second row drawn only: use two rows) keeps short runs at least one pixel wide.
  const std::vector<PictureRow> two = {PictureRow{}, rows[0]};
  const auto z2 = render(two, 2);
  ASSERT_EQ(z2.size(), 3u);
  EXPECT_EQ(z2[0], Span(1, 5, 16));   // trunc(20/4) .. trunc(60/4) + 1
  EXPECT_EQ(z2[1], Span(1, 20, 21));  // 41: trunc(82/4)=20, + trunc(2/4) + 1
  EXPECT_EQ(z2[2], Span(1, 25, 26));
  // Zoom 3: trunc(3 x 41 / 4) = 30, short run 1: trunc(3/4) = 0, so 30..31.
  const auto z3 = render(rows, 3);
  EXPECT_EQ(z3[1], Span(1, 30, 31));
}

TEST(PictureRows, RowCountsByEdition) {
  EXPECT_EQ(pictureRowsFor("C").rows, 688);
  EXPECT_EQ(pictureRowsFor("R").rows, 688);
  EXPECT_EQ(pictureRowsFor("P").rows, 679);
  EXPECT_EQ(pictureRowsFor("L").rows, 679);
  EXPECT_EQ(pictureRowsFor("A").rows, 786);
  EXPECT_EQ(pictureRowsFor("T").rows, 733);
  EXPECT_EQ(pictureRowsFor("J").rows, 733);
  const auto v = pictureRowsFor("vT");
  EXPECT_EQ(v.rows, 749);
  EXPECT_EQ(v.edition, "T");
  EXPECT_EQ(pictureRowsFor("oI").rows, 853);
  EXPECT_EQ(pictureRowsFor("oI").edition, "I");
}

TEST(PictureRows, LogoColumnsAreRoundedFromTheRightPanel) {
  const std::vector<PictureRow> rows = {PictureRow{{{1, 3}}}};
  std::vector<Span> out;
  renderLogo(rows, 3, 13, [&](int y, int x0, int x1) { out.emplace_back(y, x0, x1); });
  ASSERT_EQ(out.size(), 1u);
  // (880 + 1) x 3 / 4 = 660.75 -> 661; (880 + 3) x 3 / 4 = 662.25 -> 662, + 1.
  EXPECT_EQ(out[0], Span(14, 661, 663));
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
