#include "ui/png_image.hpp"

#ifdef KOLVARD_HAVE_PNG
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <memory>
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
}  // namespace

bool writePng(const std::filesystem::path& path, const Framebuffer& image, std::string* error) {
  const auto fail = [&](const std::string& why) {
    if (error) *error = why;
    return false;
  };
  FilePtr file(std::fopen(path.string().c_str(), "wb"));
  if (!file) return fail("cannot create " + path.string());
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    return fail("cannot write PNG: out of memory");
  }
  // The screen's few colours as a palette when there are no more than 256 of them (a third
  // of the bytes to compress), true colour otherwise; one row at a time, no copy of the whole
  // picture.
  const PixelVector& pixels = image.pixels();
  const std::vector<Rgb> palette = paletteOf(pixels);
  const bool indexed = !palette.empty();
  std::vector<png_color> entries;
  if (indexed) {
    for (const Rgb p : palette) {
      entries.push_back(png_color{static_cast<png_byte>(p >> 16), static_cast<png_byte>(p >> 8),
                                  static_cast<png_byte>(p)});
    }
  }
  std::vector<png_byte> row(static_cast<std::size_t>(image.width()) * (indexed ? 1 : 3));
  if (setjmp(png_jmpbuf(png)) != 0) {
    png_destroy_write_struct(&png, &info);
    return fail("cannot write PNG to " + path.string());
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()),
               static_cast<png_uint_32>(image.height()), 8,
               indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (indexed) png_set_PLTE(png, info, entries.data(), static_cast<int>(entries.size()));
  // Screenshots are flat colours: the fastest compression packs them nearly as well.
  png_set_compression_level(png, 1);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_write_info(png, info);
  const auto width = static_cast<std::size_t>(image.width());
  for (int y = 0; y < image.height(); ++y) {
    const Rgb* from = pixels.data() + static_cast<std::size_t>(y) * width;
    png_byte* to = row.data();
    if (indexed) {
      png_byte index = 0;
      for (std::size_t x = 0; x < width; ++x) {
        if (palette[index] != from[x]) {
          index = static_cast<png_byte>(std::find(palette.begin(), palette.end(), from[x]) -
                                        palette.begin());
        }
        *to++ = index;
      }
    } else {
      for (std::size_t x = 0; x < width; ++x) {
        *to++ = static_cast<png_byte>(from[x] >> 16);
        *to++ = static_cast<png_byte>(from[x] >> 8);
        *to++ = static_cast<png_byte>(from[x]);
      }
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  if (std::fclose(file.release()) != 0) return fail("cannot close " + path.string());
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
