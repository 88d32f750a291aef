#include "app/data_file_check.hpp"

#include "domain/edition_names.hpp"
#include "ui/screen.hpp"

namespace kolvard {

std::vector<std::string> requiredSectionNames() {
  std::vector<std::string> names;
  for (const std::string_view font : fontSectionNames()) names.emplace_back(font);
  names.emplace_back("AINFOF1");
  names.emplace_back("TRAMDAT");
  for (const char e : kMenuEditions) {
    for (const char* word : {"INFOF2", "HELARK", "RFANTAL", "TYPER", "CSERIER"}) {
      names.push_back(std::string(1, e) + word);
    }
  }
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
