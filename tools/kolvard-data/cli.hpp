// The command line of kolvard-data, callable from tests.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kolvard::datatool {

// args excludes the program name. Returns the exit status.
int runDataTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kolvard::datatool
