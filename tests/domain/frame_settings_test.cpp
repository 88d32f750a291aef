#include "domain/frame_settings.hpp"

#include <gtest/gtest.h>

#include <string>

#include "support/data_builder.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

TEST(FrameSettings, StoredCodesAndShownSettingsMapBothWays) {
  const struct {
    int stored;
    int shown;
    const char* period;
  } cases[] = {{5, 5, "1"},   {18, 5, "2"},  {28, 28, "1"}, {58, 28, "2"}, {59, 29, "2"},
               {69, 39, "2"}, {71, 41, "2"}, {72, 42, "2"}, {73, 43, "2"}, {43, 43, "1"},
               {31, 31, "2"}, {61, 31, "1"}, {12, 12, ""},  {51, 51, ""},  {0, 0, ""}};
  for (const auto& c : cases) {
    const ShownSetting s = shownSettingOf(c.stored);
    EXPECT_EQ(s.setting, c.shown) << c.stored;
    EXPECT_EQ(s.period, c.period) << c.stored;
    EXPECT_EQ(storedSettingCode(c.shown, c.period), c.stored) << c.stored;
  }
  EXPECT_EQ(storedSettingCode(12, "2"), 12);  // one period only: the period changes nothing
  EXPECT_EQ(storedSettingCode(28, ""), 28);
  EXPECT_TRUE(usedInTwoPeriods(31));
  EXPECT_FALSE(usedInTwoPeriods(18));
  EXPECT_EQ(highestTypedSetting(false), 51);
  EXPECT_EQ(highestTypedSetting(true), 53);
}

TEST(FrameSettings, FlawNumbersAreShownWithTheirPeriod) {
  const struct {
    const char* stored;
    bool hasSetting;
    int code;
    const char* shown;
    const char* period;
  } cases[] = {{"58.4", true, 58, "28.4", "2"}, {"61.2", true, 61, "31.2", "1"},
               {"18.3", true, 18, "5.3", "2"},  {"12.10 ", true, 12, "12.10", ""},
               {"7", true, 7, "7", ""},         {"", false, 0, "", ""},
               {".3", false, 0, ".3", ""},      {"x.3", false, 0, "x.3", ""}};
  for (const auto& c : cases) {
    const FrameFlawNumber n = splitFrameFlawNumber(c.stored);
    EXPECT_EQ(n.hasSetting, c.hasSetting) << c.stored;
    EXPECT_EQ(n.storedCode, c.code) << c.stored;
    EXPECT_EQ(n.shownText, c.shown) << c.stored;
    EXPECT_EQ(n.shown.period, c.period) << c.stored;
  }
}

std::string counts(int entries, int firstValue) {
  std::string bytes = "xx";
  for (int i = 0; i < entries; ++i) {
    const int v = i == 0 ? firstValue : i + 1;
    bytes += static_cast<char>(v & 0xff);
    bytes += static_cast<char>((v >> 8) & 0xff);
  }
  return bytes;
}

TEST(FrameSettings, CountsOfTheStoredCodes) {
  const DataFile full = test::DataBuilder().add("TRFANTAL", counts(73, 300)).file();
  const FrameSettingCounts c(full, full.findSection("TRFANTAL"));
  EXPECT_EQ(c.ofCode(1), 300);
  EXPECT_EQ(c.ofCode(58), 58);
  EXPECT_EQ(c.ofCode(73), 73);
  EXPECT_EQ(c.ofCode(0), 0);
  EXPECT_EQ(c.ofCode(74), 0);

  // A short section (10 entries and half of the 11th), a negative count, no section.
  const DataFile shortFile =
      test::DataBuilder().add("TRFANTAL", counts(11, -5).substr(0, 2 + 21)).file();
  const FrameSettingCounts s(shortFile, shortFile.findSection("TRFANTAL"));
  EXPECT_EQ(s.ofCode(1), 0);
  EXPECT_EQ(s.ofCode(10), 10);
  EXPECT_EQ(s.ofCode(11), 0);
  const FrameSettingCounts none(shortFile, shortFile.findSection("TTRYK"));
  EXPECT_EQ(none.ofCode(10), 0);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
