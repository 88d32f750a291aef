// The two-coloured register screen: a search over a small data file in a session, the colour
// of the frame-kind column, the Iceland values' way to the register of "I" through the
// headless backend, and the screen before and after a search of the sample's "4s".
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/platform_display.hpp"
#include "app/program_state.hpp"
#include "data/cp865.hpp"
#include "platform/headless/headless_platform.hpp"
#include "screens/register/register_screen.hpp"
#include "support/dat_section.hpp"
#include "support/golden.hpp"
#include "support/headless_run.hpp"
#include "support/no_settings.hpp"
#include "support/parsed_dump.hpp"
#include "ui/png_image.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::datSection;
using test::positionRecord;

using test::NoSettings;

// A frame record: position, then kind, mark, type and flaw in characters 7..18.
std::string frameRecord(const std::string& position, char kind, const std::string& type) {
  std::string r = position;
  r.resize(6, ' ');
  std::string t = type;
  t.resize(4, ' ');
  return r + kind + ' ' + t + "1.1";
}

// "4s" of edition "T" in a session at zoom 2: one printing whose position 2 has an inverted
// frame and position 3 a thick upright one.
class Rig {
 public:
  Rig()
      : data(test::DataBuilder()
                 .add("T4SDAT",
                      datSection({"F1", "T1", "R1", positionRecord("1", "2", "1.1"), "^F"}))
                 .add("TRAMDAT", datSection({"E1", frameRecord("2", 'O', "12"),
                                             frameRecord("3", 'T', "4"), "^F"}))
                 .file()),
        screen(&data),
        platform(parseKeyScript("", nullptr).value()),
        display(screen, platform) {
    display.ensureWindow(2);
    state.selection.restore("T", false, "4s", {"1", "1"}, "1");
    state.frames = FrameData(data, data.findSection("TRAMDAT"));
  }
  void press(const KeyString& key) {
    if (!page.handleKey(key)) page.draw();
  }
  Rgb cell(int column, int row) const {
    // The darkest pixel of a text cell: the colour its character is drawn in.
    Rgb ink = screen.palette()[colour::kWhite];
    for (int y = row * 16; y < row * 16 + 16; ++y) {
      for (int x = column * 8; x < column * 8 + 8; ++x) {
        const Rgb p = screen.framebuffer().at(screen.px(x), screen.px(y));
        if (p != ink) return p;
      }
    }
    return ink;
  }

  DataFile data;
  ProgramState state;
  Screen screen;
  HeadlessPlatform platform;
  PlatformDisplay display;
  NoSettings settings;
  Session session{state, data, display, settings};
  RegisterScreen page{session, state.reg, twoColouredRegister()};
};

TEST(TwoColourRegisterScreen, FrameKindColumnInItsColours) {
  Rig rig;
  rig.page.enter();
  rig.page.draw();
  rig.press("\r");
  ASSERT_EQ(rig.state.reg.foundCount, 100);
  // Line 1: stamps 1, 2, 3 with the kinds "R", "O", "T" in list columns 41..43.
  EXPECT_EQ(rig.state.reg.results.line(1).substr(15, 3), "ROT");
  const Palette& palette = rig.screen.palette();
  EXPECT_EQ(rig.cell(41, 1), palette[8]);
  EXPECT_EQ(rig.cell(42, 1), palette[12]);
  EXPECT_EQ(rig.cell(43, 1), palette[5]);
  // Dimmed, the whole line is light grey.
  rig.press(extendedKey(scan::kDel));
  EXPECT_EQ(rig.cell(42, 1), palette[3]);
}

TEST(TwoColourRegisterScreen, IcelandValueLeavesForTheRegisterOfI) {
  test::ScratchDir dir;
  dir.addSampleData();
  // Front page: edition "I", down to "4a" (run as "T" with the Iceland flag), F3, then the value
  // "5a" typed into the value field.
  const auto s = [&](const char* n) { return (dir / n).string(); };
  const auto r = test::runHeadless(dir, "I Down Down Down Down Down Down F3 state:" + s("t.json") +
                                            " V \"5a\" state:" + s("i.json"));
  ASSERT_EQ(r.status, 0);
  ASSERT_EQ(test::readDump(dir / "t.json")["screen"], "tc-register");
  EXPECT_TRUE(test::hasFields(
      test::readDump(dir / "i.json"),
      {{"screen", "register"}, {"edition", "I"}, {"value", "5a"}, {"printingTo", "9"}}));
}

TEST(TwoColourRegisterScreenGolden, FourSkillingBeforeAndAfterASearch) {
  test::ScratchDir dir;
  dir.addSampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  // Front page "T", down to "4s", F3; a search for the inverted frames.
  const auto r = test::runHeadless(dir, "T Down Down F3 shot:" + a("before.png") +
                                            " Down Down Down O Enter shot:" + a("after.png"));
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(test::matchesGolden(readPng(dir / "before.png").value(), "tc-register-T-4s"));
  EXPECT_TRUE(test::matchesGolden(readPng(dir / "after.png").value(), "tc-register-T-4s-O"));
  // Printing 3, which the data holds in the block "2-3" (a fresh start: no settings file).
  test::ScratchDir fresh;
  fresh.addSampleData();
  ASSERT_EQ(
      test::runHeadless(fresh, "T Down Down F3 Down \"3\" Enter state:" + a("pair.json")).status,
      0);
  nlohmann::json pair = test::readDump(dir / "pair.json");
  EXPECT_TRUE(test::hasFields(pair, {{"printing", "2"}, {"printingTo", "3"}}));
  EXPECT_TRUE(test::hasFields(pair["twoColour"],
                              {{"printingFound", true}, {"frameBlock", "5"}, {"layout", 2}}));
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
