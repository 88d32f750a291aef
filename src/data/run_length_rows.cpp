#include "data/run_length_rows.hpp"

namespace kolvard {

std::vector<RunLengthRow> decodeRunLengthRows(std::span<const std::uint8_t> bytes, int maxRows,
                                              RunLengthStatus* status) {
  std::vector<RunLengthRow> rows;
  const RunLengthStatus found =
      visitRunLengthRows(bytes, maxRows, [&rows](int, std::span<const RunLengthRun> runs) {
        rows.emplace_back(runs.begin(), runs.end());
      });
  if (status != nullptr) *status = found;
  return rows;
}

}  // namespace kolvard
