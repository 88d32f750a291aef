// Writing an export plan: each page as its BMP file, or into one PDF, or both at once (each
// page drawn once, the pages drawn on several threads), the names of the files written on standard
// output as they are made, a progress line on a terminal, and a stop between two files at Ctrl-C.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "app/export_plan.hpp"

namespace kolvard {

struct ExportOptions {
  bool bmp = true;            // the BMP files (off with --pdf-only)
  bool pdf = false;           // one PDF of every page
  bool list = false;          // name the files without writing them
  bool progressLine = false;  // standard output is a terminal
  std::filesystem::path directory = ".";
  unsigned threads = 0;  // that draw the pages; 0: one per core (at most 4)
};

// The file names the plan writes, in order (cp865): the BMP files, each name once, then the
// PDF.
std::vector<std::string> plannedFiles(const ExportPlan& plan, const ExportOptions& options);

// Draws the pages on several threads and writes them in the plan's order. Returns 0 when
// every file was written, 1 when a file could not be made, 128 + the signal's number (130 for
// Ctrl-C) when the export was interrupted (the reason on `err`; no partial file is left under a
// final name).
// The context's screen draws pages on one of the threads meanwhile.
int writeExportPlan(const ExportPlan& plan, const ExportOptions& options, ExportContext& context,
                    std::ostream& out, std::ostream& err);

}  // namespace kolvard
