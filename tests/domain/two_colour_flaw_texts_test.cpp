// The texts of the two-coloured flaw screen: frame headings with their periods, the oval
// series ranges, frame kinds and types, a new oval's description and a wandering cliché.
#include "domain/two_colour_flaw_texts.hpp"

#include <gtest/gtest.h>

#include "data/cp865.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

TEST(TwoColourFlawTexts, FrameHeadingCarriesThePeriodOfATwoPeriodSetting) {
  struct Case {
    const char* shown;
    const char* period;
    const char* heading;
    const char* periodAfter;
  };
  const Case cases[] = {
      {"28.4", "2", "RF. 28.4    2. periode", "2"},
      {"31.2", "1", "RF. 31.2    1. periode", "1"},
      {"5.3", "2", "RF. 5.3    2. periode", "2"},
      {"5.3", "", "RF. 5.3    1. periode", "1"},  // an empty period is forced to "1"
      {"12.3", "2", "RF. 12.3", ""},              // one period only: cleared
      {"", "1", "RF. ", ""},
      {"7", "1", "RF. 7", ""},  // no setting before a "."
  };
  for (const Case& c : cases) {
    std::string period = c.period;
    EXPECT_EQ(frameHeading(c.shown, period), c.heading) << c.shown;
    EXPECT_EQ(period, c.periodAfter) << c.shown;
  }
}

TEST(TwoColourFlawTexts, OvalSeriesRanges) {
  using Lines = std::vector<std::string>;
  const auto entry = [](const char* v, int s, int first, int last) {
    return std::optional<SeriesIndexEntry>(SeriesIndexEntry{cp(v), s, first, last});
  };
  EXPECT_EQ(ovalSeriesRangeLines("4s", 1, entry("4s", 1, 1, 9)), (Lines{"4s1-4s9", "4s12"}));
  EXPECT_EQ(ovalSeriesRangeLines("4s", 3, entry("4s", 3, 1, 9)), Lines{});
  EXPECT_EQ(ovalSeriesRangeLines(cp("8ø"), 4, std::nullopt), (Lines{cp("8ø15"), cp("8ø21-23")}));
  EXPECT_EQ(ovalSeriesRangeLines(cp("8ø"), 7, entry("8ø", 7, 51, 62)), Lines{cp("8ø51-8ø62")});
  EXPECT_EQ(ovalSeriesRangeLines("2s", 2, entry("2s", 2, 3, 5)), Lines{"2s3b-2s5"});
  EXPECT_EQ(ovalSeriesRangeLines("2s", 1, entry("2s", 1, 1, 3)), Lines{"2s1-2s3a"});
  EXPECT_EQ(ovalSeriesRangeLines(cp("20ø"), 1, entry("20ø", 1, 1, 1)), Lines{cp("20ø1a")});
  EXPECT_EQ(ovalSeriesRangeLines(cp("4ø"), 2, entry("4ø", 2, 5, 11)), Lines{cp("4ø5-4ø11b")});
  EXPECT_EQ(ovalSeriesRangeLines("3c", 1, std::nullopt), Lines{});
  EXPECT_EQ(ovalSeriesHeading(0), cp("Kun én ovalserie:"));
  EXPECT_EQ(ovalSeriesHeading(2), "Ovalserie 2:");
}

TEST(TwoColourFlawTexts, FrameKindTypeAndNewOval) {
  EXPECT_EQ(frameKindCaption('O'), "Omvendt ramme");
  EXPECT_EQ(frameKindCaption('U'), "Tyk omvendt ramme");
  EXPECT_EQ(frameKindCaption('T'), "Tyk ret ramme");
  EXPECT_EQ(frameKindCaption(' '), "Ret ramme");
  EXPECT_EQ(shownFrameType("3`1"), "3h");
  EXPECT_EQ(shownFrameType("12"), "12");
  EXPECT_EQ(withNewOvalLine("1brud$"), "1brud$5ny oval$");
  EXPECT_EQ(withNewOvalLine("1brud"), "1brud$5ny oval$");
  EXPECT_EQ(withNewOvalLine(""), "5ny oval$");
}

TEST(TwoColourFlawTexts, WanderingClicheInOrder) {
  using Kind = WanderingLine::Kind;
  const auto lines = wanderingClicheLines("$Qflyttet$R31.1  $R32.1  $S34.1", "28.5");
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0].text, "31.1");
  EXPECT_EQ(lines[1].text, "32.1");
  EXPECT_EQ(lines[2].kind, Kind::Current);
  EXPECT_EQ(lines[2].text, "28.5");
  EXPECT_EQ(lines[3].kind, Kind::Remark);
  EXPECT_EQ(lines[3].text.substr(0, 7), "flyttet");
  EXPECT_EQ(lines[4].kind, Kind::Later);
  EXPECT_EQ(lines[4].text, "34.1");
  EXPECT_TRUE(wanderingClicheLines("   ", "28.5").empty());
  // "$N" keeps its "N"; a tag at the very end reads the blanks after it.
  const auto n = wanderingClicheLines("$Nny$R", "1.1");
  ASSERT_EQ(n.size(), 3u);
  EXPECT_EQ(n[0].text, "");
  EXPECT_EQ(n[2].text, "Nny$R");
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
