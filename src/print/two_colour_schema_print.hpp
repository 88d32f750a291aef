// The printed pages of the two-coloured edition's schemas: the oval schema, the frame schema,
// or both on one page, each cell with its type, flaw number and flaw-record picture. The
// schema screen's print keys and the command-line export both go through here, so they write
// the same files.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "domain/two_colour_schema.hpp"
#include "print/page_print_buffers.hpp"

namespace kolvard {

class DataFile;
class ExportProgress;
class PageRaster;
class Screen;

enum class SchemaPrintKind { Oval, Frame, Both };

// Everything a printed schema page shows, taken from the schema texts of the domain.
struct TwoColourSchemaPage {
  std::string edition = "T";
  std::string value;     // "4s"
  std::string printing;  // "3", "9b-10"
  std::string caption;   // the edition caption (" Tofarvet")
  SchemaPane pane = SchemaPane::Single;
  SchemaGrid oval;
  SchemaGrid frame;
  FrameSchemaHeader header;
  FullSheetLine ovalLine;
  FullSheetLine frameLine;
};

// Reads the grids, the frame header and the full-sheet lines of a loaded position table.
TwoColourSchemaPage makeTwoColourSchemaPage(const DataFile& file,
                                            const TwoColourPositionTable& table,
                                            std::string_view value, std::string_view printing,
                                            std::string_view caption, SchemaPane pane);

// The print tag (file base name) of the kind of page: "#T4s3A", "#Set5A-2", "#Kol4s3A".
std::string twoColourSchemaTag(const TwoColourSchemaPage& page, SchemaPrintKind kind);

// Draws the page into the raster (cleared and laid out with the sheet grid). The screen
// provides the page fonts; its raster sink is the raster while drawing. Returns the glyph
// pixels of description items that fell outside their cells' text boxes.
int drawTwoColourSchemaPage(Screen& screen, PageRaster& raster, const DataFile& file,
                            const TwoColourSchemaPage& page, SchemaPrintKind kind,
                            ExportProgress& progress, const std::string& date);

struct TwoColourSchemaExport {
  bool ok = false;
  std::string fileName;  // cp865 ("#T4s3A.BMP")
  std::string error;     // UTF-8 reason when not ok
};

// Draws, encodes and writes the page into `directory`; an old file of that name is replaced
// only when the new one is complete.
TwoColourSchemaExport exportTwoColourSchema(Screen& screen, const DataFile& file,
                                            const TwoColourSchemaPage& page, SchemaPrintKind kind,
                                            const std::filesystem::path& directory,
                                            ExportProgress& progress, const std::string& date,
                                            PagePrintBuffers& buffers);

}  // namespace kolvard
