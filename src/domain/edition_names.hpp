// The texts that name an edition: the caption of the screens' headings and the front-page menu.
#pragma once

#include <string>
#include <string_view>

namespace kolvard {

// The editions a user can choose, in the order of the front-page menu.
inline constexpr std::string_view kMenuEditions = "CPLATVMIJ";

// The caption of an edition (cp865, leading space included): " Tofarvet" for "T", but
// " Island Ovaltype" with the Iceland flag; " Kvadratisk" also for "R". Any other letter
// returns `previous` unchanged.
std::string editionTitle(std::string_view edition, int icelandFlag, std::string_view previous);

// The front-page menu text of an edition (cp865), e.g. "Kvadrater. 3 & 4 cents" for "C";
// empty for a letter that is not on the menu.
std::string editionMenuText(std::string_view edition);

}  // namespace kolvard
