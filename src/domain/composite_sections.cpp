#include "domain/composite_sections.hpp"

namespace kolvard {

char compositeCode(int n) {
  if (n >= 0 && n <= 9) return static_cast<char>('0' + n);
  if (n >= 10 && n <= 35) return static_cast<char>(55 + n);
  if (n == 36) return '0';
  if (n >= 37 && n <= 39) return static_cast<char>(57 + n);
  if (n >= 40 && n <= 46) return static_cast<char>(n - 5);
  if (n == 47) return '!';
  if (n == 48) return '-';
  return '\0';
}

std::string compositeSectionName(std::string_view edition, CompositeSet set, std::string_view value,
                                 int series, int composite) {
  const char code = compositeCode(composite);
  if (code == '\0') return {};
  const int shownSeries = set == CompositeSet::ClicheTypes ? 1 : series;
  std::string name(edition);
  name += static_cast<char>(set);
  name += value;
  name += std::to_string(shownSeries);
  name += '-';
  name += code;
  return name;
}

bool hasClicheTypeSet(std::string_view valueKey) {
  return valueKey == "A2s" || valueKey == "A4s";
}

CompositePictureLayout compositePictureLayout(std::string_view edition, int zoom) {
  const int s = zoom;
  const char e = edition.empty() ? ' ' : edition[0];
  switch (e) {
    case 'R':
    case 'C':
      return {912, 24 * s / 4, 46 * s / 4};
    case 'P':
    case 'L':
      return {888, 36 * s / 4, 34 * s / 4};
    case 'A':
      return {980, -24 * s / 4, 34 * s / 4};
    default:
      return {980, 0, 10 * s / 4};
  }
}

}  // namespace kolvard
