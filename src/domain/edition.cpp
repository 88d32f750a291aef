#include "domain/edition.hpp"

#include "domain/edition_names.hpp"
#include "domain/value_tables.hpp"

namespace kolvard {

bool Edition::holdsIcelandOval(std::string_view value) const {
  return isTwoColoured() && isIcelandOvalValue(value);
}

const std::vector<std::string>& Edition::values() const {
  return valuesOf(letter_);
}

std::string Edition::title(int icelandFlag, std::string_view previous) const {
  return editionTitle(letter_, icelandFlag, previous);
}

}  // namespace kolvard
