#include "domain/position_table.hpp"

#include <algorithm>
#include <array>

#include "data/data_file.hpp"
#include "data/text_fields.hpp"

namespace kolvard {
namespace {

const std::string kBlankEntry(kPositionEntryLength, ' ');

std::string_view field(std::string_view text, std::size_t from, std::size_t count) {
  return from < text.size() ? text.substr(from, count) : std::string_view{};
}

struct FixedLabel {
  std::string_view key;  // edition + value + printing, padded to 7
  int runningNumber;
  std::string_view label;
};

constexpr std::array<FixedLabel, 15> kFixedLabels = {{
    {"I3a1   ", 26, "98"},
    {"I3a3   ", 23, "45/50/95"},
    {"I3a3   ", 24, "100"},
    {"I3a4   ", 20, "85/90"},
    {"I5a2   ", 34, "35"},
    {"I5a2   ", 27, "7"},
    {"I10a4  ", 8, "87"},
    {"I10a4  ", 11, "15/65/70"},
    {"I10a4  ", 13, "43/93/98"},
    {"I10a5  ", 22, "86"},
    {"I16a1  ", 1, "52/57"},
    {"I16a1  ", 3, "92/97"},
    {"I16a2  ", 8, "74/79"},
    {"I20a6  ", 5, "71/76"},
    {"I20a6  ", 17, "21/26"},
}};

}  // namespace

PrintingPositionTable::PrintingPositionTable() {
  clear();
}

void PrintingPositionTable::clear() {
  rows_.assign(kPositionRows, {kBlankEntry, kBlankEntry});
  panes_ = 1;
  group_ = SheetGroup::None;
}

const std::string& PrintingPositionTable::entry(int row, int column) const {
  if (row < 0 || row >= kPositionRows || column < 0 || column >= kPositionColumns) {
    return kBlankEntry;
  }
  return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void PrintingPositionTable::setEntry(int row, int column, std::string text) {
  if (row < 0 || row >= kPositionRows || column < 0 || column >= kPositionColumns) return;
  rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::move(text);
}

PrintingPositionEntry PrintingPositionTable::read(int index) const {
  const std::string_view text = entry(index < 1 ? -1 : index);
  PrintingPositionEntry out;
  if (text.size() >= 2) out.status = isUncertainMark(text[1]) ? '?' : text[1];
  out.stamp = std::string(withoutTrailingBlanks(field(text, 2, 4)));
  out.cliche = std::string(withoutTrailingBlanks(field(text, 6, 6)));
  return out;
}

PositionTableLoad PrintingPositionTable::load(const DataFile& file, std::string_view edition,
                                              std::string_view value, std::string_view printing) {
  PositionTableLoad result;
  const SectionRef ref = findPrintingSection(file, edition, value);
  result.sectionStatus = ref.status;
  if (!ref.found()) return result;

  std::string wanted(printing.substr(0, std::min<std::size_t>(printing.size(), 9)));
  wanted.resize(std::max<std::size_t>(wanted.size(), 8), ' ');

  panes_ = 1;
  group_ = SheetGroup::None;
  infoCount_ = 0;
  const PrintingRecords records(file, ref);
  for (std::size_t i = 0; i < records.size(); ++i) {
    const PrintingRecord r = records[i];
    const std::string_view record(r.data(), r.size());
    if (record[0] == '^' && (record[1] == 'F' || record[1] == 'f')) break;
    if (record[0] == 'T') {
      if (result.printingFound) break;
      if (record.substr(1, 8) == wanted) result.printingFound = true;
      infoCount_ = 0;
      ++result.recordsApplied;
      continue;
    }
    applyRecord(record);
    ++result.recordsApplied;
  }

  fillSheetGroup();
  std::string key = std::string(edition) + std::string(value);
  for (char c : printing) {
    if (c != ' ') key += c;
  }
  applyCorrections(key);
  return result;
}

void PrintingPositionTable::applyRecord(std::string_view r) {
  const std::string entryText(r.substr(6, kPositionEntryLength));
  const char kind = r[0];
  if (kind == 'I') {
    ++infoCount_;
    if (r[1] == '?') {
      if (infoCount_ == 3) markPaneUncertain(1);
      if (infoCount_ == 4) markPaneUncertain(101);
    }
  } else if (kind == 'F') {
    group_ = SheetGroup::None;
    const char c = r[1];
    if (isDigit(c)) {
      // A sheet has at most four panes of 100 positions.
      panes_ = std::clamp(c - '0', 1, 4);
    } else if (c == 'H' || c == 'K' || c == 'V') {
      group_ = sheetGroupFromLetter(c);
      panes_ = 1;
    }
  } else if (kind == 'X') {
    if (r[1] == '0') {
      for (int row = 1; row <= 200; ++row) rows_[static_cast<std::size_t>(row)][0] = kBlankEntry;
    }
  } else if (kind >= '1' && kind <= '9') {
    const int n = leadingNumber(r.substr(0, 3));
    rows_[static_cast<std::size_t>(n <= 100 ? n : 0)][0] = entryText;
  } else if (kind == 'A' || kind == 'B') {
    const int n = leadingNumber(r.substr(1, 3));
    // Numbers outside 1..100 go to row 0, so a bad pane-B number never lands in pane A.
    const int row = (n >= 1 && n <= 100) ? n + (kind == 'B' ? 100 : 0) : 0;
    rows_[static_cast<std::size_t>(row)][0] = entryText;
  }
}

void PrintingPositionTable::markPaneUncertain(int firstRow) {
  for (int row = firstRow; row < firstRow + 100; ++row) {
    std::string& e = rows_[static_cast<std::size_t>(row)][0];
    if (e.size() < 2) e.resize(2, ' ');
    e[1] = '?';
  }
}

void PrintingPositionTable::fillSheetGroup() {
  auto copy = [this](int to, int from) {
    rows_[static_cast<std::size_t>(to)][0] = rows_[static_cast<std::size_t>(from)][0];
  };
  if (group_ == SheetGroup::H || group_ == SheetGroup::K) {
    for (int i = 1; i <= 50; ++i) copy(i + 50, i);
  }
  if (group_ == SheetGroup::V || group_ == SheetGroup::K) {
    for (int r = 1; r <= 91; r += 10) {
      for (int j = 0; j < 5; ++j) copy(r + 5 + j, r + j);
    }
  }
}

void PrintingPositionTable::applyCorrections(const std::string& key) {
  for (const ClicheCorrection& c : clicheCorrectionsOf(key)) {
    std::string text(c.cliche);
    text.insert(0, 7 - std::min<std::size_t>(text.size(), 7), ' ');
    rows_[static_cast<std::size_t>(c.position)][0] = std::move(text);
  }
}

std::string positionGroupLabel(SheetGroup group, std::string_view position,
                               std::string_view edition, std::string_view valuePrinting,
                               int runningNumber) {
  const int n = leadingNumber(position);
  if (n <= 0) return std::string(position);

  std::string label;
  const auto number = [](int v) { return std::to_string(v); };
  switch (group) {
    case SheetGroup::H:
      label = number(n) + "/" + number(n + 50);
      break;
    case SheetGroup::K:
      label = number(n) + "/" + number(n + 5) + "/" + number(n + 50) + "/" + number(n + 55);
      break;
    case SheetGroup::V: {
      const int a = leadingNumber(field(position, 0, 2));
      const int b = leadingNumber(field(position, 2, 2));
      label = number(a) + "/" + number(a + 5);
      if (b != 0) label += "/" + number(b) + "/" + number(b + 5);
      break;
    }
    case SheetGroup::None:
      label = std::string(position);
      break;
  }

  std::string key = std::string(edition) + std::string(valuePrinting);
  if (key.size() < 7) key.resize(7, ' ');
  for (const FixedLabel& fixed : kFixedLabels) {
    if (fixed.key == key && fixed.runningNumber == runningNumber) return std::string(fixed.label);
  }
  return label;
}

}  // namespace kolvard
