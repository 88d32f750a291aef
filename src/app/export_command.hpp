// `kolvard export`: printed schemas from the command line, written exactly as the screens
// write them, without a window.
//
//   kolvard export sheet EDITION VALUE PRINTING PANE [OUTDIR]
//   kolvard export series EDITION VALUE SERIES [OUTDIR]
//   kolvard export oval|frame|both T VALUE PRINTING PANE [OUTDIR]
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace kolvard {

inline constexpr const char* kExportUsage =
    "  kolvard export sheet EDITION VALUE PRINTING PANE [OUTDIR]\n"
    "  kolvard export series EDITION VALUE SERIES [OUTDIR]\n"
    "  kolvard export oval|frame|both T VALUE PRINTING PANE [OUTDIR]\n";

// `args` are the words after "export" (UTF-8). The names of the files written go to `out`,
// one a line; errors to `err`. Returns 0 when every file was written, 1 when the data file
// or an output file failed, 2 for wrong arguments.
int runExportCommand(const std::vector<std::string>& args, const std::filesystem::path& dataFile,
                     std::ostream& out, std::ostream& err);

}  // namespace kolvard
