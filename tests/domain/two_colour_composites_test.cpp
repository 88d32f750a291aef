// The composites of the two-coloured edition: section names, the printings that used a frame
// setting only in part, and the steps between series, settings, periods and composites.
#include "domain/two_colour_composites.hpp"

#include <gtest/gtest.h>

#include "data/cp865.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

TEST(TwoColourComposites, SectionNames) {
  struct Case {
    std::string name, expected;
  };
  const Case cases[] = {
      {ovalCompositeSectionName("4s", 2, 1), "TF4s2-1"},
      {ovalCompositeSectionName("4s", 1, 10), "TF4s1-A"},
      {ovalCompositeSectionName("4s", 1, 36), "TF4s1-0"},
      {ovalCompositeSectionName("4s", 1, 48), "TF4s1--"},
      {ovalCompositeSectionName(cp("100ø"), 3, 2), "TF100O-2"},
      {ovalCompositeSectionName("100a", 1, 9), "TF100A-9"},
      {frameCompositeSectionName(28, 1), "TF28-1"},
      {frameCompositeSectionName(58, 10), "TF58-A"},
      {frameCompositeSectionName(5, 49), ""},
      {ovalCompositeSectionName("4s", 1, 0), ""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.name, c.expected);
}

TEST(TwoColourComposites, PrintingsThatUsedASettingInPart) {
  struct Case {
    std::string valuePrinting;
    int first, count;
    char pane;
  };
  const Case cases[] = {
      {"2s3b", 15, 0, 'B'}, {cp("50ø1"), 7, 0, 'B'}, {"1c7", 9, 0, 'B'},
      {"3c3", 1, 11, 'A'},  {cp("3ø6"), 1, 8, 'A'},  {"7c2", 1, 11, 'A'},
  };
  for (const Case& c : cases) {
    const auto r = frameRestrictionOf(c.valuePrinting);
    ASSERT_TRUE(r) << c.valuePrinting;
    EXPECT_EQ(r->firstAllowed, c.first) << c.valuePrinting;
    EXPECT_EQ(r->count, c.count) << c.valuePrinting;
    EXPECT_EQ(r->pane, c.pane) << c.valuePrinting;
  }
  EXPECT_FALSE(frameRestrictionOf("2s3"));
  EXPECT_FALSE(frameRestrictionOf("4s1"));
  EXPECT_EQ(frameSettingTitle("27", paneNote('B')), "Rammesetting 27 (kun B-ark)");
  EXPECT_EQ(frameSettingTitle("53", ""), "Rammesetting ");
}

TEST(TwoColourComposites, StepsWithinTheFirstAllowedAndTheCount) {
  struct Case {
    CompositeKey key;
    int from, first, count, to;
    bool refused;
  };
  const Case cases[] = {
      {CompositeKey::First, 20, 15, 30, 15, false},
      {CompositeKey::Previous, 15, 15, 30, 15, true},
      {CompositeKey::Next, 30, 15, 30, 30, true},
      {CompositeKey::GroupBack, 18, 15, 30, 15, false},
      {CompositeKey::GroupOn, 27, 15, 30, 30, false},
      {CompositeKey::GroupOn, 3, 1, 30, 9, false},
      {CompositeKey::Last, 3, 1, 6, 6, false},
  };
  for (const Case& c : cases) {
    const CompositeStep step = stepCompositeWithin(c.key, c.from, c.first, c.count);
    EXPECT_EQ(step.composite, c.to) << c.from;
    EXPECT_EQ(step.refused, c.refused) << c.from;
  }
}

TEST(TwoColourComposites, SeriesSettingsAndPeriods) {
  EXPECT_EQ(ovalCompositeSeriesCount("48s", 3), 1);
  EXPECT_EQ(ovalSeriesLine(ovalCompositeSeriesCount("48s", 0), 1), "Ovalserie 1 af 1");
  EXPECT_EQ(ovalCompositeSeriesCount("4s", 0), 1);
  // Series 4 of 4ø has no composites: stepped over both ways and refused when typed.
  EXPECT_EQ(stepOvalCompositeSeries(cp("4ø"), 3, 8, true), 5);
  EXPECT_EQ(stepOvalCompositeSeries(cp("4ø"), 5, 8, false), 3);
  EXPECT_FALSE(stepOvalCompositeSeries("4s", 2, 2, true));
  EXPECT_FALSE(stepOvalCompositeSeries("4s", 1, 2, false));
  EXPECT_FALSE(checkOvalSeriesEntry(cp("4ø"), "4", 8));
  EXPECT_EQ(checkOvalSeriesEntry("4s", "2", 2), 2);
  EXPECT_FALSE(checkOvalSeriesEntry("4s", "3", 2));
  // Setting 18 is 5 in its second period: stepped over and refused; 58 steps on from 28.
  EXPECT_EQ(stepFrameCompositeSetting(17, 51, true), 19);
  EXPECT_EQ(stepFrameCompositeSetting(19, 51, false), 17);
  EXPECT_EQ(stepFrameCompositeSetting(58, 51, true), 29);
  EXPECT_FALSE(stepFrameCompositeSetting(51, 51, true));
  EXPECT_FALSE(stepFrameCompositeSetting(1, 51, false));
  EXPECT_FALSE(checkSettingEntry("18", 51));
  EXPECT_FALSE(checkSettingEntry("52", 51));
  EXPECT_EQ(checkSettingEntry("28", 51), 28);
  EXPECT_EQ(settingEntryNumber(58), 28);
  EXPECT_EQ(settingEntryNumber(18), 5);
  struct Period {
    int code, other;
  };
  for (const Period p : {Period{5, 18}, Period{18, 5}, Period{28, 58}, Period{58, 28},
                         Period{31, 61}, Period{73, 43}}) {
    EXPECT_EQ(otherPeriodCode(p.code), p.other) << p.code;
  }
  EXPECT_FALSE(otherPeriodCode(19));
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
