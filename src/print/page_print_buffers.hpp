// The page raster and the file bytes of a printed page, kept from one print to the next:
// fresh memory for an 8 MB page costs more than drawing the page. One set of buffers serves
// one printing session (the program's, or one `kolvard export` command).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "print/page_raster.hpp"
#include "print/schema_bitmap.hpp"

namespace kolvard {

class PagePrintBuffers {
 public:
  // The raster, made on first use; the page drawing clears it.
  PageRaster& raster() {
    if (!raster_) raster_ = std::make_unique<PageRaster>();
    return *raster_;
  }
  // The page's file bytes; the encoder overwrites them.
  PageBytes& bytes() { return bytes_; }

 private:
  std::unique_ptr<PageRaster> raster_;
  PageBytes bytes_;
};

}  // namespace kolvard
