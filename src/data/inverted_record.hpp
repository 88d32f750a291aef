// Position records (18 bytes) and printing-information lines (120 bytes) are stored in
// reverse byte order with every byte b stored as 255 - b.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kolvard {

inline constexpr int kPositionRecordSize = 18;
inline constexpr int kPrintingInfoLineSize = 120;

// Undoes the coding of one stored record (any length; a short record decodes short).
std::string decodeInvertedRecord(std::span<const std::uint8_t> stored);
// The same into `out`: its first characters when it is shorter than the record.
inline void decodeInvertedRecordInto(std::span<const std::uint8_t> stored, std::span<char> out) {
  const std::size_t n = stored.size() < out.size() ? stored.size() : out.size();
  for (std::size_t i = 0; i < n; ++i) {
    out[i] = static_cast<char>(255 - stored[stored.size() - 1 - i]);
  }
}
// The stored form of a decoded record, for tools that write data files.
std::string encodeInvertedRecord(std::string_view decoded);

}  // namespace kolvard
