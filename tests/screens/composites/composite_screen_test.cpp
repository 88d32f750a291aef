// The composite-cliché screen in a session over small data files built here: the keys that
// walk composites, series and sets, the series and value entries, leaving, and damaged
// composite sections.
#include "screens/composites/composite_screen.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/platform_display.hpp"
#include "app/program_state.hpp"
#include "data/cp865.hpp"
#include "platform/headless/headless_platform.hpp"
#include "support/data_builder.hpp"
#include "support/no_settings.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using Runs = std::vector<std::pair<int, int>>;

// A composite section: the count byte, then the rows (columns below 255).
std::string compositeSection(int count, const std::vector<Runs>& rows) {
  std::string bytes(1, static_cast<char>(count));
  for (const Runs& row : rows) {
    bytes += static_cast<char>(2 * row.size());
    for (const auto& [a, b] : row) {
      bytes += static_cast<char>(a);
      bytes += static_cast<char>(b);
    }
  }
  return bytes;
}

// Series limits: the number of series, then the highest running number of series 1..20.
std::string seriesLimits(int count) {
  std::string bytes;
  for (int i = 0; i < 21; ++i) {
    const int v = i == 0 ? count : 10;
    bytes += static_cast<char>(v & 0xFF);
    bytes += static_cast<char>(v >> 8);
  }
  return bytes;
}

// The series index record of one series of a value: value, series, first and last printing.
std::string seriesRecord(const std::string& value, int series, int first, int last) {
  std::string record;
  for (const std::string& field :
       {value, std::to_string(series), std::to_string(first), std::to_string(last)}) {
    record += field + std::string(4 - field.size(), ' ');
  }
  return record;
}

using test::NoSettings;

// A session over the data at zoom 3 with the selection given; the keys a line editor reads
// come from `editorKeys`.
class Rig {
 public:
  Rig(const test::DataBuilder& builder, const std::string& edition, const std::string& value,
      const std::string& printing, const std::string& editorKeys = "")
      : data(builder.file()),
        screen(&data),
        platform(parseKeyScript(editorKeys, nullptr).value()),
        display(screen, platform) {
    display.ensureWindow(3);
    state.selection.restore(edition, false, value, {printing, printing}, "B17");
    state.selection.setPeriod("2");
    state.sections.series = data.findSection(edition + "CSERIER");
  }

  // Enters the screen and draws it.
  void open() {
    page.enter();
    page.draw();
  }
  KeyResult press(const KeyString& key) {
    state.message = {};
    const KeyResult next = page.handleKey(key);
    if (!next) page.draw();
    return next;
  }
  KeyResult press(int scanCode) { return press(extendedKey(scanCode)); }
  Rgb pixel(double x, double y) const {
    return screen.framebuffer().at(screen.px(x), screen.px(y));
  }
  Rgb white() const { return screen.palette()[colour::kWhite]; }

  DataFile data;
  ProgramState state;
  Screen screen;
  HeadlessPlatform platform;
  PlatformDisplay display;
  NoSettings settings;
  Session session{state, data, display, settings};
  CompositeScreen page{session, state.composites};
  const CompositesState& composites = state.composites;
};

// "A4s" with series 0 to 3, 20 composites in series 1 (only composite 1 has a section), two
// in series 2 and five cliché types.
test::DataBuilder a4s() {
  test::DataBuilder b;
  b.add("A4s0", seriesLimits(3));
  b.add("ACSERIER", seriesRecord("4s", 1, 1, 4) + seriesRecord("4s", 2, 5, 6) + "*");
  b.add("AF4s0-1", compositeSection(3, {{{10, 20}}}));
  b.add("AF4s1-1", compositeSection(20, {{{10, 20}}}));
  b.add("AF4s2-1", compositeSection(2, {{{10, 20}}}));
  b.add("AQ4s1-1", compositeSection(5, {{{10, 20}}}));
  return b;
}

// The steps themselves are the rules' tests; here: the keys reach them, with message 5 at the
// ends.
TEST(CompositeScreen, KeysWalkTheCompositesOfTheSeries) {
  Rig rig(a4s(), "A", "4s", "2");
  rig.open();
  EXPECT_EQ(rig.composites.series, 1);
  EXPECT_EQ(rig.composites.count, 20);
  const struct {
    int scan, to, message;
  } steps[] = {
      {scan::kLeft, 1, 5},  {scan::kPgDn, 7, 0},   {scan::kRight, 8, 0},
      {scan::kPgDn, 13, 0}, {scan::kPgUp, 7, 0},   {scan::kPgUp, 1, 0},
      {scan::kEnd, 20, 0},  {scan::kRight, 20, 5}, {scan::kHome, 1, 0},
  };
  for (const auto& step : steps) {
    rig.press(step.scan);
    EXPECT_EQ(rig.composites.composite, step.to) << "scan " << step.scan;
    EXPECT_EQ(rig.state.message.number, step.message) << "scan " << step.scan;
  }
  rig.press(scan::kLeft);
  EXPECT_EQ(messageText(5, rig.state.message.args), cp("Løbe nr. fra 1 til 20"));
}

TEST(CompositeScreen, SeriesStepsReachSeriesZeroOfA4s) {
  Rig rig(a4s(), "A", "4s", "5");  // printing 5 lies in series 2
  rig.open();
  EXPECT_EQ(rig.composites.series, 2);
  EXPECT_EQ(rig.composites.count, 2);
  rig.press(scan::kRight);
  rig.press(scan::kUp);
  EXPECT_EQ(rig.composites.series, 1);
  EXPECT_EQ(rig.composites.composite, 1);
  rig.press(scan::kUp);
  EXPECT_EQ(rig.composites.series, 0);
  EXPECT_EQ(rig.composites.count, 3);
  rig.press(scan::kUp);
  EXPECT_EQ(rig.composites.series, 0);
  EXPECT_EQ(messageText(1, rig.state.message.args), "Serie nr. fra 0 til 6");
  for (int i = 0; i < 4; ++i) rig.press(scan::kDown);
  EXPECT_EQ(rig.composites.series, 3);
  EXPECT_EQ(rig.state.message.number, 1);
}

TEST(CompositeScreen, SetsKeepTheirPlaces) {
  Rig rig(a4s(), "A", "4s", "1");
  rig.open();
  rig.press(scan::kRight);
  rig.press(scan::kRight);
  rig.press(ordinaryKey('m'));
  EXPECT_EQ(rig.composites.set, CompositeSet::ClicheTypes);
  EXPECT_EQ(rig.composites.composite, 1);
  EXPECT_EQ(rig.composites.count, 5);
  rig.press(scan::kRight);
  rig.press(scan::kDown);  // no series among the types
  EXPECT_EQ(rig.composites.series, 1);
  EXPECT_EQ(rig.state.message.number, 0);
  rig.press(ordinaryKey('C'));
  EXPECT_EQ(rig.composites.set, CompositeSet::Composites);
  EXPECT_EQ(rig.composites.composite, 3);
  EXPECT_EQ(rig.composites.count, 20);
  rig.press(ordinaryKey('M'));
  EXPECT_EQ(rig.composites.composite, 2);

  // Values without cliché types have no "M".
  test::DataBuilder b;
  b.add("AF3s1-1", compositeSection(4, {}));
  Rig three(b, "A", "3s", "1");
  three.open();
  three.press(ordinaryKey('M'));
  EXPECT_EQ(three.composites.set, CompositeSet::Composites);
}

TEST(CompositeScreen, CodesOfHighComposites) {
  // 48 composites, sections only for 10, 36 and 48 (codes "A", "0", "-") besides the first.
  test::DataBuilder b;
  b.add(cp("VF5ø1-1"), compositeSection(48, {}));
  b.add(cp("VF5ø1-A"), compositeSection(0, {}));
  b.add(cp("VF5ø1-0"), compositeSection(0, {}));
  b.add(cp("VF5ø1--"), compositeSection(0, {}));
  Rig rig(b, "V", cp("5ø"), "1");
  rig.open();
  const auto foundAt = [&](int n) {
    rig.press(scan::kHome);
    for (int i = 1; i < n; ++i) rig.press(scan::kRight);
    EXPECT_EQ(rig.composites.composite, n);
    return rig.composites.found;
  };
  EXPECT_TRUE(foundAt(10));
  EXPECT_FALSE(foundAt(11));
  EXPECT_TRUE(foundAt(36));
  EXPECT_FALSE(foundAt(37));
  EXPECT_TRUE(foundAt(48));
}

TEST(CompositeScreen, V10oHasThreeSeriesAndRefusesSeriesTwo) {
  test::DataBuilder b;
  b.add(cp("V10ø0"), seriesLimits(1));
  b.add(cp("VF10ø1-1"), compositeSection(6, {}));
  b.add(cp("VF10ø3-1"), compositeSection(12, {}));
  Rig rig(b, "V", cp("10ø"), "1", "\"2\" Enter \"3\" Enter Esc");
  rig.open();
  EXPECT_EQ(rig.composites.seriesCount, 3);
  rig.press(scan::kRight);
  rig.press(ordinaryKey('S'));  // "2": refused
  EXPECT_EQ(rig.composites.series, 1);
  EXPECT_EQ(rig.composites.composite, 1);
  EXPECT_EQ(messageText(1, rig.state.message.args), "Serie nr. fra 1 til 3");
  rig.press(ordinaryKey('s'));  // "3"
  EXPECT_EQ(rig.composites.series, 3);
  EXPECT_EQ(rig.composites.count, 12);
  EXPECT_EQ(rig.composites.typeName, "1B");
  rig.press(ordinaryKey('S'));  // Esc: nothing changes
  EXPECT_EQ(rig.composites.series, 3);
}

TEST(CompositeScreen, LeavingRestoresThePrintingUnlessTheValueChanged) {
  // A refused value: printing, position and period come back on leaving.
  {
    Rig rig(a4s(), "A", "4s", "5", "\"9s\" Enter");
    rig.open();
    rig.press(ordinaryKey('V'));
    EXPECT_EQ(rig.state.message.number, 6);
    EXPECT_EQ(rig.state.selection.printing(), "1");
    rig.state.selection.setPeriod("1");
    EXPECT_EQ(rig.press(scan::kF6).value_or(ScreenCode::End), ScreenCode::Flaws);
    EXPECT_EQ(rig.state.selection.value(), "4s");
    EXPECT_EQ(rig.state.selection.printing(), "5");
    EXPECT_EQ(rig.state.selection.printings().to, "5");
    EXPECT_EQ(rig.state.selection.position(), "B17");
    EXPECT_EQ(rig.state.selection.period(), "2");
  }
  // A new value is kept with its first printing.
  {
    test::DataBuilder b = a4s();
    b.add("AF2s1-1", compositeSection(4, {}));
    Rig rig(b, "A", "4s", "5", "\"2s\" Enter");
    rig.open();
    rig.press(scan::kRight);
    rig.press(ordinaryKey('V'));
    EXPECT_EQ(rig.composites.series, 1);
    EXPECT_EQ(rig.composites.composite, 1);
    EXPECT_EQ(rig.composites.count, 4);
    EXPECT_EQ(rig.press(ordinaryKey(kEscCode)).value_or(ScreenCode::End), ScreenCode::FrontPage);
    EXPECT_EQ(rig.state.selection.value(), "2s");
    EXPECT_EQ(rig.state.selection.printing(), "1");
    EXPECT_EQ(rig.state.selection.position(), "1");
  }
}

TEST(CompositeScreen, IcelandOvalValuesLeaveForTheTwoColouredScreens) {
  test::DataBuilder b;
  b.add("IF3s1-1", compositeSection(4, {}));
  Rig rig(b, "I", "3s", "1", "\"4a\" Enter");
  rig.state.selection.setEdition("I", true);
  rig.open();
  EXPECT_EQ(rig.press(ordinaryKey('V')).value_or(ScreenCode::End), ScreenCode::Composites);
  EXPECT_EQ(rig.state.selection.edition(), "T");
  EXPECT_EQ(rig.state.selection.value(), "4a");
  EXPECT_EQ(rig.state.selection.printing(), "1");  // a new value: nothing is given back
}

TEST(CompositeScreen, DamagedSectionsAreDrawnAsFarAsTheyGo) {
  // Composite 1: on every row a run from 0 to 965 (bytes 255 move the row's columns on), far
  // past the picture area; composite 2: a count byte promising more run data than the
  // section holds; composite 3 is missing.
  std::string first(1, 3);
  for (int row = 0; row < 400; ++row) first += std::string("\x05\x00\xff\xff\xff\xc8", 6);
  std::string cut = compositeSection(0, {{{10, 200}}});
  cut += static_cast<char>(200);  // a row of 200 bytes with two of them left
  cut += "\x0a\x14";
  test::DataBuilder b;
  b.add(cp("VF5ø1-1"), first);
  b.add(cp("VF5ø1-2"), cut);
  Rig rig(b, "V", cp("5ø"), "1");
  rig.open();
  const Rgb white = rig.white();
  EXPECT_NE(rig.pixel(300, 20), white);  // inside the area: drawn
  EXPECT_EQ(rig.pixel(425, 20), white);  // the runs stop at the area's edge
  rig.press(scan::kRight);
  EXPECT_TRUE(rig.composites.found);
  EXPECT_EQ(rig.pixel(300, 20), white);  // the rows of the first picture are cleared
  rig.press(scan::kRight);
  EXPECT_FALSE(rig.composites.found);
  for (double y : {1.0, 100.0, 300.0, 479.0}) EXPECT_EQ(rig.pixel(200, y), white) << y;

  // A count byte of 0: composite 1 is shown, and the steps say there is nothing beyond.
  test::DataBuilder zero;
  zero.add(cp("VF5ø1-1"), compositeSection(0, {{{10, 20}}}));
  Rig none(zero, "V", cp("5ø"), "1");
  none.open();
  EXPECT_EQ(none.composites.count, 0);
  EXPECT_EQ(none.composites.composite, 1);
  none.press(scan::kRight);
  EXPECT_EQ(none.composites.composite, 1);
  EXPECT_EQ(none.state.message.number, 5);
  none.press(scan::kEnd);
  EXPECT_EQ(none.composites.composite, 1);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
