#include "data/run_length_rows.hpp"

#include <algorithm>

namespace kolvard {

std::vector<RunLengthRow> decodeRunLengthRows(std::span<const std::uint8_t> bytes, int maxRows,
                                              RunLengthStatus* status) {
  std::vector<RunLengthRow> rows;
  RunLengthStatus found;
  if (maxRows <= 0) {
    if (status != nullptr) *status = found;
    return rows;
  }
  std::size_t pos = 0;
  while (rows.size() < static_cast<std::size_t>(maxRows) && pos < bytes.size()) {
    const std::size_t count = bytes[pos++];
    const std::size_t end = std::min(bytes.size(), pos + count);
    const int index = static_cast<int>(rows.size());
    if (end < pos + count && found.cutRow < 0) found.cutRow = index;
    RunLengthRow row;
    int base = 0;
    int pending = -1;
    for (; pos < end; ++pos) {
      const std::uint8_t b = bytes[pos];
      if (b == 255) {
        base += 255;
        continue;
      }
      const int column = base + b;
      if (pending < 0) {
        pending = column;
      } else {
        if (column < pending && found.reversedRow < 0) found.reversedRow = index;
        row.emplace_back(pending, column);
        pending = -1;
      }
    }
    if (pending >= 0 && found.unpairedRow < 0) found.unpairedRow = index;
    rows.push_back(std::move(row));
  }
  found.bytesUsed = pos;
  if (status != nullptr) *status = found;
  return rows;
}

}  // namespace kolvard
