// The pixels of a one-pixel line between two pixel points, both ends included, in the order
// they are drawn. The window's lines, the cliché panel's edge marks and the page's edge
// marks all walk their lines this way.
#pragma once

#include <cstdlib>

namespace kolvard {

template <typename Plot>
void walkLine(int x0, int y0, int x1, int y1, Plot&& plot) {
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    plot(x0, y0);
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

}  // namespace kolvard
