#include "ui/png_image.hpp"

#ifdef KOLVARD_HAVE_PNG
#include <png.h>

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
}  // namespace

bool writePng(const std::filesystem::path& path, const Framebuffer& image, std::string* error) {
  const auto fail = [&](const std::string& why) {
    if (error) *error = why;
    return false;
  };
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width());
  png.height = static_cast<png_uint_32>(image.height());
  png.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(image.width()) * image.height() * 3);
  std::size_t i = 0;
  for (const Rgb p : image.pixels()) {
    rgb[i++] = static_cast<std::uint8_t>(p >> 16);
    rgb[i++] = static_cast<std::uint8_t>(p >> 8);
    rgb[i++] = static_cast<std::uint8_t>(p);
  }
  FilePtr file(std::fopen(path.string().c_str(), "wb"));
  if (!file) return fail("cannot create " + path.string());
  if (!png_image_write_to_stdio(&png, file.get(), 0, rgb.data(), 0, nullptr)) {
    return fail(std::string("cannot write PNG: ") + png.message);
  }
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
