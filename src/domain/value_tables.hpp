// The stamp values of every edition in one table, and what the program knows of each: its
// place in the front page's order, the highest printing, the colours it is drawn in, whether
// the value check accepts it (with one series of clichés or several), whether its cliché
// numbers are plate-coded and whether its flaw screen heads the series. Texts are cp865; a
// value key is edition letter + value ("P4s").
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kolvard {

// The values of an edition in front-page order. For "I" the whole Iceland chain including
// the oval values; for "T" its own 25 values. Empty for a letter without values.
const std::vector<std::string>& valuesOf(std::string_view edition);

// The Iceland oval values "4a", "25a", "50a" and "100a", run as edition "T" with the Iceland
// flag.
bool isIcelandOvalValue(std::string_view value);

// Whether the front page knows `value` (exact, cp865) as a value of the edition; the Iceland
// oval values count as values of "T".
bool editionHasValue(std::string_view edition, std::string_view value);

// The value key with "Ø", "O" (either case), "°" and "*" read as "ø".
std::string normaliseValueKey(std::string_view value);

// The highest printing of edition + value (the value normalised first), as text; "0" for a
// value the table does not know.
std::string highestPrintingOf(std::string_view edition, std::string_view value);

// The palette entry of the register's stamp icon (the value normalised first); 8 for a value
// the table does not know and for the two-coloured edition.
int valueColourOf(std::string_view edition, std::string_view value, int fromPrinting);

struct StampColours {
  int value;  // the value picture
  int first;  // edition "T": the first (frame) picture; 0 for the other editions

  bool operator==(const StampColours&) const = default;
};

// The colours the front page draws `value` in (no normalising). A few values of "M" and "I"
// changed colour between printings and depend on the printing selector. Unknown
// combinations give 8 (8 and 8 for "T").
StampColours stampColoursFor(std::string_view edition, std::string_view value,
                             int printingSelector);

// The two colours of the two-coloured register's stamp icon (the value normalised first): the
// centre in the value colour, the frame in the first picture's colour; 8 and 8 for a value
// the edition does not have.
StampColours twoColourValueColours(std::string_view value);

struct ValueCheckResult {
  bool accepted = false;
  std::string value;           // the entered value in lower case
  std::string startingCliche;  // "1.1" for values with several series, "1" otherwise
  int message = 0;             // the message "Værdi findes ikke" when rejected
};

// Whether edition + value names a stamp value with cliché data. On success the caller takes
// the value and the starting cliché number; on failure it shows the message and keeps its
// previous value.
ValueCheckResult checkValue(std::string_view edition, std::string_view enteredValue);

// "C3c", "P2s", "P4s", "L4s", "L8s": three-digit running numbers, plate digit first.
bool isPlateCodedValue(std::string_view valueKey);

// The values whose flaw screen heads the series with its number: "P4s", "L4s", "A4s", "M4ø",
// "I3a", "I5a", "V5ø", "V10ø", "V20ø".
bool hasSeriesHeading(std::string_view valueKey);

}  // namespace kolvard
