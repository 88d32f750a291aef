#include "screens/front/front_page.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/edition.hpp"
#include "domain/edition_names.hpp"
#include "domain/value_chain.hpp"
#include "domain/value_tables.hpp"
#include "domain/version.hpp"
#include "screens/common/picture_section.hpp"
#include "screens/common/screen_keys.hpp"
#include "ui/run_length_picture.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

struct PicturePlace {
  int left;
  int top;
};

int roundedQuarter(int zoom, int units) {
  return static_cast<int>(std::lround(zoom * units / 4.0));
}

// The white panel of the value pictures, in units: the box (31, 31)-(389, 449).
constexpr double kPanelLeft = 31, kPanelTop = 31, kPanelRight = 389, kPanelBottom = 449;

}  // namespace

PixelBox valuePicturePanel(const Screen& screen) {
  const auto farEdge = [&screen](double units) {
    return static_cast<int>(std::lround(units * screen.zoom() / 2.0 + 1));
  };
  return {screen.px(kPanelLeft), screen.px(kPanelTop), farEdge(kPanelRight), farEdge(kPanelBottom)};
}

namespace {

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

void drawMenu(Screen& screen) {
  const GlyphStyle label{Font::C, kFromLeft, 1, 3, colour::kWhite};
  for (std::size_t i = 0; i < kMenuEditions.size(); ++i) {
    const std::string edition(1, kMenuEditions[i]);
    const double y = 110 + 17.0 * static_cast<double>(i);
    screen.drawKeyBox(edition, 436, y, 2);
    screen.drawGlyphText(editionMenuText(edition), 475, y, label);
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
  // "Version 7.03": the banner without its first word.
  screen.drawGlyphText(versionBanner().substr(8), 516, 448,
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

// The stamp pictures of the current edition and value: for "T" the frame or centre first.
// Returns the lookup status of the value picture.
int drawStampPictures(Session& session) {
  const SharedState& state = session.state;
  Screen& screen = session.screen();
  const std::string edition = state.edition();
  const std::string value = state.value();
  const StampColours colours =
      stampColoursFor(edition, value, leadingNumber(state.selection.printing()));
  const PicturePlace place = valuePicturePlace(edition, screen.zoom());
  if (Edition(edition).isTwoColoured()) {
    const char* first = isIcelandOvalValue(value) ? "TIRAM"
                        : value == "48s"          ? "THGR1"
                        : value == cp("5ø")       ? "THGR4"
                                                  : "THGR2";
    drawPictureSection(session, first, "T", place.left, place.top, colours.first,
                       valuePicturePanel(screen));
  }
  return drawPictureSection(session, asciiUpper(edition + value), edition, place.left, place.top,
                            colours.value, valuePicturePanel(screen));
}

}  // namespace

void FrontPage::draw() {
  if (drawnThisCycle_) return;
  drawnThisCycle_ = true;
  SharedState& state = session_.state;
  Screen& screen = session_.screen();
  screen.setTextColour(colour::kDarkGrey);
  screen.fillBox(kPanelLeft, kPanelTop, kPanelRight, kPanelBottom, colour::kWhite);
  if (!front_.drawn) {
    screen.clear();
    screen.fillBox(0, 0, 30, 480, colour::kDarkGrey);
    screen.fillBox(390, 0, 640, 480, colour::kDarkGrey);
    screen.fillBox(30, 0, 390, 30, colour::kDarkGrey);
    screen.fillBox(30, 450, 390, 480, colour::kDarkGrey);
  }
  // A picture missing for a value the edition has is only missing from the data file, and the
  // panel stays empty; a value the edition does not have means the record is damaged: it goes
  // back to its edition's defaults, whose picture is shown.
  if (drawStampPictures(session_) != kSectionFound &&
      !editionHasValue(state.edition(), state.value())) {
    session_.settings.resetDamagedRecord();
    screen.fillBox(kPanelLeft, kPanelTop, kPanelRight, kPanelBottom, colour::kWhite);
    drawStampPictures(session_);
  }
  if (front_.drawn) return;
  drawLogo(session_);
  drawMenu(screen);
  front_.drawn = true;
}

KeyResult FrontPage::handleKey(const KeyString& rawKey) {
  SharedState& state = session_.state;
  // "R" is recognised but cannot be chosen: a beep and nothing else.
  if (upperKey(rawKey) == "R") {
    session_.display.beep();
    return kStay;
  }
  front_.openSheetsPending = false;
  state.keyReadOnFrontPage = true;
  KeyString key = upperKey(rawKey);
  if (isExtended(key, scan::kUp)) key = ordinaryKey(24);
  if (isExtended(key, scan::kDown)) key = ordinaryKey(25);

  if (key.size() == 1) {
    const char c = key[0];
    if (c == 24 || c == 25) {
      Selection& selection = state.selection;
      const EditionValue before{selection.edition(), selection.value(),
                                selection.iceland() ? 1 : 0};
      const EditionValue after = stepValue(key, before);
      if (after.value != before.value || after.edition != before.edition) {
        selection.setEdition(after.edition, after.icelandFlag == 1);
        selection.setValue(after.value);
      }
      return ScreenCode::FrontPage;
    }
    if (kMenuEditions.find(c) != std::string_view::npos) {
      session_.settings.loadEdition(std::string(1, c));
      return ScreenCode::FrontPage;
    }
    if (c >= '1' && c <= '5') {
      static constexpr std::array<int, 5> kZooms = {2, 3, 4, 6, 8};
      state.zoom = kZooms[static_cast<std::size_t>(c - '1')];
      front_.drawn = false;
      return ScreenCode::FrontPage;
    }
    if (c == static_cast<char>(kEnterCode)) {
      front_.openSheetsPending = true;
      return ScreenCode::FrontPage;
    }
    if (c == static_cast<char>(kEscCode)) {
      session_.settings.save();
      return ScreenCode::End;
    }
    return ScreenCode::FrontPage;
  }
  if (showInformationFor(session_, key)) {
    front_.drawn = false;
    return ScreenCode::FrontPage;
  }
  if (const KeyResult screen = leavingKey(key)) return screen;
  return ScreenCode::FrontPage;
}

}  // namespace kolvard
