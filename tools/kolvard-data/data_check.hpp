// kolvard-data check: the directory and required sections of a data file, then the contents
// of every section whose kind is known by its name, and the cross references between them
// (the clichés of the printing data and the types of the type pages against their records).
// A section the program looks for and does not find is a note, not a problem: the program
// runs without it (only the fonts are required).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "data/data_file.hpp"
#include "kolvard-data/check_context.hpp"

namespace kolvard::datatool {

// A section the program would look for and does not find.
struct DataNote {
  std::string section;  // cp865
  std::string what;     // plain English, cp865
};

struct DataCheckReport {
  std::vector<DataProblem> problems;  // one per damaged section, in directory order
  std::vector<DataNote> notes;        // in the order of expectedSections()
  int sectionsChecked = 0;            // sections of a known kind
  int sectionsUnknown = 0;            // sections whose kind the check does not know
};

DataCheckReport checkDataFile(const DataFile& file);

// One line per note, "note: SECTION is not in the file: what", then one per problem,
// "SECTION @OFFSET: what" with ", and N more faults in this section" when it has more
// (UTF-8), then the summary line "N problems in M sections" or "NAME: no problems in M
// sections", each followed by ", K notes" when there are notes.
void printDataCheck(const DataCheckReport& report, const std::string& fileName, std::ostream& out);

}  // namespace kolvard::datatool
