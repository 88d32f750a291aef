#include "domain/two_colour_search.hpp"

#include <algorithm>

#include "data/text_fields.hpp"
#include "domain/printing_record_reader.hpp"
#include "domain/search_rules.hpp"
#include "domain/search_walk.hpp"
#include "domain/two_colour_printings.hpp"

namespace kolvard {
namespace {

class TwoColourSearch final : public PrintingLister {
 public:
  TwoColourSearch(const SearchScope& scope, const SearchCriteria& criteria, SearchList& list,
                  const PrintingRecordReader& reader, const FrameData& frames)
      : scope_(scope),
        criteria_(criteria),
        list_(list),
        reader_(reader),
        table_(reader.positions()),
        walk_(frames),
        sets_(std::clamp(criteria.setsInUse, 1, 3)),
        position_(criterionMark(criteria.criteria[0].position)) {
    line_.reserve(kResultLineLength);
  }

  std::string progressLabel(const PrintingStep& step) const override {
    return scope_.value + step.completedName;
  }

  void printingRead(const PrintingStep& step) override {
    static_cast<void>(step);
    const FrameBlockReference ref = parseFrameBlockReference(reader_.frameBlockReference());
    const SheetFormat& format = reader_.format();
    layout_ = ref.fromPaneB || format.framesFromPaneB ? SheetLayout::OnePaneFromB
              : format.panes == 2                     ? SheetLayout::TwoPanes
                                                      : SheetLayout::OnePane;
    // The frames change only with the block or the layout; most printings share them.
    if (filled_ && ref.block == block_ && layout_ == filledLayout_) return;
    frames_.fill(walk_.framesOf(ref.block, layout_));
    filled_ = true;
    block_ = ref.block;
    filledLayout_ = layout_;
  }

  bool listPass(const PrintingStep& step, bool secondPass, bool listed) override {
    const int last = layout_ == SheetLayout::TwoPanes ? 200 : 100;
    for (int p = 1; p <= last; ++p) {
      if (!matches(p, secondPass)) continue;
      if (sets_ >= 2 && flag(p) == "?") continue;
      if (sets_ == 3 && flag(p + 1) == "?") continue;
      if (!listed) continue;
      if (list_.foundCount >= kMostListedMatches) return false;
      buildLine(p, step.completedName, secondPass);
      ++list_.foundCount;
      list_.lineCount = list_.foundCount;
      list_.results.set(list_.lineCount, line_);
    }
    return true;
  }

 private:
  const std::string& flag(int p) const { return table_.entry(p).flag(); }

  // Position, second state, frame type, oval flaw, oval type, and the frame kind.
  bool matches(int p, bool secondPass) const {
    if (!placementMet(position_, p, sets_, secondPass, table_)) return false;
    const bool anyGivenAllowed = p <= 200 || position_ == criterion::kAny;
    for (int k = 0; k < sets_; ++k) {
      const CriteriaSet& c = criteria_.criteria[static_cast<std::size_t>(k)];
      const PositionEntry& oval = table_.entry(p + k);
      const FramePosition& frame = frames_.entry(p + k);
      if (!frameTypeCriterionMet(c.frameType, frame.type, anyGivenAllowed)) return false;
      if (!clicheCriterionMet(c.cliche, oval.cliche(), anyGivenAllowed)) return false;
      if (!typeCriterionMet(c.type, oval.type(), anyGivenAllowed, criteria_.includeUndetermined)) {
        return false;
      }
      const char kind = criterionMark(c.frameKind);
      if (kind != criterion::kAny && kind != frame.kind) return false;
    }
    return true;
  }

  void buildLine(int p, const std::string& printingName, bool secondPass) {
    line_.clear();
    appendLeft(line_, twoColourPrintingColumn(scope_.value, printingName, secondPass), 7);
    const int panes = layout_ == SheetLayout::TwoPanes ? 2 : 1;
    std::string position = positionText(table_, p, {sets_, panes, false});
    bool uncertain = false;
    for (int k = 0; k < sets_; ++k) uncertain = uncertain || frames_.entry(p + k).uncertain;
    if (uncertain) position += '?';
    appendLeft(line_, position, 8);
    for (int k = 0; k < 3; ++k) line_ += frames_.entry(p + k).kind;
    line_ += ' ';
    appendStamps([&](int q) -> std::string { return frames_.entry(q).type; }, p, 3);
    appendStamps([&](int q) -> std::string { return table_.entry(q).type(); }, p, 2);
    appendStamps([&](int q) { return shortenedCliche(table_.entry(q).cliche(), false); }, p, 4);
  }

  // The stamps p, p + 1, p + 2: "a-b-c", the first right-aligned, the others left-aligned,
  // each in `width`; a blank follows.
  template <typename Text>
  void appendStamps(Text text, int p, std::size_t width) {
    appendRight(line_, text(p), width);
    for (int k = 1; k < 3; ++k) {
      line_ += '-';
      appendLeft(line_, text(p + k), width);
    }
    line_ += ' ';
  }

  const SearchScope& scope_;
  const SearchCriteria& criteria_;
  SearchList& list_;
  const PrintingRecordReader& reader_;
  const PositionTable& table_;
  FrameWalk walk_;
  FramePositionTable frames_;
  bool filled_ = false;
  std::string block_;
  SheetLayout layout_ = SheetLayout::OnePane;
  SheetLayout filledLayout_ = SheetLayout::OnePane;
  int sets_;
  char position_;
  std::string line_;
};

}  // namespace

void FramePositionTable::fill(const TwoColourFields& frames) {
  for (int p = 1; p <= kTwoColourPositions; ++p) {
    const TwoColourField& field = frames[p];
    FramePosition& e = entries_[static_cast<std::size_t>(p)];
    e.kind = frameKindLetter(field.kind());
    e.type = field.type();
    e.uncertain = field.mark() == '?';
  }
}

bool frameTypeCriterionMet(const std::string& wanted, const std::string& frameType,
                           bool anyGivenAllowed) {
  switch (criterionMark(wanted)) {
    case criterion::kNone:
      return frameType.empty();
    case '*':
      return !frameType.empty() && anyGivenAllowed;
    case criterion::kAny:
      return true;
    default:
      break;
  }
  const std::size_t n = std::min<std::size_t>(wanted.size(), 2);
  return frameType.size() >= n && frameType.compare(0, n, wanted, 0, n) == 0;
}

SearchSummary runTwoColourSearch(const SearchScope& scope, const SearchCriteria& criteria,
                                 SearchList& list, const DataFile& file, const FrameData& frames,
                                 SearchProgress* progress) {
  const SectionRef section = findPrintingSection(file, scope.edition, scope.value);
  PrintingRecordReader reader(file, section, scope.edition, scope.value);

  // Each printing block holds what changed since the printing before it, so every search
  // reads from the first printing on.
  PrintingRun run;
  run.from = std::clamp(leadingNumber(scope.fromPrinting), 1, kEndOfDataPrinting - 1);
  run.to = std::clamp(leadingNumber(scope.toPrinting), run.from, kEndOfDataPrinting - 1);
  // "4s" up to printing 12 takes in what follows it in the data, but not printing 13.
  if (scope.value == "4s" && run.to == 12) {
    run.to = kEndOfDataPrinting - 1;
    run.unlisted = 13;
  }
  TwoColourSearch search(scope, criteria, list, reader, frames);
  return walkPrintings(reader, run, list, search, progress);
}

}  // namespace kolvard
