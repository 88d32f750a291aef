#include "ui/framebuffer.hpp"

#include <algorithm>

namespace kolvard {

void Framebuffer::fillRect(int x0, int y0, int x1, int y1, Rgb colour) {
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min(x1, width_);
  y1 = std::min(y1, height_);
  for (int y = y0; y < y1; ++y) {
    std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_ + x0,
                std::max(0, x1 - x0), colour);
  }
}

}  // namespace kolvard
