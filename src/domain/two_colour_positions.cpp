#include "domain/two_colour_positions.hpp"

#include <algorithm>

#include "data/text_fields.hpp"

namespace kolvard {
namespace {

constexpr std::size_t kPrintingNameLength = 8;
constexpr int kPaneSize = 100;

std::string_view textOf(const PrintingRecord& r) {
  return {r.data(), r.size()};
}

bool isEndMark(const PrintingRecord& r) {
  return r[0] == '^' && (r[1] == 'F' || r[1] == 'f');
}

// The number in characters [from, to) of a record (leading blanks skipped); -1 without a digit.
int numberIn(std::string_view record, std::size_t from, std::size_t to) {
  const std::string_view part = record.substr(from, to - from);
  const std::string_view digits = part.substr(std::min(part.find_first_not_of(' '), part.size()));
  if (digits.empty() || !isDigit(digits.front())) return -1;
  return leadingNumber(digits);
}

SheetLayout layoutOfDigit(char digit, SheetLayout current) {
  switch (digit) {
    case '2':
      return SheetLayout::TwoPanes;
    case '3':
      return SheetLayout::OnePaneFromB;
    case '0':
    case '1':
      return SheetLayout::OnePane;
    default:
      // Not a digit reads as 0, which counts as one pane; 4..9 name no layout.
      return isDigit(digit) ? current : SheetLayout::OnePane;
  }
}

}  // namespace

void TwoColourPositionTable::decodeSection(const DataFile& file, const SectionRef& section) {
  if (decodedFile_ == &file && decodedSection_.start == section.start &&
      decodedSection_.end == section.end) {
    return;
  }
  records_.clear();
  const PrintingRecords records(file, section);
  for (std::size_t i = 0; i < records.size(); ++i) {
    const PrintingRecord r = records[i];
    if (isEndMark(r)) break;
    records_.push_back(r);
  }
  decodedFile_ = &file;
  decodedSection_ = section;
  ++decodes_;
}

void TwoColourPositionTable::applyRecord(const PrintingRecord& r, int& informationCount) {
  const std::string_view record = textOf(r);
  const std::string_view field = record.substr(6);
  const char first = record[0];
  if (first == 'I') {
    ++informationCount;
    if (record[1] == '?' && (informationCount == 3 || informationCount == 4)) {
      const int base = informationCount == 3 ? 0 : kPaneSize;
      for (int i = base + 1; i <= base + kPaneSize; ++i) ovals_[i].setMark('?');
    }
  } else if (first == 'R') {
    block_ = parseFrameBlockReference(record.substr(1, kPrintingNameLength));
    blockLabel_ = std::string(withoutTrailingBlanks(record.substr(1, kPrintingNameLength)));
  } else if (first == 'W') {
    watermarkSide_ = record[1] == '1' ? 1 : record[1] == '2' ? 2 : 0;
  } else if (first == 'F') {
    layout_ = layoutOfDigit(record[1], layout_);
  } else if (first == 'X') {
    if (numberIn(record, 1, record.size()) == 0) ovals_.clear();
  } else if (first >= '1' && first <= '9') {
    const int n = numberIn(record, 0, 3);
    ovals_[n <= kPaneSize ? n : 0] = TwoColourField::fromText(field);
  } else if (first == 'A' || first == 'B') {
    const int n = numberIn(record, 1, 4);
    // Numbers outside 1..100 go to the scrap slot, so that no record reaches the other pane.
    const int at = n >= 1 && n <= kPaneSize ? n + (first == 'B' ? kPaneSize : 0) : 0;
    ovals_[at] = TwoColourField::fromText(field);
  }
}

TwoColourLoad TwoColourPositionTable::load(const DataFile& file, const FrameData& frameData,
                                           std::string_view edition, std::string_view value,
                                           std::string_view printing, int extraSteps) {
  TwoColourLoad result;
  ovals_.clear();
  frames_.clear();
  layout_ = SheetLayout::OnePane;  // as any sheet without a format record
  block_ = FrameBlockReference{};
  blockLabel_.clear();
  watermarkSide_ = 0;

  const SectionRef section = findPrintingSection(file, edition, value);
  result.sectionStatus = section.status;
  if (!section.found()) return result;
  decodeSection(file, section);

  std::string wanted(printing);
  if (wanted.size() < kPrintingNameLength) wanted.resize(kPrintingNameLength, ' ');
  int informationCount = 0;
  for (const PrintingRecord& r : records_) {
    if (r[0] == 'T') {
      if (result.printingFound && extraSteps-- <= 0) break;
      if (textOf(r).substr(1, kPrintingNameLength) == wanted) result.printingFound = true;
      informationCount = 0;
      continue;
    }
    applyRecord(r, informationCount);
  }

  if (block_.fromPaneB) layout_ = SheetLayout::OnePaneFromB;
  result.frameBlockFound = frameData.framesOf(block_.block, layout_, frames_);
  return result;
}

void fitPositionToLayout(SheetLayout layout, TwoColourPosition& position) {
  std::string& text = position.text;
  const bool paneLetter = !text.empty() && (text.front() == 'A' || text.front() == 'B');
  if (layout == SheetLayout::TwoPanes) {
    if (!text.empty() && !paneLetter) text.insert(0, 1, 'A');
    return;
  }
  if (paneLetter) text.erase(0, 1);
  // Pane B's 101..200 become 1..100 (and so would the panes of a larger sheet).
  if (position.index > kPaneSize) position.index = (position.index - 1) % kPaneSize + 1;
  if (position.index < 1) position.index = 1;
}

TwoColourLoad loadPositionTable(TwoColourPositionTable& table, const DataFile& file,
                                const FrameData& frameData, std::string_view edition,
                                std::string_view value, std::string_view printing,
                                TwoColourPosition& position, int extraSteps) {
  const TwoColourLoad result = table.load(file, frameData, edition, value, printing, extraSteps);
  if (result.sectionFound()) fitPositionToLayout(table.layout(), position);
  return result;
}

}  // namespace kolvard
