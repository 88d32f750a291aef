#include "domain/sheet_walk.hpp"

#include <algorithm>
#include <array>
#include <cstddef>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/messages.hpp"
#include "domain/position_table.hpp"

namespace kolvard {
namespace {

constexpr std::size_t kOccurrenceItemSize = 15;

bool isPaneLetter(char c) {
  return c >= 'A' && c <= 'D';
}

// A position split into pane letter (0 for none) and number.
struct SheetPlace {
  char pane = 0;
  int number = 0;
};

SheetPlace splitPosition(std::string_view position) {
  position = trimmed(position);
  SheetPlace place;
  if (!position.empty() && (position[0] < '0' || position[0] > '9')) {
    if (isPaneLetter(position[0])) place.pane = position[0];
    position.remove_prefix(1);
  }
  place.number = leadingNumber(position);
  return place;
}

std::string writePosition(const SheetPlace& place) {
  std::string text;
  if (place.pane != 0) text += place.pane;
  return text + std::to_string(place.number);
}

int indexOf(const SheetPlace& place) {
  const int offset = place.pane == 0 ? 0 : 100 * (place.pane - 'A');
  return place.number + offset;
}

struct PlateNumerals {
  std::string_view key;  // edition + value + printing
  std::string_view paneA, paneB;
};

constexpr std::array<PlateNumerals, 18> kPlateNumerals = {{
    {"P4s4", "III", "IV"},
    {"P4s6", "III", "IV"},
    {"L4s3", "III", "IV"},
    {"L4s4", "III", "IV"},
    {"P4s5", "V", "VI"},
    {"L4s5", "V", "VI"},
    {"L4s6", "V", "VI"},
    {"L4s7", "VII", "VIII"},
    {"C3c1", "I", "II"},
    {"C3c2", "I", "II"},
    {"C3c3", "I", "II"},
    {"P2s1", "I", "II"},
    {"P4s1", "I", "II"},
    {"P4s2", "I", "II"},
    {"P4s3", "I", "II"},
    {"L4s1", "I", "II"},
    {"L4s2", "I", "II"},
    {"L8s1", "I", "II"},
}};

struct PrintingStep {
  std::string_view key;  // edition + value + printing (UTF-8 source text)
  std::string_view to;
};

constexpr std::array<PrintingStep, 10> kPreviousSteps = {{
    {"A2s4b", "4a"},
    {"A2s5", "4b"},
    {"A3s3b", "3a"},
    {"A3s4", "3b"},
    {"A4s4", "2-3"},
    {"A4s8b", "8a"},
    {"A4s9", "8b"},
    {"A4s10b", "10a"},
    {"A4s11", "10b"},
    {"V20ø14b", "14a"},
}};

constexpr std::array<PrintingStep, 10> kNextSteps = {{
    {"A2s3", "4a"},
    {"A2s4a", "4b"},
    {"A3s2", "3a"},
    {"A3s3a", "3b"},
    {"A4s2-3", "4"},
    {"A4s7", "8a"},
    {"A4s8a", "8b"},
    {"A4s9", "10a"},
    {"A4s10a", "10b"},
    {"V20ø14a", "14b"},
}};

template <std::size_t N>
std::optional<std::string> fixedStep(const std::array<PrintingStep, N>& steps,
                                     std::string_view edition, std::string_view value,
                                     std::string_view printing) {
  const std::string key = std::string(edition) + std::string(value) + std::string(printing);
  for (const PrintingStep& step : steps) {
    if (cp(step.key) == key) return std::string(step.to);
  }
  return std::nullopt;
}

std::string_view trimBlanksAndTabs(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// The plate (1..4) a numeral names and its pane; 0 for no numeral.
struct Numeral {
  int plate = 0;
  char pane = ' ';
};
Numeral numeralOf(std::string_view text) {
  constexpr std::array<std::string_view, 8> names = {"I", "II", "III", "IV",
                                                     "V", "VI", "VII", "VIII"};
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (text == names[i]) return {static_cast<int>(i / 2) + 1, i % 2 == 0 ? 'A' : 'B'};
  }
  return {};
}

}  // namespace

std::string occurrenceValuePrinting(std::string_view field) {
  std::string text = asciiLower(withoutTrailingBlanks(field));
  for (char& c : text) {
    if (c == 'o') c = cp865::kOslash;
  }
  return text;
}

int positionNumberFromText(std::string_view text) {
  text = trimBlanksAndTabs(text);
  int offset = 0;
  int limit = 400;
  if (!text.empty() && text.front() >= 'A' && text.front() <= 'D') {
    offset = (text.front() - 'A') * 100;
    limit = 100;
    text = trimBlanksAndTabs(text.substr(1));
  }
  if (text.empty() || text.size() > 3) return 1;
  for (char ch : text) {
    if (!isDigit(ch)) return 1;
  }
  const int number = leadingNumber(text);
  if (number < 1 || number > limit) return 1;
  return offset + number;
}

bool sheetHasPanes(int panes) {
  return panes == 2 || panes == 4;
}

int positionIndexOf(std::string_view position) {
  return indexOf(splitPosition(position));
}

std::string positionOnEntry(std::string_view position, int panes) {
  const std::string_view text = trimmed(position);
  const char first = text.empty() ? ' ' : text[0];
  // Any pane letter on a single-pane sheet would point past its 100 positions.
  if (!sheetHasPanes(panes) && isPaneLetter(first)) return "1";
  if (panes == 2 && first != 'A' && first != 'B') return "A1";
  return std::string(text);
}

std::string firstPosition(std::string_view position) {
  return splitPosition(position).pane != 0 ? "A1" : "1";
}

std::string lastPosition(std::string_view position) {
  return splitPosition(position).pane != 0 ? "B100" : "100";
}

PositionStepResult stepPosition(std::string_view position, int panes, PositionDirection direction) {
  SheetPlace place = splitPosition(position);
  if (place.pane == 0 && sheetHasPanes(panes)) place.pane = 'A';
  PositionStepResult result;
  result.position = std::string(trimmed(position));
  result.index = positionIndexOf(position);
  if (place.number < 1 || place.number > 100) return result;

  const bool fourPanes = panes == 4;
  int n = place.number;
  char pane = place.pane;
  switch (direction) {
    case PositionDirection::Previous:
      if (n > 1) {
        --n;
      } else if (pane == 'B' || pane == 'C' || pane == 'D') {
        pane = static_cast<char>(pane - 1);
        n = 100;
      } else {
        return result;
      }
      break;
    case PositionDirection::Next:
      if (n < 100) {
        ++n;
      } else if (pane == 'A' || (fourPanes && (pane == 'B' || pane == 'C'))) {
        pane = static_cast<char>(pane + 1);
        n = 1;
      } else {
        return result;
      }
      break;
    case PositionDirection::Below:
      if (n > 90 && (pane == 'A' || (fourPanes && (pane == 'B' || pane == 'C')))) {
        pane = static_cast<char>(pane + 1);
        n -= 100;
      }
      if (n > 90) return result;
      n += 10;
      break;
    case PositionDirection::Above:
      if (n < 11 && (pane == 'B' || pane == 'C' || pane == 'D')) {
        pane = static_cast<char>(pane - 1);
        n += 100;
      }
      if (n <= 10) return result;
      n -= 10;
      break;
  }
  const SheetPlace moved{pane, n};
  result.moved = true;
  result.position = writePosition(moved);
  result.index = indexOf(moved);
  return result;
}

PositionEntryResult parsePositionEntry(std::string_view entry, int panes) {
  PositionEntryResult result;
  const std::string_view text = trimmed(entry);
  int n = leadingNumber(text);
  if (n == 0 && !text.empty()) n = leadingNumber(text.substr(1));
  if (n < 1 || n > 100) {
    result.message = kMessagePositionRange;
    return result;
  }
  SheetPlace place{0, n};
  if (sheetHasPanes(panes)) {
    const char first = text[0];
    place.pane = (first == 'B' || first == 'C' || first == 'D') ? first : 'A';
  }
  result.accepted = true;
  result.position = writePosition(place);
  result.index = indexOf(place);
  return result;
}

std::string plateNumeralOf(std::string_view printingKey, char pane) {
  if (pane != 'A' && pane != 'B') return {};
  for (const PlateNumerals& p : kPlateNumerals) {
    if (p.key == printingKey) return std::string(pane == 'A' ? p.paneA : p.paneB);
  }
  return {};
}

std::string shownPosition(std::string_view valueKey, std::string_view printing,
                          std::string_view position, int panes) {
  SheetPlace place = splitPosition(position);
  const std::string numeral =
      plateNumeralOf(std::string(valueKey) + std::string(trimmed(printing)), place.pane);
  if (!numeral.empty()) return numeral + cp865::kMiddleDot + std::to_string(place.number);
  if (!sheetHasPanes(panes)) return "pos. " + std::to_string(place.number);
  if (place.pane == 0) place.pane = 'A';
  return writePosition(place);
}

std::optional<std::string> previousPrinting(std::string_view edition, std::string_view value,
                                            std::string_view printing) {
  if (auto fixed = fixedStep(kPreviousSteps, edition, value, printing)) return fixed;
  const int n = leadingNumber(printing);
  if (n < 2) return std::nullopt;
  return std::to_string(n - 1);
}

std::optional<std::string> nextPrinting(std::string_view edition, std::string_view value,
                                        std::string_view printing, int printingCount) {
  if (auto fixed = fixedStep(kNextSteps, edition, value, printing)) return fixed;
  const int n = leadingNumber(printing);
  if (n >= printingCount) return std::nullopt;
  return std::to_string(n + 1);
}

std::optional<std::string> followClichePosition(const PrintingPositionTable& table,
                                                std::string_view followCliche, int panes) {
  const std::string_view wanted =
      withoutTrailingBlanks(followCliche.substr(0, std::min<std::size_t>(followCliche.size(), 6)));
  if (trimmed(wanted).empty()) return std::nullopt;
  const bool withPanes = sheetHasPanes(panes);
  const int last = withPanes ? 200 : 100;
  for (int index = 1; index <= last; ++index) {
    if (table.read(index).cliche != wanted) continue;
    if (!withPanes) return std::to_string(index);
    return index > 100 ? "B" + std::to_string(index - 100) : "A" + std::to_string(index);
  }
  return std::nullopt;
}

PlateNumeralPosition plateNumeralPosition(std::string_view edition, std::string_view value,
                                          std::string_view printing, std::string_view entry) {
  PlateNumeralPosition out;
  if (!isPlateEdition(edition)) return out;
  const std::size_t dash = entry.find('-');
  if (dash == std::string_view::npos) return out;
  const Numeral numeral = numeralOf(entry.substr(0, dash));
  const std::string_view number = entry.substr(dash + 1);
  if (numeral.plate == 0 || number.empty() ||
      !std::all_of(number.begin(), number.end(), [](char c) { return isDigit(c); })) {
    return out;
  }
  out.isPlateNumeral = true;
  out.position = std::string(1, numeral.pane) + std::string(number);

  // Printings compare as text.
  const std::string valueKey = std::string(edition) + std::string(value);
  const std::string_view p = printing;
  if (valueKey == "P4s") {
    if (numeral.plate == 1 && p > "3") out.printingSwitch = "1";
    if (numeral.plate == 2 && p != "4" && p != "6") out.printingSwitch = "4";
    if (numeral.plate == 3 && p != "5") out.printingSwitch = "5";
  } else if (valueKey == "L4s") {
    if (numeral.plate == 1 && p > "2") out.printingSwitch = "1";
    if (numeral.plate == 2 && (p < "3" || p > "4")) out.printingSwitch = "3";
    if (numeral.plate == 3 && (p < "5" || p > "6")) out.printingSwitch = "5";
    if (numeral.plate == 4 && p < "7") out.printingSwitch = "7";
  }
  return out;
}

bool isPlateEdition(std::string_view edition) {
  return edition == "R" || edition == "C" || edition == "P" || edition == "L";
}

bool seriesPrintingUnavailable(std::string_view edition, std::string_view value) {
  if (edition == "C" || edition == "L") return true;
  if (edition == "P") return value != "16s";
  return edition == "M" && value == cp("10ø");
}

std::vector<OccurrenceLine> occurrenceLines(std::string_view occurrences,
                                            std::string_view currentValuePrinting,
                                            std::string_view edition, int runningNumber) {
  std::vector<OccurrenceLine> lines;
  const std::string current = occurrenceValuePrinting(currentValuePrinting);
  for (std::size_t at = 0; at < occurrences.size(); at += kOccurrenceItemSize) {
    std::string item(occurrences.substr(at, kOccurrenceItemSize));
    if (trimmed(item).empty()) continue;
    item.resize(kOccurrenceItemSize, ' ');

    const SheetGroup group = sheetGroupFromLetter(item[0]);
    OccurrenceLine line;
    line.valuePrinting = occurrenceValuePrinting(std::string_view(item).substr(1, 6));
    const char paneChar = item[7];
    const bool hasPane = isPaneLetter(paneChar);
    const std::string position(trimmed(std::string_view(item).substr(hasPane ? 8 : 7)));
    line.colour = paneChar == ' ' ? 3 : 1;
    if (line.valuePrinting == current) line.colour = 2;

    const std::string numeral =
        hasPane ? plateNumeralOf(std::string(edition) + line.valuePrinting, paneChar) : "";
    if (!numeral.empty()) {
      line.pane = numeral + cp865::kMiddleDot + position;
    } else {
      if (hasPane) line.pane = std::string(1, paneChar);
      line.positionLabel =
          positionGroupLabel(group, position, edition, line.valuePrinting, runningNumber);
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace kolvard
