// The register's fixed tables: the highest printing and the colour of every value.
#pragma once

#include <string>
#include <string_view>

namespace kolvard {

// The value key with "Ø", "O" (either case), "°" and "*" read as "ø" (cp865 text).
std::string normaliseValueKey(std::string_view value);

// The highest printing of edition + value, as text; "0" for a value the table does not know.
std::string highestPrintingOf(std::string_view edition, std::string_view value);

// The palette entry of the register's stamp icon; 8 for a value the table does not know.
int valueColourOf(std::string_view edition, std::string_view value, int fromPrinting);

}  // namespace kolvard
