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
    "Usage: kolvard export sheet EDITION VALUE PRINTING PANE [OUTDIR] [OPTION]...\n"
    "       kolvard export series EDITION VALUE SERIES [OUTDIR] [OPTION]...\n"
    "       kolvard export oval|frame|both T VALUE PRINTING PANE [OUTDIR] [OPTION]...\n"
    "       kolvard export value EDITION VALUE [OUTDIR] [OPTION]...\n"
    "Write printed schemas as BMP files into OUTDIR (the current directory when not given).\n"
    "VALUE may be written with o for \xc3\xb8 (5o). The data file is KOL703.dat of the current\n"
    "directory, else the installed one.\n"
    "\n"
    "      --pdf        also write one PDF of all the pages beside the BMP files\n"
    "      --pdf-only   write the PDF alone\n"
    "      --list       name the files and write nothing\n"
    "  -h, --help       show this help and end\n"
    "      --version    show the version and end\n"
    "Options may stand in any place; '--' ends them (an OUTDIR named -x comes after it).\n"
    "\n";

// `args` are the words after "export" (UTF-8). The names of the files written go to `out`,
// one a line; errors to `err`. With `progressLine` (standard output is a terminal) a line
// on `out` shows which file is being made. Returns 0 when every file was written (or --help,
// --version), 1 when the data file or an output file failed, 2 for wrong arguments, 128 + the
// signal's number (130 for Ctrl-C) when the export was interrupted.
int runExportCommand(const std::vector<std::string>& args, const std::filesystem::path& dataFile,
                     std::ostream& out, std::ostream& err, bool progressLine = false);

}  // namespace kolvard
