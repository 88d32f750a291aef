// Walking the composites: series counts, typed and stepped series, the composite keys and
// the texts of the panel.
#include "domain/composite_steps.hpp"

#include <gtest/gtest.h>

#include "data/cp865.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

TEST(CompositeSteps, SeriesCount) {
  EXPECT_EQ(compositeSeriesCount(cp("V10ø"), 1), 3);
  EXPECT_EQ(compositeSeriesCount(cp("V10ø"), 5), 3);
  EXPECT_EQ(compositeSeriesCount("A4s", 6), 6);
  EXPECT_EQ(compositeSeriesCount("P8s", 0), 1);  // no series limits: one series
}

TEST(CompositeSteps, TypedSeries) {
  const struct {
    const char* valueKey;  // UTF-8
    const char* entry;
    int count;
    bool accepted;
    int series;
  } cases[] = {
      {"P4s", "2", 3, true, 2},   {"P4s", "3", 3, true, 3},  {"P4s", "4", 3, false, 0},
      {"P4s", "0", 3, false, 0},  {"P4s", "", 3, false, 0},  {"P4s", "s", 3, false, 0},
      {"A4s", "0", 6, true, 0},   {"A4s", "6", 6, true, 6},  {"A4s", "07", 6, false, 0},
      {"V10ø", "2", 3, false, 0}, {"V10ø", "3", 3, true, 3}, {"V10ø", "1", 3, true, 1},
      {"M4ø", "4", 5, false, 0},  {"M4ø", "5", 5, true, 5},  {"I3s", "4", 4, false, 0},
      {"I5a", "4", 4, false, 0},  {"I5a", "3", 4, true, 3},  {"P4s", "99999999999", 3, false, 0},
      {"P4s", "2.5", 3, true, 2},
  };
  for (const auto& c : cases) {
    const CompositeSeriesEntry entry = checkCompositeSeriesEntry(cp(c.valueKey), c.entry, c.count);
    EXPECT_EQ(entry.accepted, c.accepted) << c.valueKey << " " << c.entry;
    if (c.accepted) {
      EXPECT_EQ(entry.series, c.series) << c.valueKey << " " << c.entry;
    } else {
      EXPECT_EQ(entry.args.seriesCount, c.count);
    }
  }
}

TEST(CompositeSteps, SeriesUpAndDown) {
  const struct {
    const char* valueKey;
    int series, count;
    bool next, changed;
    int to;
  } cases[] = {
      {"P4s", 1, 3, true, true, 2},  {"P4s", 3, 3, true, false, 3},  {"P4s", 1, 3, false, false, 1},
      {"A4s", 1, 6, false, true, 0}, {"A4s", 0, 6, false, false, 0}, {"A4s", 0, 6, true, true, 1},
      {"A4s", 6, 6, true, false, 6},
  };
  for (const auto& c : cases) {
    const CompositeSeriesStep step = stepCompositeSeries(c.valueKey, c.series, c.count, c.next);
    EXPECT_EQ(step.changed, c.changed) << c.valueKey << c.series << c.next;
    EXPECT_EQ(step.series, c.to) << c.valueKey << c.series << c.next;
  }
}

TEST(CompositeSteps, CompositeKeys) {
  using K = CompositeKey;
  const struct {
    K key;
    int from, count, to;
    bool refused;
  } cases[] = {
      {K::GroupBack, 13, 20, 7, false}, {K::GroupBack, 7, 20, 1, false},
      {K::GroupBack, 1, 20, 1, false},  {K::GroupBack, 2, 20, 1, false},
      {K::GroupBack, 8, 20, 7, false},  {K::GroupOn, 8, 20, 13, false},
      {K::GroupOn, 1, 20, 7, false},    {K::GroupOn, 19, 20, 20, false},
      {K::GroupOn, 3, 4, 4, false},     {K::First, 9, 20, 1, false},
      {K::Last, 3, 20, 20, false},      {K::Last, 1, 0, 1, false},
      {K::Previous, 5, 20, 4, false},   {K::Previous, 1, 20, 1, true},
      {K::Next, 19, 20, 20, false},     {K::Next, 20, 20, 20, true},
      {K::Next, 1, 0, 1, true},
  };
  for (const auto& c : cases) {
    const CompositeStep step = stepComposite(c.key, c.from, c.count);
    EXPECT_EQ(step.composite, c.to) << static_cast<int>(c.key) << " from " << c.from;
    EXPECT_EQ(step.refused, c.refused) << static_cast<int>(c.key) << " from " << c.from;
  }
}

TEST(CompositeSteps, PanelTexts) {
  EXPECT_EQ(compositeSeriesLine(cp("V10ø"), 2, 3), "Serie 2 af 3");
  EXPECT_EQ(compositeSeriesLine("P4s", 1, 3), "Serie 1 af 3 (plade I-II)");
  EXPECT_EQ(compositeSeriesLine("P4s", 3, 3), "Serie 3 af 3 (plade V-VI)");
  EXPECT_EQ(compositeSeriesLine("P4s", 4, 4), "Serie 4 af 4");
  EXPECT_EQ(compositeSeriesLine("L4s", 2, 4), "Serie 2 af 4 (plade III-IV)");
  EXPECT_EQ(compositeSeriesLine("L4s", 4, 4), "Serie 4 af 4 (plade VII-VIII)");
  EXPECT_EQ(compositeCountLine(3, 12), "3 af 12");
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
