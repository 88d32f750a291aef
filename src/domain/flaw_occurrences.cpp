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

// Value + printing texts the field cuts short, their whole texts, and where the whole text
// starts on the screen (the tables are written in UTF-8 and converted to code page 865 once).
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
const Completion* completionOf(std::string_view valuePrinting) {
  for (const Completion& c : completions()) {
    if (valuePrinting == c.cut) return &c;
  }
  return nullptr;
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

// One item taken apart: what every way of showing it needs.
struct ParsedItem {
  std::string raw;            // value + printing as the field has it
  std::string valuePrinting;  // completed
  double valuePrintingX = 0;  // on the screen
  std::string pane;           // "A", "B" or empty
  std::string position;       // characters 9-11 after a pane letter, else 8-10; trimmed
  std::string marks;          // characters 12-15
  int colour = 1;
  const FixedForm* fixed = nullptr;
  bool paned = false;  // one of the fixed forms with a pane
};

ParsedItem parseItem(std::string_view item, std::string_view current) {
  ParsedItem p;
  p.raw = occurrenceValuePrinting(item.substr(1, kValuePrintingWidth));
  const Completion* completion = completionOf(p.raw);
  p.valuePrinting = completion != nullptr ? completion->whole : p.raw;
  p.valuePrintingX = completion != nullptr ? completion->x : kValuePrintingX;
  const char paneChar = item[7];
  const bool hasPane = paneChar == 'A' || paneChar == 'B';
  const std::string_view positionField = hasPane ? item.substr(7, 4) : item.substr(7, 3);
  p.position = withoutTrailingBlanks(hasPane ? item.substr(8, 3) : positionField);
  if (hasPane) p.pane = std::string(1, paneChar);
  p.marks = std::string(item.substr(11, 4));

  p.colour = hasPane ? 1 : 3;
  // A completed text is compared whole: the current printing is never the cut one.
  if (!p.raw.empty() && (p.raw == current || p.valuePrinting == current)) p.colour = 2;

  std::string padded = p.valuePrinting;
  if (padded.size() < kValuePrintingWidth) padded.resize(kValuePrintingWidth, ' ');
  p.fixed = fixedFormOf(padded + std::string(positionField), p.paned);
  return p;
}

OccurrenceItem itemOf(std::string_view item, std::string_view current) {
  const ParsedItem p = parseItem(item, current);
  std::array<std::string, 4> marks;
  for (std::size_t m = 0; m < marks.size(); ++m) marks[m] = markText(p.marks[m]);

  OccurrenceItem out;
  const auto add = [&](std::string text, double x, double spacing = 1,
                       OccurrenceFont font = OccurrenceFont::B) {
    if (trimmed(text).empty()) return;
    out.pieces.push_back(OccurrencePiece{std::move(text), x, font, spacing, p.colour});
  };
  const FixedForm* fixed = p.fixed;
  if (fixed == nullptr) {
    add(p.valuePrinting, p.valuePrintingX);
    add(p.pane, kPaneX);
    add(p.position, p.position == "100" ? kPosition100X : kPositionX);
  } else if (p.paned) {
    add(p.valuePrinting, kFixedValuePrintingX);
    add(p.pane, kFixedPaneX);
    add(fixed->position, kFixedPositionX, 0);
  } else {
    add(fixed->valuePrinting.empty() ? p.valuePrinting : fixed->valuePrinting, p.valuePrintingX);
    add(p.pane, kPaneX);
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

// The items of the field, each padded to its full size; blank items left out.
template <typename Make>
auto eachItem(std::string_view occurrences, std::string_view currentValuePrinting, Make make) {
  std::vector<decltype(make(std::string_view(), std::string_view()))> out;
  const std::string current = occurrenceValuePrinting(currentValuePrinting);
  for (std::size_t at = 0; at < occurrences.size(); at += kFlawOccurrenceItemSize) {
    std::string item(occurrences.substr(at, kFlawOccurrenceItemSize));
    if (trimmed(item).empty()) continue;
    item.resize(kFlawOccurrenceItemSize, ' ');
    out.push_back(make(item, current));
  }
  return out;
}

}  // namespace

std::string completedValuePrinting(std::string_view valuePrinting) {
  const Completion* completion = completionOf(valuePrinting);
  return completion != nullptr ? completion->whole : std::string(valuePrinting);
}

std::vector<OccurrenceItem> flawOccurrenceItems(std::string_view occurrences,
                                                std::string_view currentValuePrinting) {
  return eachItem(occurrences, currentValuePrinting, itemOf);
}

std::vector<OccurrenceLine> flawOccurrenceLines(std::string_view occurrences,
                                                std::string_view currentValuePrinting) {
  return eachItem(occurrences, currentValuePrinting,
                  [](std::string_view item, std::string_view current) {
                    const ParsedItem p = parseItem(item, current);
                    OccurrenceLine line;
                    line.colour = p.colour;
                    line.valuePrinting = p.valuePrinting;
                    if (p.fixed == nullptr) {
                      line.pane = p.pane;
                      line.positionLabel = p.position;
                    } else {
                      // The fixed forms name the position in full ("48/A54"), pane and all.
                      if (!p.fixed->valuePrinting.empty()) {
                        line.valuePrinting = p.fixed->valuePrinting;
                      }
                      line.positionLabel = p.fixed->position;
                    }
                    return line;
                  });
}

}  // namespace kolvard
