#include "domain/composite_names.hpp"

#include <gtest/gtest.h>

#include <set>

#include "data/cp865.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

TEST(CompositeNames, CodesFollowTheTable) {
  const std::string expected = "123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ0^_`#$%&'()!-";
  ASSERT_EQ(expected.size(), 48u);
  for (int n = 1; n <= 48; ++n) {
    EXPECT_EQ(compositeCode(n), expected[static_cast<std::size_t>(n - 1)]) << n;
    EXPECT_EQ(compositeNumber(expected[static_cast<std::size_t>(n - 1)]), n) << n;
  }
  for (const int n : {0, -1, 49}) EXPECT_FALSE(compositeCode(n)) << n;
  for (const char c : {'a', ' ', '*', '+', '"', '@'}) EXPECT_FALSE(compositeNumber(c)) << c;
}

TEST(CompositeNames, NamesFitEightCharacters) {
  struct Case {
    const char* edition;
    const char* value;  // UTF-8
    char set;
    int series;
    int n;
    const char* name;  // UTF-8
  };
  const Case cases[] = {
      {"A", "4s", 'F', 0, 1, "AF4s0-1"},    {"A", "4s", 'Q', 3, 10, "AQ4s1-A"},
      {"V", "10ø", 'F', 3, 12, "VF10ø3-C"}, {"M", "4ø", 'F', 1, 36, "MF4ø1-0"},
      {"M", "32ø", 'F', 1, 48, "MF32ø1--"}, {"P", "4s", 'F', 2, 49, ""},
  };
  for (const Case& c : cases) {
    const std::string name = compositeSectionName(c.edition, cp(c.value), c.set, c.series, c.n);
    EXPECT_EQ(name, cp(c.name)) << c.name;
    EXPECT_LE(name.size(), 8u) << c.name;
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
