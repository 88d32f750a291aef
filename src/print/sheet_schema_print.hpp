// The printed page of one pane of a sheet schema (heading, caption, footer, and per cell the
// flag marks, type, cliché and the cliché's picture), written as a BMP file. The sheets
// screen's F9/F10 and the command-line export both go through here, so they write the same
// files.
#pragma once

#include <filesystem>
#include <string>

#include "domain/printing_record_reader.hpp"
#include "print/page_print_buffers.hpp"

namespace kolvard {

class DataFile;
class ExportProgress;
class PageRaster;
class Screen;

struct SheetSchemaPage {
  std::string edition;  // letter
  std::string value;    // "4s", "5ø"
  std::string printing;
  std::string caption;  // the edition caption (" 1864 Udgaven")
  int panes = 1;        // of the sheet: 1, 2 or 4
  int pane = 0;         // 0..3: A..D
  std::string paneCaption;
  const PositionTable* table = nullptr;
  SheetGroup group = SheetGroup::None;
};

// The print tag (file base name) of the page: no pane letter for a one-pane sheet.
std::string sheetSchemaTag(const SheetSchemaPage& page);

// Draws the page into the raster (which it clears and lays out with the sheet grid). The
// screen provides the page fonts; its raster sink is the raster while drawing. Returns the
// glyph pixels of description items that fell outside their cells' text boxes: 0 when every
// item could be read whole.
int drawSheetSchemaPage(Screen& screen, PageRaster& raster, const DataFile& file,
                        const SheetSchemaPage& page, ExportProgress& progress,
                        const std::string& date);

struct SchemaExportResult {
  bool ok = false;
  std::string fileName;  // "#A4s5A.BMP"
  std::string error;     // UTF-8 reason when not ok
};

// Draws, encodes and writes the page into `directory`. The old file of that name is
// replaced only when the new one is complete.
SchemaExportResult exportSheetSchema(Screen& screen, const DataFile& file,
                                     const SheetSchemaPage& page,
                                     const std::filesystem::path& directory,
                                     ExportProgress& progress, const std::string& date,
                                     PagePrintBuffers& buffers);

}  // namespace kolvard
