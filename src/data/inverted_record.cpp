#include "data/inverted_record.hpp"

namespace kolvard {

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
