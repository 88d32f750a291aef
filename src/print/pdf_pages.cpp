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
#include <zlib.h>

#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>
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

// Thrown only inside the writer to stop qpdf at the first failure; `why` is kept by the
// state that threw it.
struct WriteStopped {};

struct WriteState {
  PdfPageSource& pages;
  ReplacingFile& file;
  std::vector<std::uint8_t> compressed;  // of the page being written
  int nextPage = 0;
  std::string why;  // the first failure, UTF-8
};

// The output of qpdf, written through the scratch file.
class FilePipeline : public Pipeline {
 public:
  explicit FilePipeline(WriteState& state) : Pipeline("kolvard PDF file", nullptr), state_(state) {}
  void write(unsigned char const* data, size_t len) override {
    if (!state_.file.write(data, len)) {
      if (state_.why.empty()) state_.why = state_.file.failure();
      throw WriteStopped{};
    }
  }
  void finish() override {}

 private:
  WriteState& state_;
};

// The compressed samples of page `index`, handed over when qpdf writes its image.
void providePage(WriteState& state, int index, Pipeline* out) {
  if (index != state.nextPage) {
    state.why = "siderne blev ikke skrevet i rækkefølge";
    throw WriteStopped{};
  }
  ++state.nextPage;
  std::string why;
  if (!state.pages.pdfPage(index, state.compressed, why)) {
    state.why = why.empty() ? "siden kunne ikke tegnes" : why;
    throw WriteStopped{};
  }
  out->write(state.compressed.data(), state.compressed.size());
  out->finish();
}

QPDFObjectHandle addPage(QPDF& pdf, WriteState& state, int index, const std::string& content) {
  QPDFObjectHandle image = QPDFObjectHandle::newStream(&pdf);
  image.replaceDict(QPDFObjectHandle::parse(
      "<< /Type /XObject /Subtype /Image /Width 4704 /Height 6610 /ColorSpace /DeviceGray "
      "/BitsPerComponent 1 /Decode [1 0] >>"));
  // Already compressed: qpdf copies the stream as it is.
  image.replaceStreamData([&state, index](Pipeline* out) { providePage(state, index, out); },
                          QPDFObjectHandle::newName("/FlateDecode"), QPDFObjectHandle::newNull());

  QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::parse(
      "<< /Type /Page /MediaBox [0 0 595.276 841.89] /Resources << /XObject << >> >> >>"));
  page.getKey("/Resources").getKey("/XObject").replaceKey("/Im0", image);
  page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, content));
  pdf.addPage(page, false);
  return page;
}

}  // namespace

bool pdfAvailable() {
  return true;
}

void compressPdfPage(const PageRaster& raster, std::vector<std::uint8_t>& out) {
  // A 1-bit page is mostly paper: zlib's level 2 packs it to about 410 KB in a third of the
  // time of the default level (about 340 KB).
  z_stream z{};
  deflateInit(&z, 2);
  out.resize(deflateBound(&z, static_cast<uLong>(kBitmapRowBytes) * kImageRows));
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  std::array<unsigned char, kBitmapRowBytes> row{};  // the white margin stays 0
  constexpr std::size_t kPictureBytes = kPictureWidth / 8;
  for (int k = 0; k < kImageRows; ++k) {
    const std::span<const std::uint8_t> bits = raster.packedRow(k + 1);
    std::copy(bits.begin(), bits.begin() + kPictureBytes, row.begin() + kBitmapMarginBytes);
    z.next_in = row.data();
    z.avail_in = static_cast<uInt>(row.size());
    deflate(&z, k + 1 == kImageRows ? Z_FINISH : Z_NO_FLUSH);
  }
  out.resize(z.total_out);
  deflateEnd(&z);
}

FileWriteResult writePdfReplacing(const std::filesystem::path& directory, std::string_view fileName,
                                  int pageCount, PdfPageSource& pages) {
  if (pageCount < 1) return FileWriteResult{false, "der er ingen sider at skrive"};
  ReplacingFile file;
  const FileWriteResult opened = file.open(directory, fileName);
  if (!opened.ok) return opened;

  WriteState state{pages, file, {}, 0, {}};
  try {
    QPDF pdf;
    pdf.emptyPDF();
    const std::string content = pageContent();
    for (int i = 0; i < pageCount; ++i) addPage(pdf, state, i, content);
    QPDFObjectHandle info = pdf.makeIndirectObject(
        QPDFObjectHandle::parse("<< /Creator (Kolvard " KOLVARD_VERSION_TEXT ") >>"));
    pdf.getTrailer().replaceKey("/Info", info);

    FilePipeline output(state);
    QPDFWriter writer(pdf);
    writer.setOutputPipeline(&output);
    writer.setStreamDataMode(qpdf_s_compress);
    writer.setDeterministicID(true);
    writer.write();
  } catch (const WriteStopped&) {
    file.abandon();
    return FileWriteResult{false, state.why};
  } catch (const std::exception& e) {
    file.abandon();
    return FileWriteResult{false, std::string("PDF-filen kunne ikke skrives: ") + e.what()};
  } catch (...) {
    file.abandon();
    return FileWriteResult{false, "PDF-filen kunne ikke skrives"};
  }
  if (state.nextPage != pageCount) {
    file.abandon();
    return FileWriteResult{false, "ikke alle sider blev skrevet"};
  }
  return file.commit();
}

#endif

}  // namespace kolvard
