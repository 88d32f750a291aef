// The rows of a run-length picture (stamp pictures, the logo, cliché drawings): per row a
// count byte n and n bytes of run data, a list of column pairs (start, end). Every byte 255
// adds 255 to a running base that starts at 0 for each row; the next byte below 255 is added
// to the base to give the column.
#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace kolvard {

using RunLengthRow = std::vector<std::pair<int, int>>;

// What a decoding met besides the runs, for a checker of the data. Row numbers count from 0;
// -1 where nothing of the kind was met.
struct RunLengthStatus {
  std::size_t bytesUsed = 0;  // the bytes the decoded rows take
  int cutRow = -1;            // the row whose run data the end of the bytes cut short
  int unpairedRow = -1;       // the first row ending with a column that has no partner
  int reversedRow = -1;       // the first row with a run that ends before it starts
};

// Up to `maxRows` rows; fewer where the data ends. A pair cut off by the end of its row is
// dropped. `status`, when given, is filled with what the rows showed.
std::vector<RunLengthRow> decodeRunLengthRows(std::span<const std::uint8_t> bytes, int maxRows,
                                              RunLengthStatus* status = nullptr);

}  // namespace kolvard
