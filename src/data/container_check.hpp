// The data file's directory held against the file: what a cut-short or overwritten copy
// shows before any section is read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/data_file.hpp"

namespace kolvard {

struct ContainerProblem {
  std::int64_t offset = 0;  // of the directory entry at fault
  std::string section;      // the section or group concerned (cp865), may be empty
  std::string what;         // plain English
};

// Checks the two-level directory: the group list and every name list are closed inside the
// file, every name list lies inside the file and apart from the others, every section's start
// and end lie inside the file with the end not before the start, and no section that holds
// bytes shares any with a directory or with another section, unless the two have the very
// same start and end (one section under two names). Empty when sound.
std::vector<ContainerProblem> checkContainer(const DataFile& data);

}  // namespace kolvard
