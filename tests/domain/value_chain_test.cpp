#include "domain/value_chain.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

#include "data/cp865.hpp"
#include "domain/value_tables.hpp"
#include "ui/key_string.hpp"

namespace kolvard {

void PrintTo(const EditionValue& v, std::ostream* os) {
  *os << v.edition << " " << cp865ToUtf8(v.value) << " flag " << v.icelandFlag;
}

namespace KOLVARD_TEST_UNIT {

const KeyString kUp = ordinaryKey(24);
const KeyString kDown = ordinaryKey(25);

EditionValue ev(std::string edition, std::string_view value, int flag = 0) {
  return {std::move(edition), cp(value), flag};
}

TEST(ValueChainTest, TwoColourEditionWrapsAround) {
  EXPECT_EQ(stepValue(kDown, ev("T", "50c")), ev("T", "2s"));
  EXPECT_EQ(stepValue(kUp, ev("T", "2s")), ev("T", "50c"));
  EXPECT_EQ(stepValue(kDown, ev("T", "100ø")), ev("T", "1c"));
  EXPECT_EQ(stepValue(kUp, ev("T", "3ø")), ev("T", "48s"));
}

TEST(ValueChainTest, IcelandChainSwitchesBetweenIAndTwoColour) {
  const EditionValue oval = stepValue(kDown, ev("I", "3a", 1));
  EXPECT_EQ(oval, ev("T", "4a", 1));
  EXPECT_EQ(stepValue(kDown, oval), ev("I", "5a", 1));
  EXPECT_EQ(stepValue(kUp, oval), ev("I", "3a", 1));

  const EditionValue last = stepValue(kUp, ev("I", "2s", 1));
  EXPECT_EQ(last, ev("T", "100a", 1));
  EXPECT_EQ(stepValue(kDown, last), ev("I", "2s", 1));
  EXPECT_EQ(stepValue(kDown, ev("I", "2s", 1)), ev("I", "3s", 1));
  EXPECT_EQ(stepValue(kUp, ev("T", "50a", 1)), ev("I", "40a", 1));
  EXPECT_EQ(stepValue(kDown, ev("T", "50a", 1)), ev("T", "100a", 1));

  // Walking the whole chain visits each of the 16 values once and comes back.
  EditionValue at = ev("I", "2s", 1);
  std::set<std::string> seen;
  for (int i = 0; i < 16; ++i) {
    seen.insert(at.value);
    EXPECT_EQ(at.edition,
              at.value == "4a" || at.value == "25a" || at.value == "50a" || at.value == "100a"
                  ? "T"
                  : "I")
        << at.value;
    EXPECT_EQ(at.icelandFlag, 1);
    at = stepValue(kDown, at);
  }
  EXPECT_EQ(seen.size(), 16u);
  EXPECT_EQ(at, ev("I", "2s", 1));
}

TEST(ValueChainTest, PlainTwoColourNeverEntersTheIcelandChain) {
  // The oval values are not among the two-coloured edition's own values.
  EXPECT_EQ(stepValue(kDown, ev("T", "25a")), ev("T", "25a"));
  EditionValue at = ev("T", "2s");
  for (std::size_t i = 0; i < valuesOf("T").size(); ++i) {
    at = stepValue(kDown, at);
    EXPECT_EQ(at.edition, "T");
    EXPECT_EQ(at.icelandFlag, 0);
  }
  EXPECT_EQ(at, ev("T", "2s"));
  EXPECT_EQ(valuesOf("T").size(), 25u);
}

TEST(ValueChainTest, EveryEditionCyclesThroughItsValues) {
  for (std::string edition : {"C", "P", "L", "A", "V", "M", "J"}) {
    const auto& values = valuesOf(edition);
    ASSERT_FALSE(values.empty()) << edition;
    EditionValue down{edition, values.front(), 0};
    EditionValue up = down;
    for (std::size_t i = 1; i <= values.size(); ++i) {
      down = stepValue(kDown, down);
      up = stepValue(kUp, up);
      EXPECT_EQ(down.value, values[i % values.size()]) << edition;
      EXPECT_EQ(up.value, values[(values.size() - i % values.size()) % values.size()]) << edition;
      EXPECT_EQ(down.edition, edition);
    }
  }
  EXPECT_EQ(stepValue(kDown, ev("L", "4s")), ev("L", "4s"));
  EXPECT_EQ(stepValue(kUp, ev("L", "4s")), ev("L", "4s"));
  EXPECT_EQ(stepValue(kDown, ev("V", "24ø")), ev("V", "1c"));
  EXPECT_EQ(stepValue(kDown, ev("M", "32ø")), ev("M", "2s"));
}

TEST(ValueChainTest, OtherKeysAndUnknownValuesLeaveEverythingUnchanged) {
  const EditionValue p = ev("P", "4s");
  for (const KeyString& key :
       {KeyString(), ordinaryKey(kEnterCode), ordinaryKey('2'), extendedKey(scan::kDown),
        extendedKey(scan::kUp), KeyString("\x19\x19"), KeyString{'\0', '\x18'}}) {
    EXPECT_EQ(stepValue(key, p), p);
  }
  EXPECT_EQ(stepValue(kDown, ev("P", "3c")), ev("P", "3c"));
  EXPECT_EQ(stepValue(kDown, ev("R", "4r")), ev("R", "4r"));
  EXPECT_EQ(stepValue(kUp, ev("X", "2s")), ev("X", "2s"));
  EXPECT_TRUE(valuesOf("X").empty());
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
