// The directory at the head of a data file. The group directory: entries of a two-letter group
// key and the 32-bit start of that group's name directory, ended by a blank entry. Each name
// directory: entries of a six-letter name and the 32-bit start of its section, ended by a
// blank name; a section ends where the entry after it starts. Read by the lookups and by the
// check of a file's directory alike.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>

namespace kolvard::directory {

inline constexpr std::int64_t kGroupEntrySize = 6;
inline constexpr std::int64_t kGroupKeyBytes = 2;  // then the start of the name directory
inline constexpr std::int64_t kNameEntrySize = 10;
inline constexpr std::int64_t kNameBytes = 6;  // then the start of the section

// An entry, or the name of one, of blanks only: the end of its directory.
inline bool isBlank(std::span<const std::uint8_t> bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == ' '; });
}

}  // namespace kolvard::directory
