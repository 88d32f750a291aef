// The two-coloured type screen: over data of the tests' own (through the screen itself) for
// the value queries, paging to the end record, pages cut short and missing sections, and over
// the sample data for the goldens.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/platform_display.hpp"
#include "app/program_state.hpp"
#include "data/cp865.hpp"
#include "platform/headless/headless_platform.hpp"
#include "screens/types/type_screen.hpp"
#include "support/data_builder.hpp"
#include "support/golden.hpp"
#include "support/headless_run.hpp"
#include "support/no_settings.hpp"
#include "support/parsed_dump.hpp"
#include "ui/png_image.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

const std::string kEsc(1, '\x1b');

// value (1-4), page (5-7), pages (8-10), two blanks, six types of 4 characters.
std::string page(const std::string& value, int number, int count,
                 const std::vector<std::string>& types) {
  std::string r = value;
  r.resize(4, ' ');
  const std::string n = std::to_string(number), c = std::to_string(count);
  r += std::string(3 - n.size(), ' ') + n + std::string(3 - c.size(), ' ') + c + "  ";
  for (std::string t : types) {
    t.resize(4, ' ');
    r += t;
  }
  r.resize(36, ' ');
  return r;
}

// A flaw record: frame kind, a description line and 383 rows of one run.
std::string typeRecord() {
  std::string picture;
  for (int i = 0; i < 383; ++i) picture += std::string{2, 20, static_cast<char>(120 + i % 100)};
  return " " + kEsc + "*d$1Type" + kEsc + "*b" + picture;
}

// "4s" page 1 names "9" that has no record before "3"; page 2 ends after two types; "8ø" has
// no types; then the frame group "R2".
DataFile typeData(bool withPages = true) {
  test::DataBuilder b;
  if (withPages) {
    b.add("TTYPER", page("4s", 1, 2, {"1", "9", "3"}) + page("4s", 2, 2, {"7", "7-1"}) +
                        page(cp("8ø"), 0, 0, {}) + page("R2", 1, 1, {"2-1"}) + "*");
  }
  for (const char* key : {"T4SM1", "T4SM3", "T4SM7", "T4SM7-1", "TM2-1"}) b.add(key, typeRecord());
  return b.file();
}

class Rig {
 public:
  explicit Rig(const std::string& script, bool withPages = true)
      : data(typeData(withPages)),
        screen(&data),
        platform(parseKeyScript(script, nullptr).value()),
        display(screen, platform) {
    display.ensureWindow(3);
    screen.setUpFonts();
    state.selection.restore("T", false, "4s", {"1", "1"}, "1");
  }
  void press(int code) { act(extendedKey(code)); }
  void press(const std::string& key) { act(key); }
  void act(const KeyString& key) {
    result = page.handleKey(key);
    if (!result) page.draw();
  }
  // Whether any pixel of the virtual box is not white.
  bool inked(double x1, double y1, double x2, double y2) const {
    const Framebuffer image = screen.saveScreen();
    const Rgb white = screen.palette()[colour::kWhite];
    for (int y = screen.px(y1); y < screen.px(y2); ++y) {
      for (int x = screen.px(x1); x < screen.px(x2); ++x) {
        if (image.at(x, y) != white) return true;
      }
    }
    return false;
  }

  DataFile data;
  ProgramState state;
  Screen screen;
  HeadlessPlatform platform;
  PlatformDisplay display;
  test::NoSettings settings;
  Session session{state, data, display, settings};
  TypeScreen page{session, state.tcTypes, twoColouredTypes()};
  KeyResult result;
};

using Labels = std::vector<std::string>;

TEST(TwoColourTypeScreen, PagesCutShortByABlankOrAMissingRecord) {
  Rig rig("");
  rig.page.enter();
  ASSERT_EQ(rig.page.leavesOnEntry(), kStay);
  rig.page.draw();
  const TypesState& t = rig.state.tcTypes;
  EXPECT_EQ(t.lastIndex, 49);
  // "9" has no record: its cell says so and the page ends there.
  EXPECT_EQ(t.labels, (Labels{"OM.1", "", "", "", "", ""}));
  EXPECT_TRUE(rig.inked(30, 30, 215, 220));
  EXPECT_FALSE(rig.inked(225, 150, 415, 230));  // no picture, no label
  EXPECT_FALSE(rig.inked(425, 30, 615, 230));   // "3" is not drawn
  rig.press(scan::kPgDn);
  EXPECT_EQ(t.page, 2);
  EXPECT_EQ(t.labels, (Labels{"OM.7", "OM.7`1", "", "", "", ""}));
  rig.press(scan::kDown);
  EXPECT_EQ(t.page, 0);
  EXPECT_EQ(t.labels, Labels(6, ""));
  EXPECT_EQ(rig.platform.beeps(), 0);
}

TEST(TwoColourTypeScreen, TheLastIndexIsKnownOnlyOnceTheEndRecordIsMet) {
  Rig rig("");
  rig.page.enter();
  rig.page.draw();
  rig.press(scan::kEnd);
  EXPECT_EQ(rig.state.selection.typePage().index, 3);
  EXPECT_EQ(rig.state.tcTypes.lastIndex, 3);
  EXPECT_EQ(rig.platform.beeps(), 1);
  rig.press(scan::kPgDn);  // not above the last index, silently
  EXPECT_EQ(rig.state.selection.typePage().index, 3);
  EXPECT_EQ(rig.platform.beeps(), 1);
  EXPECT_EQ(rig.state.tcTypes.shownValue, "R2");
}

TEST(TwoColourTypeScreen, ValueAndFrameGroupQueries) {
  struct Case {
    const char* key;
    const char* entry;  // typed keys, then Enter
    int index;
    int beeps;
  };
  const Case cases[] = {
      {"R", "2", 3, 0},      // "R2  "
      {"V", "R 2", 3, 0},    // "R" is the whole entry, then "2"
      {"V", "8 O", 2, 0},    // "8ø"
      {"V", "9 S", 1, 1},    // no page: the page shown before stays
      {"V", "Enter", 0, 0},  // empty: the page's own value, searched from the first page
      {"V", "Esc", 1, 0},
  };
  for (const Case& c : cases) {
    Rig rig(std::string(c.entry) + " Enter");
    rig.page.enter();
    rig.page.draw();
    rig.press(scan::kPgDn);
    rig.press(c.key);
    EXPECT_EQ(rig.state.selection.typePage().index, c.index) << c.key << " " << c.entry;
    EXPECT_EQ(rig.platform.beeps(), c.beeps) << c.key << " " << c.entry;
  }
}

TEST(TwoColourTypeScreen, NoPagesBeepAndLeaveForTheFrontPage) {
  for (const bool withPages : {false, true}) {
    Rig rig("", withPages);
    rig.state.selection.restore("T", false, cp("20ø"), {"1", "1"}, "1");
    rig.page.enter();
    EXPECT_EQ(rig.page.leavesOnEntry(), ScreenCode::FrontPage);
    EXPECT_EQ(rig.platform.beeps(), 1);
    EXPECT_EQ(rig.state.selection.typePage().index, 0);
  }
}

TEST(TwoColourTypeScreenGolden, OvalAndFrameTypesAndTheWatermarkPage) {
  test::ScratchDir dir;
  dir.addSampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const auto r = test::runHeadless(
      dir, "T F6 V \"4s\" Enter F8 shot:" + a("oval.png") + " state:" + a("oval.json") +
               " R \"2\" Enter shot:" + a("frame.png") + " W shot:" + a("watermarks.png") +
               " Esc state:" + a("back.json"));
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(test::readDump(dir / "oval.json")["screen"], "tc-types");
  EXPECT_EQ(test::readDump(dir / "back.json")["screen"], "tc-flaws");
  EXPECT_EQ(r.beeps, 0);
  for (const char* name : {"oval", "frame", "watermarks"}) {
    EXPECT_TRUE(test::matchesGolden(readPng(dir / (std::string(name) + ".png")).value(),
                                    std::string("tc-types-") + name));
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
