#include "domain/frame_data.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/dat_section.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::datFile;
using test::datSection;
using test::positionRecord;

// A frame record: designation, frame kind, type and setting.running number.
std::string frame(const std::string& where, char kind, const std::string& type,
                  const std::string& number) {
  return positionRecord(where, type, number, ' ', ' ', kind);
}

FrameData frameData(const std::vector<std::string>& records) {
  static std::vector<DataFile> files;  // the data outlives the decoded records' users
  files.push_back(datFile("TRAMDAT", datSection(records)));
  return FrameData(files.back(), files.back().findSection("TRAMDAT"));
}

TEST(FrameBlockReference, TrailingPaneLettersAreTrimmed) {
  struct Case {
    const char* characters;
    const char* block;
    bool fromPaneB;
  } const cases[] = {{"27B     ", "27      ", true},
                     {"12A", "12      ", false},
                     {"E1 ", "E1      ", false},
                     {"        ", "        ", false}};
  for (const Case& c : cases) {
    const FrameBlockReference ref = parseFrameBlockReference(c.characters);
    EXPECT_EQ(ref.block, c.block) << c.characters;
    EXPECT_EQ(ref.fromPaneB, c.fromPaneB) << c.characters;
  }
}

// Every position holds a field naming its own index, so moves can be read off.
TwoColourFields numbered() {
  TwoColourFields f;
  for (int i = 1; i <= 200; ++i) f[i] = TwoColourField::fromText("  1   " + std::to_string(i));
  return f;
}

int origin(const TwoColourFields& f, int i) {
  return std::stoi(f[i].flawNumber());
}

TEST(FrameTransform, MovesRowsAndPanes) {
  struct Case {
    int transform;
    int at;
    int from;
  } const cases[] = {
      {2, 100, 1},   {2, 1, 100},  {2, 101, 200}, {2, 200, 101}, {3, 1, 91},   {3, 95, 5},
      {3, 105, 195}, {4, 12, 92},  {4, 92, 12},   {5, 5, 95},    {5, 15, 5},   {5, 105, 195},
      {6, 95, 5},    {6, 5, 15},   {7, 91, 21},   {7, 21, 31},   {7, 15, 15},  {7, 191, 121},
      {8, 91, 31},   {8, 25, 25},  {8, 31, 41},   {8, 191, 121}, {9, 91, 100}, {9, 100, 91},
      {9, 191, 200}, {10, 95, 95}, {11, 5, 5},    {1, 5, 5},
  };
  for (const Case& c : cases) {
    TwoColourFields f = numbered();
    applyFrameTransform(c.transform, f);
    EXPECT_EQ(origin(f, c.at), c.from) << "X" << c.transform << " at " << c.at;
  }
}

TEST(FrameTransform, TurnsKinds) {
  // X2 turns upright/"O" and thick kinds everywhere; X10 only in the bottom rows, where
  // upright becomes the down-arrow kind and "O" stays.
  struct Case {
    int transform;
    int at;
    char before, after;
  } const cases[] = {
      {2, 1, ' ', 'O'},
      {2, 1, 'O', ' '},
      {2, 1, 'T', 'U'},
      {2, 1, 'U', 'T'},
      {2, 1, kDownArrowKind, kDownArrowKind},
      {10, 95, ' ', kDownArrowKind},
      {10, 195, kDownArrowKind, ' '},
      {10, 95, 'O', 'O'},
      {10, 95, 'T', 'U'},
      {10, 85, ' ', ' '},
  };
  for (const Case& c : cases) {
    TwoColourFields f;
    const int source = c.transform == 2 ? (c.at <= 100 ? 101 - c.at : 301 - c.at) : c.at;
    f[source].setKind(c.before);
    applyFrameTransform(c.transform, f);
    EXPECT_EQ(f[c.at].kind(), c.after) << "X" << c.transform << " kind " << int(c.before);
  }
}

const std::vector<std::string> kBlocks = {
    "E1",
    "X0",
    frame("A1", ' ', "1", "1.1"),
    frame("A5", 'T', "3h", "1.2"),
    frame("B5", ' ', "2", "1.3"),
    "E2",
    "X2",
    frame("A17", ' ', "4", "2.1"),
    "E27",
    "X5",
    frame("B7", 'U', "2", "27.1"),
    "^F",
    "E99",
};

TEST(FrameData, BlocksAreCumulativeUpToTheOneNamed) {
  const FrameData data = frameData(kBlocks);
  EXPECT_EQ(data.blockCount(), 3U);  // nothing after the end mark
  TwoColourFields f;
  ASSERT_TRUE(data.framesOf("1", SheetLayout::TwoPanes, f));
  EXPECT_EQ(f[5].kind(), 'T');
  EXPECT_EQ(f[5].type(), "3h");
  EXPECT_EQ(f[105].flawNumber(), "1.3");
  ASSERT_TRUE(data.framesOf("2", SheetLayout::TwoPanes, f));
  EXPECT_EQ(f[100].flawNumber(), "1.1");  // turned half
  EXPECT_EQ(f[100].kind(), 'O');
  EXPECT_EQ(f[17].flawNumber(), "2.1");
  ASSERT_TRUE(data.framesOf("27      ", SheetLayout::TwoPanes, f));
  EXPECT_EQ(f[10].flawNumber(), "1.1");  // 100 moved down a row, row 10 to row 1
  EXPECT_EQ(f[107].flawNumber(), "27.1");
}

TEST(FrameData, PaneBRecordsFillTheOnePaneOfLayoutThree) {
  const FrameData data = frameData(kBlocks);
  TwoColourFields f;
  ASSERT_TRUE(data.framesOf("1", SheetLayout::OnePaneFromB, f));
  EXPECT_EQ(f[5].flawNumber(), "1.3");
  EXPECT_TRUE(f[105].isBlank());
}

TEST(FrameData, AnUnknownBlockGivesBlankFrames) {
  const FrameData data = frameData(kBlocks);
  TwoColourFields f = numbered();
  EXPECT_FALSE(data.framesOf("99", SheetLayout::TwoPanes, f));
  EXPECT_EQ(f, TwoColourFields{});
  EXPECT_FALSE(FrameData().framesOf("1", SheetLayout::TwoPanes, f));
}

TEST(FrameData, PositionsOutsideTheSheetGoToTheScrapSlot) {
  const FrameData data =
      frameData({"E1", frame("A101", ' ', "1", "1.1"), frame("B250", ' ', "1", "1.2"),
                 frame("250", ' ', "1", "1.3"), frame("150", ' ', "1", "1.4")});
  TwoColourFields f;
  ASSERT_TRUE(data.framesOf("1", SheetLayout::TwoPanes, f));
  EXPECT_EQ(f[0].flawNumber(), "1.3");
  EXPECT_EQ(f[150].flawNumber(), "1.4");
  for (int i = 1; i <= 200; ++i) {
    if (i != 150) {
      EXPECT_TRUE(f[i].isBlank()) << i;
    }
  }
}

TEST(FrameWalk, GivesWhatTheDataGivesInAnyOrder) {
  const FrameData data = frameData(kBlocks);
  FrameWalk walk(data);
  for (const char* block : {"1", "2", "2", "27", "1", "99", "27", "2"}) {
    for (const SheetLayout layout : {SheetLayout::TwoPanes, SheetLayout::OnePaneFromB}) {
      TwoColourFields expected;
      data.framesOf(block, layout, expected);
      EXPECT_EQ(walk.framesOf(block, layout), expected) << block;
    }
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
