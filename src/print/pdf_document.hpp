// The PDF document itself, made by qpdf in the PDF module (kolvard-pdf): A4 pages, each holding
// one image whose compressed samples come from the caller when qpdf writes them, and the bytes
// of the file handed to the caller as they are made. Plain C++17 with no project types: qpdf's
// headers are compiled in C++17 (clang refuses them in C++20).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kolvard {

struct PdfDocument {
  int pageCount = 0;
  int imageWidth = 0;
  int imageRows = 0;
  std::string pageContent;  // the content stream of every page (places /Im0)
  std::string creator;
  // The bytes of the file as they are made; false stops the writing.
  std::function<bool(const unsigned char* data, std::size_t size)> write;
  // The Flate-compressed samples of page `index` (0-based, asked for in order); false stops.
  std::function<bool(int index, const std::vector<std::uint8_t>*& samples)> page;
};

// The module's one entry point, `kolvard_write_pdf_document`: writes the document and sets
// `failure` to "" when it was written whole, "stopped" when a callback stopped it, and otherwise
// to what qpdf reported.
using WritePdfDocumentFunction = void (*)(const PdfDocument* document, std::string* failure);
inline constexpr const char* kWritePdfDocumentSymbol = "kolvard_write_pdf_document";

}  // namespace kolvard
