#include "screens/types/tc_type_screen.hpp"

#include <algorithm>
#include <string>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/edition_names.hpp"
#include "domain/value_tables.hpp"
#include "domain/value_text.hpp"
#include "screens/common/cliche_panel.hpp"
#include "screens/common/flaw_description_items.hpp"
#include "screens/common/line_editor.hpp"
#include "screens/common/screen_keys.hpp"
#include "screens/common/screen_text.hpp"
#include "screens/types/type_page_frame.hpp"
#include "screens/types/watermark_page.hpp"

namespace kolvard {
namespace {

constexpr const char* kEdition = "T";
constexpr double kEditorOffset = 120;
constexpr int kFrameTypeColour = colour::kDarkGrey;

bool isPagingKey(const KeyString& key) {
  for (const int code : {scan::kHome, scan::kEnd, scan::kUp, scan::kLeft, scan::kPgUp, scan::kDown,
                         scan::kRight, scan::kPgDn}) {
    if (isExtended(key, code)) return true;
  }
  return false;
}

void headingText(Screen& screen, std::string_view text, double x, int mode) {
  drawText(screen, text, x, 16, Font::C, mode, 1, 3, colour::kBlack);
}

}  // namespace

void TcTypeScreen::enter() {
  const Selection& s = session_.state.selection;
  tc_.caller = session_.state.openedFrom;
  tc_.lastIndex = kTwoColourTypeLastIndex;
  const SectionRef ref = session_.data.findSection(std::string(kEdition) + "TYPER");
  pages_ = ref.found() ? TwoColourTypePages(session_.data.sectionBytes(ref)) : TwoColourTypePages();
  // The index is shared with the one-coloured type screen: another edition or value starts
  // again at the first page.
  if (types_.edition != kEdition || types_.value != s.value()) {
    types_.edition = kEdition;
    types_.value = s.value();
    types_.index = 0;
  }
  int found = pages_.findValue(s.value(), types_.index);
  if (found < 0) {
    metEnd();
    // Left on the page of a later value, the index would miss the value's own pages: look
    // again from the first page before giving up.
    found = pages_.findValue(s.value(), 0);
  }
  if (found < 0) {
    types_.index = 0;
    session_.display.beep();
    leave_ = ScreenCode::FrontPage;
    return;
  }
  types_.index = found;
  drawnIndex_ = -1;
}

const TcTypeScreen::TypeDrawing& TcTypeScreen::drawingOf(const std::string& key) {
  auto [it, inserted] = drawings_.try_emplace(key);
  if (inserted) {
    it->second.record = readFlawRecord(session_.data, key);
    if (it->second.record.hasPicture) {
      it->second.rows = decodeClichePicture(it->second.record.picture);
    }
  }
  return it->second;
}

void TcTypeScreen::drawHeading(const TypePage& page) {
  std::string heading;
  if (isFrameTypePage(page.value)) {
    heading = "Rammetyper i hovedgruppe " + page.value.substr(1, 1);
  } else {
    heading = cp("Ovaltyper på ") + valueText(page.value) +
              editionTitle(kEdition, 0, session_.state.caption);
  }
  headingText(screen_, heading, 24, kFromLeft);
  headingText(screen_, twoColourTypePageText(page.page, page.pages), 616, kToRight);
}

bool TcTypeScreen::drawCell(const TypePage& page, std::size_t cell, int colour) {
  const std::string& type = page.types[cell];
  const double c = static_cast<double>(cell % 3), r = static_cast<double>(cell / 3);
  const double panelX = kTypeCellWidth * c + 32, baseY = 20 + kTypeCellHeight * r;
  const TypeDrawing& drawing = drawingOf(twoColourTypeRecordKey(kEdition, page.value, type));
  if (!drawing.record.exists || !drawing.record.hasPicture) {
    // Said in the cell whose type is missing, in the middle of its picture's place.
    drawText(screen_, "( Type ikke fundet )", panelX + 89, 140 + kTypeCellHeight * r, Font::C,
             kCentred, 1, 3, colour::kRed);
    return false;
  }
  const double left = kTypeGridLeft + kTypeCellWidth * c, top = kTypeGridTop + kTypeCellHeight * r;
  const ClicheClip clip{screen_.px(left) + 1, screen_.px(top) + 1,
                        screen_.px(left + kTypeCellWidth), screen_.px(top + kTypeCellHeight)};
  drawClichePictureAt(screen_, drawing.rows, {panelX + 8, 27 + kTypeCellHeight * r, clip}, colour);
  drawFlawDescriptionItems(screen_, drawing.record.description, panelX, baseY, false);
  drawText(screen_, tc_.labels[cell], kTypeCellWidth * c + 122, 229 + kTypeCellHeight * r, Font::C,
           kCentred, 1, 3, colour::kBlack);
  return true;
}

void TcTypeScreen::draw() {
  if (drawnIndex_ == types_.index) return;
  const TypePage& page = pages_.page(types_.index);
  drawTypeGrid(screen_);
  drawTypeBottomLine(screen_, types_.index, tc_.lastIndex);
  drawHeading(page);
  const bool frames = isFrameTypePage(page.value);
  const int colour = frames ? kFrameTypeColour : twoColourValueColours(page.value).value;
  tc_.labels.assign(kTypeCellsPerPage, std::string());
  // A blank type ends the page, and so does a type that cannot be drawn.
  for (std::size_t cell = 0; cell < kTypeCellsPerPage && !page.types[cell].empty(); ++cell) {
    tc_.labels[cell] = twoColourTypeLabel(frames, page.types[cell]);
    if (!drawCell(page, cell, colour)) {
      tc_.labels[cell].clear();
      break;
    }
  }
  tc_.shownValue = page.value;
  tc_.page = page.page;
  tc_.pages = page.pages;
  drawnIndex_ = types_.index;
}

void TcTypeScreen::step(const KeyString& key) {
  int& index = types_.index;
  if (isExtended(key, scan::kHome)) {
    index = 0;
  } else if (isExtended(key, scan::kEnd)) {
    index = tc_.lastIndex;
  } else if (isExtended(key, scan::kUp) || isExtended(key, scan::kLeft) ||
             isExtended(key, scan::kPgUp)) {
    index = std::max(0, index - 1);
  } else {
    index = std::min(tc_.lastIndex, index + 1);
  }
}

void TcTypeScreen::chooseValue(bool frames) {
  const Selection& s = session_.state.selection;
  eraseBox(screen_, 220, 456, 520, 474);
  drawText(screen_, "(For RM: Skriv R2, R4 eller R5)", 330, kTypeBottomLine, Font::C, kFromLeft, 1,
           3, colour::kSlateText);
  drawnIndex_ = -1;
  LineEditorRequest request{'V',         kTypeBottomLine, kEditorOffset, tc_.shownValue,
                            s.edition(), s.value(),       s.printing()};
  request.openedByTypeScreenV = true;
  request.twoColourEditor = true;
  const LineEditorResult typed = runLineEditor(screen_, session_.display, request);
  // Esc keeps the page shown before.
  if (typed.cancelled) return;
  const int found = pages_.findValue(twoColourTypeQuery(typed.text, frames), 0);
  if (found < 0) {
    metEnd();
    session_.display.beep();
    return;
  }
  types_.index = found;
}

void TcTypeScreen::metEnd() {
  tc_.lastIndex = pages_.endIndex() - 1;
}

void TcTypeScreen::checkIndex() {
  // An index at or past the end record (End and PgDn go up to 49 until the end is known) comes
  // back to the last page; nothing beyond the end record is read.
  if (pages_.isPage(types_.index)) return;
  metEnd();
  types_.index = std::max(0, tc_.lastIndex);
  session_.display.beep();
}

KeyResult TcTypeScreen::handleKey(const KeyString& rawKey) {
  const KeyString key = upperKey(rawKey);
  if (key == ordinaryKey(kEscCode)) return tc_.caller;
  // The code the screen was opened with, which leads to the front page.
  if (key == ordinaryKey(kEnterCode)) return ScreenCode::FrontPage;
  if (isPagingKey(key)) {
    step(key);
  } else if (key == "V" || key == "R") {
    chooseValue(key == "R");
  } else if (key == "K") {
    drawnIndex_ = -1;
  } else if (key == "W") {
    runWatermarkPage(session_, WatermarkGuide::TwoColoured);
    return tc_.caller;
  } else if (showInformationFor(session_, key)) {
    drawnIndex_ = -1;
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
