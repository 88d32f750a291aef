#include "domain/search.hpp"

#include <algorithm>

#include "data/text_fields.hpp"
#include "domain/printing_record_reader.hpp"
#include "domain/search_rules.hpp"
#include "domain/search_walk.hpp"

namespace kolvard {
namespace {

class Search final : public PrintingLister {
 public:
  Search(const SearchScope& scope, const SearchCriteria& criteria, SearchList& list,
         const PrintingRecordReader& reader)
      : scope_(scope),
        criteria_(criteria),
        list_(list),
        reader_(reader),
        table_(reader.positions()),
        sets_(std::clamp(criteria.setsInUse, 1, 3)),
        position_(criterionMark(criteria.criteria[0].position)),
        hideOuterPanes_(scope.edition == "A" && scope.value == "4s"),
        lastThree_(scope.edition == "P" || scope.edition == "L") {
    line_.reserve(kResultLineLength);
  }

  std::string progressLabel(const PrintingStep& step) const override {
    return scope_.value + std::to_string(step.completed);
  }

  bool listPass(const PrintingStep& step, bool secondPass, bool listed) override {
    panes_ = reader_.format().panes;
    const int mainEnd = panes_ == 1 ? 100 : panes_ == 2 ? 200 : kLastSheetPosition;
    for (int p = 1; p <= mainEnd; ++p) {
      if (!visit(p, step.completed, secondPass, listed)) return false;
    }
    // Extra clichés stand alone: never in pairs or strips, never with a second state.
    if (!secondPass && sets_ == 1) {
      for (int p = kFirstExtraIndex; p <= kLastSheetPosition + reader_.extrasCount(); ++p) {
        if (!visit(p, step.completed, secondPass, listed)) return false;
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

  bool matches(int p, bool secondPass) const {
    if (!placementMet(position_, p, sets_, secondPass, table_)) return false;
    // "Any given" on panes C, D and the extra clichés only without a position criterion.
    const bool anyGivenAllowed = p <= 200 || position_ == criterion::kAny;
    for (int k = 0; k < sets_; ++k) {
      const CriteriaSet& c = criteria_.criteria[static_cast<std::size_t>(k)];
      const PositionEntry& q = table_.entry(p + k);
      if (!clicheCriterionMet(c.cliche, q.cliche(), anyGivenAllowed)) return false;
      if (!typeCriterionMet(c.type, q.type(), anyGivenAllowed, criteria_.includeUndetermined)) {
        return false;
      }
    }
    return true;
  }

  void buildLine(int p, int printing, bool secondPass) {
    line_.clear();
    std::string head = scope_.value + std::to_string(printing);
    if (secondPass) head += '>';
    appendLeft(line_, head, 7);
    appendLeft(line_, positionText(table_, p, {sets_, panes_, hideOuterPanes_}), 8);
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
    appendRight(line_, shortenedCliche(table_.entry(p).cliche(), lastThree_), 4);
    for (int k = 1; k < 3; ++k) {
      if (k < sets_) {
        line_ += '-';
        appendLeft(line_, shortenedCliche(table_.entry(p + k).cliche(), lastThree_), 4);
      } else {
        line_.append(5, ' ');
      }
    }
    line_.append(3, ' ');
  }

  const SearchScope& scope_;
  const SearchCriteria& criteria_;
  SearchList& list_;
  const PrintingRecordReader& reader_;
  const PositionTable& table_;
  int sets_;
  int panes_ = 1;
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
  const SectionRef section = findPrintingSection(file, scope.edition, scope.value);
  PrintingRecordReader reader(file, section, scope.edition, scope.value);

  // The end mark reads as printing 9999, so a range always ends below it.
  PrintingRun run;
  run.from = std::clamp(leadingNumber(scope.fromPrinting), 1, kEndOfDataPrinting - 1);
  run.to = std::clamp(leadingNumber(scope.toPrinting), run.from, kEndOfDataPrinting - 1);
  run.firstApplied = firstPrintingApplied(scope.edition, scope.value, run.from);
  // Printing 5 of 1854 is read together with printing 6, which is not listed.
  if (scope.edition == "P" && run.to == 5) {
    run.to = 6;
    run.unlisted = 6;
  }
  Search search(scope, criteria, list, reader);
  return walkPrintings(reader, run, list, search, progress);
}

}  // namespace kolvard
