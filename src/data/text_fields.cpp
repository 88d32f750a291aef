#include "data/text_fields.hpp"

namespace kolvard {

int leadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  int n = 0;
  for (; i < text.size() && isDigit(text[i]); ++i) {
    if (n < 1000000) n = n * 10 + (text[i] - '0');
  }
  return n;
}

double leadingDecimal(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  double sign = 1;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    if (text[i] == '-') sign = -1;
    ++i;
  }
  double value = 0;
  int digits = 0;
  for (; i < text.size() && isDigit(text[i]); ++i) {
    if (digits++ < 12) value = value * 10 + (text[i] - '0');
  }
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && isDigit(text[i]); ++i) {
      value += scale * (text[i] - '0');
      scale /= 10;
    }
  }
  return sign * value;
}

std::string_view withoutTrailingPadding(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) text.remove_suffix(1);
  return text;
}

std::string asciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return out;
}

std::string asciiUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return out;
}

}  // namespace kolvard
