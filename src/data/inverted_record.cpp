#include "data/inverted_record.hpp"

#include <algorithm>

namespace kolvard {

void decodeInvertedRecordInto(std::span<const std::uint8_t> stored, std::span<char> out) {
  const std::size_t n = std::min(stored.size(), out.size());
  for (std::size_t i = 0; i < n; ++i) {
    out[i] = static_cast<char>(255 - stored[stored.size() - 1 - i]);
  }
}

std::string decodeInvertedRecord(std::span<const std::uint8_t> stored) {
  std::string out(stored.size(), '\0');
  decodeInvertedRecordInto(stored, out);
  return out;
}

std::string encodeInvertedRecord(std::string_view decoded) {
  std::string out(decoded.size(), '\0');
  for (std::size_t i = 0; i < decoded.size(); ++i) {
    out[decoded.size() - 1 - i] = static_cast<char>(255 - static_cast<unsigned char>(decoded[i]));
  }
  return out;
}

}  // namespace kolvard
