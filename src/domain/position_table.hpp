// The position table of one printing of a value: which stamp number ("M.") and which
// cliché number ("C.") stands at each place of the printing sheet, built from the value's
// data section (edition + value + "DAT"), with the number of panes of the sheet and its
// sheet-group code. The flaw, register and sheet screens share one table object.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "domain/printing_records.hpp"

namespace kolvard {

inline constexpr int kPositionRows = 401;   // rows 0..400; row 0 takes what is never shown
inline constexpr int kPositionColumns = 2;  // the loader fills column 0
inline constexpr int kPositionEntryLength = 12;

// One entry as the screens read it. The status is '?' for every uncertain mark ("?", "o",
// "p", "q", "z", "O", "!"), otherwise the character as stored (blank when there is none).
struct PrintingPositionEntry {
  char status = ' ';
  std::string stamp;   // "M.", right-trimmed
  std::string cliche;  // "C.", right-trimmed; plate-coded for "P4s" and "L4s"

  bool uncertain() const { return status == '?'; }
};

struct PositionTableLoad {
  int sectionStatus = 0;       // the lookup status of the section (0 found)
  bool printingFound = false;  // the wanted printing header was seen
  int recordsApplied = 0;      // records read before loading stopped

  bool sectionFound() const { return sectionStatus == 0; }
};

class PrintingPositionTable {
 public:
  PrintingPositionTable();

  // Applies the records of edition + value + "DAT" in file order up to the header that
  // follows the wanted printing, then fills the sheet-group parts and the Icelandic
  // corrections (each entry set to its cliché right-aligned in 7 characters, or 7 blanks). The
  // table is never cleared here: a printing that lists only some positions inherits the rest from
  // the records before it. A missing section leaves the table, the pane count and the group code as
  // they were.
  PositionTableLoad load(const DataFile& file, std::string_view edition, std::string_view value,
                         std::string_view printing);

  // The raw entry text; blank for a row or column outside the table.
  const std::string& entry(int row, int column = 0) const;
  void setEntry(int row, int column, std::string text);
  // Every entry 12 blanks, one pane, no group.
  void clear();

  // The entry of a position index (1..400) as the screens read it; blank outside the table.
  PrintingPositionEntry read(int index) const;

  int paneCount() const { return panes_; }
  SheetGroup sheetGroup() const { return group_; }

 private:
  void applyRecord(std::string_view record);
  void markPaneUncertain(int firstRow);
  void fillSheetGroup();
  void applyCorrections(const std::string& key);

  std::vector<std::array<std::string, kPositionColumns>> rows_;
  int panes_ = 1;
  SheetGroup group_ = SheetGroup::None;
  int infoCount_ = 0;  // "I" records since the last printing header
};

// The label naming every place a cliché occupies on a sheet of the given group: "H" n/n+50,
// "K" n/n+5/n+50/n+55, "V" from a four-digit text "aabb" a/a+5 and, when b is not 0,
// /b/b+5. A position that is not a positive number comes back unchanged. Some Icelandic
// printings (edition + value + printing) have fixed labels by running number.
std::string positionGroupLabel(SheetGroup group, std::string_view position,
                               std::string_view edition, std::string_view valuePrinting,
                               int runningNumber);

}  // namespace kolvard
