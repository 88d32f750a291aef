#include "domain/two_colour_steps.hpp"

#include <string>

#include "data/text_fields.hpp"
#include "domain/two_colour_printings.hpp"
#include "domain/value_tables.hpp"

namespace kolvard {
namespace {

struct SheetPlace {
  char pane = ' ';  // 'A', 'B' or blank on one pane
  int n = 0;
};

SheetPlace placeOf(std::string_view text) {
  SheetPlace p;
  if (!text.empty() && (text[0] == 'A' || text[0] == 'B')) {
    p.pane = text[0];
    text.remove_prefix(1);
  }
  p.n = leadingNumber(text);
  return p;
}

TwoColourPosition positionAt(char pane, int n) {
  if (pane == ' ') return {std::to_string(n), n};
  return {std::string(1, pane) + std::to_string(n), pane == 'B' ? n + 100 : n};
}

// The printings whose neighbour is not the next or previous number (cp865 value + printing).
struct NamedStep {
  std::string_view from;
  std::string_view to;
};

constexpr NamedStep kSuccessors[] = {
    {"2s2", "3a"},
    {"2s3a", "3b"},
    {"4s2-3", "4"},
    {"4\x9b"
     "4-5",
     "6"},
    {"4\x9b"
     "10",
     "11a"},
    {"4\x9b"
     "11a",
     "11b"},
    {"4\x9b"
     "20",
     "21a"},
    {"4\x9b"
     "21a",
     "21b"},
    {"4\x9b"
     "96-97",
     "98"},
    {"4\x9b"
     "101-102",
     "103"},
    {"4\x9b"
     "112-113",
     "114"},
    {"8\x9b"
     "8",
     "9a"},
    {"8\x9b"
     "9a",
     "9b-10"},
    {"8\x9b"
     "9b-10",
     "11"},
    {"8\x9b"
     "32",
     "33a"},
    {"8\x9b"
     "33a",
     "33b"},
    {"8\x9b"
     "103-104",
     "105"},
    {"16\x9b"
     "32",
     "33A"},
    {"16\x9b"
     "33A",
     "33B"},
    {"50\x9b"
     "12-13",
     "14"},
    {"20\x9b"
     "1a",
     "1b"},
    {"3c5", "6a"},
    {"3c6a", "6b"},
    {"10c5", "6a"},
    {"10c6a", "6b"},
};

constexpr NamedStep kPredecessors[] = {
    {"2s4", "3b"},
    {"2s3b", "3a"},
    {"4s4", "2-3"},
    {"4\x9b"
     "6",
     "4-5"},
    {"4\x9b"
     "12",
     "11b"},
    {"4\x9b"
     "11b",
     "11a"},
    {"4\x9b"
     "22",
     "21b"},
    {"4\x9b"
     "21b",
     "21a"},
    {"4\x9b"
     "98",
     "96-97"},
    {"4\x9b"
     "103",
     "101-102"},
    {"4\x9b"
     "114",
     "112-113"},
    {"8\x9b"
     "11",
     "9b-10"},
    {"8\x9b"
     "9b-10",
     "9a"},
    {"8\x9b"
     "34",
     "33b"},
    {"8\x9b"
     "33b",
     "33a"},
    {"8\x9b"
     "105",
     "103-104"},
    {"16\x9b"
     "33B",
     "33A"},
    {"20\x9b"
     "2",
     "1b"},
    {"20\x9b"
     "1b",
     "1a"},
    {"50\x9b"
     "14",
     "12-13"},
    {"3c7", "6b"},
    {"3c6b", "6a"},
    {"10c7", "6b"},
    {"10c6b", "6a"},
};

template <std::size_t N>
std::optional<std::string> namedStep(const NamedStep (&table)[N], std::string_view value,
                                     std::string_view printing) {
  const std::string key = normaliseValueKey(value) + std::string(printing);
  for (const NamedStep& step : table) {
    if (step.from == key) return std::string(step.to);
  }
  return std::nullopt;
}

}  // namespace

SheetStep stepSheetPosition(const TwoColourPosition& from, SheetDirection direction) {
  const SheetPlace p = placeOf(from.text);
  SheetStep step{SheetStep::Outcome::Beep, from};
  const auto moveTo = [&](char pane, int n) {
    step.outcome = SheetStep::Outcome::Moved;
    step.position = positionAt(pane, n);
  };
  switch (direction) {
    case SheetDirection::Previous:
      if (p.n > 1 && p.n <= 100) {
        moveTo(p.pane, p.n - 1);
      } else if (p.pane == 'B' && p.n == 1) {
        moveTo('A', 100);
      }
      break;
    case SheetDirection::Next:
      if (p.pane == 'A' && p.n == 100) {
        moveTo('B', 1);
      } else if (p.n >= 1 && p.n < 100) {
        moveTo(p.pane, p.n + 1);
      } else if (p.n == 100) {
        step.outcome = SheetStep::Outcome::Stayed;
      }
      break;
    case SheetDirection::Below: {
      char pane = p.pane;
      int n = p.n;
      if (pane == 'A' && n > 90) {
        pane = 'B';
        n -= 100;
      }
      if (n <= 90 && n + 10 >= 1) moveTo(pane, n + 10);
      break;
    }
    case SheetDirection::Above: {
      char pane = p.pane;
      int n = p.n;
      if (pane == 'B' && n < 11) {
        pane = 'A';
        n += 100;
      }
      if (n > 10 && n <= 110) moveTo(pane, n - 10);
      break;
    }
  }
  return step;
}

TwoColourPosition firstSheetPosition(std::string_view positionText) {
  return placeOf(positionText).pane == ' ' ? TwoColourPosition{"1", 1} : TwoColourPosition{"A1", 1};
}

TwoColourPosition lastSheetPosition(std::string_view positionText) {
  return placeOf(positionText).pane == ' ' ? TwoColourPosition{"100", 100}
                                           : TwoColourPosition{"B100", 200};
}

FlawNumberParts splitFlawNumber(std::string_view number) {
  const std::size_t dot = number.find('.');
  if (dot == std::string_view::npos) return {0, leadingNumber(number)};
  return {leadingNumber(number.substr(0, dot)), leadingNumber(number.substr(dot + 1))};
}

std::string joinFlawNumber(int group, int running) {
  if (group == 0) return std::to_string(running);
  return std::to_string(group) + "." + std::to_string(running);
}

std::optional<int> frameSettingAfter(int setting, int highest) {
  int next = setting + 1;
  if (next == 18) ++next;
  if (next < 1 || next > highest) return std::nullopt;
  return next;
}

std::optional<int> frameSettingBefore(int setting) {
  int previous = setting - 1;
  if (previous == 18) --previous;
  if (previous < 1) return std::nullopt;
  return previous;
}

int frameFlawCount(const FrameSettingCounts& counts, int setting, std::string_view period,
                   bool iceland) {
  if (iceland) return kIcelandicFrameFlaws;
  // The counts of a setting are those of its number, but for the periods whose counts stand
  // 30 places further on: setting 31 in its first period and 39, 41, 42 and 43 in their
  // second. (Settings 5, 28 and 29 count the same flaws in both periods.)
  const bool further =
      (setting == 31 && period == "1") ||
      (period == "2" && (setting == 39 || setting == 41 || setting == 42 || setting == 43));
  return counts.ofCode(further ? setting + 30 : setting);
}

std::optional<std::string> printingAfter(std::string_view value, std::string_view printing,
                                         int printingCount) {
  if (auto named = namedStep(kSuccessors, value, printing)) return named;
  const int n = leadingNumber(printing);
  if (n >= printingCount) return std::nullopt;
  return printingBlockName(value, std::to_string(n + 1));
}

std::optional<std::string> printingBefore(std::string_view value, std::string_view printing) {
  if (auto named = namedStep(kPredecessors, value, printing)) return named;
  const int n = leadingNumber(printing);
  if (n < 2) return std::nullopt;
  return printingBlockName(value, std::to_string(n - 1));
}

std::optional<TwoColourPosition> followedOvalPosition(const TwoColourPositionTable& table,
                                                      std::string_view followed) {
  std::string wanted(followed.substr(0, std::min<std::size_t>(followed.size(), 6)));
  // Nothing is followed: a blank number would find the first place without an oval flaw.
  if (withoutTrailingBlanks(wanted).empty()) return std::nullopt;
  wanted.resize(6, ' ');
  for (int i = 1; i <= kTwoColourPositions; ++i) {
    if (table.oval(i).view().substr(6) != wanted) continue;
    if (table.layout() != SheetLayout::TwoPanes) {
      const int n = i > 100 ? i - 100 : i;
      return TwoColourPosition{std::to_string(n), n};
    }
    return i <= 100 ? TwoColourPosition{"A" + std::to_string(i), i}
                    : TwoColourPosition{"B" + std::to_string(i - 100), i};
  }
  return std::nullopt;
}

}  // namespace kolvard
