#include "domain/composite_names.hpp"

namespace kolvard {

std::optional<char> compositeCode(int n) {
  if (n >= 1 && n <= 9) return static_cast<char>('0' + n);
  if (n >= 10 && n <= 35) return static_cast<char>(55 + n);
  if (n == 36) return '0';
  if (n >= 37 && n <= 39) return static_cast<char>(57 + n);
  if (n >= 40 && n <= 46) return static_cast<char>(n - 5);
  if (n == 47) return '!';
  if (n == 48) return '-';
  return std::nullopt;
}

std::optional<int> compositeNumber(char code) {
  if (code >= '1' && code <= '9') return code - '0';
  if (code >= 'A' && code <= 'Z') return code - 55;
  if (code == '0') return 36;
  if (code >= '^' && code <= '`') return code - 57;
  if (code >= '#' && code <= ')') return code + 5;
  if (code == '!') return 47;
  if (code == '-') return 48;
  return std::nullopt;
}

std::string compositeSectionName(std::string_view edition, std::string_view value, char set,
                                 int series, int n) {
  const auto code = compositeCode(n);
  if (!code) return {};
  std::string name(edition);
  name += set;
  name += value;
  name += std::to_string(set == 'Q' ? 1 : series);
  name += '-';
  name += *code;
  return name;
}

}  // namespace kolvard
