#include "domain/search.hpp"

#include <algorithm>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/printing_record_reader.hpp"

namespace kolvard {
namespace {

constexpr char kAny = cp865::kMiddleDot;        // "·" no criterion
constexpr char kNone = static_cast<char>(246);  // "÷" nothing given
constexpr char kTopRow = cp865::kOslash;        // "ø"

char firstChar(const std::string& s) {
  return s.empty() ? kAny : s.front();
}

int lastDigit(int p) {
  return p % 10;
}

int numberInPane(int p) {
  return (p - 1) % 100 + 1;
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

class Search {
 public:
  Search(const SearchScope& scope, const SearchCriteria& criteria, SearchList& list,
         const PrintingRecordReader& reader)
      : scope_(scope),
        criteria_(criteria),
        list_(list),
        table_(reader.positions()),
        sets_(std::clamp(criteria.setsInUse, 1, 3)),
        panes_(reader.format().panes),
        extras_(reader.extrasCount()),
        position_(firstChar(criteria.criteria[0].position)),
        hideOuterPanes_(scope.edition == "A" && scope.value == "4s"),
        lastThree_(scope.edition == "P" || scope.edition == "L") {
    line_.reserve(kResultLineLength);
  }

  // Lists the matches of one pass over the printing; false when the list is full.
  bool listPass(int printing, bool secondPass, bool listed) {
    const int mainEnd = panes_ == 1 ? 100 : panes_ == 2 ? 200 : kLastSheetPosition;
    for (int p = 1; p <= mainEnd; ++p) {
      if (!visit(p, printing, secondPass, listed)) return false;
    }
    // Extra clichés stand alone: never in pairs or strips, never with a second state.
    if (!secondPass && sets_ == 1) {
      for (int p = kFirstExtraIndex; p <= kLastSheetPosition + extras_; ++p) {
        if (!visit(p, printing, secondPass, listed)) return false;
      }
    }
    return true;
  }

 private:
  bool visit(int p, int printing, bool secondPass, bool listed) {
    if (!matches(p, secondPass)) return true;
    if (sets_ >= 2 && flag(p) == "?") return true;
    if (sets_ == 3 && flag(p + 1) == "?") return true;
    if (!listed) return true;
    if (list_.foundCount >= kMostListedMatches) return false;
    buildLine(p, printing, secondPass);
    ++list_.foundCount;
    list_.lineCount = list_.foundCount;
    list_.results.set(list_.lineCount, line_);
    return true;
  }

  const std::string& flag(int p) const { return table_.entry(p).flag(); }

  bool positionKept(int p) const {
    if (position_ == kTopRow) return p <= kLastSheetPosition && (p - 1) % 100 < 10;
    // The bottom row of every pane; the extra clichés have no row and are kept.
    if (position_ == 'n') return p > kLastSheetPosition || (p - 1) % 100 >= 90;
    if (isDigit(position_)) return lastDigit(p) == position_ - '0';
    return true;
  }

  bool matches(int p, bool secondPass) const {
    if (!positionKept(p)) return false;
    // A pair or strip never runs past column 10.
    if (sets_ >= 2 && lastDigit(p) == 0) return false;
    if (sets_ == 3 && lastDigit(p) == 9) return false;
    if (secondPass) {
      bool any = false;
      for (int k = 0; k < sets_; ++k) any = any || table_.hasSecondState(p + k);
      if (!any) return false;
    }
    // "Any given" on panes C, D and the extra clichés only without a position criterion.
    const bool anyGivenAllowed = p <= 200 || position_ == kAny;
    for (int k = 0; k < sets_; ++k) {
      const CriteriaSet& c = criteria_.criteria[static_cast<std::size_t>(k)];
      const PositionEntry& q = table_.entry(p + k);
      if (!clicheMatches(c.cliche, q.cliche(), anyGivenAllowed)) return false;
      if (!typeMatches(c.type, q.type(), anyGivenAllowed)) return false;
    }
    return true;
  }

  static bool clicheMatches(const std::string& criterion, const std::string& cliche,
                            bool anyGivenAllowed) {
    switch (firstChar(criterion)) {
      case kNone:
        return cliche.empty();
      case '*':
        return !cliche.empty() && anyGivenAllowed;
      case kAny:
        return true;
      default:
        return cliche == criterion;
    }
  }

  bool typeMatches(const std::string& criterion, const std::string& type,
                   bool anyGivenAllowed) const {
    const bool undetermined = type == "?";
    switch (firstChar(criterion)) {
      case kNone:
        return undetermined || type.empty();
      case kAny:
        return true;
      case '*':
        if (undetermined) return criteria_.includeUndetermined;
        return !type.empty() && anyGivenAllowed;
      default:
        break;
    }
    if (undetermined && criteria_.includeUndetermined) return true;
    if (leadingNumber(type) != leadingNumber(criterion)) return false;
    if (criterion.size() == 1) return !type.empty() && type.front() == criterion.front();
    // "7 " is exactly type 7: the type's first characters, a one-character type with a blank.
    std::string head = asciiUpper(type.substr(0, std::min(type.size(), criterion.size())));
    if (type.size() == 1) head += ' ';
    return head == criterion;
  }

  std::string shortCliche(const std::string& c) const {
    std::string_view s = c;
    if (s.size() > 4) {
      s = s.substr(s.size() - 4);
      if (s.front() != '.') s.remove_prefix(1);
    }
    if (lastThree_ && s.size() > 3) s = s.substr(s.size() - 3);
    return std::string(s);
  }

  void appendPosition(int p) {
    std::string text;
    const std::string& f = flag(p);
    if (f == "?" || f == "o") {
      // The row is not known: the column only. (A strip's neighbours share the first
      // stamp's unknown row.)
      text = " .";
      text += static_cast<char>('0' + lastDigit(p));
      for (int k = 1; k < sets_; ++k) {
        text += "-.";
        text += static_cast<char>('0' + lastDigit(p + k));
      }
    } else {
      if (panes_ == 1) text += ' ';
      if (p > kLastSheetPosition) {
        text += "+  ";
      } else {
        if (panes_ == 2) text += p <= 100 ? 'A' : 'B';
        if (panes_ == 4) {
          const char pane = static_cast<char>('A' + (p - 1) / 100);
          text += hideOuterPanes_ && pane >= 'C' ? ' ' : pane;
        }
        const std::size_t numbers = text.size();
        text += std::to_string(numberInPane(p));
        for (int k = 1; k < sets_; ++k) {
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
    appendLeft(line_, text, 8);
  }

  void buildLine(int p, int printing, bool secondPass) {
    line_.clear();
    std::string head = scope_.value + std::to_string(printing);
    if (secondPass) head += '>';
    appendLeft(line_, head, 7);
    appendPosition(p);
    appendRight(line_, table_.entry(p).type(), 3);
    for (int k = 1; k < 3; ++k) {
      if (k < sets_) {
        line_ += '-';
        appendLeft(line_, table_.entry(p + k).type(), 3);
      } else {
        line_.append(4, ' ');
      }
    }
    line_ += ' ';
    appendRight(line_, shortCliche(table_.entry(p).cliche()), 4);
    for (int k = 1; k < 3; ++k) {
      if (k < sets_) {
        line_ += '-';
        appendLeft(line_, shortCliche(table_.entry(p + k).cliche()), 4);
      } else {
        line_.append(5, ' ');
      }
    }
    line_.append(3, ' ');
  }

  const SearchScope& scope_;
  const SearchCriteria& criteria_;
  SearchList& list_;
  const PositionTable& table_;
  int sets_;
  int panes_;
  int extras_;
  char position_;
  bool hideOuterPanes_;  // "4s" of 1864 shows its supplement panes C and D without a letter
  bool lastThree_;       // editions "P" and "L" show the last three cliché characters
  std::string line_;
};

}  // namespace

void adjustA4sRange(std::string_view edition, std::string_view value, std::string& fromPrinting,
                    std::string& toPrinting) {
  if (edition != "A" || value != "4s") return;
  if (fromPrinting == "3") fromPrinting = "2";
  if (toPrinting == "2") toPrinting = "3";
}

SearchSummary runSearch(const SearchScope& scope, const SearchCriteria& criteria, SearchList& list,
                        const DataFile& file, SearchProgress* progress) {
  SearchSummary summary;
  const SectionRef section = findPrintingSection(file, scope.edition, scope.value);
  PrintingRecordReader reader(file, section, scope.edition, scope.value);

  // The end mark reads as printing 9999, so a range always ends below it.
  const int from = std::clamp(leadingNumber(scope.fromPrinting), 1, kEndOfDataPrinting - 1);
  int to = std::clamp(leadingNumber(scope.toPrinting), from, kEndOfDataPrinting - 1);
  reader.reset(firstPrintingApplied(scope.edition, scope.value, from));

  list.foundCount = 0;
  list.lineCount = 0;
  list.listOffset = 0;
  list.results.clear();
  list.searching = true;

  // Printing 5 of 1854 is read together with printing 6, which is not listed.
  int unlisted = 0;
  if (scope.edition == "P" && to == 5) {
    to = 6;
    unlisted = 6;
  }

  // Every call moves on through the section and the call after the end mark completes
  // printing 9999, so this ends; the bound is a second guard.
  const std::size_t mostSteps = reader.recordCount() + 3;
  for (std::size_t steps = 0; steps < mostSteps; ++steps) {
    const PrintingStep step = reader.nextPrinting();
    const bool beyond = step.completed > to;
    if (progress) progress->printingStarted(scope.value + std::to_string(step.completed), beyond);
    if (beyond) break;

    PositionTable& table = reader.positions();
    const bool twoStates = table.splitStates();
    if (step.completed < from) {
      // Not searched, but a printing that changes during its run leaves its later state
      // to the printings that follow, just as a searched one does.
      if (twoStates) table.promoteSecondStates();
      continue;
    }
    ++summary.printingsSearched;
    Search search(scope, criteria, list, reader);
    const bool listed = step.completed != unlisted;
    bool room = search.listPass(step.completed, false, listed);
    if (twoStates) {
      table.promoteSecondStates();
      room = room && search.listPass(step.completed, true, listed);
    }
    if (progress) progress->linesChanged(list.foundCount);
    if (!room) {
      // The list is full: no later match could be shown, so the search ends here.
      summary.listFull = true;
      break;
    }
  }

  list.lineCount = list.foundCount + 1;
  list.results.set(list.lineCount, "***" + std::string(52, ' '));
  list.searching = false;
  return summary;
}

}  // namespace kolvard
