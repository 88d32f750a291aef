#include "print/pdf_pages.hpp"

#include <array>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <memory>

#include "data/cp865.hpp"
#include "print/page_raster.hpp"
#include "print/replacing_file.hpp"

#ifdef KOLVARD_HAVE_PDF
#include <libdeflate.h>

#include <new>
#include <stdexcept>

#include "print/pdf_document.hpp"
#include "print/pdf_module.hpp"
#endif

namespace kolvard {

std::string pdfFileName(std::string_view baseName) {
  std::string name(baseName);
  const auto at = name.find(cp865::kOslash);
  if (at != std::string::npos) name[at] = 'o';
  return name + ".PDF";
}

#ifndef KOLVARD_HAVE_PDF

bool pdfAvailable() {
  return false;
}

std::string pdfUnavailableReason() {
  return "this build of Kolvard cannot write PDF files";
}

void compressPdfPage(const PageRaster&, std::vector<std::uint8_t>& out) {
  out.clear();
}

FileWriteResult writePdfReplacing(const std::filesystem::path&, std::string_view, int,
                                  PdfPageSource&) {
  return FileWriteResult{false, "dette program kan ikke skrive PDF-filer"};
}

#else

namespace {

// The page image: the BMP file's picture, 4704 x 6610 dots, ink as sample 1.
constexpr int kImageWidth = kBitmapRowBytes * 8;  // 4704
constexpr int kImageRows = kPictureRows;          // 6610

// The image at 600 dpi on A4 (841.89 points high), on whole dots of a 600-dpi rendering as
// near the middle of the page as they allow: 128 dots from the left edge, 203 from the top.
constexpr double kPageHeight = 841.89;
constexpr double kPointsPerDot = 72.0 / 600.0;
constexpr int kImageLeftDots = 128;
constexpr int kImageTopDots = 203;
// Renderers give an image every device dot its edges touch, so an edge that lies exactly on a
// dot boundary would gain a row or column (and the picture would be stretched by one dot).
// Each edge is drawn 1/250 dot inside its boundary instead.
constexpr double kEdgeInset = 0.004 * kPointsPerDot;

std::string pageContent() {
  const double width = kImageWidth * kPointsPerDot - 2 * kEdgeInset;
  const double height = kImageRows * kPointsPerDot - 2 * kEdgeInset;
  const double left = kImageLeftDots * kPointsPerDot + kEdgeInset;
  const double bottom = kPageHeight - kImageTopDots * kPointsPerDot - kEdgeInset - height;
  std::array<char, 128> text{};
  std::snprintf(text.data(), text.size(), "q %.5f 0 0 %.5f %.5f %.5f cm /Im0 Do Q\n", width, height,
                left, bottom);
  return text.data();
}

}  // namespace

bool pdfAvailable() {
  return pdfModule().write != nullptr;
}

std::string pdfUnavailableReason() {
  return pdfAvailable() ? std::string() : "PDF files cannot be written: " + pdfModule().failure;
}

void compressPdfPage(const PageRaster& raster, std::vector<std::uint8_t>& out) {
  // The image's rows one after another, each behind the white margin of the BMP file (which
  // stays 0): libdeflate packs a whole buffer at once, about three times as fast as zlib.
  constexpr std::size_t kRowBytes = kBitmapRowBytes;
  constexpr std::size_t kPictureBytes = kPictureWidth / 8;
  thread_local std::vector<std::uint8_t> image(kRowBytes * kImageRows, 0);
  for (int k = 0; k < kImageRows; ++k) {
    const std::span<const std::uint8_t> bits = raster.packedRow(k + 1);
    std::copy(bits.begin(), bits.begin() + kPictureBytes,
              image.begin() + static_cast<std::ptrdiff_t>(k * kRowBytes + kBitmapMarginBytes));
  }
  // A 1-bit page is mostly paper: level 1 packs it to about 360 KB, faster than any other.
  struct Compressor {
    libdeflate_compressor* it = libdeflate_alloc_compressor(1);
    ~Compressor() { libdeflate_free_compressor(it); }
  };
  thread_local Compressor compressor;
  if (compressor.it == nullptr) throw std::bad_alloc();
  out.resize(libdeflate_zlib_compress_bound(compressor.it, image.size()));
  const std::size_t size =
      libdeflate_zlib_compress(compressor.it, image.data(), image.size(), out.data(), out.size());
  if (size == 0) throw std::length_error("the page did not fit its compression bound");
  out.resize(size);
}

FileWriteResult writePdfReplacing(const std::filesystem::path& directory, std::string_view fileName,
                                  int pageCount, PdfPageSource& pages) {
  if (pageCount < 1) return FileWriteResult{false, "der er ingen sider at skrive"};
  const WritePdfDocumentFunction writeDocument = pdfModule().write;
  if (writeDocument == nullptr) {
    return FileWriteResult{false, "PDF-modulet mangler: " + pdfModule().failure};
  }
  ReplacingFile file;
  const FileWriteResult opened = file.open(directory, fileName);
  if (!opened.ok) return opened;

  std::string why;                       // the first failure, UTF-8
  std::vector<std::uint8_t> compressed;  // of the page being written
  int nextPage = 0;
  PdfDocument document;
  document.pageCount = pageCount;
  document.imageWidth = kImageWidth;
  document.imageRows = kImageRows;
  document.pageContent = pageContent();
  document.creator = "Kolvard " KOLVARD_VERSION_TEXT;
  document.write = [&file, &why](const unsigned char* data, std::size_t size) {
    if (file.write(data, size)) return true;
    if (why.empty()) why = file.failure();
    return false;
  };
  document.page = [&](int index, const std::vector<std::uint8_t>*& samples) {
    if (index != nextPage) {
      why = "siderne blev ikke skrevet i rækkefølge";
      return false;
    }
    ++nextPage;
    std::string pageWhy;
    if (!pages.pdfPage(index, compressed, pageWhy)) {
      why = pageWhy.empty() ? "siden kunne ikke tegnes" : pageWhy;
      return false;
    }
    samples = &compressed;
    return true;
  };
  std::string failed;
  writeDocument(&document, &failed);
  if (!failed.empty()) {
    file.abandon();
    if (failed == "stopped") return FileWriteResult{false, why};
    return FileWriteResult{false, "PDF-filen kunne ikke skrives: " + failed};
  }
  if (nextPage != pageCount) {
    file.abandon();
    return FileWriteResult{false, "ikke alle sider blev skrevet"};
  }
  return file.commit();
}

#endif

}  // namespace kolvard
