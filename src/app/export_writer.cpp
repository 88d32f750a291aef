#include "app/export_writer.hpp"

#include <string>

#include "app/export_interrupt.hpp"
#include "app/page_pipeline.hpp"
#include "data/cp865.hpp"
#include "print/pdf_pages.hpp"
#include "print/replacing_file.hpp"
#include "print/schema_bitmap.hpp"

namespace kolvard {
namespace {

// The line that shows on a terminal which file is being made: rewritten in place, and
// cleared before the name of a finished file is printed.
class ProgressLine {
 public:
  ProgressLine(std::ostream& out, bool shown, std::size_t total)
      : out_(out), shown_(shown), total_(total) {}
  ~ProgressLine() { clear(); }
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  void writing(std::size_t number, const std::string& what) {
    if (!shown_) return;
    out_ << "\r[" << number << "/" << total_ << "] writing " << what << "\x1b[K" << std::flush;
    active_ = true;
  }
  void written(const std::string& name) {
    clear();
    out_ << name << "\n" << std::flush;
  }
  void clear() {
    if (active_) out_ << "\r\x1b[K" << std::flush;
    active_ = false;
  }

 private:
  std::ostream& out_;
  bool shown_;
  std::size_t total_;
  bool active_ = false;
};

std::string utf8Name(const std::string& cp865Name) {
  return cp865ToUtf8(cp865Name);
}

// Waits for the next page and, when the BMP files are wanted, writes its file.
FileWriteResult makePage(const ExportPage& page, std::size_t index, const ExportOptions& options,
                         PagePipeline& pipeline, PagePipeline::Page*& drawn) {
  drawn = &pipeline.take(index);
  if (!drawn->failure.empty()) return FileWriteResult{false, drawn->failure};
  if (!options.bmp) return FileWriteResult{true, {}};
  return writeFileReplacing(options.directory, schemaFileName(page.tag), drawn->bmp);
}

// In English, as every message of the command line: the writers word their reasons for the
// window's Danish message line.
void reportFailure(std::ostream& err, const std::string& fileName, const std::string& why) {
  err << "kolvard export: cannot make " << utf8Name(fileName) << ": " << englishFileReason(why)
      << "\n";
}

void reportInterrupt(std::ostream& err, std::size_t written, std::size_t total,
                     const std::string& pdfName) {
  err << "kolvard export: interrupted after " << written << " of " << total << " files";
  if (!pdfName.empty()) err << "; " << utf8Name(pdfName) << " was not written";
  err << "\n";
}

// The pages of the PDF, handed over as the PDF writer asks for them, each BMP file written
// on the way when wanted.
class ExportPdfSource : public PdfPageSource {
 public:
  ExportPdfSource(const ExportPlan& plan, const ExportOptions& options, PagePipeline& pipeline,
                  ProgressLine& line, const std::string& pdfName)
      : plan_(plan), options_(options), pipeline_(pipeline), line_(line), pdfName_(pdfName) {}

  bool pdfPage(int index, std::vector<std::uint8_t>& compressed, std::string& why) override {
    if (InterruptWatch::interrupted()) {
      interrupted = true;
      why = "interrupted";
      return false;
    }
    const auto at = static_cast<std::size_t>(index);
    const ExportPage& page = plan_.pages.at(at);
    const std::string bmpName = schemaFileName(page.tag);
    const std::size_t number = at + 1;
    line_.writing(number, options_.bmp ? utf8Name(bmpName)
                                       : utf8Name(pdfName_) + ", page " + std::to_string(number));
    PagePipeline::Page* drawn = nullptr;
    const FileWriteResult made = makePage(page, at, options_, pipeline_, drawn);
    if (!made.ok) {
      failedFile = bmpName;
      why = made.error;
      return false;
    }
    compressed.swap(drawn->pdf);  // the slot keeps the old buffer for a later page
    if (options_.bmp) line_.written(utf8Name(bmpName));
    ++bmpFilesWritten;
    return true;
  }

  bool interrupted = false;
  std::string failedFile;
  std::size_t bmpFilesWritten = 0;

 private:
  const ExportPlan& plan_;
  const ExportOptions& options_;
  PagePipeline& pipeline_;
  ProgressLine& line_;
  const std::string& pdfName_;
};

int writeWithPdf(const ExportPlan& plan, const ExportOptions& options, PagePipeline& pipeline,
                 std::ostream& out, std::ostream& err) {
  const std::string pdfName = pdfFileName(plan.pdfTag);
  ProgressLine line(out, options.progressLine, plan.pages.size());
  ExportPdfSource source(plan, options, pipeline, line, pdfName);
  const FileWriteResult written =
      writePdfReplacing(options.directory, pdfName, static_cast<int>(plan.pages.size()), source);
  line.clear();
  if (written.ok) {
    out << utf8Name(pdfName) << "\n";
    return 0;
  }
  if (source.interrupted) {
    reportInterrupt(err, options.bmp ? source.bmpFilesWritten : 0,
                    plannedFiles(plan, options).size(), pdfName);
    return InterruptWatch::exitStatus();
  } else if (!source.failedFile.empty()) {
    reportFailure(err, source.failedFile, written.error);
    err << "kolvard export: " << utf8Name(pdfName) << " was not written\n";
  } else {
    reportFailure(err, pdfName, written.error);
  }
  return 1;
}

}  // namespace

std::vector<std::string> plannedFiles(const ExportPlan& plan, const ExportOptions& options) {
  std::vector<std::string> files;
  if (options.bmp) {
    for (const ExportPage& page : plan.pages) files.push_back(schemaFileName(page.tag));
  }
  if (options.pdf) files.push_back(pdfFileName(plan.pdfTag));
  return files;
}

int writeExportPlan(const ExportPlan& plan, const ExportOptions& options, ExportContext& context,
                    std::ostream& out, std::ostream& err) {
  if (options.list) {
    for (const std::string& name : plannedFiles(plan, options)) out << utf8Name(name) << "\n";
    return 0;
  }
  PagePipeline pipeline(plan, context, PagePipeline::Wanted{options.bmp, options.pdf},
                        options.threads);
  if (options.pdf) return writeWithPdf(plan, options, pipeline, out, err);

  ProgressLine line(out, options.progressLine, plan.pages.size());
  std::size_t written = 0;
  for (const ExportPage& page : plan.pages) {
    if (InterruptWatch::interrupted()) {
      line.clear();
      reportInterrupt(err, written, plan.pages.size(), {});
      return InterruptWatch::exitStatus();
    }
    const std::string name = schemaFileName(page.tag);
    line.writing(written + 1, utf8Name(name));
    PagePipeline::Page* drawn = nullptr;
    const FileWriteResult made = makePage(page, written, options, pipeline, drawn);
    if (!made.ok) {
      line.clear();
      reportFailure(err, name, made.error);
      return 1;
    }
    line.written(utf8Name(name));
    ++written;
  }
  return 0;
}

}  // namespace kolvard
