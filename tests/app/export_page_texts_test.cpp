// Whole printed pages of the sample data as the export draws them: no description line or
// placed label of any cell is cut by its cell.
#include <gtest/gtest.h>

#include <sstream>

#include "app/export_plan.hpp"
#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "print/page_raster.hpp"
#include "print/sheet_grid.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

TEST(ExportPageTexts, NoDescriptionItemOfAnyCellIsCut) {
  const auto data = DataFile::open(KOLVARD_SAMPLE_DATA);
  ASSERT_TRUE(data);
  Screen screen(&*data);
  screen.openWindow(2);
  screen.setUpFonts();
  ExportContext context{*data, screen, "09. 12. 2026"};
  std::ostringstream err;
  struct Case {
    PlanResult planned;
    std::size_t pages;  // the first pages of the plan that are drawn
  };
  const Case cases[] = {
      {planValue(context, "P", "4s", err), 12},  // every printing and pane
      {planSeries(context, {"series", "V", cp("1ø"), "1"}, cp("1ø"), err), 3},
      {planValue(context, "T", "4s", err), 6},  // oval, frame, both of printing 1, A and B
  };
  PageRaster raster;
  for (const Case& c : cases) {
    ASSERT_EQ(c.planned.status, 0) << err.str();
    ASSERT_GE(c.planned.plan.pages.size(), c.pages);
    for (std::size_t i = 0; i < c.pages; ++i) {
      const ExportPage& page = c.planned.plan.pages[i];
      EXPECT_EQ(page.draw(context, raster), 0) << cp865ToUtf8(page.tag);
    }
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
