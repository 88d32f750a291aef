#include "app/stamp_colour.hpp"

#include <string>

#include "data/cp865.hpp"

namespace kolvard {
namespace {

struct ColourEntry {
  std::string_view edition;
  std::string_view value;  // UTF-8 source text
  int colour;
  int first;
};

// Editions but "T": one colour (first unused).
constexpr ColourEntry kSingle[] = {
    {"C", "3c", 12, 0},  {"C", "4c", 9, 0},   {"P", "2s", 9, 0},   {"P", "4s", 6, 0},
    {"P", "8s", 2, 0},   {"P", "16s", 20, 0}, {"L", "4s", 6, 0},   {"L", "8s", 2, 0},
    {"A", "2s", 9, 0},   {"A", "3s", 23, 0},  {"A", "4s", 12, 0},  {"A", "8s", 21, 0},
    {"A", "16s", 22, 0}, {"V", "1ø", 14, 0},  {"V", "5ø", 2, 0},   {"V", "10ø", 12, 0},
    {"V", "15ø", 5, 0},  {"V", "20ø", 9, 0},  {"V", "24ø", 6, 0},  {"V", "1c", 2, 0},
    {"V", "2c", 12, 0},  {"V", "5c", 9, 0},   {"V", "8c", 6, 0},   {"M", "2s", 24, 0},
    {"M", "4s", 12, 0},  {"M", "16s", 2, 0},  {"M", "1ø", 14, 0},  {"M", "4ø", 9, 0},
    {"M", "8ø", 12, 0},  {"M", "15ø", 5, 0},  {"M", "20ø", 18, 0}, {"M", "32ø", 2, 0},
    {"I", "2s", 24, 0},  {"I", "3s", 16, 0},  {"I", "4s", 12, 0},  {"I", "8s", 4, 0},
    {"I", "16s", 2, 0},  {"I", "3a", 14, 0},  {"I", "5a", 9, 0},   {"I", "6a", 16, 0},
    {"I", "10a", 12, 0}, {"I", "16a", 4, 0},  {"J", "4s", 2, 0},   {"J", "8s", 5, 0},
    {"J", "3a", 14, 0},  {"J", "4a", 16, 0},  {"J", "5a", 4, 0},   {"J", "10a", 9, 0},
    {"J", "16a", 12, 0}, {"J", "20a", 2, 0},  {"J", "50a", 5, 0},
};

// Edition "T": the value picture and the first picture.
constexpr ColourEntry kTwoColour[] = {
    {"T", "2s", 9, 8},   {"T", "3s", 5, 8},   {"T", "4s", 12, 8},  {"T", "8ø", 12, 8},
    {"T", "8s", 4, 8},   {"T", "16ø", 4, 8},  {"T", "16s", 2, 8},  {"T", "25ø", 2, 8},
    {"T", "48s", 5, 6},  {"T", "3ø", 8, 9},   {"T", "4ø", 9, 8},   {"T", "5ø", 9, 12},
    {"T", "12ø", 7, 8},  {"T", "20ø", 8, 12}, {"T", "50ø", 7, 6},  {"T", "100ø", 14, 8},
    {"T", "1c", 7, 2},   {"T", "3c", 12, 9},  {"T", "4c", 9, 6},   {"T", "5c", 8, 2},
    {"T", "7c", 14, 5},  {"T", "10c", 4, 9},  {"T", "12c", 2, 13}, {"T", "14c", 2, 13},
    {"T", "50c", 5, 5},  {"T", "4a", 16, 27}, {"T", "25a", 9, 6},  {"T", "50a", 12, 9},
    {"T", "100a", 5, 6},
};

template <std::size_t N>
const ColourEntry* find(const ColourEntry (&table)[N], std::string_view edition,
                        std::string_view value) {
  for (const auto& entry : table) {
    if (entry.edition == edition && cp(entry.value) == value) return &entry;
  }
  return nullptr;
}

}  // namespace

StampColours stampColoursFor(std::string_view edition, std::string_view value,
                             int printingSelector) {
  const int p = printingSelector;
  if (edition == "T") {
    const ColourEntry* entry = find(kTwoColour, edition, value);
    return entry ? StampColours{entry->colour, entry->first} : StampColours{8, 8};
  }
  // The values whose colour changed from one printing to the next.
  if (edition == "M") {
    if (value == cp("3ø")) return {p < 5 ? 5 : 25, 0};
    if (value == cp("5ø")) return {p < 16 ? 2 : 4, 0};
    if (value == cp("10ø")) return {p < 7 ? 12 : 2, 0};
  } else if (edition == "I") {
    if (value == "20a") return {p < 3 ? 5 : 9, 0};
    if (value == "40a") return {p < 2 ? 2 : 5, 0};
  }
  const ColourEntry* entry = find(kSingle, edition, value);
  return {entry ? entry->colour : 8, 0};
}

int printingSelectorNumber(std::string_view text) {
  int number = 0;
  for (char ch : text) {
    if (ch < '0' || ch > '9' || number > 100000) break;
    number = number * 10 + (ch - '0');
  }
  return number;
}

}  // namespace kolvard
