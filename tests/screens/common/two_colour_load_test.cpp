#include "screens/common/two_colour_load.hpp"

#include <gtest/gtest.h>

#include "support/dat_section.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

TEST(TwoColourLoad, SelectedPositionFollowsTheSheet) {
  const DataFile file =
      test::DataBuilder().add("T4SDAT", test::datSection({"T1", "F1", "T2", "F2"})).file();
  const FrameData frames;
  TwoColourPositionTable table;
  Selection s;
  s.restore("T", false, "4s", {"1", "1"}, "B27");
  EXPECT_TRUE(loadSelectedPositions(table, file, frames, s).printingFound);
  EXPECT_EQ(s.position(), "27");
  EXPECT_EQ(s.positionIndex(), 27);
  s.setPrinting("2");
  loadSelectedPositions(table, file, frames, s);
  EXPECT_EQ(s.position(), "A27");
  EXPECT_EQ(s.positionIndex(), 27);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
