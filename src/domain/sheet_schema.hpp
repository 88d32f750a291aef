// The sheet schema of a printing: the position table read as the schema reads it, and the
// rules that the sheets screen and the printed page share: which marks a position flag
// carries, the names of the panes, how a cell's cliché is written, which cells are repeated
// copies, the print tag and the printings read one further. Texts are cp865.
#pragma once

#include <string>
#include <string_view>

#include "domain/printing_record_reader.hpp"

namespace kolvard {

class DataFile;

// The position table after a printing, read in schema mode (the flags kept as their record
// letters), with one further printing read where the schema says so.
struct SheetOfPrinting {
  bool sectionFound = false;
  PositionTable table;
  SheetFormat format;
};
SheetOfPrinting readSheetOfPrinting(const DataFile& file, const std::string& edition,
                                    const std::string& value, const std::string& printing);

// The five marks a cell can carry: S a filled box, R a small "o" at the right, L a second
// "o" lower left of it, F an outline, X a "*".
struct FlagMarks {
  bool box = false;      // S
  bool right = false;    // R
  bool left = false;     // L
  bool outline = false;  // F
  bool star = false;     // X
  bool any() const { return box || right || left || outline || star; }
};
FlagMarks flagMarks(std::string_view flag);

// A flag that marks a new cliché: the printed record's description starts "1ny kliché$".
bool isNewClicheFlag(std::string_view flag);

// The name of pane 0..3 (A..D) after the printing heading of a value with more than one
// pane: " plade I", "  A-ark", "  Supplement 1", ...
std::string paneName(std::string_view edition, std::string_view value, std::string_view printing,
                     int pane);

// The printings after which the schema reads one further printing ("P4s5", "A4s8b", ...).
bool readsOneFurtherPrinting(std::string_view edition, std::string_view value,
                             std::string_view printing);

// The cliché of a cell as the schema writes it: plate numeral + "·" + place for the
// editions "R", "C", "P" and "L" where the number is plate-coded, the number otherwise; a
// leading "?" and trailing blanks removed.
std::string cellClicheText(std::string_view edition, std::string_view value,
                           std::string_view printing, std::string_view cliche);
// The type of a cell: a leading "?" and trailing blanks removed.
std::string cellTypeText(std::string_view type);

// In the repeated part of a sheet (group "H"/"K": rows 6..10; "V"/"K": columns 6..10) a
// cell whose cliché equals that of its source cell (50 positions or 5 columns earlier).
bool isRepeatedCopy(const PositionTable& table, SheetGroup group, int index);

// "#" + edition + value + printing + pane letter (none for a one-pane value); the printed
// file takes this name with its first "ø" written "o".
std::string sheetPrintTag(std::string_view edition, std::string_view value,
                          std::string_view printing, char paneLetter);

// The heading of a pane: value text + edition caption (" 1854 udgaven" for "P", " 1858
// udgaven" for "L").
std::string sheetHeading(std::string_view edition, std::string_view value,
                         std::string_view caption);
// "Tryk " + printing (+ " (nytryk)") + the pane name when the sheet has more than one pane.
std::string sheetPrintingHeading(std::string_view edition, std::string_view value,
                                 std::string_view printing, int panes, int pane);

}  // namespace kolvard
