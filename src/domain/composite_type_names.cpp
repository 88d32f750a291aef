#include "domain/composite_type_names.hpp"

#include <array>

#include "data/cp865.hpp"

namespace kolvard {
namespace {

// Composite n in groups of `size`: the name of its group, empty past the last group.
template <std::size_t N>
std::string byGroup(const std::array<const char*, N>& names, int size, int n) {
  if (n < 1) return {};
  const std::size_t group = static_cast<std::size_t>((n - 1) / size);
  return group < N ? names[group] : std::string();
}

// "A" up to `step`, "B" up to twice that, "C" up to three times, else "D".
std::string byQuarter(int step, int n) {
  if (n <= step) return "A";
  if (n <= 2 * step) return "B";
  if (n <= 3 * step) return "C";
  return "D";
}

std::string number(int n) {
  return std::to_string(n);
}

}  // namespace

std::string compositeTypeName(std::string_view edition, std::string_view value, int series,
                              int composite) {
  const int s = series, n = composite;
  if (edition == "T") {
    if (value == "2s") return s >= 3 ? number(n) : std::string();
    if (value == "4s") return number(n);
    if (value == "7c") return n <= 2 ? number(n) : n <= 4 ? "3" : "4";
    return {};
  }
  if (edition == "V") {
    if (value == cp("10ø")) {
      static constexpr std::array<const char*, 10> kSecond = {"1",  "1A", "2",  "2A", "3",
                                                              "3A", "4",  "4A", "5",  "5A"};
      static constexpr std::array<const char*, 6> kThird = {"1B", "2A", "3A", "3B", "4B", "5A"};
      if (s == 2) return byGroup(kSecond, 3, n);
      if (s == 3) return byGroup(kThird, 2, n);
      return {};
    }
    if (value == cp("20ø")) {
      if (s <= 1) return {};
      int shown = n;
      if (s == 3 && n >= 5 && n <= 13) shown = n - 1;
      if (s == 3 && n >= 14) shown = n - 2;
      return shown == 16 ? "?" : number(shown);
    }
    return {};
  }
  if (edition == "I") return value == "3s" ? (n <= 2 ? "1" : "2") : std::string();
  if (edition == "M") {
    if (value == "2s" || value == "4s" || value == "16s") return byQuarter(2, n);
    if (value == cp("3ø")) return byQuarter(6, n);
    if (value == cp("4ø") || value == cp("8ø") || value == cp("32ø")) {
      return s <= 1 ? byQuarter(12, n) : std::string();
    }
  }
  return {};
}

}  // namespace kolvard
