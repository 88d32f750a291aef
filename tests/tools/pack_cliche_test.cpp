// kolvard-data pack: the cliché record kind (tagged text, orientation flag, 383-row picture),
// plain fixed-length records, the closing record of inverted sections, included manifests,
// and what the pack refuses for each of them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "data/inverted_record.hpp"
#include "kolvard-data/bitmap.hpp"
#include "kolvard-data/pack.hpp"
#include "kolvard-data/pack_error.hpp"

namespace kolvard::datatool {
namespace KOLVARD_TEST_UNIT {

namespace fs = std::filesystem;

class PackClicheTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("kolvard-cliche-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "more");
  }
  void TearDown() override { fs::remove_all(dir_); }

  void write(const std::string& name, std::string_view text) {
    std::ofstream out(dir_ / name, std::ios::binary);
    out << text;
  }
  void writePicture(const std::string& name, const Bitmap& image) {
    const auto bytes = writePbm(image);
    std::ofstream out(dir_ / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  DataFile pack() { return DataFile(buildContainer(readSources({dir_, {dir_ / "more"}}))); }
  std::string refusal() {
    try {
      (void)readSources({dir_, {dir_ / "more"}});
    } catch (const PackError& e) {
      return e.what();
    }
    return "(no refusal)";
  }
  fs::path dir_;
};

// A 383-row picture: row 0 empty, row 1 one run 265..275, row 2 two runs.
Bitmap samplePicture() {
  Bitmap b(352, kClicheRows);
  for (int x = 265; x <= 275; ++x) b.set(x, 1);
  b.set(3, 2);
  for (int x = 10; x <= 12; ++x) b.set(x, 2);
  return b;
}

TEST_F(PackClicheTest, RecordHoldsFlagFieldsPictureTagAndRows) {
  const std::string source =
      "# a comment\n*d $1Brud i venstre rammelinie\n*d $h40,20,brud$\n*m 7 \n*t  4s1   A     17\n";
  const auto bytes = encodeClicheRecord(source, samplePicture(), ' ', "c.txt", "c.pbm");
  const std::string text = cp("$1Brud i venstre rammelinie$h40,20,brud$");
  const std::string expected = " \x1B*d" + text + "\x1B*m7 \x1B*t 4s1   A     17\x1B*b";
  ASSERT_GE(bytes.size(), expected.size());
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + static_cast<long>(expected.size())),
            expected);
  std::size_t at = expected.size();
  EXPECT_EQ(bytes[at], 0);  // row 0: empty
  ++at;
  // Row 1: the offset 255 also applies to the second value.
  ASSERT_EQ(bytes[at], 3);
  EXPECT_EQ(bytes[at + 1], 255);
  EXPECT_EQ(bytes[at + 2], 10);
  EXPECT_EQ(bytes[at + 3], 20);
  at += 4;
  ASSERT_EQ(bytes[at], 4);
  EXPECT_EQ(bytes[at + 1], 3);
  EXPECT_EQ(bytes[at + 2], 3);
  EXPECT_EQ(bytes[at + 3], 10);
  EXPECT_EQ(bytes[at + 4], 12);
  at += 5;
  // The remaining 380 rows are empty, and nothing follows them.
  EXPECT_EQ(bytes.size(), at + 380);
  for (std::size_t i = at; i < bytes.size(); ++i) ASSERT_EQ(bytes[i], 0) << i;
}

TEST_F(PackClicheTest, ManifestKindReadsBinaryAndPlainPbmAlikeAndSetsTheFlag) {
  writePicture("c.pbm", samplePicture());
  // The same picture as a plain PBM.
  std::string plain = "P1\n352 383\n";
  const Bitmap b = samplePicture();
  for (int y = 0; y < b.height; ++y) {
    for (int x = 0; x < b.width; ++x) plain += b.at(x, y) ? '1' : '0';
    plain += '\n';
  }
  write("more/c1.pbm", plain);
  write("c.txt", "*d $1Prik over Ø i DANMARK$\n*m 12\n*t  4s1   A     17\n");
  write("more/list.manifest", "cliche P4s1-0H c.txt picture=c1.pbm orientation=U\n");
  write("manifest.txt", "cliche P4s-0H c.txt picture=c.pbm\ninclude list.manifest\n");
  const DataFile file = pack();
  const SectionRef a = file.findSection("P4s-0H");
  const SectionRef u = file.findSection(cp("P4s1-0H"));
  ASSERT_TRUE(a.found());
  ASSERT_TRUE(u.found());
  const auto ab = file.sectionBytes(a);
  const auto ub = file.sectionBytes(u);
  ASSERT_EQ(ab.size(), ub.size());
  EXPECT_EQ(ab[0], ' ');
  EXPECT_EQ(ub[0], 'U');
  EXPECT_TRUE(std::equal(ab.begin() + 1, ab.end(), ub.begin() + 1));
  const std::string text(ab.begin(), ab.end());
  EXPECT_NE(text.find(cp("Prik over Ø i DANMARK")), std::string::npos);
}

TEST_F(PackClicheTest, RecordsAndClosedInvertedSections) {
  write("s.txt", "4s     1   1   3\n*\n");
  write("i.txt", "1. tryk\nFarven rød\n");
  write("manifest.txt",
        "records  PCSERIER s.txt length=16\ninverted PD4S1 i.txt length=120 endrecord=yes\n");
  const DataFile file = pack();
  const auto s = file.sectionBytes(file.findSection("PCSERIER"));
  ASSERT_EQ(s.size(), 32u);
  EXPECT_EQ(std::string(s.begin(), s.begin() + 16), "4s     1   1   3");
  EXPECT_EQ(std::string(s.begin() + 16, s.end()), "*" + std::string(15, ' '));
  const auto i = file.sectionBytes(file.findSection("PD4S1"));
  ASSERT_EQ(i.size(), 3u * 120);
  EXPECT_EQ(decodeInvertedRecord(i.subspan(120, 120)).substr(0, 10), cp("Farven rød"));
  EXPECT_NE(i[120], 255);
  EXPECT_EQ(i[240], 255);  // the closing record ends the text
  for (std::size_t k = 240; k < i.size(); ++k) ASSERT_EQ(i[k], 255);
}

TEST_F(PackClicheTest, RefusesBadPicturesAndTextsNamingSectionAndLine) {
  write("c.txt", "*d $1Brud$\n*m 7 \n");
  writePicture("short.pbm", Bitmap(352, 382));
  write("manifest.txt", "\ncliche P4s-01 c.txt picture=short.pbm\n");
  std::string why = refusal();
  EXPECT_NE(why.find("manifest.txt:2: section P4s-01"), std::string::npos) << why;
  EXPECT_NE(why.find("382 rows"), std::string::npos) << why;

  Bitmap busy(640, kClicheRows);
  for (int x = 0; x < 640; x += 2) busy.set(x, 100);
  writePicture("busy.pbm", busy);
  write("manifest.txt", "cliche P4s-01 c.txt picture=busy.pbm\n");
  why = refusal();
  EXPECT_NE(why.find("row 101"), std::string::npos) << why;
  EXPECT_NE(why.find("at most 255"), std::string::npos) << why;

  writePicture("ok.pbm", samplePicture());
  write("long.txt",
        "*d $1Brud\n*t " + std::string(300, 'x') + "\n*t " + std::string(300, 'y') + "\n");
  write("manifest.txt", "cliche P4s-01 long.txt picture=ok.pbm\n");
  why = refusal();
  EXPECT_NE(why.find("long.txt:3"), std::string::npos) << why;
  EXPECT_NE(why.find("560"), std::string::npos) << why;

  write("bad.txt", "*d $1Brud\n*m €\n");
  write("manifest.txt", "cliche P4s-01 bad.txt picture=ok.pbm\n");
  why = refusal();
  EXPECT_NE(why.find("bad.txt:2"), std::string::npos) << why;
  EXPECT_NE(why.find("code page 865"), std::string::npos) << why;

  write("pic.txt", "*d $1Brud\n*b 123\n");
  write("manifest.txt", "cliche P4s-01 pic.txt picture=ok.pbm\n");
  why = refusal();
  EXPECT_NE(why.find("pic.txt:2"), std::string::npos) << why;

  write("manifest.txt", "cliche P4s-01 c.txt\n");
  EXPECT_NE(refusal().find("picture="), std::string::npos);
  write("manifest.txt", "cliche P4s-01 c.txt picture=none.pbm\n");
  EXPECT_NE(refusal().find("none.pbm: no such file"), std::string::npos);
  write("manifest.txt", "records PCSERIER c.txt length=4\n");
  EXPECT_NE(refusal().find("c.txt:1"), std::string::npos);
  write("manifest.txt", "inverted PD4S1 c.txt length=120 endrecord=no\n");
  EXPECT_NE(refusal().find("endrecord=no"), std::string::npos);
  write("manifest.txt", "include missing.manifest\n");
  EXPECT_NE(refusal().find("missing.manifest: no such file"), std::string::npos);
  write("loop.manifest", "include loop.manifest\n");
  write("manifest.txt", "include loop.manifest\n");
  EXPECT_NE(refusal().find("nest deeper"), std::string::npos);
  write("dup.manifest", "records PCSERIER c.txt length=16\n");
  write("manifest.txt", "records PCSERIER c.txt length=16\ninclude dup.manifest\n");
  why = refusal();
  EXPECT_NE(why.find("dup.manifest:1"), std::string::npos) << why;
  EXPECT_NE(why.find("already used"), std::string::npos) << why;
}

TEST_F(PackClicheTest, DamagedPbmIsRefusedNotCrashed) {
  write("c.txt", "*d $1Brud$\n");
  write("cut.pbm", "P4\n352 383\n\x01\x02");
  write("manifest.txt", "cliche P4s-01 c.txt picture=cut.pbm\n");
  EXPECT_NE(refusal().find("cut short"), std::string::npos);
  write("cut.pbm", "P4\n# only a comment");
  EXPECT_NE(refusal().find("cut.pbm"), std::string::npos);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard::datatool
