// kolvard-data: packs, lists and inspects reference data files.
#include <iostream>
#include <string>
#include <vector>

#include "kolvard-data/cli.hpp"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return kolvard::datatool::runDataTool(args, std::cout, std::cerr);
}
