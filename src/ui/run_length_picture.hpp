// Run-length pictures (stamp pictures, the logo, cliché drawings): one unused byte, then
// per row a count byte n and n bytes of run data. The run data is a list of column pairs
// (start, end); every byte 255 adds 255 to a running base that starts at 0 for each row,
// and the next byte below 255 is added to the base to give the column. Columns and rows are
// stored at the zoom-4 pixel grid and thinned for smaller zooms.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kolvard {

struct PictureRow {
  std::vector<std::pair<int, int>> runs;  // (start, end) columns as stored
};

// Decodes up to `rows` rows; stops early where the data ends. A run pair cut off by the
// end of its row is dropped.
std::vector<PictureRow> decodeRunLengthPicture(std::span<const std::uint8_t> section, int rows);

// How a caller's edition argument fixes the number of rows: "C"/"R" 688, "P"/"L" 679,
// "A" 786, a lower-case prefix "v" 749 and "o" 853 (the prefix is then dropped from the
// argument), anything else 733.
struct PictureRowsRule {
  int rows;
  std::string edition;  // the argument without a "v"/"o" prefix
};
PictureRowsRule pictureRowsFor(std::string_view editionArgument);
inline constexpr int kLogoRows = 121;

// The drawn runs of a picture at a zoom, as pixel spans [x0, x1) on row y.
using SpanSink = std::function<void(int y, int x0, int x1)>;

// Value pictures: the first drawn row is one pixel below `top`; a row of phase 4 is
// skipped. A pair runs from left + trunc(zoom*start/4) to left + trunc(zoom*end/4) + 1,
// or for end - start < 3 to left + trunc(zoom*start/4) + trunc(zoom*(end-start)/4) + 1.
void renderPicture(const std::vector<PictureRow>& rows, int zoom, int left, int top,
                   const SpanSink& sink);
// The logo: each end at round((880 + column) * zoom / 4), the right end + 1, every run.
void renderLogo(const std::vector<PictureRow>& rows, int zoom, int top, const SpanSink& sink);

// Pictures decoded once and kept, by section position and row count.
class PictureCache {
 public:
  const std::vector<PictureRow>& get(std::span<const std::uint8_t> section, std::int64_t start,
                                     int rows) {
    auto [it, inserted] = pictures_.try_emplace({start, rows});
    if (inserted) it->second = decodeRunLengthPicture(section, rows);
    return it->second;
  }
  // Forgets every picture (they belong to the data file they were read from).
  void clear() { pictures_.clear(); }

 private:
  std::map<std::pair<std::int64_t, int>, std::vector<PictureRow>> pictures_;
};

// The row phases: true when the row with this 0-based index is drawn at the zoom.
bool pictureRowDrawn(int rowIndex, int zoom);

}  // namespace kolvard
