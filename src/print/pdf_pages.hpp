// A PDF of printed pages, to be printed as one file: A4 portrait, each page the 1-bit
// 600-dpi picture of its BMP file (the same 4704 x 6610 dots, white margin included) placed
// at true size and centred, compressed losslessly. Pages are drawn one at a time while the
// file is written, so memory does not grow with the number of pages. Like the BMP files, the
// PDF is written under a scratch name and renamed over its final name only when complete.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "print/schema_bitmap.hpp"

namespace kolvard {

class PageRaster;

// Whether this build can write PDF files (the PDF library is found at build time).
bool pdfAvailable();

// The file name of a PDF: the base name with its first "ø" (cp865) written "o", + ".PDF".
std::string pdfFileName(std::string_view baseName);

// Where the pages come from.
class PdfPageSource {
 public:
  virtual ~PdfPageSource() = default;
  // Draws page `index` (0-based) into `raster`. Pages are asked for once each, in order. A
  // false return, with `why` in UTF-8, abandons the file: nothing is left under its name or
  // the scratch name.
  virtual bool drawPdfPage(int index, PageRaster& raster, std::string& why) = 0;
};

// Writes `pageCount` pages (at least one) as directory / fileName (cp865 name). The old file
// of that name stays untouched on failure; `error` says why, in the words of the BMP writer.
FileWriteResult writePdfReplacing(const std::filesystem::path& directory, std::string_view fileName,
                                  int pageCount, PdfPageSource& pages, PageRaster& raster);

}  // namespace kolvard
