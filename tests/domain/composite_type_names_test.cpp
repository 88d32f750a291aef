// The type names over the composite pictures.
#include "domain/composite_type_names.hpp"

#include <gtest/gtest.h>

#include "data/cp865.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

TEST(CompositeTypeNames, ByEditionValueSeriesAndComposite) {
  const struct {
    const char* edition;
    const char* value;  // UTF-8
    int series, composite;
    const char* name;
  } cases[] = {
      {"T", "2s", 2, 5, ""},     {"T", "2s", 3, 5, "5"},    {"T", "4s", 1, 7, "7"},
      {"T", "7c", 1, 2, "2"},    {"T", "7c", 1, 4, "3"},    {"T", "7c", 1, 5, "4"},
      {"V", "10ø", 1, 1, ""},    {"V", "10ø", 2, 3, "1"},   {"V", "10ø", 2, 4, "1A"},
      {"V", "10ø", 2, 30, "5A"}, {"V", "10ø", 2, 31, ""},   {"V", "10ø", 3, 1, "1B"},
      {"V", "10ø", 3, 4, "2A"},  {"V", "10ø", 3, 12, "5A"}, {"V", "10ø", 3, 13, ""},
      {"V", "20ø", 1, 4, ""},    {"V", "20ø", 2, 9, "9"},   {"V", "20ø", 3, 4, "4"},
      {"V", "20ø", 3, 5, "4"},   {"V", "20ø", 3, 13, "12"}, {"V", "20ø", 3, 14, "12"},
      {"V", "20ø", 3, 18, "?"},  {"V", "20ø", 2, 16, "?"},  {"I", "3s", 1, 2, "1"},
      {"I", "3s", 1, 3, "2"},    {"I", "4s", 1, 3, ""},     {"M", "2s", 1, 2, "A"},
      {"M", "4s", 1, 3, "B"},    {"M", "16s", 1, 6, "C"},   {"M", "16s", 1, 7, "D"},
      {"M", "3ø", 1, 6, "A"},    {"M", "3ø", 1, 12, "B"},   {"M", "3ø", 1, 18, "C"},
      {"M", "3ø", 1, 19, "D"},   {"M", "4ø", 1, 12, "A"},   {"M", "8ø", 1, 24, "B"},
      {"M", "32ø", 1, 37, "D"},  {"M", "4ø", 2, 1, ""},     {"A", "4s", 1, 1, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(compositeTypeName(c.edition, cp(c.value), c.series, c.composite), c.name)
        << c.edition << c.value << " series " << c.series << " composite " << c.composite;
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
