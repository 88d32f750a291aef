#include "screens/register/register_tables.hpp"

#include "data/cp865.hpp"

namespace kolvard {
namespace {

struct Count {
  const char* key;  // UTF-8
  int highest;
};

constexpr Count kPrintingCounts[] = {
    {"R4r", 3},  {"R2r", 3},  {"C3c", 3},  {"C4c", 1},   {"P2s", 1},  {"P4s", 6},   {"P8s", 1},
    {"P16s", 3}, {"L4s", 7},  {"L8s", 1},  {"A2s", 7},   {"A3s", 4},  {"A4s", 12},  {"A8s", 3},
    {"A16s", 4}, {"V1ø", 6},  {"V5ø", 61}, {"V10ø", 57}, {"V15ø", 9}, {"V20ø", 39}, {"V24ø", 1},
    {"V1c", 3},  {"V2c", 1},  {"V5c", 2},  {"V8c", 1},   {"M2s", 3},  {"M4s", 5},   {"M16s", 1},
    {"M1ø", 6},  {"M3ø", 6},  {"M4ø", 21}, {"M5ø", 16},  {"M8ø", 14}, {"M10ø", 13}, {"M15ø", 2},
    {"M20ø", 5}, {"M32ø", 4}, {"I2s", 1},  {"I3s", 1},   {"I4s", 1},  {"I8s", 1},   {"I16s", 1},
    {"I3a", 8},  {"I5a", 9},  {"I6a", 8},  {"I10a", 10}, {"I16a", 6}, {"I20a", 8},  {"I40a", 6},
    {"J4s", 1},  {"J8s", 1},  {"J3a", 5},  {"J4a", 2},   {"J5a", 6},  {"J10a", 5},  {"J16a", 3},
    {"J20a", 5}, {"J50a", 2},
};

struct Colour {
  const char* key;  // UTF-8
  int colour;
  int below = 0;      // when set: `colour` holds for from printings below this number
  int otherwise = 0;  // and this for the others
};

constexpr Colour kColours[] = {
    {"C3c", 12},       {"C4c", 9},         {"P2s", 9},        {"P4s", 6},   {"P8s", 2},
    {"P16s", 20},      {"L4s", 6},         {"L8s", 2},        {"A2s", 9},   {"A3s", 23},
    {"A4s", 12},       {"A8s", 21},        {"A16s", 22},      {"V1ø", 14},  {"V5ø", 2},
    {"V10ø", 12},      {"V15ø", 5},        {"V20ø", 9},       {"V24ø", 6},  {"V1c", 2},
    {"V2c", 12},       {"V5c", 9},         {"V8c", 6},        {"M2s", 24},  {"M4s", 12},
    {"M16s", 2},       {"M1ø", 14},        {"M3ø", 5, 5, 25}, {"M4ø", 9},   {"M5ø", 2, 16, 4},
    {"M8ø", 12},       {"M10ø", 12, 7, 2}, {"M15ø", 5},       {"M20ø", 18}, {"M32ø", 2},
    {"I2s", 24},       {"I3s", 16},        {"I4s", 12},       {"I8s", 4},   {"I16s", 2},
    {"I3a", 14},       {"I5a", 9},         {"I6a", 16},       {"I10a", 12}, {"I16a", 4},
    {"I20a", 5, 3, 9}, {"I40a", 2, 2, 5},  {"J4s", 2},        {"J8s", 5},   {"J3a", 14},
    {"J4a", 16},       {"J5a", 4},         {"J10a", 9},       {"J16a", 12}, {"J20a", 2},
    {"J50a", 5},
};

}  // namespace

std::string normaliseValueKey(std::string_view value) {
  std::string out(value);
  for (char& c : out) {
    const auto u = static_cast<unsigned char>(c);
    // Ø, O (typed in either case: the value field is lower case) ° and *.
    if (u == 157 || c == 'O' || c == 'o' || u == 248 || c == '*') c = cp865::kOslash;
  }
  return out;
}

std::string highestPrintingOf(std::string_view edition, std::string_view value) {
  const std::string key = std::string(edition) + normaliseValueKey(value);
  for (const Count& c : kPrintingCounts) {
    if (cp(c.key) == key) return std::to_string(c.highest);
  }
  return "0";
}

int valueColourOf(std::string_view edition, std::string_view value, int fromPrinting) {
  const std::string key = std::string(edition) + normaliseValueKey(value);
  for (const Colour& c : kColours) {
    if (cp(c.key) != key) continue;
    if (c.below == 0) return c.colour;
    return fromPrinting < c.below ? c.colour : c.otherwise;
  }
  return 8;
}

}  // namespace kolvard
