// The sets of composite pictures and the picture's place per edition.
#include "domain/composite_picture.hpp"

#include <gtest/gtest.h>

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

TEST(CompositePicture, ClicheTypesOnlyForA2sAndA4s) {
  EXPECT_TRUE(hasClicheTypeSet("A2s"));
  EXPECT_TRUE(hasClicheTypeSet("A4s"));
  EXPECT_FALSE(hasClicheTypeSet("A3s"));
  EXPECT_FALSE(hasClicheTypeSet("P4s"));
}

TEST(CompositePicture, PictureLayoutPerEdition) {
  const struct {
    const char* edition;
    int zoom, rows, top, shift;
  } cases[] = {
      {"C", 2, 912, 12, 23},  {"R", 3, 912, 18, 34},  {"P", 4, 888, 36, 34}, {"L", 3, 888, 27, 25},
      {"A", 3, 980, -18, 25}, {"A", 2, 980, -12, 17}, {"V", 4, 980, 0, 10},  {"M", 3, 980, 0, 7},
      {"T", 2, 980, 0, -5},   {"T", 3, 980, 0, -7},   {"T", 4, 980, 0, -10},
  };
  for (const auto& c : cases) {
    const CompositePictureLayout layout = compositePictureLayout(c.edition, c.zoom);
    EXPECT_EQ(layout.rows, c.rows) << c.edition << c.zoom;
    EXPECT_EQ(layout.top, c.top) << c.edition << c.zoom;
    EXPECT_EQ(layout.shift, c.shift) << c.edition << c.zoom;
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
