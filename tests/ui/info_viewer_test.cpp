#include "ui/info_viewer.hpp"

#include <gtest/gtest.h>

#include <deque>

#include "support/data_builder.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::DataBuilder;

struct ScriptedKeys : KeyInput {
  std::deque<KeyString> keys;
  int beeps = 0;
  std::vector<int> topLines;  // the page shown at each wait
  ViewerState* state = nullptr;
  KeyString waitKey() override {
    if (state) topLines.push_back(state->topLine);
    KeyString k = keys.front();
    keys.pop_front();
    return k;
  }
  void beep() override { ++beeps; }
};

std::string textOfLines(int lines) {
  std::string s;
  for (int i = 0; i < lines; ++i) {
    std::string line = "Linje " + std::to_string(i);
    line.resize(kInfoLineLength, ' ');
    s += line;
  }
  return s;
}

SectionRef sectionOfLength(int bytes) {
  return SectionRef{1000, 1000 + bytes, kSectionFound};
}

TEST(InformationViewer, MaxTopIsRoundedAndNeverNegative) {
  EXPECT_EQ(viewerMaxTop(sectionOfLength(36 * 160)), 0);
  EXPECT_EQ(viewerMaxTop(sectionOfLength(100 * 160)), 64);
  EXPECT_EQ(viewerMaxTop(sectionOfLength(100 * 160 + 80)), 65);  // 64.5 rounds up
  EXPECT_EQ(viewerMaxTop(sectionOfLength(10 * 160)), 0);
  EXPECT_EQ(viewerMaxTop(sectionOfLength(0)), 0);
}

class ViewerRun : public ::testing::Test {
 protected:
  void run(int lines, std::deque<KeyString> keys) {
    data_ = DataBuilder().add("AINFOF1", textOfLines(lines)).file();
    Screen screen(&data_);
    screen.openWindow(2);
    screen.fillBox(10, 10, 100, 100, 12);
    before_ = screen.saveScreen();
    input_.keys = std::move(keys);
    input_.state = &state_;
    showInformation(screen, input_, data_, data_.findSection("AINFOF1"), ViewerMode::General,
                    state_);
    after_ = screen.saveScreen();
  }
  DataFile data_;
  ViewerState state_;
  ScriptedKeys input_;
  Framebuffer before_, after_;
};

TEST_F(ViewerRun, PagesThroughAHundredLines) {
  run(100, {extendedKey(scan::kPgDn), extendedKey(scan::kPgDn), extendedKey(scan::kPgDn),
            extendedKey(scan::kUp), extendedKey(scan::kHome), extendedKey(scan::kUp),
            extendedKey(scan::kEnd), ordinaryKey(kEscCode)});
  EXPECT_EQ(input_.topLines, (std::vector<int>{0, 36, 64, 64, 63, 0, 0, 64}));
  EXPECT_EQ(input_.beeps, 0);
  EXPECT_FALSE(state_.active);
  EXPECT_EQ(after_, before_);  // the screen under the viewer is put back exactly
}

TEST_F(ViewerRun, ShortTextsDoNotScroll) {
  run(10, {extendedKey(scan::kDown), extendedKey(scan::kPgDn), extendedKey(scan::kEnd),
           ordinaryKey('x'), ordinaryKey(kEnterCode)});
  EXPECT_EQ(input_.topLines, (std::vector<int>{0, 0, 0, 0, 0}));
  EXPECT_EQ(input_.beeps, 1);  // only the ordinary key
}

TEST(InformationViewer, LinesPastTheSectionAreEmpty) {
  const DataFile f = DataBuilder().add("AINFOF1", textOfLines(2) + "kort").file();
  const SectionRef ref = f.findSection("AINFOF1");
  EXPECT_EQ(infoLine(f, ref, 0).substr(0, 7), "Linje 0");
  EXPECT_EQ(infoLine(f, ref, 2), "kort");
  EXPECT_EQ(infoLine(f, ref, 3), "");
  EXPECT_EQ(infoLine(f, ref, -1), "");
}

TEST(InformationViewer, EditionTextShowsLinesAfterTilfInTwoColumns) {
  // A font whose only glyph is "L": where it lands tells which layout a line got.
  const std::string font =
      test::fontSection(48, {{'L', test::glyphRecord(48, 2, 2, {"##", "##"})}});
  const auto line = [](std::string s) {
    s.resize(kInfoLineLength, ' ');
    return s;
  };
  // Line 0 holds L as character 12; line 1 starts "Tilf"; line 2 again has L as character 12.
  const std::string text = line("...........L") + line("Tilf.......L") + line("...........L");
  const DataFile f = DataBuilder().add("0a028", font).add("PINFOF2", text).file();
  const auto columnsOfL = [&](ViewerMode mode) {
    Screen screen(&f);
    screen.openWindow(2);
    screen.setFontRef(Font::C, FontRef{f.findSection("0a028").start});
    ViewerState state;
    state.mode = mode;
    drawInformationPage(screen, f, f.findSection("PINFOF2"), state);
    std::vector<int> xs;  // the first x of L on each of the three text rows
    for (const int y : {11, 23, 35}) {
      for (int x = 0; x < 640; ++x) {
        if (screen.framebuffer().at(x, y) == screen.palette()[colour::kSlateText]) {
          xs.push_back(x);
          break;
        }
      }
    }
    return xs;
  };
  // Characters without a glyph advance by the spacing only: in one column L lands at 5 + 11.
  EXPECT_EQ(columnsOfL(ViewerMode::General), (std::vector<int>{16, 16, 16}));
  // The "Tilf" line itself stays in one column; the line after it puts character 12 at x 75.
  EXPECT_EQ(columnsOfL(ViewerMode::Edition), (std::vector<int>{16, 16, 75}));
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
