#include "print/schema_bitmap.hpp"

#include <algorithm>

#include "data/cp865.hpp"
#include "print/page_raster.hpp"
#include "print/replacing_file.hpp"

namespace kolvard {
namespace {

namespace fs = std::filesystem;

void putLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu));
  }
}

}  // namespace

std::string schemaFileName(std::string_view baseName) {
  std::string name(baseName);
  const auto at = name.find(cp865::kOslash);
  if (at != std::string::npos) name[at] = 'o';
  return name + ".BMP";
}

std::vector<std::uint8_t> schemaBitmapHeader(int height) {
  const std::uint32_t rows = height > 0 ? static_cast<std::uint32_t>(height) : 0u;
  std::vector<std::uint8_t> h;
  h.reserve(kBitmapHeaderBytes);
  h.push_back('B');
  h.push_back('M');
  putLittleEndian(h, rows * static_cast<std::uint32_t>(kBitmapRowBytes) + kBitmapHeaderBytes, 4);
  putLittleEndian(h, 0, 4);
  putLittleEndian(h, kBitmapHeaderBytes, 4);  // start of the pixel data
  putLittleEndian(h, 40, 4);                  // information header size
  putLittleEndian(h, static_cast<std::uint32_t>(kRasterWidth), 4);
  putLittleEndian(h, rows, 4);
  putLittleEndian(h, 1, 2);  // planes
  putLittleEndian(h, 1, 2);  // bits per pixel
  putLittleEndian(h, 0, 4);  // no compression
  putLittleEndian(h, 3496743, 4);
  putLittleEndian(h, 23622, 4);        // 600 dpi across
  putLittleEndian(h, 23622, 4);        // and down
  putLittleEndian(h, 2, 4);            // colours used
  putLittleEndian(h, 0, 4);            // colours important
  putLittleEndian(h, 0x00000000u, 4);  // palette 0: black
  putLittleEndian(h, 0x00FFFFFFu, 4);  // palette 1: white
  return h;
}

std::vector<std::uint8_t> encodeSchemaBitmap(const PageRaster& raster,
                                             const std::function<void()>& progress,
                                             int progressRows) {
  PageBytes out;
  encodeSchemaBitmapInto(raster, out, progress, progressRows);
  return std::vector<std::uint8_t>(out.begin(), out.end());
}

void encodeSchemaBitmapInto(const PageRaster& raster, PageBytes& out,
                            const std::function<void()>& progress, int progressRows) {
  const std::vector<std::uint8_t> header = schemaBitmapHeader(kPictureRows);
  out.resize(static_cast<std::size_t>(kSchemaBitmapSize));
  std::copy(header.begin(), header.end(), out.begin());
  std::uint8_t* at = out.data() + kBitmapHeaderBytes;
  constexpr int kPictureBytes = kPictureWidth / 8;  // 582
  int rowsDone = 0;
  // Bottom row first, each behind its white margin.
  for (int y = kPictureRows; y >= 1; --y) {
    const std::span<const std::uint8_t> row = raster.packedRow(y);
    std::fill(at, at + kBitmapMarginBytes, std::uint8_t{0xFF});
    std::uint8_t* dest = at + kBitmapMarginBytes;
    for (int b = 0; b < kPictureBytes; ++b) {
      dest[b] = static_cast<std::uint8_t>(~row[static_cast<std::size_t>(b)]);  // ink is bit 0
    }
    at += kBitmapRowBytes;
    ++rowsDone;
    if (progress && progressRows > 0 && rowsDone % progressRows == 0) progress();
  }
}

FileWriteResult writeFileReplacing(const fs::path& directory, std::string_view fileName,
                                   std::span<const std::uint8_t> bytes) {
  ReplacingFile file;
  const FileWriteResult opened = file.open(directory, fileName);
  if (!opened.ok) return opened;
  file.write(bytes.data(), bytes.size());
  return file.commit();
}

}  // namespace kolvard
