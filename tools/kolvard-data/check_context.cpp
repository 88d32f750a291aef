#include "kolvard-data/check_context.hpp"

namespace kolvard::datatool {

std::string storedSectionName(std::string_view name) {
  std::string stored = normaliseSectionName(name);
  while (!stored.empty() && stored.back() == ' ') stored.pop_back();
  return stored;
}

CheckContext::CheckContext(const DataFile& file) : file_(file) {
  // The lookup finds the first of two sections with one name; so does this.
  for (auto& entry : file.listSections()) sections_.try_emplace(entry.name, entry.ref);
}

bool CheckContext::has(std::string_view name) const {
  return sections_.contains(storedSectionName(name));
}

SectionRef CheckContext::section(std::string_view name) const {
  const auto it = sections_.find(storedSectionName(name));
  return it == sections_.end() ? SectionRef{} : it->second;
}

}  // namespace kolvard::datatool
