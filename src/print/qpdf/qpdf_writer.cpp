// The PDF writer module (kolvard-pdf): qpdf behind one C entry point, loaded by the program
// only when a PDF file is written.
#include <exception>
#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>
#include <string>

#include "print/pdf_document.hpp"

namespace kolvard {
namespace {

// Thrown only inside the writer to stop qpdf when a callback says so.
struct WriteStopped {};

class CallbackPipeline : public Pipeline {
 public:
  explicit CallbackPipeline(const PdfDocument& document)
      : Pipeline("kolvard PDF file", nullptr), document_(document) {}
  void write(unsigned char const* data, size_t len) override {
    if (!document_.write(data, len)) throw WriteStopped{};
  }
  void finish() override {}

 private:
  const PdfDocument& document_;
};

void addPage(QPDF& pdf, const PdfDocument& document, int index) {
  QPDFObjectHandle image = QPDFObjectHandle::newStream(&pdf);
  image.replaceDict(QPDFObjectHandle::parse(
      "<< /Type /XObject /Subtype /Image /Width " + std::to_string(document.imageWidth) +
      " /Height " + std::to_string(document.imageRows) +
      " /ColorSpace /DeviceGray /BitsPerComponent 1 /Decode [1 0] >>"));
  // Already compressed: qpdf copies the stream as it is.
  image.replaceStreamData(
      [&document, index](Pipeline* out) {
        const std::vector<std::uint8_t>* samples = nullptr;
        if (!document.page(index, samples) || samples == nullptr) throw WriteStopped{};
        out->write(samples->data(), samples->size());
        out->finish();
      },
      QPDFObjectHandle::newName("/FlateDecode"), QPDFObjectHandle::newNull());

  QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::parse(
      "<< /Type /Page /MediaBox [0 0 595.276 841.89] /Resources << /XObject << >> >> >>"));
  page.getKey("/Resources").getKey("/XObject").replaceKey("/Im0", image);
  page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, document.pageContent));
  pdf.addPage(page, false);
}

std::string writeDocument(const PdfDocument& document) {
  try {
    QPDF pdf;
    pdf.emptyPDF();
    for (int i = 0; i < document.pageCount; ++i) addPage(pdf, document, i);
    QPDFObjectHandle info = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< >>"));
    info.replaceKey("/Creator", QPDFObjectHandle::newString(document.creator));
    pdf.getTrailer().replaceKey("/Info", info);

    CallbackPipeline output(document);
    QPDFWriter writer(pdf);
    writer.setOutputPipeline(&output);
    writer.setStreamDataMode(qpdf_s_compress);
    writer.setDeterministicID(true);
    writer.write();
  } catch (const WriteStopped&) {
    return "stopped";
  } catch (const std::exception& e) {
    const std::string what = e.what();
    return what.empty() || what == "stopped" ? "qpdf failed" : what;
  } catch (...) {
    return "qpdf failed";
  }
  return {};
}

}  // namespace
}  // namespace kolvard

extern "C" __attribute__((visibility("default"))) void kolvard_write_pdf_document(
    const kolvard::PdfDocument* document, std::string* failure) {
  *failure = kolvard::writeDocument(*document);
}
