#include "screens/types/type_screen.hpp"

#include <algorithm>
#include <string>
#include <string_view>

#include "data/cp865.hpp"
#include "screens/common/cliche_panel.hpp"
#include "screens/common/key_panel.hpp"
#include "screens/common/screen_keys.hpp"
#include "screens/common/screen_text.hpp"
#include "screens/types/watermark_page.hpp"

namespace kolvard {
namespace {

constexpr double kCellWidth = 198, kCellHeight = 212;
constexpr double kGridLeft = 23, kGridTop = 23;
constexpr double kBottomLine = 468;

bool isPagingKey(const KeyString& key) {
  for (const int code : {scan::kHome, scan::kEnd, scan::kUp, scan::kLeft, scan::kPgUp, scan::kDown,
                         scan::kRight, scan::kPgDn}) {
    if (isExtended(key, code)) return true;
  }
  return false;
}

void lineText(Screen& screen, std::string_view text, double x, double y, int mode) {
  drawText(screen, text, x, y, Font::C, mode, 1, 3, colour::kBlack);
}

// Clears the window and draws the grid lines.
void drawGrid(Screen& screen) {
  screen.setBackColour(colour::kWhite);
  screen.clear();
  for (int i = 0; i < 3; ++i) {
    const double y = kGridTop + kCellHeight * i;
    screen.line(kGridLeft, y, 618, y, colour::kBlack);
  }
  for (int i = 0; i < 4; ++i) {
    const double x = kGridLeft + kCellWidth * i;
    screen.line(x, kGridTop, x, 447, colour::kBlack);
  }
}

// "Esc Retur", "V Ny værdi", "W Vandmærker", and the paging arrows where the index can move.
void drawBottomLine(Screen& screen, int index, int lastIndex) {
  drawKeyCap(screen, "Esc", 23, kBottomLine);
  lineText(screen, "Retur", 58, kBottomLine, kFromLeft);
  drawKeyCap(screen, "V", 120, kBottomLine);
  lineText(screen, cp("Ny værdi"), 155, kBottomLine, kFromLeft);
  drawKeyCap(screen, "W", 390, kBottomLine);
  lineText(screen, cp("Vandmærker"), 425, kBottomLine, kFromLeft);
  if (index > 0) {
    lineText(screen, std::string(1, cp865::kUpArrow) + "  PgUp", 526, kBottomLine, kFromLeft);
  }
  if (index < lastIndex) {
    lineText(screen, std::string(1, cp865::kDownArrow) + "  PgDn", 576, kBottomLine, kFromLeft);
  }
}

}  // namespace

void TypeScreen::enter() {
  const Selection& s = session_.state.selection;
  TypePagePlace& at = place();
  types_.caller = session_.state.openedFrom;
  edition_ = variant_.sectionEdition(s);
  const SectionRef ref = session_.data.findSection(edition_ + "TYPER");
  pages_ = ref.found() ? TypePages(session_.data.sectionBytes(ref), edition_, variant_.form)
                       : TypePages();
  const bool editionChanged = at.edition != edition_;
  if (editionChanged) {
    at.edition = edition_;
    at.index = 0;
  }
  types_.lastIndex = variant_.lastIndexOnEntry(
      pages_, edition_, editionChanged ? std::nullopt : std::optional<int>(types_.lastIndex));
  // The index is shared by the type screens: another value starts again at the first page.
  if (at.value != s.value()) {
    at.value = s.value();
    at.index = 0;
  }
  int found = pages_.findValue(s.value(), at.index);
  if (found < 0) {
    if (variant_.endMetOnFirstMiss) types_.lastIndex = pages_.lastPage();
    // The index may have been left on the page of a later value.
    found = pages_.findValue(s.value(), 0);
  }
  if (found < 0) {
    at.index = 0;
    session_.display.beep();
    leave_ = ScreenCode::FrontPage;
    return;
  }
  at.index = found;
  drawnIndex_.reset();
}

const TypeDrawing& TypeScreen::drawingOf(const std::string& key) {
  auto [it, inserted] = drawings_.try_emplace(key);
  if (inserted) it->second = variant_.readDrawing(session_.data, key);
  return it->second;
}

bool TypeScreen::drawCell(const TypePage& page, std::size_t cell, int colour) {
  const std::string& type = page.types[cell];
  if (type.empty()) return !variant_.gapEndsPage;
  const double c = static_cast<double>(cell % 3), r = static_cast<double>(cell / 3);
  const double panelX = kCellWidth * c + 32, baseY = 20 + kCellHeight * r;
  const TypeDrawing& drawing = drawingOf(variant_.recordKey(edition_, page.value, type));
  if (drawing.found) {
    const double left = kGridLeft + kCellWidth * c, top = kGridTop + kCellHeight * r;
    const ClicheClip clip{screen_.px(left) + 1, screen_.px(top) + 1, screen_.px(left + kCellWidth),
                          screen_.px(top + kCellHeight)};
    const ClichePicturePlace place{panelX + 8, 27 + kCellHeight * r, clip};
    if (drawing.hasPicture) drawClichePictureAt(screen_, drawing.rows, place, colour);
    variant_.drawDescription(screen_, drawing.description, panelX, baseY, place);
  } else if (variant_.missingText != nullptr) {
    // Said in the cell whose type is missing, in the middle of its picture's place.
    drawText(screen_, variant_.missingText, panelX + 89, 140 + kCellHeight * r, Font::C, kCentred,
             1, 3, colour::kRed);
    return false;
  }
  types_.labels[cell] = variant_.label(page, type);
  lineText(screen_, types_.labels[cell], kCellWidth * c + 122, 229 + kCellHeight * r, kCentred);
  return true;
}

void TypeScreen::drawSideTexts(const TypePage& page) {
  if (page.page != 1) return;
  for (const TypeSideText& side : pages_.sideTextsOf(page.value)) {
    lineText(screen_, side.text, 432, side.y, kFromLeft);
  }
}

void TypeScreen::draw() {
  const int index = place().index;
  if (drawnIndex_ == index) return;
  const TypePage& page = pages_.page(index);
  drawGrid(screen_);
  drawBottomLine(screen_, index, types_.lastIndex);
  lineText(screen_, variant_.heading(page, session_, edition_), 24, 16, kFromLeft);
  lineText(screen_, variant_.pageText(page.page, page.pages), 616, 16, kToRight);
  const int colour = variant_.colour(page, session_.state.selection, edition_);
  types_.labels.assign(kTypeCellsPerPage, std::string());
  for (std::size_t cell = 0; cell < kTypeCellsPerPage; ++cell) {
    if (!drawCell(page, cell, colour)) break;
  }
  drawSideTexts(page);
  types_.shownValue = page.value;
  types_.page = page.page;
  types_.pages = page.pages;
  drawnIndex_ = index;
}

void TypeScreen::step(const KeyString& key) {
  int& index = place().index;
  if (isExtended(key, scan::kHome)) {
    index = 0;
  } else if (isExtended(key, scan::kEnd)) {
    index = types_.lastIndex;
  } else if (isExtended(key, scan::kUp) || isExtended(key, scan::kLeft) ||
             isExtended(key, scan::kPgUp)) {
    index = std::max(0, pages_.previousPage(index));
  } else if (index >= types_.lastIndex) {
    if (variant_.beepsAtLastIndex) session_.display.beep();
  } else {
    const int next = pages_.nextPage(index);
    index = next >= 0 ? next : pages_.endIndex();
  }
}

void TypeScreen::chooseValue(bool frames) {
  drawnIndex_.reset();
  const std::optional<std::string> value = variant_.askValue(session_, types_.shownValue, frames);
  if (!value) return;
  const int found = pages_.findValue(*value, 0);
  if (found < 0) {
    // The search ran to the end record.
    types_.lastIndex = pages_.lastPage();
    session_.display.beep();
    return;
  }
  place().index = found;
}

void TypeScreen::checkIndex() {
  int& index = place().index;
  if (pages_.isPage(index)) return;
  types_.lastIndex = pages_.lastPage();
  index = std::max(0, types_.lastIndex);
  session_.display.beep();
}

KeyResult TypeScreen::handleKey(const KeyString& rawKey) {
  const KeyString key = upperKey(rawKey);
  if (key == ordinaryKey(kEscCode)) return types_.caller;
  // The code the screen was opened with, which leads to the front page.
  if (key == ordinaryKey(kEnterCode)) return ScreenCode::FrontPage;
  if (isPagingKey(key)) {
    step(key);
  } else if (key == "V" || key == "R") {
    chooseValue(key == "R");
  } else if (key == "K") {
    drawnIndex_.reset();
  } else if (key == "W") {
    runWatermarkPage(session_, variant_.watermark);
    return types_.caller;
  } else if (showInformationFor(session_, key)) {
    drawnIndex_.reset();
  } else if (isExtended(key, scan::kF8)) {
    session_.display.beep();
  } else if (const KeyResult next = leavingKey(key)) {
    return next;
  } else {
    session_.display.beep();
  }
  checkIndex();
  return kStay;
}

}  // namespace kolvard
