#include "print/series_print.hpp"

#include <algorithm>
#include <memory>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "domain/cliche_record.hpp"
#include "domain/sheet_walk.hpp"
#include "domain/value_text.hpp"
#include "print/export_session.hpp"
#include "print/page_raster.hpp"
#include "print/raster_cliche.hpp"
#include "print/schema_bitmap.hpp"
#include "print/sheet_grid.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

constexpr int kPageColour = -2;
constexpr int kColumnPitch = 459;

void pageText(Screen& screen, const std::string& text, double x, double y, Font font, int mode,
              double spacing, double spaceWidth) {
  screen.drawGlyphText(text, x, y, GlyphStyle{font, mode, spacing, spaceWidth, kPageColour});
}

// The label under a cliché: the plain number for the plate editions, series "." number
// where the value has several series.
std::string seriesLabel(const SeriesPrintRequest& request, const SeriesCell& cell) {
  if (isPlateEdition(request.edition)) return std::to_string(cell.running);
  return cell.clicheNumber;
}

}  // namespace

std::string completedValuePrinting(std::string_view text) {
  const std::string o(1, cp865::kOslash);
  const std::pair<std::string, std::string> kCompletions[] = {
      {"4" + o + "96-9", "4" + o + "96-97"}, {"4" + o + "101-", "4" + o + "101-2"},
      {"4" + o + "112-", "4" + o + "112-3"}, {"8" + o + "9b-1", "8" + o + "9b-10"},
      {"8" + o + "103-", "8" + o + "103-4"}, {"50" + o + "12-", "50" + o + "12-13"},
  };
  for (const auto& [cut, whole] : kCompletions) {
    if (text == cut) return whole;
  }
  return std::string(text);
}

std::string seriesPageTag(std::string_view edition, std::string_view value, int series, int page) {
  return "%" + std::string(edition) + std::string(value) + "C" + std::to_string(series) + "-" +
         std::to_string(page);
}

SeriesLayout layOutSeries(const DataFile& file, const SeriesPrintRequest& request) {
  SeriesLayout layout;
  const std::string valueKey = request.edition + request.value;
  const int highest = std::clamp(request.limits.highestOf(request.series), 0, 9999);
  std::vector<SeriesCell> cells;
  for (int running = 1; running <= highest; ++running) {
    SeriesCell cell;
    cell.running = running;
    cell.clicheNumber = buildClicheNumber(valueKey, request.series, running, request.limits);
    cell.key = clicheRecordKey(valueKey, cell.clicheNumber);
    const ClicheRecord record = readClicheRecord(file, cell.key);
    if (record.found) {
      cell.occurrenceLines =
          static_cast<int>(occurrenceLines(record.occurrences, request.currentValuePrinting,
                                           request.edition, running)
                               .size());
    }
    cells.push_back(std::move(cell));
  }
  int page = 1;
  int top = kSeriesFirstRowTop;
  for (std::size_t first = 0; first < cells.size(); first += 10) {
    const std::size_t last = std::min(cells.size(), first + 10);
    int lines = 0;
    for (std::size_t i = first; i < last; ++i) lines = std::max(lines, cells[i].occurrenceLines);
    const int height = kSeriesRowHeight + kSeriesOccurrencePitch * lines;
    // A row on a fresh page always stays there, however long its lists are.
    if (top + height > kSeriesPageEnd && top > kSeriesFirstRowTop) {
      ++page;
      top = kSeriesFirstRowTop;
    }
    for (std::size_t i = first; i < last; ++i) {
      cells[i].page = page;
      cells[i].rowTop = top;
      cells[i].column = static_cast<int>(i - first) + 1;
    }
    top += height;
  }
  layout.pages = cells.empty() ? 0 : page;
  layout.cells = std::move(cells);
  return layout;
}

SeriesPrintResult printSeries(Screen& screen, Screen* messages, const DataFile& file,
                              const SeriesPrintRequest& request,
                              const std::filesystem::path& directory, ExportProgress& progress,
                              const std::string& date, void (*present)(void*),
                              void* presentContext) {
  SeriesPrintResult result;
  const SeriesLayout layout = layOutSeries(file, request);
  if (layout.pages == 0) {
    result.error = "the series has no clichés";
    return result;
  }
  auto raster = std::make_unique<PageRaster>();
  const std::string heading = valueText(request.value) + request.caption;
  const std::string seriesText = " " + std::to_string(request.series);
  std::size_t next = 0;
  for (int page = 1; page <= layout.pages; ++page) {
    const std::string tag = seriesPageTag(request.edition, request.value, request.series, page);
    const std::string fileName = schemaFileName(tag);
    showExportMessages(messages, ExportKind::Series, tag, layout.pages, directory);
    if (present != nullptr) present(presentContext);
    progress.restart();
    raster->clear();
    screen.setRasterSink(raster.get());
    drawSeriesPageFooter(screen, heading, seriesText, date);
    progress.step();
    int rowTop = -1;
    for (; next < layout.cells.size() && layout.cells[next].page == page; ++next) {
      const SeriesCell& cell = layout.cells[next];
      const int c = cell.column;
      RasterClicheCell where;
      where.key = cell.key;
      where.column = c;
      where.row = 0;
      where.xOffset = 8;
      where.yOffset = cell.rowTop;
      const RasterCliche drawn = drawRasterCliche(screen, *raster, file, where);
      screen.setRasterSink(raster.get());
      if (cell.rowTop != rowTop) {
        rowTop = cell.rowTop;
        progress.step();
      }
      const int x = kColumnPitch * c;
      pageText(screen, "C." + seriesLabel(request, cell), x - 223, cell.rowTop + 548, Font::Page150,
               kCentred, 8, 16);
      if (!drawn.stampNumber.empty()) {
        pageText(screen, "M." + drawn.stampNumber, x - 223, cell.rowTop + 628, Font::Page150,
                 kCentred, 8, 16);
      }
      if (drawn.found) {
        const auto lines = occurrenceLines(drawn.occurrences, request.currentValuePrinting,
                                           request.edition, cell.running);
        int y = cell.rowTop + 707;
        for (const OccurrenceLine& line : lines) {
          pageText(screen, completedValuePrinting(line.valuePrinting), x - 436, y, Font::Page120,
                   kFromLeft, 7, 14);
          if (line.positionLabel.find('/') != std::string::npos) {
            pageText(screen, line.positionLabel, x - 153, y, Font::Page120, kCentred, 7, 14);
          } else {
            pageText(screen, line.pane, x - 108, y, Font::Page120, kFromLeft, 7, 14);
            pageText(screen, line.positionLabel, x - 86, y, Font::Page120, kFromLeft, 7, 14);
          }
          y += kSeriesOccurrencePitch;
        }
      }
      // A short frame line between this cliché and the next one of the row.
      const bool nextInRow = next + 1 < layout.cells.size() &&
                             layout.cells[next + 1].rowTop == cell.rowTop &&
                             layout.cells[next + 1].page == page;
      if (nextInRow) {
        for (int t = 0; t < 3; ++t) {
          raster->vline(x + 4 + t, cell.rowTop + 20, cell.rowTop + 560);
        }
      }
    }
    screen.setRasterSink(nullptr);
    const auto bytes = encodeSchemaBitmap(*raster, [&progress] { progress.step(); });
    const FileWriteResult written = writeFileReplacing(directory, fileName, bytes);
    if (!written.ok) {
      result.failedFile = fileName;
      result.error = written.error;
      return result;
    }
    result.files.push_back(fileName);
  }
  progress.complete();
  result.ok = true;
  return result;
}

}  // namespace kolvard
