// The printing order of the frame settings, section "TTRYK": one 320-byte record per shown
// setting (record s at start + 320 * (s - 1)), a list of fields each ended by ","; what
// follows the last "," is filler. The first field is the setting's label, the others name the
// printings made with the setting (value + printing, "4s12", sometimes with a remark in
// parentheses, "4s7(ny)"), and a setting used in two periods has the separators
// "1. periode:" and "2. periode:" among them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/data_file.hpp"

namespace kolvard {

inline constexpr int kPrintingOrderRecordLength = 320;
inline constexpr std::size_t kPrintingOrderLineLength = 100;  // a printed line breaks beyond it

struct PrintingOrderRecord {
  std::string label;                // the first field ("12", "53")
  std::vector<std::string> fields;  // the fields after it, in order
};

// The record's text taken apart; a text without any "," has no fields and an empty label.
PrintingOrderRecord parsePrintingOrderRecord(std::string_view text);

// The record of a shown setting; nothing for a missing section or a setting with no record
// in it. A last record cut short by the section end gives what is there.
std::optional<PrintingOrderRecord> readPrintingOrderRecord(const DataFile& file,
                                                           const SectionRef& section, int setting);

// The fields listed on the screen for a period: "" (or anything but "1" and "2") all;
// "1" those before "2. periode:"; "2" "2. periode:" and those after it (none when the record
// has no second period).
std::vector<std::string> printingOrderScreenFields(const PrintingOrderRecord& record,
                                                   std::string_view period);

// The line under the heading on the screen: "Setting " + label + ":", or "for rammer" for
// the Icelandic label "53".
std::string printingOrderSettingLine(std::string_view label);

// The printed lines for a period: the fields joined by ", ", a line ending once it has grown
// beyond 100 characters. Period "1" starts with the line "1. periode:" (what came before it is
// dropped) and ends at "2. periode:"; period "2" starts with the line "2. periode:".
std::vector<std::string> printingOrderPrintLines(const PrintingOrderRecord& record,
                                                 std::string_view period);

// The setting whose printing order the screen shows for a shown frame flaw number: its
// first two characters as a number ("28.4" gives 28, "5.3" gives 5; 0 without a number).
int printingOrderSetting(std::string_view shownFrameFlawNumber);

// Whether a field names the printing shown: its text up to the first "(" equals value +
// printing ("4s7(ny)" for "4s7").
bool namesPrinting(std::string_view field, std::string_view valuePrinting);

}  // namespace kolvard
