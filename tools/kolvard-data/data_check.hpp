// kolvard-data check: the directory and required sections of a data file, then the contents
// of every section whose kind is known by its name, and the cross references between them
// (the clichés of the printing data and the types of the type pages against their records).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "data/data_file.hpp"
#include "kolvard-data/check_context.hpp"

namespace kolvard::datatool {

struct DataCheckReport {
  std::vector<DataProblem> problems;  // in directory order of their sections
  int sectionsChecked = 0;            // sections of a known kind
  int sectionsUnknown = 0;            // sections whose kind the check does not know
};

DataCheckReport checkDataFile(const DataFile& file);

// One line per problem, "SECTION @OFFSET: what" (UTF-8), then the summary line
// "N problems in M sections" or "NAME: no problems in M sections".
void printDataCheck(const DataCheckReport& report, const std::string& fileName, std::ostream& out);

}  // namespace kolvard::datatool
