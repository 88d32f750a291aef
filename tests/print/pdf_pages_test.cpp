#include "print/pdf_pages.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "domain/sheet_knowledge.hpp"
#include "domain/sheet_schema.hpp"
#include "print/export_session.hpp"
#include "print/page_raster.hpp"
#include "print/sheet_schema_print.hpp"
#include "support/headless_run.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

namespace fs = std::filesystem;
using test::ScratchDir;

// Pages drawn by a function; the indices asked for are kept.
class FunctionSource : public PdfPageSource {
 public:
  explicit FunctionSource(std::function<bool(int, PageRaster&, std::string&)> draw)
      : draw_(std::move(draw)) {}
  bool pdfPage(int index, std::vector<std::uint8_t>& compressed, std::string& why) override {
    asked.push_back(index);
    if (!draw_(index, raster_, why)) return false;
    compressPdfPage(raster_, compressed);
    return true;
  }
  std::vector<int> asked;

 private:
  std::function<bool(int, PageRaster&, std::string&)> draw_;
  PageRaster raster_;
};

bool onPath(const char* tool) {
  return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

std::string output(const std::string& command) {
  std::string text;
  if (std::FILE* p = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, p)) > 0) text.append(buffer, n);
    ::pclose(p);
  }
  return text;
}

std::vector<std::string> namesIn(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A 1-bit PBM ("P4") picture, black as 1.
struct Pbm {
  int width = 0, height = 0;
  std::vector<std::uint8_t> bits;
  bool black(int x, int y) const {
    const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>((width + 7) / 8) +
                           static_cast<std::size_t>(x / 8);
    return at < bits.size() && ((bits[at] >> (7 - x % 8)) & 1) != 0;
  }
};

std::optional<Pbm> readPbm(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  Pbm pbm;
  if (!(in >> magic >> pbm.width >> pbm.height) || magic != "P4") return std::nullopt;
  in.get();  // the one white space before the bits
  pbm.bits.assign(std::istreambuf_iterator<char>(in), {});
  if (pbm.bits.size() != static_cast<std::size_t>((pbm.width + 7) / 8 * pbm.height)) {
    return std::nullopt;
  }
  return pbm;
}

// The BMP picture of a page: dot (x, y) of the 4704 x 6610 picture, top row first.
bool pictureInk(const PageRaster& raster, int x, int y) {
  return x >= 48 && raster.ink(x - 48, y + 1);
}

// Draws two panes of the sample's sheet schema V 5ø printing 1.
class PdfPagesSample : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { data_ = DataFile::open(KOLVARD_SAMPLE_DATA); }
  static void TearDownTestSuite() { data_.reset(); }

  bool drawPane(int pane, PageRaster& raster) {
    Screen screen(&*data_);
    screen.openWindow(2);
    screen.setUpFonts();
    const std::string value = cp("5ø");
    const SheetOfPrinting sheet = readSheetOfPrinting(*data_, "V", value, "1");
    SheetSchemaPage page;
    page.edition = "V";
    page.value = value;
    page.printing = "1";
    page.panes = 2;
    page.pane = pane;
    page.paneCaption = readSheetKnowledge(*data_, "V", value, "1").captions[0];
    page.table = &sheet.table;
    page.group = sheet.format.group;
    ExportProgress progress(nullptr);
    drawSheetSchemaPage(screen, raster, *data_, page, progress, "07. 03. 2016");
    return true;
  }

  static std::optional<DataFile> data_;
};
std::optional<DataFile> PdfPagesSample::data_;

TEST(PdfPages, FileNameWritesTheFirstOslashAsO) {
  EXPECT_EQ(pdfFileName("%V5\x9b"
                        "C1-1"),
            "%V5oC1-1.PDF");
  EXPECT_EQ(pdfFileName("#P4s1A"), "#P4s1A.PDF");
}

TEST_F(PdfPagesSample, PagesReadBackAsTheBmpPicturesOnA4) {
  ASSERT_TRUE(data_.has_value());
  ScratchDir dir;
  std::vector<PageRaster> drawn;
  FunctionSource source([&](int index, PageRaster& r, std::string&) {
    drawPane(index, r);
    drawn.push_back(r);
    return true;
  });
  const FileWriteResult result = writePdfReplacing(dir.path(), "#V5o1.PDF", 2, source);
  if (!pdfAvailable()) {
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_TRUE(namesIn(dir.path()).empty());
    GTEST_SKIP() << "built without PDF files";
  }
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(source.asked, (std::vector<int>{0, 1}));
  EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"#V5o1.PDF"});
  ASSERT_EQ(drawn.size(), 2u);
  if (!onPath("qpdf") || !onPath("pdftoppm") || !onPath("pdfinfo")) {
    GTEST_SKIP() << "qpdf or poppler-utils missing";
  }
  const std::string pdf = (dir / "#V5o1.PDF").string();
  EXPECT_EQ(std::system(("qpdf --check '" + pdf + "' >/dev/null 2>&1").c_str()), 0);
  const std::string info = output("pdfinfo '" + pdf + "'");
  EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
  EXPECT_NE(info.find("595.276 x 841.89 pts (A4)"), std::string::npos) << info;

  for (int p = 0; p < 2; ++p) {
    // The picture at 600 dpi with one dot of paper around it: 128 dots in, 203 down.
    const fs::path out = dir / ("page" + std::to_string(p));
    const std::string command =
        "pdftoppm -r 600 -mono -aa no -aaVector no -x 127 -y 202 -W 4706 "
        "-H 6612 -singlefile -f " +
        std::to_string(p + 1) + " -l " + std::to_string(p + 1) + " '" + pdf + "' '" + out.string() +
        "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::optional<Pbm> pbm = readPbm(out.string() + ".pbm");
    ASSERT_TRUE(pbm.has_value());
    ASSERT_EQ(pbm->width, 4706);
    ASSERT_EQ(pbm->height, 6612);
    int wrong = 0, ink = 0;
    for (int y = -1; y <= kPictureRows; ++y) {
      for (int x = -1; x <= 4704; ++x) {
        const bool inside = x >= 0 && x < 4704 && y >= 0 && y < kPictureRows;
        const bool expected = inside && pictureInk(drawn[static_cast<std::size_t>(p)], x, y);
        wrong += pbm->black(x + 1, y + 1) != expected;
        ink += expected;
      }
    }
    EXPECT_EQ(wrong, 0) << "page " << p + 1;
    EXPECT_GT(ink, 10000) << "page " << p + 1;
  }
}

TEST(PdfPages, FailuresLeaveNoFileAndKeepTheOldOne) {
  if (!pdfAvailable()) GTEST_SKIP() << "built without PDF files";
  struct Case {
    const char* what;
    std::function<fs::path(const ScratchDir&)> directory;  // prepared in the scratch dir
    int failingPage;                                       // -1: the source draws every page
    const char* reason;                                    // part of the reason
  };
  const std::vector<Case> cases{
      {"missing directory", [](const ScratchDir& d) { return d / "nowhere"; }, -1, "findes ikke"},
      {"name taken by a directory",
       [](const ScratchDir& d) {
         fs::create_directory(d / "A.PDF");
         return d.path();
       },
       -1, "mappe"},
      {"page 2 cannot be drawn", [](const ScratchDir& d) { return d.path(); }, 1, "side 2 mangler"},
  };
  // A disk that fills while the file is written: ExportCommand.AFullDiskLeavesNoPdf.
  for (const Case& c : cases) {
    ScratchDir dir;
    const fs::path target = c.directory(dir);
    if (!fs::exists(dir / "A.PDF")) std::ofstream(dir / "A.PDF", std::ios::binary) << "old";
    FunctionSource source([&](int index, PageRaster& r, std::string& why) {
      if (index == c.failingPage) {
        why = "side 2 mangler";
        return false;
      }
      r.clear();
      return true;
    });
    const FileWriteResult result = writePdfReplacing(target, "A.PDF", 3, source);
    EXPECT_FALSE(result.ok) << c.what;
    EXPECT_NE(result.error.find(c.reason), std::string::npos) << c.what << ": " << result.error;
    EXPECT_FALSE(fs::exists(target / ".A.PDF.part")) << c.what;
    if (fs::is_regular_file(dir / "A.PDF")) {
      EXPECT_EQ(test::readFile(dir / "A.PDF"), "old") << c.what;
    }
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"A.PDF"}) << c.what;
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
