#include "print/raster_cliche.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "domain/cliche_record.hpp"
#include "print/page_raster.hpp"
#include "support/data_builder.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::DataBuilder;
using test::fontSection;
using test::glyphRecord;

const std::string kEsc(1, '\x1b');

std::string bytesOf(const std::vector<int>& values) {
  std::string out;
  for (const int v : values) out += static_cast<char>(static_cast<unsigned char>(v));
  return out;
}

std::string rowsWithRun(int rows, const std::vector<int>& runBytes) {
  std::string out;
  for (int i = 0; i < rows; ++i) {
    out += static_cast<char>(runBytes.size());
    out += bytesOf(runBytes);
  }
  return out;
}

std::string record(const std::string& fields, const std::string& picture) {
  return " " + fields + kEsc + "*b" + picture;
}

// A page font whose every printable glyph is a solid 4 x 4 block.
std::string blockFont() {
  std::vector<std::pair<std::uint8_t, std::string>> glyphs;
  for (int c = 33; c < 256; ++c) {
    glyphs.emplace_back(static_cast<std::uint8_t>(c),
                        glyphRecord(512, 4, 4, {"####", "####", "####", "####"}));
  }
  return fontSection(512, glyphs);
}

struct InkBox {
  int count = 0;
  int left = 1 << 30, right = -(1 << 30), top = 1 << 30, bottom = -(1 << 30);
};
InkBox inkBox(const PageRaster& r) {
  InkBox b;
  for (int y = 0; y < kRasterRows; ++y) {
    const auto row = r.packedRow(y);
    for (int byte = 0; byte < kRasterRowBytes; ++byte) {
      if (row[static_cast<std::size_t>(byte)] == 0) continue;
      for (int x = byte * 8; x < byte * 8 + 8; ++x) {
        if (!r.ink(x, y)) continue;
        ++b.count;
        b.left = std::min(b.left, x);
        b.right = std::max(b.right, x);
        b.top = std::min(b.top, y);
        b.bottom = std::max(b.bottom, y);
      }
    }
  }
  return b;
}

std::string inkRun(const PageRaster& r, int x, int y, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += r.ink(x + i, y) ? '1' : '0';
  return out;
}

TEST(RasterCliche, ColumnsAreEnlargedByNineteenFourteenthsRoundingHalfUp) {
  EXPECT_EQ(enlargeClicheColumn(0), 0);
  EXPECT_EQ(enlargeClicheColumn(1), 1);
  EXPECT_EQ(enlargeClicheColumn(2), 3);   // 2.71
  EXPECT_EQ(enlargeClicheColumn(7), 10);  // 9.5 up
  EXPECT_EQ(enlargeClicheColumn(14), 19);
  EXPECT_EQ(enlargeClicheColumn(21), 29);  // 28.5 up
  EXPECT_EQ(enlargeClicheColumn(340), 461);
  EXPECT_EQ(enlargeClicheColumn(-7), -9);  // -9.5 up
  EXPECT_EQ(enlargeClicheColumn(65025), 88248);
}

class RasterClicheTest : public ::testing::Test {
 protected:
  // Cell (2, 1) of a sheet schema: X0 = 463, the running row starts at 820.
  static constexpr int kX0 = 463, kY0 = 820;

  void use(const std::vector<std::pair<std::string, std::string>>& sections) {
    DataBuilder b;
    b.add("0a090", blockFont());
    for (const auto& [name, bytes] : sections) b.add(name, bytes);
    file_ = b.file();
    screen_.emplace(&*file_);
    screen_->openWindow(3);
    screen_->setUpFonts();
  }
  RasterCliche draw(const std::string& key, int column = 2, int row = 1, int x = 0,
                    const std::string& prefix = "") {
    RasterClicheCell cell;
    cell.key = key;
    cell.column = column;
    cell.row = row;
    cell.xOffset = x;
    cell.descriptionPrefix = prefix;
    return drawRasterCliche(*screen_, raster_, *file_, cell);
  }

  std::optional<DataFile> file_;
  std::optional<Screen> screen_;
  PageRaster raster_;
};

TEST_F(RasterClicheTest, RunsBecomeScaledInkLines) {
  use({{"P4s-01", record(kEsc + "*m12", rowsWithRun(383, {0, 14}))},
       {"P4s-02", record(kEsc + "*m12", rowsWithRun(383, {0, 1}))},
       {"P4s-03", record("", rowsWithRun(383, {255, 10, 20}))}});
  EXPECT_TRUE(drawRasterClichePicture(raster_, *file_, "P4s-01", 2, 1, 0, 210));
  EXPECT_EQ(inkRun(raster_, kX0 - 1, kY0 + 1, 22), "0" + std::string(20, '1') + "0");
  const InkBox all = inkBox(raster_);  // 382 rows fill 518 raster rows without a gap
  EXPECT_EQ(all.count, 20 * kRasterClicheRows);
  EXPECT_EQ(all.top, kY0 + 1);
  EXPECT_EQ(all.bottom, kY0 + kRasterClicheRows);
  raster_.clear();
  EXPECT_TRUE(drawRasterClichePicture(raster_, *file_, "P4s-02", 2, 1, 0, 210));
  EXPECT_EQ(inkRun(raster_, kX0 - 1, kY0 + 1, 4), "0110");
  // The row offset of 255 applies to both values: 265..275 -> 360..373, here with X = 8.
  raster_.clear();
  EXPECT_TRUE(drawRasterClichePicture(raster_, *file_, "P4s-03", 1, 1, 8, 210));
  const int x0 = 5 + 8;
  EXPECT_EQ(inkRun(raster_, x0 + 359, kY0 + 1, 16), "0" + std::string(14, '1') + "0");
}

TEST_F(RasterClicheTest, EveryThirdRowIsDoubledAndFourteenRowsMakeNineteen) {
  // One run on source row k only: where does it land?
  const auto rowsOf = [&](int k) {
    std::string picture;
    for (int i = 0; i < 383; ++i) picture += i == k ? bytesOf({2, 0, 14}) : bytesOf({0});
    use({{"P4s-01", record(kEsc + "*d" + std::string(200, 'x'), picture)}});
    raster_.clear();
    drawRasterClichePicture(raster_, *file_, "P4s-01", 2, 1, 0, 210);
    const InkBox b = inkBox(raster_);
    return b.count == 0 ? std::pair{0, 0} : std::pair{b.top - kY0, b.bottom - kY0};
  };
  EXPECT_EQ(rowsOf(0), (std::pair{1, 1}));
  EXPECT_EQ(rowsOf(1), (std::pair{2, 2}));
  EXPECT_EQ(rowsOf(2), (std::pair{3, 4}));  // the first doubling
  EXPECT_EQ(rowsOf(3), (std::pair{5, 5}));
  // The period: the rows after 14 source rows start 19 raster rows on.
  const int start = rowsOf(20).first;
  EXPECT_EQ(rowsOf(34).first, start + 19);
  EXPECT_EQ(rowsOf(381).second, kRasterClicheRows);
  EXPECT_EQ(rowsOf(382), (std::pair{0, 0}));  // the 383rd row is not drawn on the page
}

TEST_F(RasterClicheTest, ShortRecordGivesItsFieldsButNoPicture) {
  use({{"P4s-01", record(kEsc + "*d$1abc" + kEsc + "*m7" + kEsc + "*t 4s1   A      1",
                         rowsWithRun(40, {0, 14}))}});
  const RasterCliche r = draw("P4s-01");
  EXPECT_TRUE(r.found);
  EXPECT_FALSE(r.pictureDrawn);
  EXPECT_EQ(r.description, "$1abc");
  EXPECT_EQ(r.stampNumber, "7");
  EXPECT_EQ(r.occurrences, " 4s1   A      1");
  EXPECT_EQ(r.orientation, ' ');
  EXPECT_FALSE(drawRasterClichePicture(raster_, *file_, "P4s-01", 2, 1, 0, 210));
  // Only the description line, nothing of the picture's rows (20-pixel runs at X0).
  EXPECT_EQ(inkRun(raster_, kX0, kY0 + 1, 20), std::string(20, '0'));
}

TEST_F(RasterClicheTest, MissingRecordsDrawNothing) {
  const std::string padding(600, 'x');
  use({{"P4s-01", " " + kEsc + "*d$1abc" + padding},  // no picture tag
       {"P4s-02", record("", "123")},                 // too little after the tag, no description
       {"P4s-03", record(kEsc + "*d$1abc", "123")},   // the same with a description: found
       {"P4s-04", "x"}});
  for (const char* key : {"P4s-01", "P4s-02", "P4s-04", "P4s-77"}) {
    const RasterCliche r = draw(key);
    EXPECT_FALSE(r.found) << key;
    EXPECT_TRUE(r.description.empty()) << key;
    EXPECT_TRUE(r.stampNumber.empty()) << key;
    EXPECT_FALSE(r.pictureDrawn) << key;
  }
  EXPECT_EQ(inkBox(raster_).count, 0);
  const RasterCliche found = draw("P4s-03");
  EXPECT_TRUE(found.found);
  EXPECT_FALSE(found.pictureDrawn);
  EXPECT_GT(inkBox(raster_).count, 0);  // its description line
}

TEST_F(RasterClicheTest, PictureTagMustLieInTheFirst480Bytes) {
  const std::string late = " " + kEsc + "*d$1abc" + std::string(480, 'x');
  use({{"P4s-01", late + kEsc + "*b" + rowsWithRun(383, {0, 14})}});
  EXPECT_FALSE(drawRasterClichePicture(raster_, *file_, "P4s-01", 2, 1, 0, 210));
  EXPECT_EQ(inkBox(raster_).count, 0);
}

TEST_F(RasterClicheTest, RunsAreKeptInsideTheirCell) {
  // Runs far beyond the cell's width, and reaching left of it with the offset.
  use({{"P4s-01", record("", rowsWithRun(383, {255, 255, 255, 0, 254}))},
       {"P4s-02", record("", rowsWithRun(383, {0, 255, 100}))}});
  ASSERT_TRUE(drawRasterClichePicture(raster_, *file_, "P4s-01", 2, 1, 0, 210));
  EXPECT_EQ(inkBox(raster_).count, 0);  // wholly right of the cell
  ASSERT_TRUE(drawRasterClichePicture(raster_, *file_, "P4s-02", 2, 1, 0, 210));
  const InkBox b = inkBox(raster_);
  EXPECT_EQ(b.left, kX0);
  EXPECT_EQ(b.right, kX0 + 457);
  // The last column of the page: the cell ends at the raster's edge at most.
  raster_.clear();
  ASSERT_TRUE(drawRasterClichePicture(raster_, *file_, "P4s-02", 10, 10, 8, 210));
  EXPECT_LE(inkBox(raster_).right, 458 * 10 + 4);
  // Cells off the page draw nothing and do not fault.
  raster_.clear();
  drawRasterClichePicture(raster_, *file_, "P4s-02", 200, 200, 0, 210);
  drawRasterClichePicture(raster_, *file_, "P4s-02", -3, 0, 0, -5000);
  drawRasterClichePicture(raster_, *file_, "P4s-02", 2, 1, 0, 2000000000);
  EXPECT_EQ(inkBox(raster_).count, 0);
}

TEST_F(RasterClicheTest, PrefixBecomesTheFirstDescriptionLine) {
  use({{"P4s-01", record(kEsc + "*d$4abc", rowsWithRun(383, {0, 0}))}});
  draw("P4s-01");
  const int plain = inkBox(raster_).count;
  raster_.clear();
  draw("P4s-01", 2, 1, 0, cp("1ny kliché$"));
  const InkBox withPrefix = inkBox(raster_);
  EXPECT_GT(withPrefix.count, plain);
  // Line 1 lies in the top band, above line 4.
  EXPECT_LT(withPrefix.top, kY0 + 100);
}

TEST_F(RasterClicheTest, EdgeMarksAndLabelsStayInTheCell) {
  use({{"P4s-01",
        record(kEsc + "*d$POV01NH02VO03HN04$h10,10," + std::string(90, 'W') +
                   "$v1,1,abc$o5,5,abc$n5,5," + std::string(90, 'W') + "$9" + std::string(150, 'W'),
               rowsWithRun(383, {0, 0}))}});
  Screen& s = *screen_;
  PageRaster other;
  s.setRasterSink(&other);
  const RasterCliche r = draw("P4s-01", 3, 2);
  EXPECT_TRUE(r.found);
  EXPECT_EQ(s.rasterSink(), &other);  // given back
  EXPECT_EQ(inkBox(other).count, 0);
  const InkBox b = inkBox(raster_);
  const int left = 458 * 3 - 453, top = 610 * 2 + 210 - 80;
  EXPECT_GT(b.count, 1000);
  EXPECT_GE(b.left, left);
  EXPECT_LE(b.right, left + 457);
  EXPECT_GE(b.top, top);
  EXPECT_LE(b.bottom, top + 609);
  // A top-edge mark lies just above the picture's first row.
  bool aboveFirstRow = false;
  for (int x = left; x < left + 458; ++x) aboveFirstRow |= raster_.ink(x, 610 * 2 + 210 - 3);
  EXPECT_TRUE(aboveFirstRow);
}

// Labels placed past the cell's side and lines too long for it come out whole inside the
// text box (below the type texts, inside the grid lines) instead of cut off.
TEST_F(RasterClicheTest, ItemsAreMovedIntoTheTextBoxRatherThanCut) {
  use({{"P4s-01", record(kEsc + "*d$h200,10,abcdef$o5,90,abc$1" + std::string(80, 'W') +
                             "$9Brud i nederste rammelinie",
                         rowsWithRun(383, {}))}});
  const RasterCliche r = draw("P4s-01", 3, 2);
  EXPECT_EQ(r.droppedItemPixels, 0);
  const InkBox b = inkBox(raster_);
  EXPECT_GE(b.left, 458 * 3 - 446);
  EXPECT_LE(b.right, 458 * 3 - 6);
  EXPECT_GE(b.top, 610 * 2 + 196);
  EXPECT_LE(b.bottom, 610 * 2 + 732);
  // Block glyphs of 4 x 4: every letter of the labels and lines is drawn.
  const int letters = 6 + 3 + 80 + 23;
  EXPECT_EQ(b.count, 16 * letters);
}

class RasterClicheSample : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { data_ = DataFile::open(KOLVARD_SAMPLE_DATA); }
  static void TearDownTestSuite() { data_.reset(); }
  static std::optional<DataFile> data_;
};
std::optional<DataFile> RasterClicheSample::data_;

TEST_F(RasterClicheSample, RealClicheFillsItsCell) {
  ASSERT_TRUE(data_.has_value());
  Screen s(&*data_);
  s.openWindow(3);
  s.setUpFonts();
  PageRaster raster;
  RasterClicheCell cell;
  cell.key = clicheRecordKey("V5\x9b", "1.1");
  cell.column = 4;
  cell.row = 3;
  const RasterCliche r = drawRasterCliche(s, raster, *data_, cell);
  ASSERT_TRUE(r.found);
  EXPECT_TRUE(r.pictureDrawn);
  EXPECT_FALSE(r.description.empty());
  EXPECT_FALSE(r.occurrences.empty());
  const InkBox b = inkBox(raster);
  const int left = 458 * 4 - 453;
  EXPECT_GT(b.count, 5000);
  EXPECT_GE(b.left, left);
  EXPECT_LE(b.right, left + 457);
  EXPECT_GE(b.top, 610 * 3 + 210 - 80);
  EXPECT_LE(b.bottom, 610 * 3 + 210 + 529);
}

// Damaged records: cut short and with bytes changed at random, they never fault and never
// ink outside their cell.
TEST_F(RasterClicheSample, DamagedRecordsNeverLeaveTheCell) {
  ASSERT_TRUE(data_.has_value());
  const auto original = data_->sectionBytes(data_->findSection("V5O1-01"));
  ASSERT_GT(original.size(), 1000u);
  const std::string whole(original.begin(), original.end());
  std::mt19937 random(865);
  std::vector<std::string> damaged;
  for (const std::size_t cut : {0u, 5u, 9u, 10u, 200u, 479u, 480u, 481u, 700u, 2000u}) {
    damaged.push_back(whole.substr(0, std::min(cut, whole.size())));
  }
  for (int k = 0; k < 40; ++k) {
    std::string d = whole;
    const int flips = 1 + static_cast<int>(random() % 60);
    for (int f = 0; f < flips; ++f) {
      d[random() % d.size()] = static_cast<char>(random() % 256);
    }
    if (k % 3 == 0) d.resize(random() % d.size());
    damaged.push_back(std::move(d));
  }
  DataBuilder b;
  b.add("0a090", blockFont());
  for (std::size_t i = 0; i < damaged.size(); ++i) {
    b.add(clicheRecordKey("V5\x9b", std::to_string(i + 1)), damaged[i]);
  }

  const DataFile file = b.file();
  Screen s(&file);
  s.openWindow(3);
  s.setUpFonts();
  int drawn = 0;
  for (std::size_t i = 0; i < damaged.size(); ++i) {
    PageRaster raster;
    RasterClicheCell cell;
    cell.key = clicheRecordKey("V5\x9b", std::to_string(i + 1));
    cell.column = 1 + static_cast<int>(i % 10);
    cell.row = 5;
    drawn += drawRasterCliche(s, raster, file, cell).pictureDrawn ? 1 : 0;
    const InkBox box = inkBox(raster);
    if (box.count == 0) continue;
    const int left = 458 * cell.column - 453;
    EXPECT_GE(box.left, left) << i;
    EXPECT_LE(box.right, left + 457) << i;
    EXPECT_GE(box.top, 610 * 5 + 210 - 80) << i;
    EXPECT_LE(box.bottom, 610 * 5 + 210 + 529) << i;
  }
  EXPECT_GT(drawn, 20);  // most damaged records still carry a picture to draw
}

// Every record of the sample with a description, drawn where the pages put it: sheet cells
// at the page's corners and beside its middle lines, series cells above their label, and a
// combined-page cell holding a frame record's lines before this one's. No item pixel may
// fall outside the cell's text box.
TEST_F(RasterClicheSample, EveryDescriptionOfTheSampleFitsItsCell) {
  ASSERT_TRUE(data_.has_value());
  Screen s(&*data_);
  s.openWindow(3);
  s.setUpFonts();
  PageRaster raster;
  const std::string frameKey = "T4sR5-0A";
  int checked = 0;
  for (const DataFile::Entry& entry : data_->listSections()) {
    const ClicheRecord record = readClicheRecordAt(*data_, entry.ref);
    if (!record.found || record.description.empty()) continue;
    ++checked;
    const struct {
      int column, row, xOffset, yOffset, textBottom;
      const char* first;  // a record drawn into the cell first
      const char* prefix;
    } places[] = {{1, 0, 0, 210, 0, "", ""},
                  {5, 4, 0, 210, 0, "", "1ny kliché$"},
                  {10, 9, 0, 210, 0, "", ""},
                  {1, 0, 8, 180, 180 + 500, "", ""},
                  {4, 3, 0, 210, 610 * 3 + 677, "T4s2-01", ""}};
    for (const auto& p : places) {
      RasterClicheCell cell;
      cell.key = entry.name;
      cell.column = p.column;
      cell.row = p.row;
      cell.xOffset = p.xOffset;
      cell.yOffset = p.yOffset;
      cell.textBottom = p.textBottom;
      cell.descriptionPrefix = cp(p.prefix);
      std::vector<int> taken;
      if (*p.first != 0) {
        RasterClicheCell before = cell;
        before.key = p.first;
        EXPECT_EQ(drawRasterCliche(s, raster, *data_, before, taken).droppedItemPixels, 0);
      }
      EXPECT_EQ(drawRasterCliche(s, raster, *data_, cell, taken).droppedItemPixels, 0)
          << entry.name << " in cell " << p.column << "," << p.row << " at " << p.yOffset;
    }
  }
  EXPECT_GT(checked, 100);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
