#include "domain/cliche_numbers.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

#include "data/cp865.hpp"
#include "support/data_builder.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::DataBuilder;

std::string int16s(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) {
    const auto u = static_cast<std::uint16_t>(v);
    bytes += static_cast<char>(u & 0xFF);
    bytes += static_cast<char>(u >> 8);
  }
  return bytes;
}

SeriesLimits limits(int count, std::initializer_list<std::pair<int, int>> highest) {
  SeriesLimits l;
  l.seriesCount = count;
  for (const auto& [series, top] : highest) l.highest[static_cast<std::size_t>(series)] = top;
  return l;
}

std::string dot() {
  return std::string(1, cp865::kMiddleDot);
}

TEST(ClicheLabel, PlateNotationAndPlatePairs) {
  EXPECT_EQ(clicheLabel("C3c", "1", "117"), "I" + dot() + "17");
  EXPECT_EQ(clicheLabel("C3c", "1", "105"), "I" + dot() + "5");
  EXPECT_EQ(clicheLabel("P2s", "1", "200"), "II" + dot() + "100");
  EXPECT_EQ(clicheLabel("L8s", "1", "1.299"), "II" + dot() + "99");

  EXPECT_EQ(rewriteToPlatePair("P4s", "4", "1.117"), "2.317");
  EXPECT_EQ(rewriteToPlatePair("P4s", "2", "3.517"), "1.117");
  EXPECT_EQ(rewriteToPlatePair("L4s", "7", "1.117"), "4.717");
  EXPECT_EQ(rewriteToPlatePair("L4s", "5", "2.412"), "3.612");
  EXPECT_EQ(rewriteToPlatePair("A4s", "4", "1.117"), "1.117");
  EXPECT_EQ(clicheLabel("P4s", "4", "1.117"), "III" + dot() + "17");

  EXPECT_EQ(clicheLabel("A4s", "1", "2.17"), "C.2.17");
  EXPECT_EQ(clicheLabel("C3c", "1", ""), "");
  EXPECT_EQ(clicheLabel("C3c", "1", "17"), "C.17");  // not three digits
  EXPECT_EQ(clicheLabel("C3c", "1", "917"), "C.917");
}

TEST(SeriesLimitsAndIndex, ReadsSectionsWithOverridesAndShortData) {
  DataBuilder builder;
  builder.add(cp("V10ø0"), int16s({2, 40, 12}));
  builder.add("P4s0", int16s({3, 10, 10, 10}));
  builder.add("A4s0", int16s({6, 50}).substr(0, 3));
  builder.add("ACSERIER", std::string("4s     1   1   3") + "4s     0   0   0" +
                              "4s     4  10  12" + "*" + "4s     5  13  14");
  const DataFile file = builder.file();

  const SeriesLimits v10 = readSeriesLimits(file, "V", cp("10ø"));
  EXPECT_EQ(v10.seriesCount, 2);
  EXPECT_EQ(v10.highestOf(1), 40);
  EXPECT_EQ(v10.highestOf(2), 12);
  EXPECT_EQ(v10.highestOf(3), 0);
  EXPECT_EQ(v10.highestOf(21), 0);

  const SeriesLimits p4s = readSeriesLimits(file, "P", "4s");
  EXPECT_EQ(p4s.highestOf(1), 699);
  const SeriesLimits a4s = readSeriesLimits(file, "A", "4s");  // 3 bytes: only the count
  EXPECT_EQ(a4s.seriesCount, 6);
  EXPECT_EQ(a4s.highestOf(0), 17);
  EXPECT_EQ(a4s.highestOf(1), 0);
  EXPECT_EQ(readSeriesLimits(file, "L", "4s").highestOf(2), 899);  // missing section
  EXPECT_EQ(readSeriesLimits(file, "L", "4s").seriesCount, 0);

  const auto index = readSeriesIndex(file, file.findSection("ACSERIER"));
  ASSERT_EQ(index.size(), 3u);
  EXPECT_EQ(index[2].value, "4s");
  EXPECT_EQ(index[2].series, 4);
  EXPECT_EQ(index[2].last, 12);
  EXPECT_EQ(seriesForPrinting(index, "4s", 11, false)->series, 4);
  EXPECT_FALSE(seriesForPrinting(index, "4s", 0, false));
  EXPECT_EQ(seriesForPrinting(index, "4s", 0, true)->series, 0);
  EXPECT_FALSE(seriesForPrinting(index, "2s", 1, false));
  EXPECT_FALSE(seriesForPrinting(index, "4s", 13, false));  // after the end mark
  EXPECT_EQ(seriesByNumber(index, "4s", 4)->first, 10);
  EXPECT_TRUE(readSeriesIndex(file, file.findSection("XCSERIER")).empty());
}

TEST(SeriesHeading, HeadingAndRangeLines) {
  EXPECT_EQ(seriesHeading("P4s", 2, "4"), "Serie 2:");
  EXPECT_EQ(seriesHeading("A4s", 0, "1"), "Serie 1:");
  EXPECT_EQ(seriesHeading("P8s", 1, "1"), cp("Kun én serie:"));

  EXPECT_EQ(seriesHeading("A4s", 4, "10b"), "Serie 5:");
  EXPECT_EQ(seriesRangeLines("A4s", 4, "10b", std::nullopt), std::vector<std::string>{"4s10b"});
  EXPECT_EQ(seriesHeading("A4s", 4, "10a"), "Serie 4:");
  EXPECT_EQ(seriesRangeLines("A4s", 4, "10a", std::nullopt), std::vector<std::string>{"4s9-4s10a"});
  EXPECT_EQ(seriesRangeLines("A4s", 2, "5", std::nullopt),
            (std::vector<std::string>{"4s5-4s6", "4s8a-4s8b"}));
  EXPECT_EQ(seriesRangeLines("P4s", 2, "4", std::nullopt),
            (std::vector<std::string>{"4s4", "4s6"}));

  const SeriesIndexEntry range{"2s", 1, 1, 3};
  const SeriesIndexEntry single{"3a", 2, 4, 4};
  EXPECT_EQ(seriesRangeLines("A2s", 1, "2", range), std::vector<std::string>{"2s1-2s3"});
  EXPECT_EQ(seriesRangeLines("I3a", 2, "4", single), std::vector<std::string>{"3a4"});
  EXPECT_TRUE(seriesRangeLines("A2s", 1, "2", std::nullopt).empty());
}

TEST(ClicheNumberEntry, ValueRulesAndMessages) {
  const SeriesLimits one = limits(1, {{1, 100}});
  const SeriesLimits c3c = limits(1, {{1, 299}});
  const SeriesLimits p4s = readSeriesLimits(DataFile(), "P", "4s");
  SeriesLimits p4sCounted = p4s;
  p4sCounted.seriesCount = 3;
  SeriesLimits l4s = readSeriesLimits(DataFile(), "L", "4s");
  l4s.seriesCount = 4;

  auto p8 = parseClicheNumberEntry("P8s", "250", 1, one);
  ASSERT_TRUE(p8.accepted);
  EXPECT_EQ(p8.clicheNumber, "100");

  auto c3 = parseClicheNumberEntry("C3c", "17", 1, c3c);
  ASSERT_TRUE(c3.accepted);
  EXPECT_EQ(c3.clicheNumber, "117");
  EXPECT_EQ(clicheLabel("C3c", "1", c3.clicheNumber), "I" + dot() + "17");
  EXPECT_EQ(parseClicheNumberEntry("C3c", "350", 1, c3c).running, 200);

  auto l4 = parseClicheNumberEntry("L4s", "750", 1, l4s);
  ASSERT_TRUE(l4.accepted);
  EXPECT_EQ(l4.series, 4);
  EXPECT_EQ(l4.clicheNumber, "4.750");
  EXPECT_EQ(parseClicheNumberEntry("L4s", "950", 1, l4s).clicheNumber, "4.800");

  auto p4 = parseClicheNumberEntry("P4s", "750", 1, p4sCounted);
  ASSERT_TRUE(p4.accepted);
  EXPECT_EQ(p4.clicheNumber, "3.600");
  EXPECT_EQ(parseClicheNumberEntry("P4s", "2.17", 1, p4sCounted).clicheNumber, "1.100");
  EXPECT_EQ(parseClicheNumberEntry("P4s", "3.450", 1, p4sCounted).clicheNumber, "2.450");

  auto tooFar = parseClicheNumberEntry("P8s", "3.5", 1, one);
  EXPECT_FALSE(tooFar.accepted);
  EXPECT_EQ(tooFar.message, 1);
  EXPECT_EQ(messageText(tooFar.message, tooFar.args), cp("Kun én serie"));

  const SeriesLimits a2s = limits(2, {{1, 24}, {2, 30}});
  auto high = parseClicheNumberEntry("A2s", "25", 1, a2s);
  EXPECT_EQ(high.message, 3);
  EXPECT_EQ(messageText(high.message, high.args), cp("Løbe nr. fra 1 til 24"));
  EXPECT_EQ(parseClicheNumberEntry("A2s", "25", 2, a2s).clicheNumber, "2.25");
  EXPECT_EQ(parseClicheNumberEntry("A2s", "0.0", 2, a2s).clicheNumber, "1.1");
  EXPECT_EQ(parseClicheNumberEntry("A2s", "", 0, a2s).clicheNumber, "1.1");

  const SeriesLimits a4s = readSeriesLimits(DataFile(), "A", "4s");
  SeriesLimits a4sCounted = a4s;
  a4sCounted.seriesCount = 6;
  EXPECT_EQ(parseClicheNumberEntry("A4s", "0.5", 1, a4sCounted).clicheNumber, "0.5");
  EXPECT_EQ(parseClicheNumberEntry("A4s", "18", 0, a4sCounted).message, 3);

  const SeriesLimits i3a = limits(3, {{1, 40}, {2, 40}});
  EXPECT_EQ(parseClicheNumberEntry("I3a", "1.7", 2, i3a).clicheNumber, "7");
  EXPECT_EQ(parseClicheNumberEntry("I3a", "2.7", 1, i3a).clicheNumber, "2.7");
}

TEST(ClicheNumberEntry, StartingText) {
  const SeriesLimits two = limits(2, {{1, 40}, {2, 40}});
  EXPECT_EQ(clicheNumberStart("A2s", "", 2, two).shown, "2.1");
  EXPECT_EQ(clicheNumberStart("A2s", "", 0, two).shown, "1.1");
  EXPECT_EQ(clicheNumberStart("A2s", "17", 2, two).shown, "1.17");
  EXPECT_EQ(clicheNumberStart("A2s", "0.9", 1, two).series, 1);
  EXPECT_EQ(clicheNumberStart("A4s", "0.9", 1, two).shown, "0.9");
  EXPECT_EQ(clicheNumberStart(cp("M4ø"), "1.4", 1, two).shown, "4");
  EXPECT_EQ(clicheNumberStart("P8s", "17", 1, limits(1, {})).shown, "17");
}

TEST(ClicheSteps, RunningNumberStopsAndSeriesRules) {
  const SeriesLimits p4s = limits(3, {{1, 699}, {2, 699}, {3, 699}});
  EXPECT_FALSE(stepRunningNumber("P4s", 2, 300, ClicheStepDirection::Previous, p4s).changed);
  EXPECT_EQ(stepRunningNumber("P4s", 2, 301, ClicheStepDirection::Previous, p4s).clicheNumber,
            "2.300");
  EXPECT_FALSE(stepRunningNumber("C3c", 1, 100, ClicheStepDirection::Previous, {}).changed);
  const SeriesLimits two = limits(2, {{1, 24}, {2, 30}});
  const auto first = stepRunningNumber("A2s", 1, 1, ClicheStepDirection::Previous, two);
  EXPECT_FALSE(first.changed);
  EXPECT_EQ(first.message, 0);
  const auto top = stepRunningNumber("A2s", 1, 24, ClicheStepDirection::Next, two);
  EXPECT_FALSE(top.changed);
  EXPECT_EQ(messageText(top.message, top.args), cp("Løbe nr. fra 1 til 24"));
  EXPECT_EQ(stepRunningNumber("A2s", 1, 23, ClicheStepDirection::Next, two).clicheNumber, "1.24");

  EXPECT_EQ(stepSeries("P4s", 1, 250, ClicheStepDirection::Next, p4s).clicheNumber, "2.301");
  EXPECT_EQ(stepSeries("P4s", 3, 550, ClicheStepDirection::Previous, p4s).clicheNumber, "2.301");
  EXPECT_EQ(stepSeries("P4s", 3, 550, ClicheStepDirection::Next, p4s).message, 1);
  const SeriesLimits l4s = limits(4, {{1, 899}, {2, 899}, {3, 899}, {4, 899}});
  EXPECT_EQ(stepSeries("L4s", 3, 650, ClicheStepDirection::Next, l4s).clicheNumber, "4.650");

  const SeriesLimits a4s = limits(6, {{0, 17}, {1, 40}});
  const auto up = stepSeries("A4s", 1, 9, ClicheStepDirection::Previous, a4s);
  ASSERT_TRUE(up.changed);
  EXPECT_EQ(up.clicheNumber, "0.1");
  EXPECT_EQ(stepSeries("A4s", 0, 1, ClicheStepDirection::Next, a4s).clicheNumber, "1.1");
  EXPECT_FALSE(stepSeries("A4s", 0, 1, ClicheStepDirection::Previous, a4s).changed);

  const SeriesLimits v10 = limits(2, {{1, 40}, {2, 12}});
  const auto v = stepSeries(cp("V10ø"), 2, 5, ClicheStepDirection::Previous, v10);
  EXPECT_FALSE(v.changed);
  EXPECT_EQ(v.message, 0);
  EXPECT_EQ(stepSeries(cp("V5ø"), 2, 5, ClicheStepDirection::Previous, v10).clicheNumber, "1.1");
  EXPECT_EQ(stepSeries("P8s", 1, 5, ClicheStepDirection::Next, limits(1, {})).message, 1);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
