#include "print/schema_bitmap.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "print/page_raster.hpp"
#include "support/headless_run.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

namespace fs = std::filesystem;
using test::ScratchDir;

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
unsigned le16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<unsigned>(b[at] | b[at + 1] << 8);
}

// The offset of byte `byte` of picture row `row` (0 = bottom row = raster row 6610).
std::size_t at(int row, int byte) {
  return static_cast<std::size_t>(kBitmapHeaderBytes + row * kBitmapRowBytes + byte);
}

TEST(SchemaBitmap, FileNameWritesTheFirstOslashAsO) {
  EXPECT_EQ(schemaFileName("%V5\x9b"
                           "C1-1"),
            "%V5oC1-1.BMP");
  EXPECT_EQ(schemaFileName("%P4sC3-7"), "%P4sC3-7.BMP");
  EXPECT_EQ(schemaFileName("a\x9b\x9b"), "ao\x9b.BMP");
  EXPECT_EQ(schemaFileName(""), ".BMP");
}

TEST(SchemaBitmap, HeaderFieldsOfAFullPage) {
  const auto h = schemaBitmapHeader();
  ASSERT_EQ(h.size(), 62u);
  EXPECT_EQ(h[0], 'B');
  EXPECT_EQ(h[1], 'M');
  EXPECT_EQ(le32(h, 2), 3886742u);
  EXPECT_EQ(le32(h, 6), 0u);
  EXPECT_EQ(le32(h, 10), 62u);
  EXPECT_EQ(le32(h, 14), 40u);
  EXPECT_EQ(le32(h, 18), 4704u);
  EXPECT_EQ(le32(h, 22), 6610u);
  EXPECT_EQ(le16(h, 26), 1u);
  EXPECT_EQ(le16(h, 28), 1u);
  EXPECT_EQ(le32(h, 30), 0u);
  EXPECT_EQ(le32(h, 34), 3496743u);
  EXPECT_EQ((std::vector<std::uint8_t>(h.begin() + 34, h.begin() + 38)),
            (std::vector<std::uint8_t>{39, 91, 53, 0}));
  EXPECT_EQ(le32(h, 38), 23622u);
  EXPECT_EQ(le32(h, 42), 23622u);
  EXPECT_EQ(le32(h, 46), 2u);
  EXPECT_EQ(le32(h, 50), 0u);
  EXPECT_EQ(le32(h, 54), 0x00000000u);  // black
  EXPECT_EQ(le32(h, 58), 0x00FFFFFFu);  // white
  // The size follows the height.
  const auto small = schemaBitmapHeader(10);
  EXPECT_EQ(le32(small, 2), 10u * 588u + 62u);
  EXPECT_EQ(le32(small, 22), 10u);
}

TEST(SchemaBitmap, BlankPageIsWhiteEverywhere) {
  const PageRaster raster;
  const auto file = encodeSchemaBitmap(raster);
  ASSERT_EQ(file.size(), static_cast<std::size_t>(kSchemaBitmapSize));
  EXPECT_EQ(file, [&] {
    std::vector<std::uint8_t> expected = schemaBitmapHeader();
    expected.resize(kSchemaBitmapSize, 255);
    return expected;
  }());
}

TEST(SchemaBitmap, RowsRunBottomFirstWithInkAsBitZero) {
  PageRaster raster;
  raster.set(0, 6610, true);                            // first BMP row, byte 6, bit 7
  raster.set(9, 6610, true);                            // byte 7, bit 6
  raster.set(kPictureWidth - 1, 1, true);               // last BMP row, last byte, bit 0
  raster.hline(kPictureWidth, kRasterWidth - 1, 3000);  // beyond the picture: invisible
  raster.hline(0, kRasterWidth - 1, 0);                 // row 0: never output
  const auto file = encodeSchemaBitmap(raster);
  EXPECT_EQ(file[at(0, 6)], 0x7F);
  EXPECT_EQ(file[at(0, 7)], 0xBF);
  for (int b = 0; b < 6; ++b) EXPECT_EQ(file[at(0, b)], 255);
  EXPECT_EQ(file[at(6609, 587)], 0xFE);
  for (int b = 0; b < kBitmapRowBytes; ++b) EXPECT_EQ(file[at(6610 - 3000, b)], 255) << b;
  std::size_t notWhite = 0;
  for (std::size_t i = kBitmapHeaderBytes; i < file.size(); ++i) notWhite += file[i] != 255;
  EXPECT_EQ(notWhite, 3u);
}

TEST(SchemaBitmap, ProgressIsReportedEveryGivenNumberOfRows) {
  const PageRaster raster;
  int steps = 0;
  encodeSchemaBitmap(
      raster, [&] { ++steps; }, 76);
  EXPECT_EQ(steps, 6610 / 76);
  steps = 0;
  encodeSchemaBitmap(
      raster, [&] { ++steps; }, 86);
  EXPECT_EQ(steps, 6610 / 86);
  steps = 0;
  encodeSchemaBitmap(
      raster, [&] { ++steps; }, 0);  // no rhythm: no steps, no fault
  EXPECT_EQ(steps, 0);
  EXPECT_EQ(encodeSchemaBitmap(raster, {}, 76).size(), kSchemaBitmapSize);
}

std::vector<std::uint8_t> fileBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void writeText(const fs::path& p, const std::string& text) {
  std::ofstream(p, std::ios::binary) << text;
}

// Only the names that the test put there: no scratch file left over.
std::vector<std::string> namesIn(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(SchemaBitmap, WriteReplacesAnOldFileWhole) {
  ScratchDir dir;
  writeText(dir / "%P4sC3-7.BMP", "an old and rather longer picture file");
  const std::vector<std::uint8_t> bytes{1, 2, 3, 0, 255};
  const FileWriteResult result = writeFileReplacing(dir.path(), "%P4sC3-7.BMP", bytes);
  EXPECT_TRUE(result.ok) << result.error;
  EXPECT_TRUE(result.error.empty());
  EXPECT_EQ(fileBytes(dir / "%P4sC3-7.BMP"), bytes);
  EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"%P4sC3-7.BMP"});
}

TEST(SchemaBitmap, WriteIntoAMissingDirectoryFails) {
  ScratchDir dir;
  const FileWriteResult result = writeFileReplacing(dir / "nowhere", "A.BMP", {1, 2, 3});
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.empty());
  EXPECT_FALSE(fs::exists(dir / "nowhere"));
  EXPECT_TRUE(namesIn(dir.path()).empty());
}

TEST(SchemaBitmap, WriteOverADirectoryOfThatNameFailsAndLeavesIt) {
  ScratchDir dir;
  fs::create_directory(dir / "A.BMP");
  writeText(dir / "A.BMP" / "inside", "x");
  const FileWriteResult result = writeFileReplacing(dir.path(), "A.BMP", {1, 2, 3});
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("mappe"), std::string::npos) << result.error;
  EXPECT_TRUE(fs::is_directory(dir / "A.BMP"));
  EXPECT_TRUE(fs::exists(dir / "A.BMP" / "inside"));
  EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"A.BMP"});
}

TEST(SchemaBitmap, WriteIntoAReadOnlyDirectoryFailsAndKeepsTheOldFile) {
  ScratchDir dir;
  const fs::path ro = dir / "ro";
  fs::create_directory(ro);
  writeText(ro / "A.BMP", "old");
  fs::permissions(ro, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                          fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  if (::access(ro.c_str(), W_OK) == 0) {
    fs::permissions(ro, fs::perms::owner_all);
    GTEST_SKIP() << "running with rights that ignore a read-only directory";
  }
  const FileWriteResult result = writeFileReplacing(ro, "A.BMP", {1, 2, 3});
  fs::permissions(ro, fs::perms::owner_all);
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.empty());
  EXPECT_EQ(fileBytes(ro / "A.BMP"), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
  EXPECT_EQ(namesIn(ro), std::vector<std::string>{"A.BMP"});
}

// What a hostile or careful folder holds: a link planted under the scratch name is never
// written through, a file left there blocks nothing, and a target the user made read-only is
// kept with its reason named.
TEST(SchemaBitmap, WriteNeitherFollowsPlantedNamesNorReplacesAReadOnlyFile) {
  const struct {
    const char* what;
    const char* plantedName;  // under which the plant stands
    bool linkOutside;         // a link to dir/outside.txt, else a plain file "stale"
    bool readOnlyTarget;
    bool written;
  } cases[] = {
      {"link at the scratch name", ".A.BMP.part", true, false, true},
      {"stale scratch file", ".A.BMP.part", false, false, true},
      {"read-only target", "", false, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchDir dir;
    fs::create_directory(dir / "out");
    writeText(dir / "outside.txt", "outside");
    if (*c.plantedName != '\0') {
      if (c.linkOutside) {
        fs::create_symlink(dir / "outside.txt", dir / "out" / c.plantedName);
      } else {
        writeText(dir / "out" / c.plantedName, "stale");
      }
    }
    writeText(dir / "out" / "A.BMP", "old");
    if (c.readOnlyTarget) fs::permissions(dir / "out" / "A.BMP", fs::perms::owner_read);
    const FileWriteResult result = writeFileReplacing(dir / "out", "A.BMP", {1, 2, 3});
    EXPECT_EQ(result.ok, c.written) << result.error;
    if (c.readOnlyTarget) {
      EXPECT_EQ(result.error, "filen er skrivebeskyttet");
    }
    const std::vector<std::uint8_t> expectedBytes =
        c.written ? std::vector<std::uint8_t>{1, 2, 3} : std::vector<std::uint8_t>{'o', 'l', 'd'};
    EXPECT_EQ(fileBytes(dir / "out" / "A.BMP"), expectedBytes);
    EXPECT_EQ(fileBytes(dir / "outside.txt"),
              (std::vector<std::uint8_t>{'o', 'u', 't', 's', 'i', 'd', 'e'}));
    std::vector<std::string> expected{"A.BMP"};
    if (*c.plantedName != '\0') expected.insert(expected.begin(), c.plantedName);
    EXPECT_EQ(namesIn(dir / "out"), expected);  // no scratch file of the write left
  }
}

// A directory where no file can be made whatever the rights (the process table of Linux):
// the failure of the scratch file itself is reported.
TEST(SchemaBitmap, WriteWhereNoFileCanBeMadeFails) {
  const fs::path proc = "/proc/self";
  if (!fs::is_directory(proc)) GTEST_SKIP() << "no /proc here";
  const FileWriteResult result = writeFileReplacing(proc, "A.BMP", {1, 2, 3});
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.empty());
  EXPECT_FALSE(fs::exists(proc / "A.BMP"));
  EXPECT_FALSE(fs::exists(proc / ".A.BMP.part"));
}

TEST(SchemaBitmap, WriteRefusesNamesThatLeaveTheDirectory) {
  ScratchDir dir;
  fs::create_directory(dir / "sub");
  for (const char* name : {"", "../A.BMP", "x/A.BMP", ".."}) {
    const FileWriteResult result = writeFileReplacing(dir / "sub", name, {1});
    EXPECT_FALSE(result.ok) << name;
  }
  EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"sub"});
  EXPECT_TRUE(namesIn(dir / "sub").empty());
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
