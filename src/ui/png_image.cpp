#include "ui/png_image.hpp"

#ifdef KOLVARD_HAVE_PNG
#include <libdeflate.h>
#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <vector>

namespace kolvard {
namespace {
struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// The picture's colours in the order met, or nothing when there are more than 256.
std::vector<Rgb> paletteOf(const PixelVector& pixels) {
  std::vector<Rgb> palette;
  Rgb last = 0;
  bool haveLast = false;
  for (const Rgb p : pixels) {
    if (haveLast && p == last) continue;
    last = p;
    haveLast = true;
    if (std::find(palette.begin(), palette.end(), p) != palette.end()) continue;
    if (palette.size() == 256) return {};
    palette.push_back(p);
  }
  return palette;
}

void putBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

// One chunk: length, type, data, and the CRC of type and data.
void putChunk(std::vector<std::uint8_t>& out, const char (&type)[5],
              std::span<const std::uint8_t> data) {
  putBigEndian32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  const auto crc =
      static_cast<std::uint32_t>(libdeflate_crc32(0, out.data() + typeAt, out.size() - typeAt));
  putBigEndian32(out, crc);
}

struct CompressorFree {
  void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};

}  // namespace

bool writePng(const std::filesystem::path& path, const Framebuffer& image, std::string* error) {
  const auto fail = [&](const std::string& why) {
    if (error) *error = why;
    return false;
  };
  if (image.width() <= 0 || image.height() <= 0) return fail("cannot write an empty PNG");
  // The screen's few colours as a palette when there are no more than 256 of them (a third
  // of the bytes to compress), true colour otherwise; rows unfiltered, the whole picture
  // compressed at once at the fastest level (screenshots are flat colours).
  const PixelVector& pixels = image.pixels();
  const std::vector<Rgb> palette = paletteOf(pixels);
  const bool indexed = !palette.empty();
  const auto width = static_cast<std::size_t>(image.width());
  const std::size_t rowBytes = 1 + width * (indexed ? 1 : 3);
  std::vector<std::uint8_t> raw(rowBytes * static_cast<std::size_t>(image.height()));
  std::uint8_t* to = raw.data();
  for (int y = 0; y < image.height(); ++y) {
    const Rgb* from = pixels.data() + static_cast<std::size_t>(y) * width;
    *to++ = 0;  // filter: none
    if (indexed) {
      std::uint8_t index = 0;
      for (std::size_t x = 0; x < width; ++x) {
        if (palette[index] != from[x]) {
          index = static_cast<std::uint8_t>(std::find(palette.begin(), palette.end(), from[x]) -
                                            palette.begin());
        }
        *to++ = index;
      }
    } else {
      for (std::size_t x = 0; x < width; ++x) {
        *to++ = static_cast<std::uint8_t>(from[x] >> 16);
        *to++ = static_cast<std::uint8_t>(from[x] >> 8);
        *to++ = static_cast<std::uint8_t>(from[x]);
      }
    }
  }
  const std::unique_ptr<libdeflate_compressor, CompressorFree> compressor(
      libdeflate_alloc_compressor(1));
  if (!compressor) return fail("cannot write PNG: out of memory");
  std::vector<std::uint8_t> packed(libdeflate_zlib_compress_bound(compressor.get(), raw.size()));
  const std::size_t packedSize = libdeflate_zlib_compress(compressor.get(), raw.data(), raw.size(),
                                                          packed.data(), packed.size());
  if (packedSize == 0) return fail("cannot write PNG: the picture could not be compressed");
  packed.resize(packedSize);

  std::vector<std::uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  putBigEndian32(header, static_cast<std::uint32_t>(image.width()));
  putBigEndian32(header, static_cast<std::uint32_t>(image.height()));
  header.insert(header.end(), {8, static_cast<std::uint8_t>(indexed ? 3 : 2), 0, 0, 0});
  putChunk(file, "IHDR", header);
  if (indexed) {
    std::vector<std::uint8_t> entries;
    for (const Rgb p : palette) {
      entries.insert(entries.end(),
                     {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                      static_cast<std::uint8_t>(p)});
    }
    putChunk(file, "PLTE", entries);
  }
  putChunk(file, "IDAT", packed);
  putChunk(file, "IEND", {});

  FilePtr out(std::fopen(path.string().c_str(), "wb"));
  if (!out) return fail("cannot create " + path.string());
  if (std::fwrite(file.data(), 1, file.size(), out.get()) != file.size()) {
    return fail("cannot write PNG to " + path.string());
  }
  if (std::fclose(out.release()) != 0) return fail("cannot close " + path.string());
  return true;
}

std::optional<Framebuffer> readPng(const std::filesystem::path& path) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path.string().c_str())) return std::nullopt;
  png.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(png));
  if (!png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr)) {
    png_image_free(&png);
    return std::nullopt;
  }
  Framebuffer out(static_cast<int>(png.width), static_cast<int>(png.height));
  std::size_t i = 0;
  for (Rgb& p : out.pixels()) {
    p = (static_cast<Rgb>(rgb[i]) << 16) | (static_cast<Rgb>(rgb[i + 1]) << 8) | rgb[i + 2];
    i += 3;
  }
  return out;
}

}  // namespace kolvard
#else

namespace kolvard {

// A build without libpng (the Windows cross build) reads and writes no PNG files.
bool writePng(const std::filesystem::path& /*path*/, const Framebuffer& /*image*/,
              std::string* error) {
  if (error) *error = "this build of Kolvard cannot write PNG screenshots";
  return false;
}

std::optional<Framebuffer> readPng(const std::filesystem::path& /*path*/) {
  return std::nullopt;
}

}  // namespace kolvard
#endif
