// The two-coloured flaw screen over damaged or incomplete data: flaw numbers without records,
// a frame number without "." or with a setting outside the table, no printing order, no
// series index or limits, no frame flaw counts. Every step answers without a crash.
#include <gtest/gtest.h>

#include <string>

#include "app/platform_display.hpp"
#include "app/program_state.hpp"
#include "platform/headless/headless_platform.hpp"
#include "screens/twocolour/tc_flaw_screen.hpp"
#include "support/dat_section.hpp"
#include "support/no_settings.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::datSection;
using test::positionRecord;

using test::NoSettings;

std::string frameRecord(const std::string& position, const std::string& flaw) {
  std::string r = position;
  r.resize(6, ' ');
  return r + "  3   " + flaw;
}

// "4s" with an oval flaw "7" at position 1 and frames "99.1", "7" and "18.3" at 1, 2 and 3;
// the editor's keys come from the script.
class Rig {
 public:
  explicit Rig(const std::string& script)
      : data(test::DataBuilder()
                 .add("T4SDAT", datSection({"F1", "T1", "R1", positionRecord("1", "2", "7"), "^F"}))
                 .add("TRAMDAT", datSection({"E1", frameRecord("1", "99.1"), frameRecord("2", "7"),
                                             frameRecord("3", "18.3"), "^F"}))
                 .file()),
        screen(&data),
        platform(parseKeyScript(script, nullptr).value()),
        display(screen, platform) {
    display.ensureWindow(2);
    screen.setUpFonts();
    state.selection.restore("T", false, "4s", {"1", "1"}, "1");
    state.frames = FrameData(data, data.findSection("TRAMDAT"));
  }
  void press(int code) {
    if (!page.handleKey(extendedKey(code))) page.draw();
  }
  void press(const char* key) {
    if (!page.handleKey(key)) page.draw();
  }

  DataFile data;
  ProgramState state;
  Screen screen;
  HeadlessPlatform platform;
  PlatformDisplay display;
  NoSettings settings;
  Session session{state, data, display, settings};
  TwoColourFlawScreen page{session, state.tcFlaws};
};

TEST(TwoColourFlawScreenBadData, StepsAndEntriesOverMissingRecords) {
  Rig rig("Enter Enter");
  rig.page.enter();
  rig.page.draw();
  const TwoColourFlawsState& f = rig.state.tcFlaws;
  EXPECT_EQ(f.ovalFlawNumber, "7");
  EXPECT_FALSE(f.ovalFound);
  EXPECT_EQ(f.frameFlawNumber, "99.1");  // no such setting: its record is missing
  EXPECT_FALSE(f.frameFound);
  EXPECT_TRUE(f.printingOrder.empty());  // no "TTRYK"
  rig.press(scan::kRight);
  EXPECT_EQ(f.frameFlawNumber, "7");  // no "."
  EXPECT_EQ(rig.state.selection.period(), "");
  rig.press(scan::kRight);
  EXPECT_EQ(f.frameFlawNumber, "5.3");
  EXPECT_EQ(rig.state.selection.period(), "2");
  rig.press("R");  // Enter keeps "5.3"
  EXPECT_EQ(f.mode, FlawViewMode::Frame);
  rig.press(scan::kRight);  // no counts: setting 5 has no flaws
  EXPECT_EQ(rig.state.message.number, 4);
  EXPECT_EQ(f.frameFlawNumber, "5.3");
  rig.press("P");
  EXPECT_EQ(rig.state.selection.period(), "1");
  rig.press("O");  // Enter keeps the offered number
  EXPECT_EQ(f.mode, FlawViewMode::Oval);
  rig.press(scan::kRight);  // no series limits: series 1 has no flaws
  EXPECT_EQ(rig.state.message.number, 3);
  rig.press(scan::kDown);
  EXPECT_EQ(rig.state.message.number, 1);
  EXPECT_EQ(rig.page.handleKey(extendedKey(scan::kF7)), ScreenCode::Composites);
  EXPECT_EQ(rig.state.selection.twoColourHandOver().ovalComposite, "7");
  EXPECT_TRUE(rig.state.selection.twoColourHandOver().resetComposite);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
