// The pixels of the window's client area, owned by the program; a backend only shows them.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/large_block_allocator.hpp"

namespace kolvard {

using Rgb = std::uint32_t;  // 0xRRGGBB
using PixelVector = std::vector<Rgb, LargeBlockAllocator<Rgb>>;

class Framebuffer {
 public:
  Framebuffer() = default;
  Framebuffer(int width, int height, Rgb fill = 0xFFFFFF)
      : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

  int width() const { return width_; }
  int height() const { return height_; }
  const PixelVector& pixels() const { return pixels_; }
  PixelVector& pixels() { return pixels_; }

  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Rgb at(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  void set(int x, int y, Rgb colour) {
    if (contains(x, y)) pixels_[static_cast<std::size_t>(y) * width_ + x] = colour;
  }
  // Fills [x0, x1) × [y0, y1), clipped to the buffer.
  void fillRect(int x0, int y0, int x1, int y1, Rgb colour);
  // A horizontal run [x0, x1) on row y, clipped.
  void hline(int x0, int x1, int y, Rgb colour) { fillRect(x0, y, x1, y + 1, colour); }

  bool operator==(const Framebuffer& other) const = default;

 private:
  int width_ = 0;
  int height_ = 0;
  PixelVector pixels_;
};

}  // namespace kolvard
