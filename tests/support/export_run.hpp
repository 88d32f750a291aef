// `kolvard export` run in this process over the sample data, its output kept.
#pragma once

#include <string>
#include <vector>

namespace kolvard::test {

struct Exported {
  int status = -1;
  std::string out, err;
};

// `args` are the words after "export"; `progressLine` as on a terminal.
Exported exportSample(const std::vector<std::string>& args, bool progressLine = false);

}  // namespace kolvard::test
