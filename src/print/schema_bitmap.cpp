#include "print/schema_bitmap.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "data/cp865.hpp"
#include "print/page_raster.hpp"

namespace kolvard {
namespace {

namespace fs = std::filesystem;

void putLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu));
  }
}

// The reason of a failed file operation, worded for the export messages.
std::string reasonFor(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return "ingen skriveadgang til mappen";
    case EROFS:
      return "mappen er skrivebeskyttet";
    case ENOSPC:
      return "der er ikke plads på disken";
    case ENOENT:
    case ENOTDIR:
      return "mappen findes ikke";
    case EISDIR:
      return "navnet bruges af en mappe";
    default:
      return std::generic_category().message(error);
  }
}

fs::path utf8Path(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

FileWriteResult failed(std::string why) {
  return FileWriteResult{false, std::move(why)};
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
  std::vector<std::uint8_t> out;
  encodeSchemaBitmapInto(raster, out, progress, progressRows);
  return out;
}

void encodeSchemaBitmapInto(const PageRaster& raster, std::vector<std::uint8_t>& out,
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
                                   const std::vector<std::uint8_t>& bytes) {
  if (fileName.empty() || fileName.find('/') != std::string_view::npos ||
      fileName.find('\\') != std::string_view::npos || fileName == "." || fileName == "..") {
    return failed("ugyldigt filnavn");
  }
  const fs::path dir = directory.empty() ? fs::path(".") : directory;
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) {
    return failed(fs::exists(dir, ec) ? "mappens navn bruges af en fil" : "mappen findes ikke");
  }

  const std::string name = cp865ToUtf8(fileName);
  const fs::path target = dir / utf8Path(name);
  if (fs::is_directory(target, ec)) return failed("navnet bruges af en mappe");
  const fs::path scratch = dir / utf8Path("." + name + ".part");
  if (fs::is_directory(scratch, ec)) return failed("navnet bruges af en mappe");

  errno = 0;
  std::FILE* f = std::fopen(scratch.string().c_str(), "wb");
  if (f == nullptr) return failed(reasonFor(errno != 0 ? errno : EACCES));

  bool ok = true;
  int error = 0;
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
    ok = false;
    error = errno;
  }
  if (ok && std::fflush(f) != 0) {
    ok = false;
    error = errno;
  }
  if (std::fclose(f) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    fs::remove(scratch, ec);
    return failed(reasonFor(error != 0 ? error : EIO));
  }

  fs::rename(scratch, target, ec);
  if (ec) {
    const std::error_code renameError = ec;
    fs::remove(scratch, ec);
    return failed(renameError == std::errc::is_a_directory ? reasonFor(EISDIR)
                                                           : reasonFor(renameError.value()));
  }
  return FileWriteResult{true, {}};
}

}  // namespace kolvard
