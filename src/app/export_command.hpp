// `kolvard export`: printed schemas from the command line, written exactly as the screens
// write them, without a window.
//
//   kolvard export sheet EDITION VALUE PRINTING PANE [OUTDIR]
//   kolvard export series EDITION VALUE SERIES [OUTDIR]
//   kolvard export oval|frame|both T VALUE PRINTING PANE [OUTDIR]
//   kolvard export value EDITION VALUE [OUTDIR]
//
// with --pdf (one PDF of the pages beside the BMP files), --pdf-only (the PDF alone) and
// --list (name the files without writing them).
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace kolvard {

inline constexpr const char* kExportUsage =
    "  kolvard export sheet EDITION VALUE PRINTING PANE [OUTDIR] [--pdf|--pdf-only] [--list]\n"
    "  kolvard export series EDITION VALUE SERIES [OUTDIR] [--pdf|--pdf-only] [--list]\n"
    "  kolvard export oval|frame|both T VALUE PRINTING PANE [OUTDIR] [--pdf|--pdf-only] [--list]\n"
    "  kolvard export value EDITION VALUE [OUTDIR] [--pdf|--pdf-only] [--list]\n"
    "  VALUE may be written with o for ø (5o); --pdf writes one PDF of all the pages\n"
    "  beside the BMP files, --pdf-only the PDF alone, --list names the files and writes\n"
    "  nothing.\n";

// `args` are the words after "export" (UTF-8). The names of the files written go to `out`,
// one a line; errors to `err`. With `progressLine` (standard output is a terminal) a line
// on `out` shows which file is being made. Returns 0 when every file was written, 1 when the
// data file or an output file failed or the export was interrupted, 2 for wrong arguments.
int runExportCommand(const std::vector<std::string>& args, const std::filesystem::path& dataFile,
                     std::ostream& out, std::ostream& err, bool progressLine = false);

}  // namespace kolvard
