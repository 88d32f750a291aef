#include "print/two_colour_schema_print.hpp"

#include <array>
#include <cstdint>
#include <vector>

#include "data/data_file.hpp"
#include "domain/value_text.hpp"
#include "print/export_session.hpp"
#include "print/page_raster.hpp"
#include "print/page_text.hpp"
#include "print/printing_order_print.hpp"
#include "print/raster_cliche.hpp"
#include "print/schema_bitmap.hpp"
#include "print/sheet_grid.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

constexpr int kFramedShift = 42;     // line 1 of a position whose frame kind is not blank
constexpr int kFrameGridDrop = 534;  // the frame grid of a combined page, below the oval one
constexpr int kOvalLine1Rise = 5;    // the oval lines of a combined page move up
constexpr int kOvalLine2Rise = 13;
constexpr int kPictureYOffset = 210;  // as the sheet schema's cell pictures
// The last row above the frame grid's texts on a combined page (baseline 191 + 534 in the
// cell, capitals 36 rows high), with a small gap.
constexpr int kFrameTextTop = 191 + kFrameGridDrop - 36 - 8;

bool isFramePrint(SchemaPrintKind kind) {
  return kind == SchemaPrintKind::Frame;
}

std::string ovalHeading(const TwoColourSchemaPage& page) {
  std::string heading = printingLabel(page.edition, page.value, page.printing);
  if (page.pane != SchemaPane::Single) {
    heading += "  " + std::string(schemaPaneLetter(page.pane)) + "-ark";
  }
  return heading;
}

// The page names the setting without its period.
std::string frameHeading(const FrameSchemaHeader& header) {
  return frameSchemaTitle(header.label, header.labelValue, "");
}

// One grid's two lines per cell. `dy1`/`dy2` move the lines from their place in a page of
// one schema; `shiftFramed` moves line 1 of a framed position to the right.
void drawGridTexts(Screen& screen, PageRaster& raster, const SchemaGrid& grid,
                   const SchemaGrid& frames, int dy1, int dy2, bool shiftFramed) {
  for (int r = 0; r < 10; ++r) {
    for (int c = 1; c <= 10; ++c) {
      const auto i = static_cast<std::size_t>(10 * r + c - 1);
      const SchemaCell& cell = grid[i];
      const int x1 = 458 * c - 434 + (shiftFramed && frames[i].framed ? kFramedShift : 0);
      const int y = 610 * r + 191;
      // A frame drawn grey on the screen comes out in half-tone on the page.
      raster.setHalfTone(cell.grey);
      pageText(screen, cell.line1, x1, y + dy1, Font::Page150, kFromLeft, 8, 0);
      pageText(screen, cell.line2, 458 * c - 16, y + dy2, Font::Page120, kToRight, 7, 0);
      raster.setHalfTone(false);
    }
  }
}

// The description lines each cell already holds, so that the second record of a combined
// page goes on behind the first one's lines.
using CellLines = std::array<std::vector<int>, 100>;

// Returns the glyph pixels of description items that fell outside their cells.
int drawGridPictures(Screen& screen, PageRaster& raster, const DataFile& file,
                     const SchemaGrid& grid, CellLines& lines, int textBottom) {
  int dropped = 0;
  for (int r = 0; r < 10; ++r) {
    for (int c = 1; c <= 10; ++c) {
      const SchemaCell& cell = grid[static_cast<std::size_t>(10 * r + c - 1)];
      if (cell.recordKey.empty()) continue;
      RasterClicheCell where;
      where.key = cell.recordKey;
      where.column = c;
      where.row = r;
      where.xOffset = 0;
      where.yOffset = kPictureYOffset;
      if (textBottom != 0) where.textBottom = 610 * r + textBottom;
      dropped += drawRasterCliche(screen, raster, file, where,
                                  lines[static_cast<std::size_t>(10 * r + c - 1)])
                     .droppedItemPixels;
      screen.setRasterSink(&raster);
    }
  }
  return dropped;
}

}  // namespace

TwoColourSchemaPage makeTwoColourSchemaPage(const DataFile& file,
                                            const TwoColourPositionTable& table,
                                            std::string_view value, std::string_view printing,
                                            std::string_view caption, SchemaPane pane) {
  TwoColourSchemaPage page;
  page.value = value;
  page.printing = printing;
  page.caption = caption;
  page.pane = pane;
  page.oval = ovalSchemaGrid(table, value, pane);
  page.frame = frameSchemaGrid(table, pane);
  page.header = frameSchemaHeader(file, table, pane);
  page.ovalLine = ovalFullSheetLine(file, page.edition, value, printing, pane);
  page.frameLine =
      frameFullSheetLine(file, file.findSection(page.edition + "HELARK"), page.header.title);
  return page;
}

std::string twoColourSchemaTag(const TwoColourSchemaPage& page, SchemaPrintKind kind) {
  switch (kind) {
    case SchemaPrintKind::Oval:
      return ovalSchemaPrintTag(page.value, page.printing, page.pane);
    case SchemaPrintKind::Both:
      return bothSchemasPrintTag(page.value, page.printing, page.pane);
    case SchemaPrintKind::Frame:
      break;
  }
  return frameSchemaPrintTag(page.header);
}

int drawTwoColourSchemaPage(Screen& screen, PageRaster& raster, const DataFile& file,
                            const TwoColourSchemaPage& page, SchemaPrintKind kind,
                            ExportProgress& progress, const std::string& date) {
  raster.clear();
  drawSheetGrid(raster);
  SinkScope sink(screen, raster);
  const bool frame = isFramePrint(kind);
  const std::string title = frame ? page.header.description : valueText(page.value) + page.caption;
  pageText(screen, title, 13, 80, Font::Page200, kFromLeft, 10, 20);
  pageText(screen, frame ? frameHeading(page.header) : ovalHeading(page), 4580, 80, Font::Page200,
           kToRight, 10, 20);
  pageText(screen, frame ? page.frameLine.text : page.ovalLine.text, 13, 6302, Font::Page120,
           kFromLeft, 7, 14);
  drawSheetSchemaFooter(screen, date);
  if (frame) {
    printPrintingOrder(screen, raster, file, page.header.labelValue, page.header.period);
  }
  progress.step();
  screen.setRasterSink(&raster);

  CellLines lines;
  int dropped = 0;
  switch (kind) {
    case SchemaPrintKind::Oval:
      dropped = drawGridPictures(screen, raster, file, page.oval, lines, 0);
      drawGridTexts(screen, raster, page.oval, page.frame, 0, 0, true);
      break;
    case SchemaPrintKind::Frame:
      dropped = drawGridPictures(screen, raster, file, page.frame, lines, 0);
      drawGridTexts(screen, raster, page.frame, page.frame, 0, 0, true);
      break;
    case SchemaPrintKind::Both:
      // The frame's picture first and the oval's over it: together they make up the stamp.
      // Their description lines stay above the frame grid's texts at the cell's foot.
      dropped = drawGridPictures(screen, raster, file, page.frame, lines, kFrameTextTop) +
                drawGridPictures(screen, raster, file, page.oval, lines, kFrameTextTop);
      drawGridTexts(screen, raster, page.oval, page.frame, -kOvalLine1Rise, -kOvalLine2Rise, true);
      drawGridTexts(screen, raster, page.frame, page.frame, kFrameGridDrop, kFrameGridDrop, false);
      break;
  }
  progress.step();
  return dropped;
}

TwoColourSchemaExport exportTwoColourSchema(Screen& screen, const DataFile& file,
                                            const TwoColourSchemaPage& page, SchemaPrintKind kind,
                                            const std::filesystem::path& directory,
                                            ExportProgress& progress, const std::string& date,
                                            PagePrintBuffers& buffers) {
  TwoColourSchemaExport result;
  result.fileName = schemaFileName(twoColourSchemaTag(page, kind));
  PageRaster& raster = buffers.raster();
  PageBytes& bytes = buffers.bytes();
  drawTwoColourSchemaPage(screen, raster, file, page, kind, progress, date);
  encodeSchemaBitmapInto(raster, bytes, [&progress] { progress.step(); });
  const FileWriteResult written = writeFileReplacing(directory, result.fileName, bytes);
  progress.step();
  result.ok = written.ok;
  result.error = written.error;
  return result;
}

}  // namespace kolvard
