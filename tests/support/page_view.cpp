#include "support/page_view.hpp"

#include <cstdint>

namespace kolvard::test {

Framebuffer reducedView(const PageRaster& raster) {
  constexpr int kStep = 8;
  Framebuffer view(kRasterWidth / kStep, kPictureRows / kStep);
  for (int y = 0; y < view.height(); ++y) {
    for (int x = 0; x < view.width(); ++x) {
      int ink = 0;
      for (int dy = 0; dy < kStep; ++dy) {
        for (int dx = 0; dx < kStep; ++dx) ink += raster.ink(x * kStep + dx, 1 + y * kStep + dy);
      }
      const auto level = static_cast<std::uint32_t>(255 - ink * 255 / (kStep * kStep));
      view.set(x, y, level << 16 | level << 8 | level);
    }
  }
  return view;
}

}  // namespace kolvard::test
