// kolvard-data pack: every section kind read back through the container, the refusals, and
// the container's robustness against damaged files.
#include "kolvard-data/pack.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "data/inverted_record.hpp"
#include "data/tagged_record.hpp"
#include "kolvard-data/bdf_font.hpp"
#include "kolvard-data/bitmap.hpp"
#include "kolvard-data/cli.hpp"
#include "kolvard-data/pack_error.hpp"
#include "ui/png_image.hpp"
#include "ui/run_length_picture.hpp"

namespace kolvard::datatool {
namespace KOLVARD_TEST_UNIT {

namespace fs = std::filesystem;

std::vector<std::uint8_t> readAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A small BDF font: "A" (3 wide, 4 rows on the baseline), "_" wholly below the baseline,
// the up arrow (code 24), a space, and a glyph too big for a 48-byte record ("W").
const char* const kBdf =
    "STARTFONT 2.1\nFONT test\nSIZE 8 72 72\nFONTBOUNDINGBOX 16 16 0 -2\nCHARS 5\n"
    "STARTCHAR A\nENCODING 65\nDWIDTH 5 0\nBBX 3 4 1 0\nBITMAP\n40\nA0\nE0\nA0\nENDCHAR\n"
    "STARTCHAR underscore\nENCODING 95\nDWIDTH 4 0\nBBX 4 1 0 -2\nBITMAP\nF0\nENDCHAR\n"
    "STARTCHAR arrowup\nENCODING 8593\nDWIDTH 5 0\nBBX 3 3 -1 2\nBITMAP\n40\nE0\n40\nENDCHAR\n"
    "STARTCHAR space\nENCODING 32\nDWIDTH 3 0\nBBX 0 0 0 0\nBITMAP\nENDCHAR\n"
    "STARTCHAR ae\nENCODING 230\nDWIDTH 9 0\nBBX 9 2 0 0\nBITMAP\nFF80\n8080\nENDCHAR\n"
    "ENDFONT\n";

std::string tallGlyphBdf(int rows) {
  std::ostringstream s;
  s << "STARTFONT 2.1\nSTARTCHAR W\nENCODING 87\nDWIDTH 12 0\nBBX 12 " << rows << " 0 0\nBITMAP\n";
  for (int i = 0; i < rows; ++i) s << "FFF0\n";
  s << "ENDCHAR\nENDFONT\n";
  return s.str();
}

class PackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("kolvard-pack-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  void write(const std::string& name, std::string_view text) {
    std::ofstream out(dir_ / name, std::ios::binary);
    out << text;
  }
  void writeBytes(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(dir_ / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  DataFile pack() { return DataFile(buildContainer(readSources({dir_, {}}))); }
  // The message of a refused pack.
  std::string refusal() {
    try {
      (void)readSources({dir_, {}});
    } catch (const PackError& e) {
      return e.what();
    }
    return "(no refusal)";
  }
  fs::path dir_;
};

TEST_F(PackTest, TextLinesBecomePadded160ByteCp865Lines) {
  write("manifest.txt", "text AINFOF1 info.txt\n");
  write("info.txt", "Våbentypen æøå ÆØÅ é ü ·\r\n\n" + std::string(160, 'x') + "\n");
  const DataFile file = pack();
  const SectionRef ref = file.findSection("AINFOF1");
  ASSERT_TRUE(ref.found());
  ASSERT_EQ(ref.length(), 3 * 160);
  const auto bytes = file.sectionBytes(ref);
  const std::string text(bytes.begin(), bytes.end());
  const std::string first = cp("Våbentypen æøå ÆØÅ é ü ·");
  EXPECT_EQ(text.substr(0, first.size()), first);
  EXPECT_EQ(text.substr(first.size(), 160 - first.size()), std::string(160 - first.size(), ' '));
  EXPECT_EQ(text.substr(160, 160), std::string(160, ' '));
  EXPECT_EQ(text.substr(320, 160), std::string(160, 'x'));
}

TEST_F(PackTest, InvertedRecordsInt16TablesTaggedRecordsAndRawBytesReadBack) {
  write("manifest.txt",
        "# comment line\n"
        "inverted P4SDAT pos.txt length=18   # trailing comment\n"
        "inverted PINFO  lines.txt length=120\n"
        "int16 PRFANTAL counts.txt count=5\n"
        "tagged P4S12 rec.txt\n"
        "raw KOLRAW blob.bin\n"
        "empty PHELARK\n");
  write("pos.txt", "A1  12 3\n123456789012345678\n");
  write("lines.txt", "Oplag 3: blåt\n");
  write("counts.txt", "0 # unused\n7 -1\n32767 -32768\n");
  write("rec.txt", "# a record\n*d Brud i rammen øverst\n*m 12\n*b\n*t x\n");
  writeBytes("blob.bin", {0, 255, 27, 10});
  const DataFile file = pack();

  const SectionRef pos = file.findSection("P4SDAT");
  ASSERT_EQ(pos.length(), 36);
  EXPECT_EQ(decodeInvertedRecord(file.readBytes(pos.start, 18)), "A1  12 3" + std::string(10, ' '));
  EXPECT_EQ(decodeInvertedRecord(file.readBytes(pos.start + 18, 18)), "123456789012345678");
  const SectionRef info = file.findSection("PINFO");
  ASSERT_EQ(info.length(), 120);
  EXPECT_EQ(decodeInvertedRecord(file.sectionBytes(info)).substr(0, 14), cp("Oplag 3: blåt "));

  const SectionRef counts = file.findSection("PRFANTAL");
  ASSERT_EQ(counts.length(), 10);
  EXPECT_EQ(file.readInt16(counts.start + 2), 7);
  EXPECT_EQ(file.readInt16(counts.start + 4), -1);
  EXPECT_EQ(file.readInt16(counts.start + 6), 32767);
  EXPECT_EQ(file.readInt16(counts.start + 8), -32768);

  const TaggedRecord rec = TaggedRecord::readFromSection(file, file.findSection("P4S12"));
  EXPECT_EQ(rec.field('d'), cp("Brud i rammen øverst"));
  EXPECT_EQ(rec.field('m'), "12");
  EXPECT_EQ(rec.field('b'), std::nullopt);  // empty field
  EXPECT_EQ(rec.field('t'), std::nullopt);  // a single character does not count
  EXPECT_EQ(rec.text().substr(0, 3), "\x1B*d");

  const auto raw = file.sectionBytes(file.findSection("KOLRAW"));
  EXPECT_EQ(std::vector<std::uint8_t>(raw.begin(), raw.end()),
            (std::vector<std::uint8_t>{0, 255, 27, 10}));
  const SectionRef empty = file.findSection("phelark");
  EXPECT_TRUE(empty.found());
  EXPECT_EQ(empty.length(), 0);
}

TEST_F(PackTest, DirectoryGroupsNamesByFirstTwoCharactersAndNormalises) {
  write("manifest.txt",
        "empty 0a020\nempty T2S\nempty THGR1\nempty 0a200\nempty TIRAM\nempty V1ø\n"
        "raw THGR2 b.bin\nempty T20ø\n");
  write("b.bin", "xyz");
  const auto bytes = buildContainer(readSources({dir_, {}}));
  const DataFile file{std::vector<std::uint8_t>(bytes)};
  // Groups in order of first appearance: 0A, T2, TH, TI, V1.
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 2), "0A");
  EXPECT_EQ(std::string(bytes.begin() + 6, bytes.begin() + 8), "T2");
  EXPECT_EQ(std::string(bytes.begin() + 30, bytes.begin() + 36), "      ");
  const auto list = file.listSections();
  std::vector<std::string> names;
  for (const auto& e : list) names.push_back(e.name);
  EXPECT_EQ(names, (std::vector<std::string>{"0A020", "0A200", "T2S", "T20O", "THGR1", "THGR2",
                                             "TIRAM", "V1O"}));
  for (const char* name :
       {"0a020", "0A200", "t2s", "T20ø", "THGR1", "TIRAM", "V1ø", "V1Ø", "v1o"}) {
    EXPECT_TRUE(file.findSection(cp(name)).found()) << name;
  }
  const SectionRef thgr2 = file.findSection("THGR2");
  EXPECT_EQ(thgr2.length(), 3);
  EXPECT_EQ(file.findSection("THGR1").end, thgr2.start);
  // The last section of the file still has an end.
  EXPECT_EQ(file.findSection("V1O").end, file.size());
  EXPECT_EQ(file.findSection("T2").status, kSectionBlankName);
  EXPECT_EQ(file.findSection("T2X").status, kSectionNotFound);
}

TEST_F(PackTest, FontRecordsCarryBigEndianMetricsAndTheGlyphBits) {
  write("manifest.txt", "font 0a020 f.bdf record=48\nfont 0a200 f.bdf record=512\n");
  write("f.bdf", kBdf);
  const DataFile file = pack();
  for (const auto& [name, size] : {std::pair{"0a020", 48}, std::pair{"0a200", 512}}) {
    const SectionRef ref = file.findSection(name);
    ASSERT_EQ(ref.length(), 256 * size);
    const auto bytes = file.sectionBytes(ref);
    const std::size_t a = static_cast<std::size_t>('A') * static_cast<std::size_t>(size);
    EXPECT_EQ(bytes[a + 2], 0);
    EXPECT_EQ(bytes[a + 3], 4);  // ascent: 4 rows above the baseline
    EXPECT_EQ(bytes[a + 5], 5);  // width = the advance
    EXPECT_EQ(bytes[a + 7], 4);
    // Placed at x offset 1 in a one-byte row.
    EXPECT_EQ(bytes[a + 10], 0x20);
    EXPECT_EQ(bytes[a + 11], 0x50);
    EXPECT_EQ(bytes[a + 12], 0x70);
    EXPECT_EQ(bytes[a + 13], 0x50);

    const FontRecord under = decodeFontRecord(bytes, size, '_');
    EXPECT_EQ(under.ascent, 0);  // wholly below the baseline: one blank row on top
    ASSERT_EQ(under.rows, 2);
    EXPECT_EQ(under.ink[0], std::vector<bool>(8, false));
    EXPECT_TRUE(under.ink[1][0] && under.ink[1][3] && !under.ink[1][4]);

    const FontRecord arrow = decodeFontRecord(bytes, size, 24);  // U+2191
    EXPECT_EQ(arrow.ascent, 5);
    EXPECT_EQ(arrow.width, 5);
    ASSERT_EQ(arrow.rows, 3);
    EXPECT_TRUE(arrow.ink[0][1]);  // negative x offset clipped to 0
    const FontRecord space = decodeFontRecord(bytes, size, ' ');
    EXPECT_EQ(space.width, 3);
    EXPECT_EQ(space.rows, 0);
    const FontRecord ae = decodeFontRecord(bytes, size, 145);  // æ: two bytes a row
    ASSERT_EQ(ae.rows, 2);
    EXPECT_TRUE(ae.ink[0][8] && !ae.ink[0][9] && ae.ink[1][8] && !ae.ink[1][7]);
    EXPECT_EQ(decodeFontRecord(bytes, size, 'B').width, 0);  // no glyph: empty record
  }
}

TEST_F(PackTest, PicturesEncodeRunsWithEscapesForWideColumns) {
  Bitmap image(700, 4);
  const std::vector<std::vector<std::pair<int, int>>> runs = {
      {{0, 0}, {3, 5}, {254, 255}, {258, 300}, {509, 510}, {520, 699}},
      {},
      {{255, 255}, {510, 510}},
      {{100, 253}}};
  for (std::size_t y = 0; y < runs.size(); ++y) {
    for (const auto& [a, b] : runs[y]) {
      for (int x = a; x <= b; ++x) image.set(x, static_cast<int>(y));
    }
  }
  writeBytes("pic.pbm", writePbm(image));
  write("manifest.txt", "picture TPIC pic.pbm rows=4\n");
  const DataFile file = pack();
  const auto bytes = file.sectionBytes(file.findSection("TPIC"));
  const auto decoded = decodeRunLengthPicture(bytes, 4);
  ASSERT_EQ(decoded.size(), 4u);
  for (std::size_t y = 0; y < runs.size(); ++y) EXPECT_EQ(decoded[y].runs, runs[y]) << "row " << y;
  // Row 3 (index 2): 255 is an escape and 0, 510 two escapes from the start of the row
  // but only one more from the running base.
  EXPECT_EQ(bytes[0], 0);
  // Row 1: 0 0, 3 5, 254 / escape 0, base 255: 3 45, 254 / escape 0, base 510: 10 189.
  EXPECT_EQ(
      std::vector<std::uint8_t>(bytes.begin() + 1, bytes.begin() + 17),
      (std::vector<std::uint8_t>{14, 0, 0, 3, 5, 254, 255, 0, 3, 45, 254, 255, 0, 10, 189, 0}));
  const std::size_t row2 = 1 + 15 + 1;  // after row 1 and the empty row 2
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(row2),
                                      bytes.begin() + static_cast<std::ptrdiff_t>(row2) + 7),
            (std::vector<std::uint8_t>{6, 255, 0, 0, 255, 0, 0}));
  // The whole section is consumed by exactly 4 rows.
  EXPECT_EQ(decodeRunLengthPicture(bytes, 5).size(), 4u);
}

TEST_F(PackTest, PicturesFromPlainPbmAndPng) {
  write("p1.pbm", "P1\n# plain\n4 2\n0 1 1 0\n1 0 0 1\n");
  Framebuffer png(3, 2, 0xFFFFFF);
  png.set(1, 0, 0x202020);
  png.set(2, 1, 0x7F7F7F);  // dark enough to be ink
  png.set(0, 1, 0x909090);  // light: paper
  ASSERT_TRUE(writePng(dir_ / "p.png", png));
  write("manifest.txt", "picture APIC1 p1.pbm rows=2\npicture APIC2 p.png rows=2\n");
  const DataFile file = pack();
  const auto one = decodeRunLengthPicture(file.sectionBytes(file.findSection("APIC1")), 2);
  ASSERT_EQ(one.size(), 2u);
  EXPECT_EQ(one[0].runs, (std::vector<std::pair<int, int>>{{1, 2}}));
  EXPECT_EQ(one[1].runs, (std::vector<std::pair<int, int>>{{0, 0}, {3, 3}}));
  const auto two = decodeRunLengthPicture(file.sectionBytes(file.findSection("APIC2")), 2);
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[0].runs, (std::vector<std::pair<int, int>>{{1, 1}}));
  EXPECT_EQ(two[1].runs, (std::vector<std::pair<int, int>>{{2, 2}}));
}

// Composite sections: the count of the series in the first byte, and every character of
// the composite codes kept in the name from the manifest to the lookup.
TEST_F(PackTest, CompositesCarryTheirCountAndKeepEveryCodeCharacter) {
  write("p.pbm", "P1\n3 2\n0 1 1\n1 0 0\n");
  const std::string codes = "123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ0^_`#$%&'()!-";
  std::string manifest = "composite MF4ø1-1 p.pbm rows=2 count=48\n";
  for (std::size_t i = 1; i < codes.size(); ++i)
    manifest += "composite MF4ø1-" + std::string(1, codes[i]) + " p.pbm rows=2\n";
  write("manifest.txt", manifest);
  const DataFile file = pack();
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const std::string name = "mf4" + cp("ø") + "1-" + std::string(1, codes[i]);
    const SectionRef ref = file.findSection(name);
    ASSERT_TRUE(ref.found()) << "code " << codes[i];
    const auto bytes = file.sectionBytes(ref);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes[0], i == 0 ? 48 : 0) << "code " << codes[i];
    const auto rows = decodeRunLengthPicture(bytes, 2);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].runs, (std::vector<std::pair<int, int>>{{1, 2}}));
  }
}

struct Refusal {
  const char* what;
  std::string manifest;
  std::vector<std::pair<std::string, std::string>> files;
  std::vector<std::string> expected;  // parts of the message
};

TEST_F(PackTest, RefusesWhatCannotBeEncodedNamingSectionAndLines) {
  std::string wideRow = "P1\n520 1\n";
  for (int x = 0; x < 520; ++x) wideRow += x % 2 ? "0 " : "1 ";  // 260 runs of one pixel
  const std::vector<Refusal> cases = {
      {"glyph too big for 48",
       "font 0a038 w.bdf record=48\n",
       {{"w.bdf", tallGlyphBdf(20)}},
       {"manifest.txt:1", "section 0a038", "w.bdf:2", "\"W\"", "needs 50 bytes", "48"}},
      {"glyph too big for 512",
       "\n\nfont 0a200 w.bdf record=512\n",
       {{"w.bdf", tallGlyphBdf(300)}},
       {"manifest.txt:3", "section 0a200", "w.bdf:2"}},
      {"character outside cp865",
       "text AINFOF1 t.txt\n",
       {{"t.txt", "fint\nPrís: 3 € her\n"}},
       {"manifest.txt:1", "section AINFOF1", "t.txt:2", "U+20AC", "code page 865"}},
      {"tab in a text",
       "text AINFOF1 t.txt\n",
       {{"t.txt", "a\tb\n"}},
       {"t.txt:1", "control character 9"}},
      {"name too long", "empty ABCDEFGHI\n", {}, {"manifest.txt:1", "ABCDEFGHI", "at most 8"}},
      {"duplicate name", "empty V1O\nempty v1ø\n", {}, {"manifest.txt:2", "v1ø", "V1O on line 1"}},
      {"blank rest", "empty T\n", {}, {"manifest.txt:1", "section T", "at least 3"}},
      {"wrong row count",
       "picture C3C p.pbm rows=688\n",
       {{"p.pbm", "P1 2 3 1 0 0 1 1 1"}},
       {"manifest.txt:1", "section C3C", "p.pbm", "3 rows", "688"}},
      {"row beyond 255 bytes",
       "picture WIDE w.pbm rows=1\n",
       {{"w.pbm", wideRow}},
       {"section WIDE", "row 1", "522 bytes", "at most 255"}},
      {"long text line",
       "empty AB1\ntext CINFOF2 t.txt\n",
       {{"t.txt", "ok\n\n" + std::string(161, 'y') + "\n"}},
       {"manifest.txt:2", "section CINFOF2", "t.txt:3", "161", "160"}},
      {"long inverted record",
       "inverted P4SDAT r.txt length=18\n",
       {{"r.txt", std::string(19, '1')}},
       {"section P4SDAT", "r.txt:1", "19", "18"}},
      {"int16 out of range",
       "int16 TRFANTAL n.txt\n",
       {{"n.txt", "1 2\n40000\n"}},
       {"section TRFANTAL", "n.txt:2", "40000"}},
      {"int16 count",
       "int16 TRFANTAL n.txt count=74\n",
       {{"n.txt", "1 2 3\n"}},
       {"count=74", "3 numbers"}},
      {"missing source", "text AINFOF1 nowhere.txt\n", {}, {"section AINFOF1", "nowhere.txt"}},
      {"unknown kind", "sound AINFOF1 x.wav\n", {}, {"manifest.txt:1", "sound"}},
      {"missing rows", "picture C3C p.pbm\n", {{"p.pbm", "P1 1 1 1"}}, {"section C3C", "rows=N"}},
      {"composite count beyond a byte",
       "composite AF4S1-1 p.pbm rows=1 count=256\n",
       {{"p.pbm", "P1 1 1 1"}},
       {"section AF4S1-1", "count=256", "one byte"}},
      {"composite rows",
       "composite AF4S1-1 p.pbm rows=980 count=3\n",
       {{"p.pbm", "P1 1 1 1"}},
       {"section AF4S1-1", "1 rows", "980"}},
      {"foreign option",
       "text AINFOF1 t.txt rows=3\n",
       {{"t.txt", "x\n"}},
       {"section AINFOF1", "rows"}},
      {"bad font record size",
       "font 0a020 f.bdf record=64\n",
       {{"f.bdf", kBdf}},
       {"section 0a020", "48 or 512"}},
      {"bad BDF",
       "font 0a020 f.bdf record=48\n",
       {{"f.bdf", "STARTCHAR A\nENCODING 65\nBBX 2 2 0 0\nBITMAP\nZZ\n"}},
       {"section 0a020", "f.bdf:5"}},
      {"bad tagged line",
       "tagged P4S1 r.txt\n",
       {{"r.txt", "*d fine\nloose text\n"}},
       {"section P4S1", "r.txt:2"}},
  };
  for (const auto& c : cases) {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    write("manifest.txt", c.manifest);
    for (const auto& [name, text] : c.files) write(name, text);
    const std::string message = refusal();
    for (const auto& part : c.expected) {
      EXPECT_NE(message.find(part), std::string::npos)
          << c.what << ": \"" << part << "\" not in: " << message;
    }
  }
}

TEST_F(PackTest, ToolWritesReproduciblyAndARefusedPackLeavesTheOldFile) {
  write("manifest.txt", "text AINFOF1 t.txt\nfont 0a020 f.bdf record=48\n");
  write("t.txt", "Hej\n");
  write("f.bdf", kBdf);
  const fs::path outA = dir_ / "a.dat";
  const fs::path outB = dir_ / "b.dat";
  std::ostringstream out, err;
  ASSERT_EQ(runDataTool({"pack", dir_.string(), outA.string()}, out, err), 0) << err.str();
  ASSERT_EQ(runDataTool({"pack", dir_.string(), outB.string()}, out, err), 0) << err.str();
  const auto first = readAll(outA);
  EXPECT_FALSE(first.empty());
  EXPECT_EQ(first, readAll(outB));

  write("t.txt", std::string(200, 'z') + "\n");
  std::ostringstream out2, err2;
  EXPECT_EQ(runDataTool({"pack", dir_.string(), outA.string()}, out2, err2), 1);
  EXPECT_NE(err2.str().find("section AINFOF1"), std::string::npos) << err2.str();
  EXPECT_EQ(readAll(outA), first);  // untouched
  const fs::path fresh = dir_ / "fresh.dat";
  EXPECT_EQ(runDataTool({"pack", dir_.string(), fresh.string()}, out2, err2), 1);
  EXPECT_FALSE(fs::exists(fresh));
  for (const auto& entry : fs::directory_iterator(dir_)) {
    EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
  }
}

TEST_F(PackTest, DamagedFilesNeverCrashTheLookup) {
  write("manifest.txt",
        "text AINFOF1 t.txt\nempty AB1\nint16 TRFANTAL n.txt\nempty T2S\nempty THGR1\nraw ZZTOP "
        "t.txt\n");
  write("t.txt", "Linie\n");
  write("n.txt", "1 2 3\n");
  const auto good = buildContainer(readSources({dir_, {}}));
  const auto probe = [](const DataFile& file) {
    std::int64_t total = 0;
    for (const char* name : {"AINFOF1", "AB1", "TRFANTAL", "T2S", "THGR1", "ZZTOP", "NONE"}) {
      const SectionRef ref = file.findSection(name);
      EXPECT_LE(ref.start, ref.end);
      EXPECT_LE(ref.end, file.size());
      total += static_cast<std::int64_t>(file.sectionBytes(ref).size());
      total +=
          static_cast<std::int64_t>(decodeRunLengthPicture(file.sectionBytes(ref), 733).size());
    }
    for (const auto& entry : file.listSections()) {
      EXPECT_GE(entry.ref.start, 0);
      EXPECT_LE(entry.ref.end, file.size());
    }
    return total;
  };
  for (std::size_t cut = 0; cut <= good.size(); ++cut) {
    probe(DataFile(
        std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut))));
  }
  std::mt19937 random(703);
  for (int round = 0; round < 3000; ++round) {
    auto bad = good;
    const int changes = 1 + round % 4;
    for (int i = 0; i < changes; ++i) {
      const std::size_t at = random() % 80;  // the directories
      bad[std::min(at, bad.size() - 1)] = static_cast<std::uint8_t>(random());
    }
    probe(DataFile(std::move(bad)));
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard::datatool
