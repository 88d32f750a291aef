// The series print: its file names, the completed printing texts, and how the clichés of a
// series are laid out in rows and pages.
#include "print/series_print.hpp"

#include <gtest/gtest.h>

#include <string>

#include "data/cp865.hpp"
#include "support/data_builder.hpp"

namespace kolvard {
namespace {

const std::string o(1, cp865::kOslash);

TEST(SeriesPrint, PageTagsAndCompletedPrintings) {
  EXPECT_EQ(seriesPageTag("P", "4s", 3, 7), "%P4sC3-7");
  EXPECT_EQ(seriesPageTag("V", "5" + o, 1, 1), "%V5" + o + "C1-1");
  EXPECT_EQ(completedValuePrinting("4" + o + "96-9"), "4" + o + "96-97");
  EXPECT_EQ(completedValuePrinting("8" + o + "9b-1"), "8" + o + "9b-10");
  EXPECT_EQ(completedValuePrinting("50" + o + "12-"), "50" + o + "12-13");
  EXPECT_EQ(completedValuePrinting("4s3"), "4s3");
}

TEST(SeriesPrint, RowsOfTenAndPageBreaks) {
  // No records: every row is 760 dots, so eight rows (80 clichés) fit between 180 and 6620.
  const DataFile file = test::DataBuilder().add("XX", "x").file();
  SeriesPrintRequest request;
  request.edition = "V";
  request.value = "5" + o;
  request.series = 1;
  request.limits.seriesCount = 1;
  request.limits.highest[1] = 85;
  const SeriesLayout layout = layOutSeries(file, request);
  ASSERT_EQ(layout.cells.size(), 85u);
  EXPECT_EQ(layout.pages, 2);
  EXPECT_EQ(layout.cells[0].rowTop, 180);
  EXPECT_EQ(layout.cells[9].column, 10);
  EXPECT_EQ(layout.cells[10].column, 1);
  EXPECT_EQ(layout.cells[10].rowTop, 940);
  EXPECT_EQ(layout.cells[79].page, 1);
  EXPECT_EQ(layout.cells[79].rowTop, 180 + 7 * 760);
  EXPECT_EQ(layout.cells[80].page, 2);
  EXPECT_EQ(layout.cells[80].rowTop, 180);
  EXPECT_EQ(layout.cells[84].clicheNumber, "85");  // one series: no series in the number

  request.limits.highest[1] = 0;
  EXPECT_EQ(layOutSeries(file, request).pages, 0);
}

TEST(SeriesPrint, OccurrenceLinesMakeRowsTaller) {
  const std::string path = KOLVARD_SAMPLE_DATA;
  const auto data = DataFile::open(path);
  ASSERT_TRUE(data);
  SeriesPrintRequest request;
  request.edition = "V";
  request.value = "1" + o;
  request.series = 1;
  request.limits = readSeriesLimits(*data, "V", "1" + o);
  const SeriesLayout layout = layOutSeries(*data, request);
  ASSERT_EQ(static_cast<int>(layout.cells.size()), request.limits.highestOf(1));
  EXPECT_GT(layout.pages, 1);
  for (std::size_t first = 0; first < layout.cells.size(); first += 10) {
    int lines = 0;
    for (std::size_t i = first; i < std::min(layout.cells.size(), first + 10); ++i) {
      lines = std::max(lines, layout.cells[i].occurrenceLines);
    }
    const SeriesCell& cell = layout.cells[first];
    EXPECT_LE(cell.rowTop + 760 + 60 * lines, 6620) << "row of cliché " << cell.running;
    if (first + 10 < layout.cells.size()) {
      const SeriesCell& next = layout.cells[first + 10];
      if (next.page == cell.page) {
        EXPECT_EQ(next.rowTop, cell.rowTop + 760 + 60 * lines);
      } else {
        EXPECT_EQ(next.rowTop, 180);
        EXPECT_EQ(next.page, cell.page + 1);
      }
    }
  }
}

}  // namespace
}  // namespace kolvard
