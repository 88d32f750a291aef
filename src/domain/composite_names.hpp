// The names of the composite-cliché sections: edition + "F" + value + series + "-" + code
// for one composite of a series, edition + "Q" + value + "1-" + code for one picture of the
// cliché-type set. The code is one character so that every name fits eight.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kolvard {

inline constexpr int kMostComposites = 48;

// The code of composite n (1..48): "1".."9", "A".."Z" for 10..35, "0" for 36, "^", "_", "`"
// for 37..39, "#".."(" ")" for 40..46, "!" for 47, "-" for 48. Nothing outside 1..48.
std::optional<char> compositeCode(int n);

// The composite number of a code; nothing for a character that is no code.
std::optional<int> compositeNumber(char code);

// The section of composite n: set 'F' (composites of `series`) or 'Q' (the cliché types,
// always written as series 1). cp865 in, cp865 out ("VF10ø3-C"); empty when n has no code.
std::string compositeSectionName(std::string_view edition, std::string_view value, char set,
                                 int series, int n);

}  // namespace kolvard
