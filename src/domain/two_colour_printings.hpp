// The printings of the two-coloured edition as the register names them: the pairs of
// printings that are one unit (the data holds each pair as one printing block, "2-3" of
// "4s"), the first printing of "20ø", and the printing column of a result line.
#pragma once

#include <string>
#include <string_view>

namespace kolvard {

// The highest printing of a two-coloured value (the value normalised first); "0" for a value
// the edition does not have.
std::string twoColourHighestPrinting(std::string_view value);

// The printing block of a pair that `printing` (a number) belongs to, as the data names it
// ("2-3" of "4s", "9b-10" of "8ø"); empty when the printing is not in a pair.
std::string_view printingPairName(std::string_view value, int printing);

// The printing block the data holds a printing in: a printing of a pair, written as a plain
// number ("2" or "3" of "4s"), is in the pair's block ("2-3"); any other printing ("9a",
// "12", "1a") is its own block.
std::string printingBlockName(std::string_view value, std::string_view printing);

// The range as the search takes it: a from or to printing in a pair (one of its printings as a
// plain number, or the pair's block name) moves to the pair's first or last printing ("4s" 3-3
// becomes 2-3; "9a" of "8ø" is no printing of its pair "9b-10"), and from printing "1" of
// "20ø" becomes "1a".
void adjustTwoColourRange(std::string_view value, std::string& fromPrinting,
                          std::string& toPrinting);

// The printing a two-coloured screen shows for a printing typed or handed over to it, as PgDn
// and PgUp name it: a printing of a pair is the pair's block ("3" of "4s" is "2-3", "10" of
// "8ø" is "9b-10"), printing "1" of "20ø" is "1a", any other printing stays as it is.
std::string twoColourShownPrinting(std::string_view value, std::string_view printing);

// Value + printing name as the printing column of a result line shows it, ">" added for the
// second state, cut to 7 characters; "50ø12-13" is written "50ø1213".
std::string twoColourPrintingColumn(std::string_view value, std::string_view printingName,
                                    bool secondState);

}  // namespace kolvard
