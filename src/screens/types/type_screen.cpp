#include "screens/types/type_screen.hpp"

#include <algorithm>
#include <string>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/edition_names.hpp"
#include "domain/value_tables.hpp"
#include "domain/value_text.hpp"
#include "screens/common/cliche_panel.hpp"
#include "screens/common/key_panel.hpp"
#include "screens/common/line_editor.hpp"
#include "screens/common/screen_keys.hpp"
#include "screens/common/screen_text.hpp"
#include "screens/types/type_page_frame.hpp"
#include "screens/types/watermark_page.hpp"

namespace kolvard {
namespace {

constexpr double kEditorOffset = 110;
constexpr double kBottomLine = kTypeBottomLine;
constexpr double kCellWidth = kTypeCellWidth;
constexpr double kCellHeight = kTypeCellHeight;
constexpr double kGridLeft = kTypeGridLeft, kGridTop = kTypeGridTop;

bool isPagingKey(const KeyString& key) {
  for (const int code : {scan::kHome, scan::kEnd, scan::kUp, scan::kLeft, scan::kPgUp, scan::kDown,
                         scan::kRight, scan::kPgDn}) {
    if (isExtended(key, code)) return true;
  }
  return false;
}

}  // namespace

void TypeScreen::enter() {
  const Selection& s = session_.state.selection;
  types_.caller = session_.state.openedFrom;
  // The Icelandic oval values run as edition "T"; their types are with those of "I".
  const std::string edition = s.iceland() ? "I" : s.edition();
  const SectionRef ref = session_.data.findSection(edition + "TYPER");
  pages_ = ref.found() ? TypePages(session_.data.sectionBytes(ref), edition) : TypePages();
  if (types_.edition != edition) {
    types_.edition = edition;
    types_.index = 0;
    types_.lastIndex = initialLastTypeIndex(edition);
  }
  // Reading the section met its end record: the last page is known. A section without one
  // keeps the edition's own last index, within the pages that could be read.
  types_.lastIndex =
      pages_.ended() ? pages_.lastPage() : std::min(types_.lastIndex, pages_.lastPage());
  if (types_.value != s.value()) {
    types_.value = s.value();
    types_.index = 0;
  }
  int found = pages_.findValue(s.value(), types_.index);
  // The index may have been left on the page of a later value.
  if (found < 0) found = pages_.findValue(s.value(), 0);
  if (found < 0) {
    types_.index = 0;
    session_.display.beep();
    leave_ = ScreenCode::FrontPage;
    return;
  }
  types_.index = found;
  drawnIndex_ = -1;
}

const TypeScreen::TypeDrawing& TypeScreen::drawingOf(const std::string& key) {
  auto [it, inserted] = drawings_.try_emplace(key);
  if (inserted) {
    it->second.record = readClicheRecord(session_.data, key);
    if (it->second.record.hasPicture) {
      it->second.rows = decodeClichePicture(it->second.record.picture);
    }
  }
  return it->second;
}

int TypeScreen::colourOf(const std::string& value) const {
  const Selection& s = session_.state.selection;
  if (s.iceland() && isIcelandOvalValue(value)) return stampColoursFor("T", value, 0).value;
  const int printing = value == s.value() ? leadingNumber(s.printing()) : 1;
  return valueColourOf(types_.edition, value, printing);
}

void TypeScreen::drawHeading(const TypePage& page) {
  const bool iceland = session_.state.selection.iceland();
  const std::string titleEdition =
      iceland && isIcelandOvalValue(page.value) ? std::string("T") : types_.edition;
  const std::string value = page.value == "R" ? cp("Rammer på tofarvede") : valueText(page.value);
  drawText(
      screen_,
      cp("Typer på ") + value + editionTitle(titleEdition, iceland ? 1 : 0, session_.state.caption),
      24, 16, Font::C, kFromLeft, 1, 3, colour::kBlack);
  drawText(screen_, typePageText(page.page, page.pages), 616, 16, Font::C, kToRight, 1, 3,
           colour::kBlack);
}

void TypeScreen::drawCell(const TypePage& page, std::size_t cell, int colour) {
  const std::string& type = page.types[cell];
  if (type.empty()) return;
  const double c = static_cast<double>(cell % 3), r = static_cast<double>(cell / 3);
  const TypeDrawing& drawing = drawingOf(typeRecordKey(types_.edition, page.value, type));
  if (drawing.record.found) {
    const double left = kGridLeft + kCellWidth * c, top = kGridTop + kCellHeight * r;
    const ClicheClip clip{screen_.px(left) + 1, screen_.px(top) + 1, screen_.px(left + kCellWidth),
                          screen_.px(top + kCellHeight)};
    const ClichePicturePlace place{kCellWidth * c + 40, 27 + kCellHeight * r, clip};
    if (drawing.record.hasPicture) drawClichePictureAt(screen_, drawing.rows, place, colour);
    drawClicheAnnotations(screen_, drawing.record.description, kCellWidth * c + 32,
                          20 + kCellHeight * r, place);
  }
  drawText(screen_, typeLabel(type), kCellWidth * c + 122, 229 + kCellHeight * r, Font::C, kCentred,
           1, 3, colour::kBlack);
}

void TypeScreen::drawSideTexts(const TypePage& page) {
  if (page.page != 1) return;
  for (const TypeSideText& side : pages_.sideTextsOf(page.value)) {
    drawText(screen_, side.text, 432, side.y, Font::C, kFromLeft, 1, 3, colour::kBlack);
  }
}

void TypeScreen::draw() {
  if (drawnIndex_ == types_.index) return;
  const TypePage& page = pages_.page(types_.index);
  drawTypeGrid(screen_);
  drawTypeBottomLine(screen_, types_.index, types_.lastIndex);
  drawHeading(page);
  const int colour = colourOf(page.value);
  types_.labels.clear();
  for (std::size_t cell = 0; cell < kTypeCellsPerPage; ++cell) {
    drawCell(page, cell, colour);
    types_.labels.push_back(page.types[cell].empty() ? std::string() : typeLabel(page.types[cell]));
  }
  drawSideTexts(page);
  types_.shownValue = page.value;
  types_.page = page.page;
  types_.pages = page.pages;
  drawnIndex_ = types_.index;
}

void TypeScreen::step(const KeyString& key) {
  int& index = types_.index;
  if (isExtended(key, scan::kHome)) {
    index = 0;
  } else if (isExtended(key, scan::kEnd)) {
    index = types_.lastIndex;
  } else if (isExtended(key, scan::kUp) || isExtended(key, scan::kLeft) ||
             isExtended(key, scan::kPgUp)) {
    index = std::max(0, pages_.previousPage(index));
  } else if (index >= types_.lastIndex) {
    session_.display.beep();
  } else {
    const int next = pages_.nextPage(index);
    index = next >= 0 ? next : pages_.endIndex();
  }
}

void TypeScreen::chooseValue(bool frames) {
  const Selection& s = session_.state.selection;
  eraseBox(screen_, 220, 456, 520, 474);
  if (s.iceland()) {
    drawText(screen_, "(For RM: Skriv R)", 330, kBottomLine, Font::C, kFromLeft, 1, 3,
             colour::kSlateText);
  }
  drawnIndex_ = -1;
  std::string value = "R";
  if (!frames) {
    LineEditorRequest request{'V',         kBottomLine,       kEditorOffset, types_.shownValue,
                              s.edition(), types_.shownValue, s.printing()};
    request.openedByTypeScreenV = true;
    const LineEditorResult typed = runLineEditor(screen_, session_.display, request);
    if (typed.cancelled) return;
    value = asciiLower(typed.text);
    if (!value.empty() && value[0] == 'r') value = "R";
  }
  const int found = pages_.findValue(value);
  if (found < 0) {
    // The search ran to the end record.
    types_.lastIndex = pages_.lastPage();
    session_.display.beep();
    return;
  }
  types_.index = found;
}

void TypeScreen::checkIndex() {
  if (pages_.isPage(types_.index)) return;
  types_.lastIndex = pages_.lastPage();
  types_.index = std::max(0, types_.lastIndex);
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
    drawnIndex_ = -1;
  } else if (key == "W") {
    runWatermarkPage(session_, WatermarkGuide::OneColoured);
    return types_.caller;
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
