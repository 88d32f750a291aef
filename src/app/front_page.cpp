#include "app/front_page.hpp"

#include <array>
#include <cmath>
#include <string>

#include "app/edition_settings.hpp"
#include "app/edition_title.hpp"
#include "app/settings_file.hpp"
#include "app/stamp_colour.hpp"
#include "app/value_chain.hpp"
#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "ui/info_viewer.hpp"
#include "ui/run_length_picture.hpp"

namespace kolvard {
namespace {

struct PicturePlace {
  int left;
  int top;
};

int roundedQuarter(int zoom, int units) {
  return static_cast<int>(std::lround(zoom * units / 4.0));
}

// The top-left pixel of an edition's value picture.
PicturePlace valuePicturePlace(std::string_view edition, int zoom) {
  switch (edition.empty() ? ' ' : edition[0]) {
    case 'C':
      return {zoom * 29 / 2, roundedQuarter(zoom, 127)};
    case 'P':
    case 'L':
      return {zoom * 35 / 2, roundedQuarter(zoom, 139)};
    case 'A':
      return {zoom * 35 / 2, roundedQuarter(zoom, 79)};
    default:
      return {zoom * 47 / 2, roundedQuarter(zoom, 103)};
  }
}

struct MenuLine {
  const char* caption;  // UTF-8
  double boxX, boxY;
  const char* label;  // UTF-8
  double labelX, labelY;
};

constexpr std::array<MenuLine, 9> kEditionMenu = {{
    {"C", 436, 110, "Kvadrater. 3 & 4 cents", 475, 110},
    {"P", 436, 127, "1854 udgaven (punkter)", 475, 127},
    {"L", 436, 144, "1858 udgaven (kun 4 sk.)", 475, 144},
    {"A", 436, 161, "1864 udgaven", 475, 161},
    {"T", 436, 178, "Tofarvet udgave", 475, 178},
    {"V", 436, 195, "Våbentypen", 475, 195},
    {"M", 436, 212, "Tjenestefrimærker", 475, 212},
    {"I", 436, 229, "Island. Ovaltypen", 475, 229},
    {"J", 436, 246, "Island. Tjenestemærker", 475, 246},
}};

void drawMenu(Screen& screen) {
  const GlyphStyle label{Font::C, kFromLeft, 1, 3, colour::kWhite};
  for (const MenuLine& line : kEditionMenu) {
    screen.drawKeyBox(line.caption, line.boxX, line.boxY, 2);
    screen.drawGlyphText(cp(line.label), line.labelX, line.labelY, label);
  }
  screen.drawKeyBox(std::string(1, cp865::kUpArrow), 454, 272, 2);
  screen.drawKeyBox(std::string(1, cp865::kDownArrow), 484, 272, 2);
  screen.drawGlyphText(cp("Skift værdi"), 520, 272, label);
  screen.drawWideKeyBox("Enter", 454, 298, 1);
  screen.drawGlyphText("Start Kolvard", 504, 298, label);
  screen.drawKeyBox("F1", 436, 324, 2);
  screen.drawGlyphText("Information om Kolvard", 475, 324, label);
  screen.drawKeyBox("F2", 436, 341, 2);
  screen.drawGlyphText("Om den aktuelle udgave", 475, 341, label);
  screen.drawKeyBox("Esc", 482, 367, 1);
  screen.drawGlyphText("Afslut", 518, 367, label);
  const GlyphStyle zoomLabel{Font::B, kToRight, 1, 3, colour::kWhite};
  screen.drawKeyBox("1", 472, 393, 2);
  screen.drawGlyphText("640 x 480", 560, 392, zoomLabel);
  screen.drawKeyBox("2", 472, 408, 2);
  screen.drawGlyphText("960 x 720", 560, 407, zoomLabel);
  screen.drawKeyBox("3", 472, 423, 2);
  screen.drawGlyphText("1280 x 960", 560, 422, zoomLabel);
  const std::string banner = std::string("KOLVARD Version ") + kVersionText;
  screen.drawGlyphText(banner.substr(8), 516, 448,
                       GlyphStyle{Font::B, kCentred, 1, 3, colour::kWhite});
}

void drawLogo(Session& session) {
  Screen& screen = session.screen();
  const SectionRef ref = session.data.findSection("KOLVARD");
  if (!ref.found() || ref.start == 0) return;
  const auto& rows = screen.pictures().get(session.data.sectionBytes(ref), ref.start, kLogoRows);
  renderLogo(rows, screen.zoom(), roundedQuarter(screen.zoom(), 18),
             [&screen](int y, int x0, int x1) { screen.hspan(y, x0, x1, colour::kWhite); });
}

// A value picture that cannot be found means the settings name a value the data does not
// know: start again from the two-coloured defaults.
void recoverDamagedSettings(Session& session) {
  deleteSettingsFile(session.settingsPaths);
  resetToTwoColourDefaults(session.state);
  const int zoom = session.screen().zoom();
  const PicturePlace place = valuePicturePlace("T", zoom);
  drawPictureSection(session, "THGR2", "T", place.left, place.top, 8);
  drawPictureSection(session, "T2S", "T", place.left, place.top, 9);
}

}  // namespace

int drawPictureSection(Session& session, std::string_view name, std::string_view edition, int left,
                       int top, int colour) {
  const SectionRef ref = session.data.findSection(name);
  if (!ref.found() || ref.start == 0) return ref.status;
  Screen& screen = session.screen();
  const PictureRowsRule rule = pictureRowsFor(edition);
  const auto& rows = screen.pictures().get(session.data.sectionBytes(ref), ref.start, rule.rows);
  renderPicture(rows, screen.zoom(), left, top,
                [&screen, colour](int y, int x0, int x1) { screen.hspan(y, x0, x1, colour); });
  return ref.status;
}

void drawFrontPage(Session& session) {
  ProgramState& state = session.state;
  Screen& screen = session.screen();
  const int zoom = screen.zoom();
  screen.setTextColour(colour::kDarkGrey);
  screen.fillBox(31, 31, 389, 449, colour::kWhite);
  if (!state.frontPageDrawn) {
    screen.clear();
    screen.fillBox(0, 0, 30, 480, colour::kDarkGrey);
    screen.fillBox(390, 0, 640, 480, colour::kDarkGrey);
    screen.fillBox(30, 0, 390, 30, colour::kDarkGrey);
    screen.fillBox(30, 450, 390, 480, colour::kDarkGrey);
  }
  const std::string edition = state.edition();
  const std::string value = state.value();
  const StampColours colours =
      stampColoursFor(edition, value, printingSelectorNumber(state.settings.printing));
  const PicturePlace place = valuePicturePlace(edition, zoom);
  if (edition == "T") {
    const char* first = isIcelandOvalValue(value) ? "TIRAM"
                        : value == "48s"          ? "THGR1"
                        : value == cp("5ø")       ? "THGR4"
                                                  : "THGR2";
    drawPictureSection(session, first, "T", place.left, place.top, colours.first);
  }
  const int status = drawPictureSection(session, asciiUpper(edition + value), edition, place.left,
                                        place.top, colours.value);
  if (status != kSectionFound) recoverDamagedSettings(session);
  if (state.frontPageDrawn) return;
  drawLogo(session);
  drawMenu(screen);
  state.frontPageDrawn = true;
}

FrontPageAction handleFrontPageKey(Session& session, const KeyString& rawKey) {
  ProgramState& state = session.state;
  state.openSheetsPending = false;
  state.reg.keyReadOnFrontPageSinceEmptied = true;
  KeyString key = upperKey(rawKey);
  if (isExtended(key, scan::kUp)) key = ordinaryKey(24);
  if (isExtended(key, scan::kDown)) key = ordinaryKey(25);

  if (key.size() == 1) {
    const char c = key[0];
    if (c == 24 || c == 25) {
      const EditionValue before{state.settings.edition, state.settings.value, state.icelandFlag};
      const EditionValue after = stepValue(key, before);
      if (after.value != before.value || after.edition != before.edition) {
        if (after.edition != before.edition) {
          state.editionSelector = editionLevelSelectorFor(after.edition);
        }
        state.settings.edition = after.edition;
        state.settings.value = after.value;
        state.icelandFlag = after.icelandFlag;
        state.settings.printing = "1";
        state.settings.secondSelector = "1";
      }
      return FrontPageAction::NextCycle;
    }
    if (std::string_view("CPLATVMIJ").find(c) != std::string_view::npos) {
      loadSettings(state, std::string(1, c), session.settingsPaths);
      return FrontPageAction::NextCycle;
    }
    if (c >= '1' && c <= '5') {
      static constexpr std::array<int, 5> kZooms = {2, 3, 4, 6, 8};
      state.zoom = kZooms[static_cast<std::size_t>(c - '1')];
      state.frontPageDrawn = false;
      return FrontPageAction::NextCycle;
    }
    if (c == static_cast<char>(kEnterCode)) {
      state.openSheetsPending = true;
      return FrontPageAction::NextCycle;
    }
    if (c == static_cast<char>(kEscCode)) {
      saveSettings(state, session.settingsPaths);
      return FrontPageAction::Quit;
    }
    return FrontPageAction::NextCycle;
  }
  const auto open = [&state](ScreenCode code) {
    state.nextScreen = code;
    return FrontPageAction::OpenScreen;
  };
  if (isExtended(key, scan::kF1) || isExtended(key, scan::kF2)) {
    const bool general = isExtended(key, scan::kF1);
    state.screenName = "viewer";
    showInformation(session.screen(), session.display, session.data,
                    general ? state.sections.generalInfo : state.sections.editionInfo,
                    general ? ViewerMode::General : ViewerMode::Edition, state.viewer);
    state.screenName = "front";
    state.frontPageDrawn = false;
    return FrontPageAction::NextCycle;
  }
  if (isExtended(key, scan::kF3)) return open(ScreenCode::Register);
  if (isExtended(key, scan::kF5)) return open(ScreenCode::Sheets);
  if (isExtended(key, scan::kF6)) return open(ScreenCode::Flaws);
  if (isExtended(key, scan::kF7)) return open(ScreenCode::Composites);
  if (isExtended(key, scan::kF8)) return open(ScreenCode::Types);
  return FrontPageAction::NextCycle;
}

FrontPageAction runFrontPage(Session& session) {
  session.state.screenName = "front";
  drawFrontPage(session);
  for (;;) {
    const KeyString key = session.display.waitKey();
    // "R" is recognised but cannot be chosen: a beep and nothing else.
    if (upperKey(key) == "R") {
      session.display.beep();
      continue;
    }
    return handleFrontPageKey(session, key);
  }
}

}  // namespace kolvard
