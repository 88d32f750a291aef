// Composite codes, section names and the picture's place per edition.
#include "domain/composite_sections.hpp"

#include <gtest/gtest.h>

#include "data/cp865.hpp"

namespace kolvard {
namespace {

TEST(CompositeSections, CodesOfEveryComposite) {
  const struct {
    int n;
    char code;
  } cases[] = {{1, '1'},  {9, '9'},  {10, 'A'}, {35, 'Z'}, {36, '0'},
               {37, '^'}, {39, '`'}, {40, '#'}, {46, ')'}, {47, '!'},
               {48, '-'}, {0, '0'},  {-1, 0},   {49, 0},   {255, 0}};
  for (const auto& c : cases) EXPECT_EQ(compositeCode(c.n), c.code) << c.n;
}

TEST(CompositeSections, SectionNames) {
  EXPECT_EQ(compositeSectionName("A", CompositeSet::Composites, "4s", 2, 12), "AF4s2-C");
  EXPECT_EQ(compositeSectionName("A", CompositeSet::Composites, "4s", 0, 36), "AF4s0-0");
  EXPECT_EQ(compositeSectionName("V", CompositeSet::Composites, cp("10ø"), 3, 48), cp("VF10ø3--"));
  // The cliché types have one series, whatever the composites' series.
  EXPECT_EQ(compositeSectionName("A", CompositeSet::ClicheTypes, "2s", 4, 1), "AQ2s1-1");
  EXPECT_EQ(compositeSectionName("A", CompositeSet::Composites, "4s", 1, 49), "");
}

TEST(CompositeSections, ClicheTypesOnlyForA2sAndA4s) {
  EXPECT_TRUE(hasClicheTypeSet("A2s"));
  EXPECT_TRUE(hasClicheTypeSet("A4s"));
  EXPECT_FALSE(hasClicheTypeSet("A3s"));
  EXPECT_FALSE(hasClicheTypeSet("P4s"));
}

TEST(CompositeSections, PictureLayoutPerEdition) {
  const struct {
    const char* edition;
    int zoom, rows, top, shift;
  } cases[] = {
      {"C", 2, 912, 12, 23},  {"R", 3, 912, 18, 34},  {"P", 4, 888, 36, 34}, {"L", 3, 888, 27, 25},
      {"A", 3, 980, -18, 25}, {"A", 2, 980, -12, 17}, {"V", 4, 980, 0, 10},  {"M", 3, 980, 0, 7},
  };
  for (const auto& c : cases) {
    const CompositePictureLayout layout = compositePictureLayout(c.edition, c.zoom);
    EXPECT_EQ(layout.rows, c.rows) << c.edition << c.zoom;
    EXPECT_EQ(layout.top, c.top) << c.edition << c.zoom;
    EXPECT_EQ(layout.shift, c.shift) << c.edition << c.zoom;
  }
}

}  // namespace
}  // namespace kolvard
