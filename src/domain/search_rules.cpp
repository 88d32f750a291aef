#include "domain/search_rules.hpp"

#include <algorithm>

#include "data/text_fields.hpp"

namespace kolvard {
namespace {

int lastDigit(int p) {
  return p % 10;
}

int numberInPane(int p) {
  return (p - 1) % 100 + 1;
}

}  // namespace

char criterionMark(const std::string& field) {
  return field.empty() ? criterion::kAny : field.front();
}

bool positionCriterionMet(char position, int p) {
  if (position == criterion::kTopRow) return p <= kLastSheetPosition && (p - 1) % 100 < 10;
  // The bottom row of every pane; the extra clichés have no row and are kept.
  if (position == 'n') return p > kLastSheetPosition || (p - 1) % 100 >= 90;
  if (isDigit(position)) return lastDigit(p) == position - '0';
  return true;
}

bool placementMet(char position, int p, int sets, bool secondPass, const PositionTable& table) {
  if (!positionCriterionMet(position, p)) return false;
  if (sets >= 2 && p % 10 == 0) return false;
  if (sets == 3 && p % 10 == 9) return false;
  if (!secondPass) return true;
  for (int k = 0; k < sets; ++k) {
    if (table.hasSecondState(p + k)) return true;
  }
  return false;
}

bool clicheCriterionMet(const std::string& wanted, const std::string& cliche,
                        bool anyGivenAllowed) {
  switch (criterionMark(wanted)) {
    case criterion::kNone:
      return cliche.empty();
    case '*':
      return !cliche.empty() && anyGivenAllowed;
    case criterion::kAny:
      return true;
    default:
      return cliche == wanted;
  }
}

bool typeCriterionMet(const std::string& wanted, const std::string& type, bool anyGivenAllowed,
                      bool includeUndetermined) {
  const bool undetermined = type == "?";
  switch (criterionMark(wanted)) {
    case criterion::kNone:
      return undetermined || type.empty();
    case criterion::kAny:
      return true;
    case '*':
      if (undetermined) return includeUndetermined;
      return !type.empty() && anyGivenAllowed;
    default:
      break;
  }
  if (undetermined && includeUndetermined) return true;
  if (leadingNumber(type) != leadingNumber(wanted)) return false;
  if (wanted.size() == 1) return !type.empty() && type.front() == wanted.front();
  // "7 " is exactly type 7: the type's first characters, a one-character type with a blank.
  std::string head = asciiUpper(type.substr(0, std::min(type.size(), wanted.size())));
  if (type.size() == 1) head += ' ';
  return head == wanted;
}

std::string shortenedCliche(std::string_view s, bool lastThree) {
  if (s.size() > 4) {
    s = s.substr(s.size() - 4);
    if (s.front() != '.') s.remove_prefix(1);
  }
  if (lastThree && s.size() > 3) s = s.substr(s.size() - 3);
  return std::string(s);
}

std::string positionText(const PositionTable& table, int p, const PositionStyle& style) {
  std::string text;
  const std::string& f = table.entry(p).flag();
  if (f == "?" || f == "o") {
    // The row is not known: the column only. (A strip's neighbours share the first stamp's
    // unknown row.)
    text = " .";
    text += static_cast<char>('0' + lastDigit(p));
    for (int k = 1; k < style.sets; ++k) {
      text += "-.";
      text += static_cast<char>('0' + lastDigit(p + k));
    }
  } else {
    if (style.panes == 1) text += ' ';
    if (p > kLastSheetPosition) {
      text += "+  ";
    } else {
      if (style.panes == 2) text += p <= 100 ? 'A' : 'B';
      if (style.panes == 4) {
        const char pane = static_cast<char>('A' + (p - 1) / 100);
        text += style.hideOuterPanes && pane >= 'C' ? ' ' : pane;
      }
      const std::size_t numbers = text.size();
      text += std::to_string(numberInPane(p));
      for (int k = 1; k < style.sets; ++k) {
        text += '-';
        text += std::to_string(numberInPane(p + k));
      }
      // A strip past the first row ("A11-12-13") is longer than its place and would lose
      // digits of its last stamp: first the leading blank goes, then the middle number,
      // which a strip implies.
      std::size_t prefix = numbers;
      if (text.size() > 8 && text.front() == ' ') {
        text.erase(0, 1);
        --prefix;
      }
      if (text.size() > 8) {
        text.resize(prefix);
        text += std::to_string(numberInPane(p)) + "-" + std::to_string(numberInPane(p + 2));
      }
    }
  }
  // The column form of a strip (" .3-.4-.5") fits without its leading blank.
  if (text.size() > 8 && text.front() == ' ') text.erase(0, 1);
  if (text.size() > 8) text.resize(8);
  return text;
}

void appendLeft(std::string& out, std::string_view s, std::size_t width) {
  s = s.substr(0, std::min(s.size(), width));
  out += s;
  out.append(width - s.size(), ' ');
}

void appendRight(std::string& out, std::string_view s, std::size_t width) {
  s = s.substr(0, std::min(s.size(), width));
  out.append(width - s.size(), ' ');
  out += s;
}

}  // namespace kolvard
