// A printed page as a small picture for the golden references: the raster reduced eight times
// in each direction, each pixel grey by the ink it covers.
#pragma once

#include "print/page_raster.hpp"
#include "ui/framebuffer.hpp"

namespace kolvard::test {

Framebuffer reducedView(const PageRaster& raster);

}  // namespace kolvard::test
