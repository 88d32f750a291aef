// The PDF writer is a module of its own (kolvard-pdf.so, kolvard-pdf.dll) beside the program or
// in its installed library folder, loaded the first time a PDF file is asked for: qpdf and the
// libraries it brings would otherwise be loaded and relocated at every start (about 9 ms).
#pragma once

#include <string>

#include "print/pdf_document.hpp"

namespace kolvard {

struct PdfModule {
  WritePdfDocumentFunction write = nullptr;  // null when the module could not be loaded
  std::string failure;                       // why not, in English
};

// The module, loaded once per run (safe from any thread).
const PdfModule& pdfModule();

}  // namespace kolvard
