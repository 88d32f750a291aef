// Small readers of the fixed-width text fields of data records.
#pragma once

#include <string>
#include <string_view>

namespace kolvard {

// The text without leading and trailing blanks.
inline std::string_view trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// The decimal number at the start of a text (leading blanks skipped): "10b" gives 10, a text
// without digits 0. Capped at 1,000,000 so that no field can overflow it.
int leadingNumber(std::string_view text);

// The number at the start of a text in the manner of BASIC's VAL: leading blanks, a sign,
// digits (the first 12 count) and a decimal fraction; 0 when there is none.
double leadingDecimal(std::string_view text);

// The text without the blanks and NUL bytes that pad the end of a fixed-width field.
std::string_view withoutTrailingPadding(std::string_view text);
// The text without its trailing blanks (NUL bytes stay).
inline std::string_view withoutTrailingBlanks(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

inline bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// The letters A-Z / a-z in lower / upper case; every other byte (the cp865 letters too) as
// it is.
std::string asciiLower(std::string_view text);
std::string asciiUpper(std::string_view text);

}  // namespace kolvard
