// The rows of a run-length picture (stamp pictures, the logo, cliché drawings): per row a
// count byte n and n bytes of run data, a list of column pairs (start, end). Every byte 255
// adds 255 to a running base that starts at 0 for each row; the next byte below 255 is added
// to the base to give the column.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace kolvard {

using RunLengthRow = std::vector<std::pair<int, int>>;
using RunLengthRun = std::pair<int, int>;

// What a decoding met besides the runs, for a checker of the data. Row numbers count from 0;
// -1 where nothing of the kind was met.
struct RunLengthStatus {
  std::size_t bytesUsed = 0;  // the bytes the decoded rows take
  int cutRow = -1;            // the row whose run data the end of the bytes cut short
  int unpairedRow = -1;       // the first row ending with a column that has no partner
  int reversedRow = -1;       // the first row with a run that ends before it starts
};

// Hands up to `maxRows` rows, in order, to onRow(index, runs) without allocating: `runs` is
// a span valid for the call only (a row's count byte allows at most 127 pairs). Fewer rows
// where the data ends; a pair cut off by the end of its row is dropped. Returns what the
// rows showed.
template <typename OnRow>
RunLengthStatus visitRunLengthRows(std::span<const std::uint8_t> bytes, int maxRows,
                                   OnRow&& onRow) {
  RunLengthStatus found;
  std::array<RunLengthRun, 128> runs{};
  std::size_t pos = 0;
  for (int index = 0; index < maxRows && pos < bytes.size(); ++index) {
    const std::size_t count = bytes[pos++];
    const std::size_t end = std::min(bytes.size(), pos + count);
    if (end < pos + count && found.cutRow < 0) found.cutRow = index;
    std::size_t n = 0;
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
        runs[n++] = RunLengthRun{pending, column};
        pending = -1;
      }
    }
    if (pending >= 0 && found.unpairedRow < 0) found.unpairedRow = index;
    onRow(index, std::span<const RunLengthRun>(runs.data(), n));
  }
  found.bytesUsed = pos;
  return found;
}

// Up to `maxRows` rows; fewer where the data ends. A pair cut off by the end of its row is
// dropped. `status`, when given, is filled with what the rows showed.
std::vector<RunLengthRow> decodeRunLengthRows(std::span<const std::uint8_t> bytes, int maxRows,
                                              RunLengthStatus* status = nullptr);

}  // namespace kolvard
