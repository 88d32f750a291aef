#include "print/sheet_schema_print.hpp"

#include <algorithm>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "data/text_fields.hpp"
#include "domain/cliche_record.hpp"
#include "domain/sheet_schema.hpp"
#include "print/export_session.hpp"
#include "print/page_raster.hpp"
#include "print/page_text.hpp"
#include "print/position_mark.hpp"
#include "print/raster_cliche.hpp"
#include "print/schema_bitmap.hpp"
#include "print/sheet_grid.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

constexpr int kCellWidth = 458;
constexpr int kCellHeight = 610;
constexpr int kHatchBand = 14;  // the hatched edge of a cell flagged as uncertain

// The first pixel inside the grid lines of cell (c 1..10, r 0..9).
int cellLeft(int c) {
  return kCellWidth * (c - 1) + 7;
}
int cellTop(int r) {
  return kCellHeight * r + 133;
}

void hatch(PageRaster& raster, int x1, int y1, int x2, int y2) {
  int phase = 0;
  for (int y = y1; y <= y2; ++y) raster.dashedHLine(x1, x2, y, phase);
}

// The mark of an uncertain position: a hatched band along the four edges of the cell.
void drawCellHatch(PageRaster& raster, int c, int r) {
  const int left = cellLeft(c), top = cellTop(r);
  const int right = left + kCellWidth - 12, bottom = top + kCellHeight - 13;
  hatch(raster, left, top, right, top + kHatchBand);
  hatch(raster, left, bottom - kHatchBand, right, bottom);
  hatch(raster, left, top + kHatchBand + 1, left + kHatchBand, bottom - kHatchBand - 1);
  hatch(raster, right - kHatchBand, top + kHatchBand + 1, right, bottom - kHatchBand - 1);
}

void drawCellOutline(PageRaster& raster, int c, int r) {
  const int left = cellLeft(c) + 20, top = cellTop(r) + 20;
  const int right = cellLeft(c) + kCellWidth - 32, bottom = cellTop(r) + kCellHeight - 33;
  for (int t = 0; t < 4; ++t) {
    raster.hline(left, right, top + t);
    raster.hline(left, right, bottom - t);
    raster.vline(left + t, top, bottom);
    raster.vline(right - t, top, bottom);
  }
}

}  // namespace

std::string sheetSchemaTag(const SheetSchemaPage& page) {
  char letter = 0;
  if (page.panes > 1) letter = static_cast<char>('A' + std::clamp(page.pane, 0, 3));
  return sheetPrintTag(page.edition, page.value, page.printing, letter);
}

int drawSheetSchemaPage(Screen& screen, PageRaster& raster, const DataFile& file,
                        const SheetSchemaPage& page, ExportProgress& progress,
                        const std::string& date) {
  int dropped = 0;
  raster.clear();
  drawSheetGrid(raster);
  SinkScope sink(screen, raster);
  std::string heading = sheetHeading(page.edition, page.value, page.caption);
  if (page.edition == "C") heading += " udgave";
  pageText(screen, heading, 13, 80, Font::Page200, kFromLeft, 10, 20);
  pageText(screen,
           sheetPrintingHeading(page.edition, page.value, page.printing, page.panes, page.pane),
           4580, 80, Font::Page200, kToRight, 10, 20);
  pageText(screen, page.paneCaption, 13, 6302, Font::Page150, kFromLeft, 7, 14);
  drawSheetSchemaFooter(screen, date);
  progress.step();
  screen.setRasterSink(&raster);

  if (page.table != nullptr) {
    const std::string valueKey = page.edition + page.value;
    const int paneBase = 100 * std::clamp(page.pane, 0, 3);
    for (int r = 0; r < 10; ++r) {
      for (int c = 1; c <= 10; ++c) {
        const int index = paneBase + 10 * r + c;
        const PositionEntry& entry = (*page.table)[index];
        const FlagMarks marks = flagMarks(entry.flag());
        if (marks.box) drawCellHatch(raster, c, r);
        if (marks.outline) drawCellOutline(raster, c, r);
        if (marks.right) drawPositionMark(screen, c, r, kPageColour, MarkPlace::Right);
        if (marks.left) drawPositionMark(screen, c, r, kPageColour, MarkPlace::LowerLeft);
        if (marks.star)
          pageText(screen, "*", 458 * c - 224, 610 * r + 191, Font::Page150, kCentred, 8, 16);
        pageText(screen, cellTypeText(entry.type()), 458 * c - 434, 610 * r + 191, Font::Page150,
                 kFromLeft, 8, 16);
        const std::string cliche = cellTypeText(entry.cliche());
        pageText(screen, cellClicheText(page.edition, page.value, page.printing, entry.cliche()),
                 458 * c - 16, 610 * r + 191, Font::Page120, kToRight, 7, 14);
        if (cliche.empty()) continue;
        RasterClicheCell cell;
        cell.key = clicheRecordKey(valueKey, cliche);
        cell.column = c;
        cell.row = r;
        cell.xOffset = 0;
        cell.yOffset = 210;
        if (isNewClicheFlag(entry.flag())) cell.descriptionPrefix = cp("1ny kliché$");
        dropped += drawRasterCliche(screen, raster, file, cell).droppedItemPixels;
        screen.setRasterSink(&raster);
      }
    }
  }
  progress.step();
  return dropped;
}

SchemaExportResult exportSheetSchema(Screen& screen, const DataFile& file,
                                     const SheetSchemaPage& page,
                                     const std::filesystem::path& directory,
                                     ExportProgress& progress, const std::string& date,
                                     PagePrintBuffers& buffers) {
  SchemaExportResult result;
  result.fileName = schemaFileName(sheetSchemaTag(page));
  PageRaster& raster = buffers.raster();
  PageBytes& bytes = buffers.bytes();
  drawSheetSchemaPage(screen, raster, file, page, progress, date);
  encodeSchemaBitmapInto(raster, bytes, [&progress] { progress.step(); });
  const FileWriteResult written = writeFileReplacing(directory, result.fileName, bytes);
  progress.step();
  result.ok = written.ok;
  result.error = written.error;
  return result;
}

}  // namespace kolvard
