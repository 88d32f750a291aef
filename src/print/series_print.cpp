#include "print/series_print.hpp"

#include <algorithm>
#include <memory>

#include "data/data_file.hpp"
#include "data/text_fields.hpp"
#include "domain/cliche_record.hpp"
#include "domain/edition.hpp"
#include "domain/flaw_occurrences.hpp"
#include "domain/flaw_record.hpp"
#include "domain/sheet_walk.hpp"
#include "domain/value_text.hpp"
#include "print/export_session.hpp"
#include "print/page_raster.hpp"
#include "print/page_text.hpp"
#include "print/raster_cliche.hpp"
#include "print/schema_bitmap.hpp"
#include "print/sheet_grid.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

constexpr int kColumnPitch = 459;

// The label under a cliché: the plain number for the plate editions, series "." number
// where the value has several series.
std::string seriesLabel(const SeriesPrintRequest& request, const SeriesKind& kind,
                        const SeriesCell& cell) {
  const std::string number =
      isPlateEdition(request.edition) ? std::to_string(cell.running) : cell.clicheNumber;
  return std::string(kind.numberLabel) + number;
}

std::string recordKey(const SeriesPrintRequest& request, const SeriesKind& kind,
                      const std::string& number) {
  if (kind.ovalFlaws) return flawRecordKey(request.edition, ovalFlawKeyPart(request.value, number));
  return clicheRecordKey(request.edition + request.value, number);
}

std::vector<OccurrenceLine> linesOf(const SeriesPrintRequest& request, const SeriesKind& kind,
                                    std::string_view occurrences, int running) {
  if (kind.ovalFlaws) return flawOccurrenceLines(occurrences, request.currentValuePrinting);
  return occurrenceLines(occurrences, request.currentValuePrinting, request.edition, running);
}

// The series printed: an oval series 0 is the one series of its value, series 1.
int printedSeries(const SeriesPrintRequest& request, const SeriesKind& kind) {
  return kind.ovalFlaws ? std::max(1, request.series) : request.series;
}

}  // namespace

const SeriesKind& seriesKindOf(std::string_view edition) {
  static const SeriesKind kClicheSeries{false, "C", "C.", "M."};
  static const SeriesKind kOvalSeries{true, "OF", "OF.", "OM."};
  return Edition(edition).isTwoColoured() ? kOvalSeries : kClicheSeries;
}

std::string seriesPageTag(std::string_view edition, std::string_view value, int series, int page) {
  return "%" + std::string(edition) + std::string(value) +
         std::string(seriesKindOf(edition).tagLetters) + std::to_string(series) + "-" +
         std::to_string(page);
}

SeriesLayout layOutSeries(const DataFile& file, const SeriesPrintRequest& request) {
  SeriesLayout layout;
  const SeriesKind& kind = seriesKindOf(request.edition);
  const std::string valueKey = request.edition + request.value;
  const int series = printedSeries(request, kind);
  const int highest = std::clamp(request.limits.highestOf(series), 0, 9999);
  std::vector<SeriesCell> cells;
  for (int running = 1; running <= highest; ++running) {
    SeriesCell cell;
    cell.running = running;
    cell.clicheNumber = buildClicheNumber(valueKey, series, running, request.limits);
    cell.key = recordKey(request, kind, cell.clicheNumber);
    cell.label = seriesLabel(request, kind, cell);
    const ClicheRecord record = readClicheRecord(file, cell.key);
    if (record.found) {
      cell.occurrenceLines =
          static_cast<int>(linesOf(request, kind, record.occurrences, running).size());
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

int drawSeriesPage(Screen& screen, PageRaster& raster, const DataFile& file,
                   const SeriesPrintRequest& request, const SeriesLayout& layout, int page,
                   ExportProgress& progress, const std::string& date) {
  const SeriesKind& kind = seriesKindOf(request.edition);
  const std::string heading = valueText(request.value) + request.caption;
  const std::string seriesText = " " + std::to_string(printedSeries(request, kind));
  raster.clear();
  SinkScope scope(screen, raster);
  drawSeriesPageFooter(screen, heading, seriesText, date);
  progress.step();
  int rowTop = -1;
  int dropped = 0;
  for (std::size_t next = 0; next < layout.cells.size(); ++next) {
    const SeriesCell& cell = layout.cells[next];
    if (cell.page != page) continue;
    const int c = cell.column;
    RasterClicheCell where;
    where.key = cell.key;
    where.column = c;
    where.row = 0;
    where.xOffset = 8;
    where.yOffset = cell.rowTop;
    where.textBottom = cell.rowTop + 500;  // the description stays above the "C. n" label
    const RasterCliche drawn = drawRasterCliche(screen, raster, file, where);
    dropped += drawn.droppedItemPixels;
    screen.setRasterSink(&raster);
    if (cell.rowTop != rowTop) {
      rowTop = cell.rowTop;
      progress.step();
    }
    const int x = kColumnPitch * c;
    pageText(screen, cell.label, x - 223, cell.rowTop + 548, Font::Page150, kCentred, 8, 16);
    const std::string stamp(withoutTrailingBlanks(drawn.stampNumber));
    if (!stamp.empty()) {
      pageText(screen, std::string(kind.stampLabel) + stamp, x - 223, cell.rowTop + 628,
               Font::Page150, kCentred, 8, 16);
    }
    if (drawn.found) {
      const auto lines = linesOf(request, kind, drawn.occurrences, cell.running);
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
        raster.vline(x + 4 + t, cell.rowTop + 20, cell.rowTop + 560);
      }
    }
  }
  return dropped;
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
  const SeriesKind& kind = seriesKindOf(request.edition);
  auto raster = std::make_unique<PageRaster>();
  const int series = printedSeries(request, kind);
  for (int page = 1; page <= layout.pages; ++page) {
    const std::string tag = seriesPageTag(request.edition, request.value, series, page);
    const std::string fileName = schemaFileName(tag);
    showExportMessages(messages, ExportKind::Series, tag, layout.pages, directory);
    if (present != nullptr) present(presentContext);
    progress.restart();
    drawSeriesPage(screen, *raster, file, request, layout, page, progress, date);
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

int seriesPrintNumber(const SeriesPrintRequest& request) {
  return printedSeries(request, seriesKindOf(request.edition));
}

}  // namespace kolvard
