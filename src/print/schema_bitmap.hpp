// The BMP file of a printed page: a 62-byte header, then the rows bottom first, each 6 bytes
// of white margin and 582 bytes of the first 4656 raster pixels (ink as bit 0). Files are
// written beside their final name and renamed over it only when complete, so a failed
// export never leaves a partial file under that name.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/large_block_allocator.hpp"

namespace kolvard {

class PageRaster;

inline constexpr int kBitmapHeaderBytes = 62;
inline constexpr int kBitmapRowBytes = 588;
inline constexpr int kBitmapMarginBytes = 6;
inline constexpr std::uint32_t kSchemaBitmapSize = 6610u * 588u + 62u;  // 3886742

// The file name of a page: the base name with its first "ø" (cp865) written "o", + ".BMP".
std::string schemaFileName(std::string_view baseName);

// The 62-byte header of a page of `height` rows.
std::vector<std::uint8_t> schemaBitmapHeader(int height = 6610);

// The whole file. `progress` (may be empty) is called after every `progressRows` rows.
std::vector<std::uint8_t> encodeSchemaBitmap(const PageRaster& raster,
                                             const std::function<void()>& progress = {},
                                             int progressRows = 76);
// The bytes of a page's file, in a block that costs few page faults to fill.
using PageBytes = std::vector<std::uint8_t, LargeBlockAllocator<std::uint8_t>>;

// The same into `out`, whose storage is kept when it is large enough: a caller printing page
// after page spares the allocation of each page's 3.9 MB.
void encodeSchemaBitmapInto(const PageRaster& raster, PageBytes& out,
                            const std::function<void()>& progress = {}, int progressRows = 76);

struct FileWriteResult {
  bool ok = false;
  std::string error;  // UTF-8, for the messages: why the file could not be made
};

// Writes `bytes` to directory / fileName through a scratch file in the same directory that
// is renamed over the final name; an old file of that name stays untouched on failure.
FileWriteResult writeFileReplacing(const std::filesystem::path& directory,
                                   std::string_view fileName, std::span<const std::uint8_t> bytes);
inline FileWriteResult writeFileReplacing(const std::filesystem::path& directory,
                                          std::string_view fileName,
                                          const std::vector<std::uint8_t>& bytes) {
  return writeFileReplacing(directory, fileName, std::span<const std::uint8_t>(bytes));
}

}  // namespace kolvard
