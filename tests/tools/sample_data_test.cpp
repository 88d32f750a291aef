// The sample KOL703.dat as the build packs it, and the kolvard-data command line.
#include "support/sample_data.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "kolvard-data/bdf_font.hpp"
#include "ui/png_image.hpp"
#include "ui/run_length_picture.hpp"

namespace kolvard::datatool {
namespace KOLVARD_TEST_UNIT {

namespace fs = std::filesystem;

const DataFile& sample() {
  return test::sampleData();
}

const std::vector<std::string> kEditions = {"C", "P", "L", "A", "T", "V", "M", "I", "J"};

struct FontSpec {
  const char* name;
  int record;
};
const std::vector<FontSpec> kFonts = {
    {"0a020", 48},  {"0a025", 48},  {"0a028", 48},  {"0a038", 48},  {"0a030", 512},
    {"0a036", 512}, {"0a042", 512}, {"0a057", 512}, {"0a040", 512}, {"0a048", 512},
    {"0a056", 512}, {"0a076", 512}, {"0a090", 512}, {"0a120", 512}, {"0a150", 512},
    {"0a160", 512}, {"0a170", 512}, {"0a180", 512}, {"0a200", 512}};

TEST(SampleData, HoldsEveryFontWithEveryPrintedCharacterInsideItsRecord) {
  std::string needed;
  for (int c = 33; c < 127; ++c) needed += static_cast<char>(c);
  needed += cp("æøåÆØÅéüöä·½°ÄÖÜ");
  needed += cp865::kUpArrow;
  needed += cp865::kDownArrow;
  for (const auto& font : kFonts) {
    const SectionRef ref = sample().findSection(font.name);
    ASSERT_TRUE(ref.found()) << font.name;
    ASSERT_EQ(ref.length(), 256 * font.record) << font.name;
    const auto bytes = sample().sectionBytes(ref);
    for (int code = 0; code < 256; ++code) {
      const FontRecord r = decodeFontRecord(bytes, font.record, code);
      EXPECT_LE(10 + r.rows * ((r.width + 7) / 8), font.record) << font.name << " code " << code;
      EXPECT_LE(r.ascent, 255);
    }
    for (const char c : needed) {
      const FontRecord r = decodeFontRecord(bytes, font.record, static_cast<unsigned char>(c));
      EXPECT_GT(r.width, 0) << font.name << " lacks code "
                            << static_cast<int>(static_cast<unsigned char>(c));
      EXPECT_GT(r.rows, 0) << font.name << " code "
                           << static_cast<int>(static_cast<unsigned char>(c));
    }
    EXPECT_GT(decodeFontRecord(bytes, font.record, ' ').width, 0) << font.name;
  }
  // The page heading font is about 50-60 pixels tall, the small page font about 28.
  const auto heading =
      decodeFontRecord(sample().sectionBytes(sample().findSection("0a200")), 512, 'H');
  EXPECT_GE(heading.rows, 38);
  EXPECT_LE(heading.rows, 60);
}

// Ink of a caption drawn like a key box does: font C, centred on x + 12 (x + 18 when wide),
// baseline y, spacing in virtual units; every ink pixel must lie in the box's pixels.
void expectCaptionFits(const std::string& caption, int spacing, bool wide, int x, int y, int zoom) {
  const char* fontName = zoom == 2 ? "0a028" : zoom == 3 ? "0a042" : "0a056";
  const int record = zoom == 2 ? 48 : 512;
  const auto bytes = sample().sectionBytes(sample().findSection(fontName));
  const auto px = [zoom](double v) { return static_cast<int>(std::lround(v * zoom / 2.0)); };
  const int space = px(spacing);
  double total = -space;
  for (const char c : caption) {
    const int w = decodeFontRecord(bytes, record, static_cast<unsigned char>(c)).width;
    total += w + space + (c == '1' ? 0.6 * w : 0);
  }
  const int boxLeft = px(x), boxRight = px(x + (wide ? 36 : 24)) + 1;
  const int boxTop = px(y - 9), boxBottom = px(y + 2) + 1;
  double pen =
      static_cast<double>(px(x + (wide ? 18 : 12)) - static_cast<int>(std::lround(total / 2)));
  const int base = px(y);
  for (const char c : caption) {
    const FontRecord r = decodeFontRecord(bytes, record, static_cast<unsigned char>(c));
    const int shift = c == '1' ? static_cast<int>(std::lround(0.2 * r.width)) : 0;
    for (int row = 0; row < r.rows; ++row) {
      for (std::size_t bit = 0; bit < r.ink[static_cast<std::size_t>(row)].size(); ++bit) {
        if (!r.ink[static_cast<std::size_t>(row)][bit]) continue;
        const int ix = static_cast<int>(pen) + shift + static_cast<int>(bit);
        const int iy = base - r.ascent + 1 + row;
        EXPECT_TRUE(ix >= boxLeft && ix < boxRight && iy >= boxTop && iy < boxBottom)
            << "\"" << cp865ToUtf8(caption) << "\" zoom " << zoom << " at (" << x << ", " << y
            << "): ink (" << ix << ", " << iy << ") outside [" << boxLeft << ", " << boxRight
            << ") x [" << boxTop << ", " << boxBottom << ")";
        if (!(ix >= boxLeft && ix < boxRight && iy >= boxTop && iy < boxBottom)) return;
      }
    }
    pen += r.width + space + (c == '1' ? 0.6 * r.width : 0);
  }
}

TEST(SampleData, FontCCaptionsFitTheirKeyBoxesAtEveryZoom) {
  const std::vector<std::pair<std::string, int>> captions = {
      {"Esc", 1},
      {"PgUp", 1},
      {"PgDn", 1},
      {"F1", 2},
      {"F2", 2},
      {"F12", 2},
      {"1", 2},
      {"3", 2},
      {"C", 2},
      {"W", 2},
      {"M", 2},
      {"Q", 2},
      {"J", 2},
      {"0", 2},
      {std::string(1, cp865::kUpArrow), 2},
      {std::string(1, cp865::kDownArrow), 2}};
  for (const int zoom : {2, 3, 4}) {
    for (const auto& [x, y] : {std::pair{436, 110}, std::pair{454, 272}, std::pair{472, 393},
                               std::pair{10, 473}, std::pair{437, 111}}) {
      for (const auto& [caption, spacing] : captions)
        expectCaptionFits(caption, spacing, false, x, y, zoom);
      expectCaptionFits("Enter", 1, true, x, y, zoom);
    }
  }
}

TEST(SampleData, TextsAndCountsOfEveryEdition) {
  const auto lines = [](const char* name) {
    const SectionRef ref = sample().findSection(name);
    EXPECT_TRUE(ref.found()) << name;
    EXPECT_EQ(ref.length() % 160, 0) << name;
    return ref.length() / 160;
  };
  EXPECT_GE(lines("AINFOF1"), 80);
  for (const auto& e : kEditions) {
    EXPECT_GE(lines((e + "INFOF2").c_str()), 50) << e;
    const SectionRef counts = sample().findSection(e + "RFANTAL");
    ASSERT_TRUE(counts.found()) << e;
    EXPECT_EQ(counts.length(), 2 + 73 * 2) << e;
    EXPECT_GT(sample().readInt16(counts.start + 2).value_or(0), 0) << e;  // printing 1
    for (const char* word : {"HELARK", "TYPER", "CSERIER"}) {
      EXPECT_TRUE(sample().findSection(e + word).found()) << e << word;
    }
  }
  EXPECT_TRUE(sample().findSection("TRAMDAT").found());
  // The two-column part of the edition texts: a "Tilf" line, then 11-character first columns.
  for (const char* name : {"TINFOF2", "PINFOF2"}) {
    const auto bytes = sample().sectionBytes(sample().findSection(name));
    const std::string text(bytes.begin(), bytes.end());
    bool found = false;
    for (std::size_t at = 0; at + 160 <= text.size(); at += 160) {
      if (text.compare(at, 4, "Tilf") == 0) {
        found = true;
        ASSERT_LE(at + 320, text.size());
        EXPECT_EQ(text.substr(at + 160, 6), "Oplag ");
        EXPECT_EQ(text[at + 160 + 10], ' ');
        EXPECT_NE(text[at + 160 + 11], ' ');
      }
    }
    EXPECT_TRUE(found) << name;
  }
}

TEST(SampleData, EveryPictureHasItsRowCountAndStaysInsideThePanel) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> values = {
      {"C", {"3C", "4C"}},
      {"P", {"2S", "4S", "8S", "16S"}},
      {"L", {"4S"}},
      {"A", {"2S", "3S", "4S", "8S", "16S"}},
      {"T", {"2S",  "3S",  "4S",  "8S",  "16S",  "48S", "3O",   "4O",   "5O",   "8O",   "12O",
             "16O", "20O", "25O", "50O", "100O", "1C",  "3C",   "4C",   "5C",   "7C",   "10C",
             "12C", "14C", "50C", "4A",  "25A",  "50A", "100A", "HGR1", "HGR2", "HGR4", "IRAM"}},
      {"V", {"1O", "5O", "10O", "15O", "20O", "24O", "1C", "2C", "5C", "8C"}},
      {"M", {"2S", "4S", "16S", "1O", "3O", "4O", "5O", "8O", "10O", "15O", "20O", "32O"}},
      {"I", {"2S", "3S", "4S", "8S", "16S", "3A", "5A", "6A", "10A", "16A", "20A", "40A"}},
      {"J", {"4S", "8S", "3A", "4A", "5A", "10A", "16A", "20A", "50A"}}};
  const auto check = [](const std::string& name, int rows, double left, double right = 389) {
    const SectionRef ref = sample().findSection(name);
    ASSERT_TRUE(ref.found()) << name;
    const auto bytes = sample().sectionBytes(ref);
    const auto decoded = decodeRunLengthPicture(bytes, rows + 1);
    EXPECT_EQ(static_cast<int>(decoded.size()), rows) << name << ": rows stored";
    int maxColumn = 0, inked = 0;
    for (const auto& row : decoded) {
      for (const auto& [a, b] : row.runs) {
        EXPECT_LE(a, b) << name;
        maxColumn = std::max(maxColumn, b);
        ++inked;
      }
    }
    EXPECT_GT(inked, rows / 2) << name << " looks empty";
    EXPECT_LE(left + maxColumn / 2.0, right) << name << " leaves its panel";
  };
  for (const auto& [edition, list] : values) {
    const int rows = pictureRowsFor(edition).rows;
    const double left = edition == "C"                                         ? 29
                        : (edition == "P" || edition == "L" || edition == "A") ? 35
                                                                               : 47;
    for (const auto& v : list) check(edition + v, rows, left);
  }
  check(cp("V1ø"), 733, 47);
  // The logo sits at virtual x 440 + column / 2 on the dark panel, which ends at 640.
  check("KOLVARD", kLogoRows, 440, 635);
}

// --- the command line --------------------------------------------------------------------

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

ToolRun tool(const std::string& arguments) {
  // Tests run in parallel processes: each keeps its own output files.
  static int runs = 0;
  const std::string tag = std::to_string(::getpid()) + "-" + std::to_string(runs++);
  const fs::path dir = fs::temp_directory_path();
  const fs::path out = dir / ("kolvard-tool-out-" + tag + ".txt");
  const fs::path err = dir / ("kolvard-tool-err-" + tag + ".txt");
  const std::string command = std::string("\"") + KOLVARD_DATA_TOOL + "\" " + arguments + " >\"" +
                              out.string() + "\" 2>\"" + err.string() + "\"";
  const int raw = std::system(command.c_str());
  const auto slurp = [](const fs::path& p) {
    std::ifstream in(p);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  };
  ToolRun result{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(out), slurp(err)};
  fs::remove(out);
  fs::remove(err);
  return result;
}

const std::string kData = std::string("\"") + KOLVARD_SAMPLE_DATA + "\"";

TEST(DataToolCli, ListPrintsEverySectionInDirectoryOrder) {
  const ToolRun run = tool("list " + kData);
  ASSERT_EQ(run.status, 0) << run.err;
  std::ostringstream expected;
  for (const auto& e : sample().listSections()) {
    expected << cp865ToUtf8(e.name) << ' ' << e.ref.start << ' ' << e.ref.end << '\n';
  }
  EXPECT_EQ(run.out, expected.str());
  EXPECT_NE(run.out.find("\nV1O "), std::string::npos);
}

TEST(DataToolCli, FindNormalisesTheNameAndReportsMisses) {
  const SectionRef ref = sample().findSection("V1O");
  const ToolRun hit = tool("find " + kData + " v1ø");
  EXPECT_EQ(hit.status, 0) << hit.err;
  EXPECT_EQ(hit.out, "0 " + std::to_string(ref.start) + " " + std::to_string(ref.end) + "\n");
  const ToolRun miss = tool("find " + kData + " NOSUCH");
  EXPECT_NE(miss.status, 0);
  EXPECT_EQ(miss.out.substr(0, 3), "91 ");
  const ToolRun blank = tool("find " + kData + " T");
  EXPECT_NE(blank.status, 0);
  EXPECT_EQ(blank.out.substr(0, 3), "90 ");
}

TEST(DataToolCli, PictureWritesOnePixelPerStoredColumnAndRow) {
  const fs::path png =
      fs::temp_directory_path() / ("kolvard-tool-picture-" + std::to_string(::getpid()) + ".png");
  fs::remove(png);
  const ToolRun run = tool("picture " + kData + " T4ø 733 \"" + png.string() + "\"");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto image = readPng(png);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->height(), 733);
  const auto rows = decodeRunLengthPicture(sample().sectionBytes(sample().findSection("T4O")), 733);
  // A row in the middle: each stored run is black, the pixel after it white.
  const std::size_t y = 366;
  ASSERT_FALSE(rows[y].runs.empty());
  for (const auto& [a, b] : rows[y].runs) {
    EXPECT_EQ(image->at(a, static_cast<int>(y)), 0x000000u);
    EXPECT_EQ(image->at(b, static_cast<int>(y)), 0x000000u);
    if (b + 1 < image->width()) {
      EXPECT_EQ(image->at(b + 1, static_cast<int>(y)), 0xFFFFFFu);
    }
  }
  fs::remove(png);
}

TEST(DataToolCli, BadArgumentsMissingFilesAndSectionsFail) {
  for (const char* args : {"", "frobnicate", "list", "find x", "picture a b c", "pack onlyone"}) {
    const ToolRun run = tool(args);
    EXPECT_EQ(run.status, 2) << args;
    // One line and where to read more, as GNU programs answer.
    EXPECT_NE(run.err.find("\nTry 'kolvard-data"), std::string::npos) << args;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << run.err;
  }
  EXPECT_EQ(tool("picture " + kData + " T4O zero out.png").status, 2);
  const ToolRun missing = tool("list /nonexistent/KOL703.dat");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("/nonexistent/KOL703.dat"), std::string::npos);
  const ToolRun noSection = tool("picture " + kData + " NOSUCH 733 /tmp/kolvard-never.png");
  EXPECT_EQ(noSection.status, 1);
  EXPECT_FALSE(fs::exists("/tmp/kolvard-never.png"));
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard::datatool
