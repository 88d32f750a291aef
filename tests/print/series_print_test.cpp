// The series print: its file names, the completed printing texts, how the clichés of a
// series are laid out in rows and pages, and the oval series of the two-coloured edition.
#include "print/series_print.hpp"

#include <gtest/gtest.h>

#include <string>

#include "data/cp865.hpp"
#include "domain/flaw_occurrences.hpp"
#include "print/export_session.hpp"
#include "print/schema_bitmap.hpp"
#include "support/data_builder.hpp"
#include "support/headless_run.hpp"
#include "support/sample_data.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

const std::string o(1, cp865::kOslash);

TEST(SeriesPrint, PageTagsAndCompletedPrintings) {
  EXPECT_EQ(seriesPageTag("P", "4s", 3, 7), "%P4sC3-7");
  EXPECT_EQ(seriesPageTag("V", "5" + o, 1, 1), "%V5" + o + "C1-1");
  EXPECT_EQ(completedValuePrinting("4" + o + "96-9"), "4" + o + "96-97");
  EXPECT_EQ(completedValuePrinting("8" + o + "9b-1"), "8" + o + "9b-10");
  EXPECT_EQ(completedValuePrinting("50" + o + "12-"), "50" + o + "12-13");
  EXPECT_EQ(completedValuePrinting("4s3"), "4s3");
}

TEST(SeriesPrint, OvalSeriesNamesAndLabels) {
  EXPECT_EQ(seriesPageTag("T", "4s", 2, 1), "%T4sOF2-1");
  EXPECT_EQ(schemaFileName(seriesPageTag("T", "8" + o, 3, 2)), "%T8oOF3-2.BMP");
  EXPECT_EQ(seriesKindOf("T").numberLabel, "OF.");
  EXPECT_EQ(seriesKindOf("T").stampLabel, "OM.");
  EXPECT_EQ(seriesKindOf("V").numberLabel, "C.");
  EXPECT_EQ(seriesKindOf("V").stampLabel, "M.");
}

TEST(SeriesPrint, OvalSeriesReadsTheOvalFlawRecords) {
  const DataFile& data = test::sampleData();
  SeriesPrintRequest request;
  request.edition = "T";
  request.value = "4s";
  request.series = 2;
  request.limits = readSeriesLimits(data, "T", "4s");
  request.currentValuePrinting = "4s10";
  const SeriesLayout layout = layOutSeries(data, request);
  ASSERT_EQ(static_cast<int>(layout.cells.size()), request.limits.highestOf(2));
  ASSERT_GE(layout.cells.size(), 40u);
  const struct {
    std::size_t index;
    const char* key;
    const char* label;
  } cases[] = {{0, "T4s2-01", "OF.2.1"},
               {16, "T4s2-0H", "OF.2.17"},
               {31, "T4s2-0W", "OF.2.32"},
               {39, "T4s2-18", "OF.2.40"}};
  for (const auto& c : cases) {
    EXPECT_EQ(layout.cells[c.index].key, c.key);
    EXPECT_EQ(layout.cells[c.index].label, c.label);
  }
  // Every oval record of the sample lists where it occurs.
  for (const SeriesCell& cell : layout.cells) EXPECT_GT(cell.occurrenceLines, 0) << cell.key;
}

// A value with one oval series of three flaws, the second without a record.
std::string int16s(const std::vector<int>& numbers) {
  std::string out;
  for (int n : numbers) out += {static_cast<char>(n & 0xff), static_cast<char>(n >> 8)};
  return out;
}
std::string ovalRecord(const std::string& occurrences) {
  std::string r = " \x1b*d $5flaw$\x1b*m 3 \x1b*t" + occurrences + "\x1b*b";
  for (int row = 0; row < 383; ++row) r += std::string{2, 10, 100};
  return r;
}
bool ink(const std::vector<std::uint8_t>& bmp, int x, int y) {
  const std::size_t at = static_cast<std::size_t>(kBitmapHeaderBytes) +
                         static_cast<std::size_t>(6610 - y) * kBitmapRowBytes + 6 +
                         static_cast<std::size_t>(x / 8);
  return at < bmp.size() && (bmp[at] & (0x80 >> (x % 8))) == 0;
}

TEST(SeriesPrint, OvalSeriesPageWithAMissingRecord) {
  const std::string item = "14s1   A17     ";
  const DataFile file = test::DataBuilder()
                            .add("T3C0", int16s({1, 3}) + std::string(38, '\0'))
                            .add("T3C-01", ovalRecord(item + item))
                            .add("T3C-03", ovalRecord(item))
                            .file();
  SeriesPrintRequest request;
  request.edition = "T";
  request.value = "3c";
  request.series = 0;  // the one series of the value
  request.limits = readSeriesLimits(file, "T", "3c");
  const SeriesLayout layout = layOutSeries(file, request);
  ASSERT_EQ(layout.cells.size(), 3u);
  EXPECT_EQ(layout.cells[1].key, "T3c-02");
  EXPECT_EQ(layout.cells[1].label, "OF.2");
  EXPECT_EQ(layout.cells[0].occurrenceLines, 2);
  EXPECT_EQ(layout.cells[1].occurrenceLines, 0);

  Screen screen(&file);
  screen.openWindow(2);
  const test::ScratchDir dir;
  ExportProgress progress(nullptr);
  const SeriesPrintResult result =
      printSeries(screen, nullptr, file, request, dir.path(), progress, "07. 03. 2016");
  ASSERT_TRUE(result.ok) << result.error;
  ASSERT_EQ(result.files, std::vector<std::string>{"%T3cOF1-1.BMP"});
  const std::string text = test::readFile(dir / result.files[0]);
  const std::vector<std::uint8_t> bmp(text.begin(), text.end());
  ASSERT_EQ(bmp.size(), 3886742u);
  // The run (10, 100) of every picture row, inside the cells of the first row.
  for (int column = 1; column <= 3; ++column) {
    const int x0 = 458 * column - 453 + 8;
    EXPECT_EQ(ink(bmp, x0 + 50, 180 + 200), column != 2) << "column " << column;
  }
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

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
