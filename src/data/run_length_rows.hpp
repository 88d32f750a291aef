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

// Up to `maxRows` rows; fewer where the data ends. A pair cut off by the end of its row is
// dropped.
std::vector<RunLengthRow> decodeRunLengthRows(std::span<const std::uint8_t> bytes, int maxRows);

}  // namespace kolvard
