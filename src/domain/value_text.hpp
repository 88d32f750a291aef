// How a stamp value is written out in headings, how a printing name is normalised before a
// screen shows or looks up a printing, and which printings carry the reprint marker. All
// texts are cp865.
#pragma once

#include <string>
#include <string_view>

namespace kolvard {

// "4s" -> "4 skilling", "10ø" -> "10 øre", "3c" -> "3 cents", "1c" -> "1 cent",
// "16a" -> "16 aur". Other unit letters are left as they are.
std::string valueText(std::string_view value);

// Blanks removed; the printing becomes its plain number unless it is one of the known halves
// ("A2s4a", "A4s10b", "V20ø14a", ...); then the plain printings that exist only in halves
// become their first half ("4" of "A2s" -> "4a") and printing 2 of "A4s" becomes "2-3".
std::string normalisePrintingName(std::string_view edition, std::string_view value,
                                  std::string_view printing);

// "Tryk " + printing, with " (nytryk)" for the reprints.
std::string printingLabel(std::string_view edition, std::string_view value,
                          std::string_view printing);

}  // namespace kolvard
