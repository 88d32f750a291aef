// The composite clichés, type pages, type records and watermark drawing of the sample
// KOL703.dat: what the composite, type and watermark screens rely on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "data/run_length_rows.hpp"
#include "domain/cliche_record.hpp"
#include "domain/composite_names.hpp"
#include "ui/run_length_picture.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

const DataFile& sample() {
  static const DataFile file = DataFile::open(KOLVARD_SAMPLE_DATA).value_or(DataFile());
  return file;
}

// The count byte of composite 1 of a series; -1 when it is missing.
int compositeCount(const std::string& edition, const std::string& value, char set, int series) {
  const SectionRef ref =
      sample().findSection(compositeSectionName(edition, cp(value), set, series, 1));
  if (!ref.found() || ref.length() == 0) return -1;
  return sample().sectionBytes(ref)[0];
}

TEST(SampleComposites, SeriesHoldTheirCountedComposites) {
  struct Case {
    const char* edition;
    const char* value;  // UTF-8
    char set;
    int series;
    int count;
    int rows;
  };
  const Case cases[] = {
      {"A", "4s", 'F', 0, 3, 980},  {"A", "4s", 'F', 1, 6, 980},   {"A", "4s", 'F', 5, 2, 980},
      {"A", "4s", 'Q', 1, 4, 980},  {"P", "4s", 'F', 1, 2, 888},   {"P", "4s", 'F', 3, 2, 888},
      {"V", "10ø", 'F', 1, 6, 980}, {"V", "10ø", 'F', 2, 12, 980}, {"V", "10ø", 'F', 3, 12, 980},
      {"M", "4ø", 'F', 1, 48, 980}, {"M", "4ø", 'F', 2, 6, 980},
  };
  for (const Case& c : cases) {
    const std::string what = std::string(c.edition) + c.value + c.set + std::to_string(c.series);
    ASSERT_EQ(compositeCount(c.edition, c.value, c.set, c.series), c.count) << what;
    for (int n = 1; n <= c.count + 1; ++n) {
      const SectionRef ref =
          sample().findSection(compositeSectionName(c.edition, cp(c.value), c.set, c.series, n));
      ASSERT_EQ(ref.found(), n <= c.count) << what << " composite " << n;
      if (!ref.found()) continue;
      // One leading byte, then exactly the rows of the edition, inside the 420-unit panel.
      const auto bytes = sample().sectionBytes(ref);
      const auto rows = decodeRunLengthPicture(bytes, c.rows + 1);
      EXPECT_EQ(static_cast<int>(rows.size()), c.rows) << what << " composite " << n;
      int widest = 0;
      for (const auto& row : rows)
        for (const auto& run : row.runs) widest = std::max(widest, run.second);
      EXPECT_GT(widest, 400) << what << " composite " << n;
      EXPECT_LT(widest, 800) << what << " composite " << n;
    }
  }
  // V10ø has three series and no fourth; the series limits say three too.
  EXPECT_EQ(compositeCount("V", "10ø", 'F', 4), -1);
  EXPECT_EQ(sample().readInt16(sample().findSection(cp("V10ø0")).start).value_or(0), 3);
}

TEST(SampleComposites, TheLongSeriesUsesEveryCode) {
  // M4ø series 1 has 48 composites: composites 36..48 under "0", "^" .. "`", "#" .. ")",
  // "!", "-".
  const std::string codes = "0^_`#$%&'()!-";
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const std::string name = cp("MF4ø1-") + codes[i];
    EXPECT_TRUE(sample().findSection(name).found()) << "composite " << 36 + i;
    EXPECT_EQ(compositeSectionName("M", cp("4ø"), 'F', 1, 36 + static_cast<int>(i)), name);
  }
}

// The 64-byte type pages of an edition up to the end record.
std::vector<std::string> typePages(const std::string& edition) {
  const SectionRef ref = sample().findSection(edition + "TYPER");
  EXPECT_TRUE(ref.found()) << edition;
  const auto bytes = sample().sectionBytes(ref);
  std::vector<std::string> pages;
  for (std::size_t at = 0; at + 64 <= bytes.size() && bytes[at] != '*'; at += 64)
    pages.emplace_back(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                       bytes.begin() + static_cast<std::ptrdiff_t>(at + 64));
  EXPECT_LT(pages.size() * 64, bytes.size()) << edition << ": no end record";
  return pages;
}

// The page record of edition + value + page; empty when there is none.
std::string pageOf(const std::string& edition, const std::string& value, int page) {
  std::string head = cp(value);
  head.resize(4, ' ');
  std::string number = std::to_string(page);
  head += std::string(3 - number.size(), ' ') + number;
  for (const std::string& p : typePages(edition))
    if (p.compare(0, 7, head) == 0) return p;
  return {};
}

TEST(SampleComposites, TypePagesOfEveryEdition) {
  struct Case {
    const char* edition;
    const char* value;  // UTF-8
    int page;
    const char* pages;  // characters 8-10
    const char* cells;  // characters 13-36, right-trimmed
  };
  const Case cases[] = {
      {"C", "3c", 1, "  1", "1   2   3   4   5   6"},
      {"C", "4c", 0, "  0", ""},
      {"P", "4s", 4, "  4", "16  17  18  19  20"},
      {"L", "4s", 2, "  2", "7   8"},
      {"A", "4s", 1, "  4", "1   2   3   3A  4   5"},
      {"A", "16s", 0, "  0", ""},
      {"V", "10ø", 1, "  2", "1   1-A 2   2-A 3   3-A"},
      {"V", "10ø", 2, "  2", "3-B"},
      {"M", "4ø", 1, "  2", "1   2       3   4"},
      {"M", "10ø", 0, "  0", ""},
      {"I", "R", 1, "  2", "1   2   IRR IOR I1  I1OR"},
      {"I", "R", 2, "  2", "I2  I2OR"},
      {"I", "40a", 0, "  0", ""},
      {"J", "3a", 2, "  2", "7   8"},
  };
  for (const Case& c : cases) {
    const std::string page = pageOf(c.edition, c.value, c.page);
    ASSERT_FALSE(page.empty()) << c.edition << c.value << " page " << c.page;
    EXPECT_EQ(page.substr(7, 3), c.pages) << c.edition << c.value;
    std::string cells = page.substr(12, 24);
    while (!cells.empty() && cells.back() == ' ') cells.pop_back();
    EXPECT_EQ(cells, c.cells) << c.edition << c.value << " page " << c.page;
  }
  // The two-coloured edition's frame and oval types are pages of 36 bytes.
  EXPECT_EQ(sample().findSection("TTYPER").length() % 36, 0);
}

TEST(SampleComposites, SideTextsOfEditionMFollowTheSixteenthPage) {
  const auto pages = typePages("M");
  ASSERT_GT(pages.size(), 17u);
  struct Side {
    const char* head;  // characters 1-4: value padded to 3, line code
    const char* text;  // from character 6
  };
  const Side sides[] = {{"2s A", "Type 1 og 2: tynd ramme"},
                        {"4ø D", "Se også samleklichéerne"},
                        {"32øA", "Kun fem typer kendes"}};
  for (const Side& s : sides) {
    bool found = false;
    for (std::size_t i = 16; i < pages.size(); ++i)
      found =
          found || (pages[i].starts_with(cp(s.head)) && pages[i].substr(5).starts_with(cp(s.text)));
    EXPECT_TRUE(found) << s.head;
  }
  // Their first pages leave the right column, where the side texts stand, empty.
  for (const char* value : {"2s", "4ø", "32ø"}) {
    const std::string page = pageOf("M", value, 1);
    ASSERT_FALSE(page.empty()) << value;
    EXPECT_EQ(page.substr(12 + 8, 4), "    ") << value;
    EXPECT_EQ(page.substr(12 + 20, 4), "    ") << value;
  }
}

TEST(SampleComposites, TypeRecordsHaveTheirPictures) {
  for (const char* name : {"C3cM1", "P4sM12A", "A4sM14B", "V10øM1-A", "V10øM3-B", "M4øM10", "I3aM5",
                           "TMIRR", "TMI1OR", "TMI2OR", "J3aM8"}) {
    const ClicheRecord record = readClicheRecord(sample(), cp(name));
    ASSERT_TRUE(record.found) << name;
    EXPECT_TRUE(record.hasPicture) << name;
    EXPECT_EQ(decodeRunLengthRows(record.picture, kClichePictureRows).size(), 383u) << name;
    EXPECT_NE(record.description.find("$1Type "), std::string::npos) << name;
  }
}

TEST(SampleComposites, WatermarksAreUprightLeftAndMirroredRight) {
  const SectionRef ref = sample().findSection("KOLVM");
  ASSERT_TRUE(ref.found());
  const auto rows = decodeRunLengthPicture(sample().sectionBytes(ref), 750);
  ASSERT_EQ(rows.size(), 749u);
  // Every inked row is symmetric about the middle between the halves (x 270 and 856).
  int inked = 0;
  for (const auto& row : rows) {
    std::vector<std::pair<int, int>> left, mirrored;
    for (const auto& [a, b] : row.runs) {
      if (b < 563)
        left.emplace_back(a, b);
      else
        mirrored.insert(mirrored.begin(), {1126 - b, 1126 - a});
    }
    EXPECT_EQ(left, mirrored);
    inked += !left.empty();
  }
  EXPECT_GT(inked, 500);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
