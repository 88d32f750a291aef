// Whether a data file can carry the program: its directory sound and the fonts present, without
// which no window can be drawn. Start-up and the export command refuse a file that fails. Any
// other section may be missing: the screens that read it then find nothing and say so.
#pragma once

#include <string>
#include <vector>

#include "data/container_check.hpp"
#include "data/data_file.hpp"

namespace kolvard {

// The sections the program cannot run without: the fonts.
std::vector<std::string> requiredSectionNames();

// The directory's problems followed by one problem for each required section that is
// missing. Empty when the file is usable.
std::vector<ContainerProblem> dataFileProblems(const DataFile& data);

// The start-up message for a file that fails.
inline constexpr const char* kDataFileDamagedMessage =
    "  Error 2: Data-file KOL703.dat is damaged or incomplete  ";

}  // namespace kolvard
