// What is particular to the type pages of the two-coloured edition ("TTYPER", read as
// TypePages of the two-coloured record form): the frame groups, the record keys (each type is
// a two-coloured flaw record), the labels, the page text and the entries. Texts are cp865.
#pragma once

#include <string>
#include <string_view>

#include "domain/type_pages.hpp"

namespace kolvard {

// The last index the screen allows until it meets the end record.
inline constexpr int kTwoColourTypeLastIndex = 49;

// A page of frame types: its value field starts with "R".
bool isFrameTypePage(std::string_view value);

// The flaw record of a type: edition + value + "M" + type for an oval type ("T4sM12"),
// edition + "M" + type for a frame type ("TM2-1").
std::string twoColourTypeRecordKey(std::string_view edition, std::string_view value,
                                   std::string_view type);

// "OM." or "RM." + the type with its first hyphen written as the grave accent ("RM.2`1").
std::string twoColourTypeLabel(bool frame, std::string_view type);

// "Side 2 af 3", or "( Ingen ovaltyper er registreret )" for page 0.
std::string twoColourTypePageText(int page, int pages);

// The value field to find for an entry after "V" or "R": the entry lower-cased and made 4
// characters; one starting with "r" names a frame group ("r2" -> "R2  "), and after "R" the
// entry is the group's digit ("2" -> "R2  ").
std::string twoColourTypeQuery(std::string_view entry, bool frameKey);

}  // namespace kolvard
