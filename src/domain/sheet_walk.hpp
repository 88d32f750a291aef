// Walking the printing sheet on the flaw screen: position steps with the pane rules, the
// position text as shown and as typed (plate numerals included), printing steps, following a
// cliché into another printing, the series-printing switch and the lines of the occurrence
// list. All pure; texts are cp865.
// Panes: 1 and 3 are single-pane sheets, 2 has panes A/B, 4 has panes A..D.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kolvard {

class PrintingPositionTable;

// The position index 1..400 of a sheet position text as the settings keep it: "A"n gives n,
// "B"n n + 100, "C"n n + 200, "D"n n + 300 (n 1..100), a bare number 1..400 itself.
// Surrounding blanks are ignored; any other text gives 1.
int positionNumberFromText(std::string_view text);

// Sheets with pane letters: 2 and 4 panes.
bool sheetHasPanes(int panes);

// The index 1..400 of a position: the number after the pane letter + 100 for "B", 200 for
// "C", 300 for "D"; a bare number is its own index. 0 for a text without a number.
int positionIndexOf(std::string_view position);

// The position as the screen takes it over on entry: on a single-pane sheet a position
// starting "A" or "B" becomes "1"; on a 2-pane sheet one starting with neither becomes
// "A1"; otherwise unchanged.
std::string positionOnEntry(std::string_view position, int panes);

// Home / End: "A1" / "B100" when the position has pane "A" or "B", else "1" / "100".
std::string firstPosition(std::string_view position);
std::string lastPosition(std::string_view position);

enum class PositionDirection { Previous, Next, Above, Below };
struct PositionStepResult {
  bool moved = false;  // false: beep, the position stays
  std::string position;
  int index = 0;
};
PositionStepResult stepPosition(std::string_view position, int panes, PositionDirection direction);

// A typed position (upper-cased by the caller): its number is the entry or, when that is 0,
// the entry without its first character; outside 1..100 gives message 8. On a single-pane
// sheet the position is the bare number, else the first character stays as pane letter
// ("B", "C", "D") and any other gives "A".
struct PositionEntryResult {
  bool accepted = false;
  int message = 0;  // kMessagePositionRange when rejected
  std::string position;
  int index = 0;
};
PositionEntryResult parsePositionEntry(std::string_view entry, int panes);

// The plate numeral of a pane on a plate printing (edition + value + printing, e.g. "P4s4",
// pane 'A' -> "III"); empty when the printing has none or the pane is not A/B.
std::string plateNumeralOf(std::string_view printingKey, char pane);

// The position under the printing label: the plate numeral for the plate printings ("A17"
// of "P4s" printing 2 -> "I·17"); on a single-pane sheet the letter is dropped and the text
// is "pos. " + number; on a sheet with panes a bare number gains "A".
std::string shownPosition(std::string_view valueKey, std::string_view printing,
                          std::string_view position, int panes);

// The editions whose plates are named by Roman numerals: "R", "C", "P", "L".
bool isPlateEdition(std::string_view edition);

// Plate numerals typed as a position: "III-7" of "P4s" printing 2 switches to printing "4"
// and names "A7".
struct PlateNumeralPosition {
  bool isPlateNumeral = false;
  std::string printingSwitch;  // empty: stay on the printing
  std::string position;        // "A" or "B" + number
};
PlateNumeralPosition plateNumeralPosition(std::string_view edition, std::string_view value,
                                          std::string_view printing, std::string_view entry);

// PgUp / PgDn. Nothing: message 7, no change. The result is the raw step; the caller
// normalises it with normalisePrintingName.
std::optional<std::string> previousPrinting(std::string_view edition, std::string_view value,
                                            std::string_view printing);
std::optional<std::string> nextPrinting(std::string_view edition, std::string_view value,
                                        std::string_view printing, int printingCount);

// The position of the first entry whose cliché field equals the follow cliché (padded to
// 6): entries 1..200 on sheets with panes ("A17", "B5", "B100"), 1..100 on single-pane
// sheets ("17"). Nothing for an empty follow cliché or no match (keep the position).
std::optional<std::string> followClichePosition(const PrintingPositionTable& table,
                                                std::string_view followCliche, int panes);

// "C" and "L", "P" except "16s", and "M10ø": no series print, no by-number mode.
bool seriesPrintingUnavailable(std::string_view edition, std::string_view value);

// Characters 2-7 of an occurrence item (value code + printing): lower-cased, "o" written "ø",
// right-trimmed.
std::string occurrenceValuePrinting(std::string_view field);

// One line of the occurrence list.
struct OccurrenceLine {
  std::string valuePrinting;  // drawn at x 16 ("4s3")
  std::string pane;           // at x 53: pane letter, or plate numeral + "·" + position
  std::string positionLabel;  // at x 60: the position-group label; empty after a numeral
  int colour = 1;             // palette: 3 blank pane, 2 the current value + printing, else 1
};
// The occurrence field (15-character items) of a cliché record; `currentValuePrinting` is
// value code + printing as the screen holds them, `runningNumber` that of the cliché.
std::vector<OccurrenceLine> occurrenceLines(std::string_view occurrences,
                                            std::string_view currentValuePrinting,
                                            std::string_view edition, int runningNumber);

}  // namespace kolvard
