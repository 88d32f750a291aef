// One-bit images for run-length pictures: read from PBM (P1 or P4) or PNG files (a dark
// pixel is ink), written as P4 PBM by the picture generator.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace kolvard::datatool {

struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> ink;  // width * height, 1 = ink

  Bitmap() = default;
  Bitmap(int w, int h)
      : width(w), height(h), ink(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0) {}
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  bool at(int x, int y) const {
    return inside(x, y) && ink[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                               static_cast<std::size_t>(x)] != 0;
  }
  void set(int x, int y, bool on = true) {
    if (inside(x, y)) {
      ink[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
          static_cast<std::size_t>(x)] = on ? 1 : 0;
    }
  }
};

// Reads a PBM (by its "P1"/"P4" magic) or a PNG file. Throws PackError naming the file.
Bitmap readBitmap(const std::filesystem::path& path);
Bitmap parsePbm(std::span<const std::uint8_t> bytes, const std::string& sourceName);
std::vector<std::uint8_t> writePbm(const Bitmap& image);  // P4

// The maximal ink runs of each row as (first, last) columns, inclusive.
std::vector<std::vector<std::pair<int, int>>> inkRuns(const Bitmap& image);

// Appends the rows of a run-length picture to `out`: per row a count byte and the row's
// column pairs, each column written as 255 escapes relative to the row's running base and
// one byte below 255. Throws PackError when a row needs more than 255 bytes.
void appendRunLengthRows(std::vector<std::uint8_t>& out,
                         const std::vector<std::vector<std::pair<int, int>>>& rows,
                         const std::string& sourceName);

// A run-length picture section: one unused byte, then per row a count byte and the row's
// column pairs, each column written as 255 escapes relative to the row's running base and
// one byte below 255. Throws PackError when a row needs more than 255 bytes.
std::vector<std::uint8_t> encodeRunLengthPicture(const Bitmap& image,
                                                 const std::string& sourceName);

}  // namespace kolvard::datatool
