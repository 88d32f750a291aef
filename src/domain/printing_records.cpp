#include "domain/printing_records.hpp"

#include <algorithm>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/value_tables.hpp"

namespace kolvard {
namespace {

constexpr ClicheCorrection kCorrections[] = {
    {"I3a1", 43, ""},
    {"I3a1", 48, ""},
    {"I3a1", 93, ""},
    {"I3a1", 98, "26", true},
    {"I3a3", 100, "24"},
    {"I3a4", 35, ""},
    {"I3a4", 40, ""},
    {"I5a2", 2, ""},
    {"I5a2", 31, ""},
    {"I5a2", 52, ""},
    {"I5a2", 57, ""},
    {"I5a2", 81, ""},
    {"I5a2", 86, ""},
    {"I10a4", 20, ""},
    {"I10a4", 32, ""},
    {"I10a4", 37, ""},
    {"I10a4", 48, ""},
    {"I10a4", 82, ""},
    {"I10a5", 31, ""},
    {"I10a5", 36, ""},
    {"I10a5", 81, "", true},
    {"I10a5", 86, "22"},
    {"I16a1", 2, ""},
    {"I16a1", 7, ""},
    {"I16a1", 42, ""},
    {"I16a1", 47, ""},
    {"I16a2", 24, ""},
    {"I16a2", 29, ""},
    {"I20a6", 71, "5"},
    {"I20a6", 76, "5"},
    // The oval flaw of 16 øre printing 8, position 94, is missing from its records.
    {"T16\x9b"
     "8",
     94, "1.87"},
};

constexpr char kBoxHorizontal = static_cast<char>(196);  // "─" starts a comment record

}  // namespace

PrintingRecordKind classifyPrintingRecord(std::string_view r) {
  using Kind = PrintingRecordKind;
  if (r.empty()) return Kind::Comment;
  const char c = r[0];
  if (c == '^') return r.size() > 1 && (r[1] == 'F' || r[1] == 'f') ? Kind::EndMark : Kind::Comment;
  if (c == kBoxHorizontal) return Kind::Comment;
  if (std::all_of(r.begin(), r.end(), [](char ch) { return ch == ' '; })) return Kind::Comment;
  switch (c) {
    case 'T':
    case 'O':
      return Kind::Header;
    case 'X':
      return Kind::Reset;
    case 'I':
      return Kind::Information;
    case 'F':
      return Kind::Format;
    case ' ':
    case 'A':
    case 'B':
    case 'C':
    case 'D':
    case '+':
    case '.':
    case 'Y':
      return Kind::Position;
    default:
      return c >= '0' && c <= '9' ? Kind::Position : Kind::Other;
  }
}

bool isUncertainMark(char mark) {
  return std::string_view("?opqzO!").find(mark) != std::string_view::npos;
}

std::string printingSectionName(std::string_view edition, std::string_view value) {
  if (value.empty()) return {};
  const char unit = value.back();
  if (unit != 's' && unit != cp865::kOslash && unit != 'o' && unit != 'c' && unit != 'a') {
    return {};
  }
  std::string name(edition);
  name += value;
  name += "DAT";
  return name;
}

SectionRef findPrintingSection(const DataFile& file, std::string_view edition,
                               std::string_view value) {
  const std::string name = printingSectionName(edition, value);
  return name.empty() ? SectionRef{} : file.findSection(name);
}

bool hasPrintingData(const DataFile& file, std::string_view edition, std::string_view value) {
  return PrintingRecords(file, findPrintingSection(file, edition, value)).size() > 0;
}

SchemaPrintBlock schemaPrintBlock(const DataFile& file, std::string_view edition,
                                  std::string_view value, std::string_view printing) {
  const int n = leadingNumber(printing);
  if (n < 1 || n > leadingNumber(highestPrintingOf(edition, value))) {
    return SchemaPrintBlock::NoSuchPrinting;
  }
  return hasPrintingData(file, edition, value) ? SchemaPrintBlock::None
                                               : SchemaPrintBlock::NoPrintingData;
}

PrintingRecords::PrintingRecords(const DataFile& file, const SectionRef& section) {
  if (section.found()) bytes_ = file.sectionBytes(section);
}

char sheetGroupLetter(SheetGroup group) {
  switch (group) {
    case SheetGroup::H:
      return 'H';
    case SheetGroup::K:
      return 'K';
    case SheetGroup::V:
      return 'V';
    case SheetGroup::None:
      break;
  }
  return ' ';
}

SheetGroup sheetGroupFromLetter(char letter) {
  switch (letter) {
    case 'H':
      return SheetGroup::H;
    case 'K':
      return SheetGroup::K;
    case 'V':
      return SheetGroup::V;
    default:
      return SheetGroup::None;
  }
}

std::span<const ClicheCorrection> clicheCorrectionsOf(std::string_view printingKey) {
  // The corrections of a printing stand together in the table.
  const std::span<const ClicheCorrection> all(kCorrections);
  const auto first = std::find_if(all.begin(), all.end(),
                                  [&](const ClicheCorrection& c) { return c.key == printingKey; });
  const auto last = std::find_if(first, all.end(),
                                 [&](const ClicheCorrection& c) { return c.key != printingKey; });
  return all.subspan(static_cast<std::size_t>(first - all.begin()),
                     static_cast<std::size_t>(last - first));
}

}  // namespace kolvard
