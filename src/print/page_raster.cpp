#include "print/page_raster.hpp"

#include <algorithm>
#include <cstddef>

namespace kolvard {
namespace {

std::size_t rowStart(int y) {
  return static_cast<std::size_t>(y) * static_cast<std::size_t>(kRasterRowBytes);
}

bool inside(int x, int y) {
  return x >= 0 && x < kRasterWidth && y >= 0 && y < kRasterRows;
}

}  // namespace

PageRaster::PageRaster() : bits_(rowStart(kRasterRows), 0) {}

void PageRaster::clear() {
  if (blank_) return;  // a new raster, or one cleared and not drawn on since
  std::fill(bits_.begin(), bits_.end(), std::uint8_t{0});
  blank_ = true;
}

bool PageRaster::ink(int x, int y) const {
  if (!inside(x, y)) return false;
  const std::uint8_t byte = bits_[rowStart(y) + static_cast<std::size_t>(x / 8)];
  return ((byte >> (7 - x % 8)) & 1) != 0;
}

void PageRaster::set(int x, int y, bool ink) {
  if (!inside(x, y)) return;
  blank_ = false;
  std::uint8_t& byte = bits_[rowStart(y) + static_cast<std::size_t>(x / 8)];
  const auto bit = static_cast<std::uint8_t>(0x80u >> (x % 8));
  byte = ink ? static_cast<std::uint8_t>(byte | bit) : static_cast<std::uint8_t>(byte & ~bit);
}

void PageRaster::hline(int x1, int x2, int y) {
  if (y < 0 || y >= kRasterRows) return;
  const int from = std::max(std::min(x1, x2), 0);
  const int to = std::min(std::max(x1, x2), kRasterWidth - 1);
  if (from > to) return;
  blank_ = false;
  std::uint8_t* row = bits_.data() + rowStart(y);
  // Ragged start and end as masks of their bytes, the whole bytes between them filled at once.
  const int first = from / 8, last = to / 8;
  const auto headMask = static_cast<std::uint8_t>(0xFFu >> (from % 8));
  const auto tailMask = static_cast<std::uint8_t>(0xFFu << (7 - to % 8));
  if (first == last) {
    row[first] = static_cast<std::uint8_t>(row[first] | (headMask & tailMask));
    return;
  }
  row[first] = static_cast<std::uint8_t>(row[first] | headMask);
  std::fill(row + first + 1, row + last, std::uint8_t{0xFF});
  row[last] = static_cast<std::uint8_t>(row[last] | tailMask);
}

void PageRaster::vline(int x, int y1, int y2) {
  if (x < 0 || x >= kRasterWidth) return;
  const int from = std::max(std::min(y1, y2), 0);
  const int to = std::min(std::max(y1, y2), kRasterRows - 1);
  const auto bit = static_cast<std::uint8_t>(0x80u >> (x % 8));
  const std::size_t column = static_cast<std::size_t>(x / 8);
  blank_ = false;
  for (int y = from; y <= to; ++y) {
    std::uint8_t& byte = bits_[rowStart(y) + column];
    byte = static_cast<std::uint8_t>(byte | bit);
  }
}

void PageRaster::dashedHLine(int x1, int x2, int y, int& phase) {
  const long long n = static_cast<long long>(x2) - x1 + 1;
  ++phase;
  const bool lead = phase > 2;  // "11" in front: the dashes move by 2 every second row
  if (phase > 3) phase = 0;
  // The pattern "0011" repeated floor(n / 4) + 4 times always covers the n pixels, so only
  // the position within it matters.
  if (y < 0 || y >= kRasterRows || n <= 0) return;
  const long long first = std::max<long long>(0, -static_cast<long long>(x1));
  const long long last =
      std::min<long long>(n, static_cast<long long>(kRasterWidth) - static_cast<long long>(x1));
  for (int i = static_cast<int>(first); i < last; ++i) {
    bool inkHere;
    if (lead) {
      inkHere = i < 2 || (i - 2) % 4 >= 2;
    } else {
      inkHere = i % 4 >= 2;
    }
    set(x1 + i, y, inkHere);
  }
}

void PageRaster::plotGlyphPixel(int x, int y) {
  if (halfTone_ && ((x ^ y) & 1) != 0) return;  // keep the checkerboard's even squares
  set(x, y, true);
}

void PageRaster::plotGlyphPixels(std::span<const std::pair<int, int>> points) {
  plotGlyphPixelsInside(points, 0, 0, kRasterWidth - 1, kRasterRows - 1);
}

int PageRaster::plotGlyphPixelsInside(std::span<const std::pair<int, int>> points, int left,
                                      int top, int right, int bottom) {
  int dropped = 0;
  for (const auto& [x, y] : points) {
    if (x < left || x > right || y < top || y > bottom) {
      ++dropped;
      continue;
    }
    if (halfTone_ && ((x ^ y) & 1) != 0) continue;  // keep the checkerboard's even squares
    if (!inside(x, y)) continue;
    blank_ = false;
    std::uint8_t& byte = bits_[rowStart(y) + static_cast<std::size_t>(x / 8)];
    byte = static_cast<std::uint8_t>(byte | (0x80u >> (x % 8)));
  }
  return dropped;
}

std::span<const std::uint8_t> PageRaster::packedRow(int y) const {
  if (y < 0 || y >= kRasterRows) return {};
  return std::span<const std::uint8_t>(bits_.data() + rowStart(y),
                                       static_cast<std::size_t>(kRasterRowBytes));
}

}  // namespace kolvard
