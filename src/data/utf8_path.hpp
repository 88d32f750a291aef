// A path from UTF-8 text (the command line, key scripts, names converted from code page 865).
// On Windows a path made from a narrow string would read it in the ANSI code page, so "Ærø"
// typed on the command line would name another directory; char8_t text means UTF-8 everywhere.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kolvard {

inline std::filesystem::path utf8Path(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace kolvard
