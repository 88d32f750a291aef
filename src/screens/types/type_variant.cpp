#include "screens/types/type_variant.hpp"

#include <algorithm>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/edition_names.hpp"
#include "domain/flaw_record.hpp"
#include "domain/two_colour_type_pages.hpp"
#include "domain/value_tables.hpp"
#include "domain/value_text.hpp"
#include "screens/common/cliche_panel.hpp"
#include "screens/common/flaw_description_items.hpp"
#include "screens/common/line_editor.hpp"
#include "screens/common/screen_text.hpp"
#include "screens/common/session.hpp"

namespace kolvard {
namespace {

constexpr double kPromptLine = 468;

// Erases the middle of the key line and shows how frame types are asked for.
void showFrameHint(Screen& screen, const char* hint) {
  eraseBox(screen, 220, 456, 520, 474);
  if (hint != nullptr) {
    drawText(screen, hint, 330, kPromptLine, Font::C, kFromLeft, 1, 3, colour::kSlateText);
  }
}

template <typename Record>
TypeDrawing drawingOf(const Record& record, bool found) {
  TypeDrawing drawing{found, record.hasPicture, record.description, {}};
  if (record.hasPicture) drawing.rows = decodeClichePicture(record.picture);
  return drawing;
}

// The one-coloured editions: the cliché records of the types, the Icelandic oval values among
// the types of "I".

std::string oneColouredEdition(const Selection& s) {
  // The Icelandic oval values run as edition "T"; their types are with those of "I".
  return s.iceland() ? "I" : s.edition();
}

int oneColouredLastIndex(const TypePages& pages, std::string_view edition,
                         std::optional<int> kept) {
  const int last = kept.value_or(initialLastTypeIndex(edition));
  // Reading the section met its end record: the last page is known. A section without one
  // keeps the edition's own last index, within the pages that could be read.
  return pages.ended() ? pages.lastPage() : std::min(last, pages.lastPage());
}

TypeDrawing readClicheDrawing(const DataFile& data, const std::string& key) {
  const ClicheRecord record = readClicheRecord(data, key);
  return drawingOf(record, record.found);
}

void drawClicheDescription(Screen& screen, std::string_view description, double panelX,
                           double baseY, const ClichePicturePlace& place) {
  drawClicheAnnotations(screen, description, panelX, baseY, place);
}

std::string clicheTypeLabel(const TypePage&, std::string_view type) {
  return typeLabel(type);
}

std::string oneColouredHeading(const TypePage& page, const Session& session,
                               std::string_view edition) {
  const bool iceland = session.state.selection.iceland();
  const std::string titleEdition =
      iceland && isIcelandOvalValue(page.value) ? std::string("T") : std::string(edition);
  const std::string value = page.value == "R" ? cp("Rammer på tofarvede") : valueText(page.value);
  return cp("Typer på ") + value +
         editionTitle(titleEdition, iceland ? 1 : 0, session.state.caption);
}

int oneColouredColour(const TypePage& page, const Selection& s, std::string_view edition) {
  if (s.iceland() && isIcelandOvalValue(page.value)) {
    return stampColoursFor("T", page.value, 0).value;
  }
  const int printing = page.value == s.value() ? leadingNumber(s.printing()) : 1;
  return valueColourOf(edition, page.value, printing);
}

std::optional<std::string> askOneColouredValue(Session& session, const std::string& shownValue,
                                               bool frames) {
  const Selection& s = session.state.selection;
  showFrameHint(session.screen(), s.iceland() ? "(For RM: Skriv R)" : nullptr);
  if (frames) return "R";
  LineEditorRequest request{'V',         kPromptLine, 110,         shownValue,
                            s.edition(), shownValue,  s.printing()};
  request.openedByTypeScreenV = true;
  const LineEditorResult typed = runLineEditor(session.screen(), session.display, request);
  if (typed.cancelled) return std::nullopt;
  std::string value = asciiLower(typed.text);
  if (!value.empty() && value[0] == 'r') value = "R";
  return value;
}

// The two-coloured edition: the oval types of each value and the frame types of each main
// group, with two-coloured flaw records.

std::string twoColouredEdition(const Selection&) {
  return "T";
}

int twoColouredLastIndex(const TypePages&, std::string_view, std::optional<int>) {
  return kTwoColourTypeLastIndex;
}

TypeDrawing readFlawDrawing(const DataFile& data, const std::string& key) {
  const FlawRecord record = readFlawRecord(data, key);
  return drawingOf(record, record.exists && record.hasPicture);
}

void drawFlawDescription(Screen& screen, std::string_view description, double panelX, double baseY,
                         const ClichePicturePlace&) {
  drawFlawDescriptionItems(screen, description, panelX, baseY, false);
}

std::string ovalOrFrameTypeLabel(const TypePage& page, std::string_view type) {
  return twoColourTypeLabel(isFrameTypePage(page.value), type);
}

std::string twoColouredHeading(const TypePage& page, const Session& session, std::string_view) {
  if (isFrameTypePage(page.value)) return "Rammetyper i hovedgruppe " + page.value.substr(1, 1);
  return cp("Ovaltyper på ") + valueText(page.value) + editionTitle("T", 0, session.state.caption);
}

int twoColouredColour(const TypePage& page, const Selection&, std::string_view) {
  return isFrameTypePage(page.value) ? colour::kDarkGrey : twoColourValueColours(page.value).value;
}

std::optional<std::string> askTwoColouredValue(Session& session, const std::string& shownValue,
                                               bool frames) {
  const Selection& s = session.state.selection;
  showFrameHint(session.screen(), "(For RM: Skriv R2, R4 eller R5)");
  LineEditorRequest request{'V',         kPromptLine, 120,         shownValue,
                            s.edition(), s.value(),   s.printing()};
  request.openedByTypeScreenV = true;
  request.twoColourEditor = true;
  const LineEditorResult typed = runLineEditor(session.screen(), session.display, request);
  // Esc keeps the page shown before.
  if (typed.cancelled) return std::nullopt;
  return twoColourTypeQuery(typed.text, frames);
}

constexpr TypeVariant kOneColoured{
    TypeRecordForm::OneColoured,
    WatermarkGuide::OneColoured,
    oneColouredEdition,
    oneColouredLastIndex,
    false,
    true,
    false,
    nullptr,
    typeRecordKey,
    readClicheDrawing,
    drawClicheDescription,
    clicheTypeLabel,
    oneColouredHeading,
    typePageText,
    oneColouredColour,
    askOneColouredValue,
};

constexpr TypeVariant kTwoColoured{
    TypeRecordForm::TwoColoured,
    WatermarkGuide::TwoColoured,
    twoColouredEdition,
    twoColouredLastIndex,
    true,
    false,
    true,
    "( Type ikke fundet )",
    twoColourTypeRecordKey,
    readFlawDrawing,
    drawFlawDescription,
    ovalOrFrameTypeLabel,
    twoColouredHeading,
    twoColourTypePageText,
    twoColouredColour,
    askTwoColouredValue,
};

}  // namespace

const TypeVariant& oneColouredTypes() {
  return kOneColoured;
}

const TypeVariant& twoColouredTypes() {
  return kTwoColoured;
}

}  // namespace kolvard
