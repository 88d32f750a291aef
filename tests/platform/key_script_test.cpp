#include "platform/headless/key_script.hpp"

#include <gtest/gtest.h>

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

TEST(KeyScript, TokensBecomeKeyStrings) {
  std::string error;
  const auto steps =
      parseKeyScript("F1 Shift+F5 Up Enter T & \"æø 1\" shot:a.png state:b.json", &error);
  ASSERT_TRUE(steps) << error;
  ASSERT_EQ(steps->size(), 12u);
  EXPECT_EQ((*steps)[0].key, extendedKey(scan::kF1));
  EXPECT_EQ((*steps)[1].key, extendedKey(scan::kShiftF5));
  EXPECT_EQ((*steps)[2].key, extendedKey(scan::kUp));
  EXPECT_EQ((*steps)[3].key, ordinaryKey(13));
  EXPECT_EQ((*steps)[4].key, "T");
  EXPECT_EQ((*steps)[5].key, "&");
  EXPECT_EQ((*steps)[6].key, ordinaryKey(145));
  EXPECT_EQ((*steps)[7].key, ordinaryKey(155));
  EXPECT_EQ((*steps)[8].key, " ");
  EXPECT_EQ((*steps)[9].key, "1");
  EXPECT_EQ((*steps)[10].kind, ScriptStep::Kind::Shot);
  EXPECT_EQ((*steps)[10].path, "a.png");
}

TEST(KeyScript, ExtendedKeysDifferFromTheirLetters) {
  // "H" the letter is not Up (code 0 + "H").
  const auto steps = parseKeyScript("H Up", nullptr);
  ASSERT_TRUE(steps);
  EXPECT_EQ((*steps)[0].key.size(), 1u);
  EXPECT_EQ((*steps)[1].key.size(), 2u);
  EXPECT_EQ((*steps)[1].key[1], 'H');
  EXPECT_NE((*steps)[0].key, (*steps)[1].key);
}

TEST(KeyScript, BadTokensAreRefused) {
  std::string error;
  EXPECT_FALSE(parseKeyScript("F13", &error));
  EXPECT_NE(error.find("F13"), std::string::npos);
  EXPECT_FALSE(parseKeyScript("\"open", &error));
  EXPECT_FALSE(parseKeyScript("\"€\"", &error));
  EXPECT_FALSE(parseKeyScript("Foo", &error));
  EXPECT_TRUE(parseKeyScript("", &error)->empty());
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
