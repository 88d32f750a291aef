// A PDF of printed pages, to be printed as one file: A4 portrait, each page the 1-bit
// 600-dpi picture of its BMP file (the same 4704 x 6610 dots, white margin included) placed
// at true size and centred, compressed losslessly. Pages are handed over one at a time while
// the file is written, so memory does not grow with the number of pages. Like the BMP files, the
// PDF is written under a scratch name and renamed over its final name only when complete.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "print/schema_bitmap.hpp"

namespace kolvard {

class PageRaster;

// Whether this run can write PDF files: the build has them and the PDF module loads.
bool pdfAvailable();
// Why not, in English ("" when it can).
std::string pdfUnavailableReason();

// The file name of a PDF: the base name with its first "ø" (cp865) written "o", + ".PDF".
std::string pdfFileName(std::string_view baseName);

// The samples of a page as the PDF holds them: every row of the raster's picture with the
// white margin of its BMP file, 1 bit a dot, compressed without loss (zlib). Pages are
// compressed where they are drawn, on any thread; `out` is overwritten.
void compressPdfPage(const PageRaster& raster, std::vector<std::uint8_t>& out);

// Where the pages come from.
class PdfPageSource {
 public:
  virtual ~PdfPageSource() = default;
  // The compressed samples of page `index` (0-based), as compressPdfPage makes them. Pages are
  // asked for once each, in order. A false return, with `why` in UTF-8, abandons the file:
  // nothing is left under its name or the scratch name.
  virtual bool pdfPage(int index, std::vector<std::uint8_t>& compressed, std::string& why) = 0;
};

// Writes `pageCount` pages (at least one) as directory / fileName (cp865 name). The old file
// of that name stays untouched on failure; `error` says why, in the words of the BMP writer.
FileWriteResult writePdfReplacing(const std::filesystem::path& directory, std::string_view fileName,
                                  int pageCount, PdfPageSource& pages);

}  // namespace kolvard
