#include "domain/flaw_occurrences.hpp"

#include <array>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/sheet_walk.hpp"

namespace kolvard {
namespace {

constexpr std::size_t kValuePrintingWidth = 6;
constexpr double kValuePrintingX = 10, kPaneX = 44, kPositionX = 52, kPosition100X = 51;
constexpr std::array<double, 4> kMarkX = {69, 75, 80, 87};

// Value + printing texts the field cuts short, and where the whole text is drawn (the tables
// are written in UTF-8 and converted to code page 865 once).
struct Completion {
  std::string cut, whole;
  double x;
};
const std::array<Completion, 6>& completions() {
  static const std::array<Completion, 6> table = {{
      {cp("4ø96-9"), cp("4ø96-97"), 2},
      {cp("4ø101-"), cp("4ø101-2"), 2},
      {cp("4ø112-"), cp("4ø112-3"), 2},
      {cp("8ø103-"), cp("8ø103-4"), 2},
      {cp("50ø12-"), cp("50ø12-13"), 2},
      {cp("8ø9b-1"), cp("8ø9b-10"), 1},
  }};
  return table;
}

constexpr std::size_t kPanedFixedForms = 8;  // the first eight: another layout

// Items shown in a fixed form, by value + printing (completed) and the position field
// (characters 8-11 after a pane letter, else characters 8-10).
struct FixedForm {
  std::string key;
  std::string position;
  std::string secondMark;
  bool downArrowFirst = false;
  std::string valuePrinting = {};  // replaces the value + printing when given
};
const std::array<FixedForm, 10>& fixedForms() {
  static const std::array<FixedForm, 10> table = {{
      {cp("8ø51  A54 "), "48/A54", "-/G"},
      {cp("8ø52  B6  "), "2/B6", "S/B"},
      {cp("8ø53  B43 "), "28/B43", "J/L"},
      {cp("8ø54  B28 "), "28/A2", "-/C", true},
      {cp("8ø55  A89 "), "48/A89", "E/-", true},
      {cp("8ø119 B32 "), "91/B32", cp("↑/↓")},
      {cp("8ø120 A9  "), "4/A9", "/D1"},
      {cp("8ø121 A9  "), "4/A9", "/D1"},
      {cp("50ø12-1333 "), "29/33", "D/D1", false, cp("50ø12-3")},
      {cp("50ø12-1340 "), "38/40", "A/-", false, cp("50ø12-3")},
  }};
  return table;
}
constexpr double kFixedValuePrintingX = 4, kFixedPaneX = 35, kFixedPositionX = 41;
constexpr double kUnpanedFixedPositionX = 44;

std::string markText(char mark) {
  return std::string(1, mark == 'O' ? cp865::kDownArrow : mark);
}

// The fixed form of an item and whether it is one of the first eight (with a pane).
const FixedForm* fixedFormOf(std::string_view key, bool& paned) {
  const auto& table = fixedForms();
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].key == key) {
      paned = i < kPanedFixedForms;
      return &table[i];
    }
  }
  return nullptr;
}

OccurrenceItem itemOf(std::string_view item, std::string_view current) {
  const std::string raw = occurrenceValuePrinting(item.substr(1, kValuePrintingWidth));
  std::string valuePrinting = raw;
  double valuePrintingX = kValuePrintingX;
  for (const Completion& c : completions()) {
    if (raw == c.cut) {
      valuePrinting = c.whole;
      valuePrintingX = c.x;
      break;
    }
  }
  const char paneChar = item[7];
  const bool hasPane = paneChar == 'A' || paneChar == 'B';
  const std::string_view positionField = hasPane ? item.substr(7, 4) : item.substr(7, 3);
  const std::string position(withoutTrailingBlanks(hasPane ? item.substr(8, 3) : positionField));

  int colour = hasPane ? 1 : 3;
  // A completed text is compared whole: the current printing is never the cut one.
  if (!raw.empty() && (raw == current || valuePrinting == current)) colour = 2;

  std::string padded = valuePrinting;
  if (padded.size() < kValuePrintingWidth) padded.resize(kValuePrintingWidth, ' ');
  bool paned = false;
  const FixedForm* fixed = fixedFormOf(padded + std::string(positionField), paned);

  std::array<std::string, 4> marks;
  for (std::size_t m = 0; m < marks.size(); ++m) marks[m] = markText(item[11 + m]);

  OccurrenceItem out;
  const auto add = [&](std::string text, double x, double spacing = 1,
                       OccurrenceFont font = OccurrenceFont::B) {
    if (trimmed(text).empty()) return;
    out.pieces.push_back(OccurrencePiece{std::move(text), x, font, spacing, colour});
  };
  const std::string pane = hasPane ? std::string(1, paneChar) : "";
  if (fixed == nullptr) {
    add(valuePrinting, valuePrintingX);
    add(pane, kPaneX);
    add(position, position == "100" ? kPosition100X : kPositionX);
  } else if (paned) {
    add(valuePrinting, kFixedValuePrintingX);
    add(pane, kFixedPaneX);
    add(fixed->position, kFixedPositionX, 0);
  } else {
    add(fixed->valuePrinting.empty() ? valuePrinting : fixed->valuePrinting, valuePrintingX);
    add(pane, kPaneX);
    add(fixed->position, kUnpanedFixedPositionX, 0);
  }
  if (fixed != nullptr) {
    if (fixed->downArrowFirst) marks[0] = std::string(1, cp865::kDownArrow);
    marks[1] = fixed->secondMark;
  }
  for (std::size_t m = 0; m < marks.size(); ++m) {
    add(marks[m], kMarkX[m], 1, m == 3 ? OccurrenceFont::A : OccurrenceFont::B);
  }
  return out;
}

}  // namespace

std::vector<OccurrenceItem> flawOccurrenceItems(std::string_view occurrences,
                                                std::string_view currentValuePrinting) {
  std::vector<OccurrenceItem> items;
  const std::string current = occurrenceValuePrinting(currentValuePrinting);
  for (std::size_t at = 0; at < occurrences.size(); at += kFlawOccurrenceItemSize) {
    std::string item(occurrences.substr(at, kFlawOccurrenceItemSize));
    if (trimmed(item).empty()) continue;
    item.resize(kFlawOccurrenceItemSize, ' ');
    items.push_back(itemOf(item, current));
  }
  return items;
}

}  // namespace kolvard
