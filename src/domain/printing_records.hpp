// The printing data of a value: the section edition + value + "DAT" of 18-byte records,
// printing after printing, stored in reverse byte order with every byte b stored as 255 - b.
// One decoder serves both readers of these records: the printing walk of the search and the
// sheet schemas (printing_record_reader) and the position tables of the flaw screens
// (position_table). The sheet groups and the Icelandic corrections are shared by both too.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "data/data_file.hpp"
#include "data/inverted_record.hpp"

namespace kolvard {

inline constexpr std::size_t kPrintingRecordLength = 18;
using PrintingRecord = std::array<char, kPrintingRecordLength>;

// The name of a value's section: edition + value + "DAT"; empty for a value whose unit is not
// "s", "ø", "o", "c" or "a" (it has no printing data).
std::string printingSectionName(std::string_view edition, std::string_view value);

// The section of a value; not found (status 91) for a value without a section name.
SectionRef findPrintingSection(const DataFile& file, std::string_view edition,
                               std::string_view value);

// Whether the data file holds printing data of the value: its section, with at least one whole
// record. Without it every sheet of the value is empty, and nothing of it can be printed.
bool hasPrintingData(const DataFile& file, std::string_view edition, std::string_view value);

// Why no schema of a printing of the value can be printed: a printing outside 1..the value's
// highest printing, or printing data the data file does not hold (the page would be empty).
enum class SchemaPrintBlock { None, NoSuchPrinting, NoPrintingData };
SchemaPrintBlock schemaPrintBlock(const DataFile& file, std::string_view edition,
                                  std::string_view value, std::string_view printing);

// The records of a section in file order, each decoded as it is read. Only whole records
// count: a section cut short ends with its last complete record. A section not found has
// none.
class PrintingRecords {
 public:
  PrintingRecords(const DataFile& file, const SectionRef& section);
  std::size_t size() const { return bytes_.size() / kPrintingRecordLength; }
  PrintingRecord operator[](std::size_t index) const {
    PrintingRecord record{};
    if (index < size()) {
      decodeInvertedRecordInto(bytes_.subspan(index * kPrintingRecordLength, kPrintingRecordLength),
                               record);
    }
    return record;
  }

 private:
  std::span<const std::uint8_t> bytes_;
};

// What a record is, by its first characters (the same in the 18- and the 24-character form):
// a printing header ("T", "O"), the end mark ("^F", "^f"), a comment (any other "^", "─", or
// all blanks), a reset ("X"), an information line ("I"), the sheet format ("F"), a position
// (blank, "A".."D", a digit, "+", ".", "Y"), or something else, which the readers ignore.
enum class PrintingRecordKind {
  Header,
  EndMark,
  Comment,
  Reset,
  Information,
  Format,
  Position,
  Other
};
PrintingRecordKind classifyPrintingRecord(std::string_view record);

// The status marks "?", "o", "p", "q", "z", "O" and "!" of a position table's entry (and of the
// two-coloured oval and frame fields) all mean uncertain.
bool isUncertainMark(char mark);

// How a sheet repeats parts of its first pane (the "F" record's letter): "H" rows 6..10 repeat
// rows 1..5, "V" columns 6..10 repeat columns 1..5, "K" both.
enum class SheetGroup { None, H, K, V };

// The letter of a group (blank for none), and the group of a letter.
char sheetGroupLetter(SheetGroup group);
SheetGroup sheetGroupFromLetter(char letter);
inline bool repeatsTopHalf(SheetGroup group) {
  return group == SheetGroup::H || group == SheetGroup::K;
}
inline bool repeatsLeftHalf(SheetGroup group) {
  return group == SheetGroup::V || group == SheetGroup::K;
}

// Clichés fixed after some Icelandic printings (and one two-coloured oval flaw) are read
// (key: edition + value + printing),
// where the records give a cliché at places where the printing had none, or another one. An
// empty cliché clears the place. Two corrections ("I3a1" place 98, "I10a5" place 81) are made
// by the flaw screens' position tables only; the search and the schemas keep what their
// records give there.
struct ClicheCorrection {
  std::string_view key;
  int position;
  std::string_view cliche;
  bool positionTablesOnly = false;
};
std::span<const ClicheCorrection> clicheCorrectionsOf(std::string_view printingKey);

}  // namespace kolvard
