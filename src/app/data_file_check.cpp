#include "app/data_file_check.hpp"

#include "ui/screen.hpp"

namespace kolvard {

std::vector<std::string> requiredSectionNames() {
  std::vector<std::string> names;
  for (const std::string_view font : fontSectionNames()) names.emplace_back(font);
  return names;
}

std::vector<ContainerProblem> dataFileProblems(const DataFile& data) {
  std::vector<ContainerProblem> problems = checkContainer(data);
  // Lookups in a directory that is not sound would only add noise.
  if (!problems.empty()) return problems;
  for (const std::string& name : requiredSectionNames()) {
    if (!data.findSection(name).found()) {
      problems.push_back({0, name, "the section " + name + " is missing"});
    }
  }
  return problems;
}

}  // namespace kolvard
