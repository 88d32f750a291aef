// Type pages: the 64-byte records, the end record, side texts, labels and record keys.
#include "domain/type_pages.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "data/cp865.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

std::string record(std::string text) {
  text.resize(kTypePageBytes, ' ');
  return text;
}

// value (1-4), page (5-7), pages (8-10), two blanks, six types of 4 characters.
std::string page(const std::string& value, int number, int count,
                 const std::vector<std::string>& types) {
  std::string r = value;
  r.resize(4, ' ');
  std::string n = std::to_string(number), c = std::to_string(count);
  r += std::string(3 - n.size(), ' ') + n + std::string(3 - c.size(), ' ') + c + "  ";
  for (std::string t : types) {
    t.resize(4, ' ');
    r += t;
  }
  return record(r);
}

TypePages pagesOf(const std::string& bytes, const std::string& edition = "A") {
  const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
  return TypePages({p, bytes.size()}, edition);
}

TEST(TypePages, ReadsTheFieldsOfEachPage) {
  const TypePages pages = pagesOf(page("2s", 1, 2, {"1", "2", "", "3-1"}) +
                                  page("2s", 2, 2, {"4"}) + page("100a", 0, 0, {}) + record("*"));
  ASSERT_EQ(pages.endIndex(), 3);
  EXPECT_EQ(pages.page(0).value, "2s");
  EXPECT_EQ(pages.page(0).page, 1);
  EXPECT_EQ(pages.page(0).pages, 2);
  EXPECT_EQ(pages.page(0).types, (std::array<std::string, 6>{"1", "2", "", "3-1", "", ""}));
  EXPECT_EQ(pages.page(2).value, "100a");
  EXPECT_EQ(pages.page(2).page, 0);
  EXPECT_EQ(pages.lastPage(), 2);
}

TEST(TypePages, TheSectionEndsAtTheEndRecordOrTheLastWholeRecord) {
  const std::string two = page("2s", 1, 1, {"1"}) + page("4s", 1, 1, {"1"});
  struct Case {
    const char* what;
    std::string bytes;
    int end;
    bool ended;
  };
  const Case cases[] = {
      {"end record", two + record("*") + page("8s", 1, 1, {"1"}), 2, true},
      {"no end record", two, 2, false},
      {"cut inside the third record", two + page("8s", 1, 1, {"1"}).substr(0, 40), 2, false},
      {"cut inside the first record", two.substr(0, 63), 0, false},
      {"empty section", "", 0, false},
      {"end record alone, cut short", "*", 0, true},
  };
  for (const Case& c : cases) {
    const TypePages pages = pagesOf(c.bytes);
    EXPECT_EQ(pages.endIndex(), c.end) << c.what;
    EXPECT_EQ(pages.ended(), c.ended) << c.what;
    EXPECT_EQ(pages.lastPage(), c.end - 1) << c.what;
    EXPECT_FALSE(pages.isPage(c.end)) << c.what;
    EXPECT_EQ(pages.page(c.end).value, "") << c.what;
  }
}

TEST(TypePages, FindsValuesAndStepsOverSideTexts) {
  std::string bytes;
  for (int i = 0; i < 16; ++i) bytes += page(i < 8 ? "2s" : cp("4ø"), 1, 1, {"1"});
  bytes += record(cp("4ø") + " A Side text one");       // 16: a side text of 4ø
  bytes += record(cp("4ø") + " C Side text two   ");    // 17
  bytes += page("32" + cp("ø"), 1, 1, {"1"});           // 18: a page
  bytes += record("8s C Not a value with side texts");  // 19: a page of value "8s C"
  bytes += record("*");
  const TypePages m = pagesOf(bytes, "M");
  EXPECT_EQ(m.endIndex(), 20);
  EXPECT_FALSE(m.isPage(16));
  EXPECT_FALSE(m.isPage(17));
  EXPECT_TRUE(m.isPage(18));
  EXPECT_TRUE(m.isPage(19));
  EXPECT_EQ(m.nextPage(15), 18);
  EXPECT_EQ(m.previousPage(18), 15);
  EXPECT_EQ(m.previousPage(0), -1);
  EXPECT_EQ(m.nextPage(19), -1);
  EXPECT_EQ(m.findValue(cp("4ø")), 8);
  EXPECT_EQ(m.findValue("2s", 3), 3);
  EXPECT_EQ(m.findValue("2s", 8), -1);
  EXPECT_EQ(m.findValue("4s"), -1);
  const auto side = m.sideTextsOf(cp("4ø"));
  ASSERT_EQ(side.size(), 2u);
  EXPECT_EQ(side[0].y, 48);  // 12 x ("A" - 61)
  EXPECT_EQ(side[0].text, "Side text one");
  EXPECT_EQ(side[1].y, 72);
  EXPECT_EQ(side[1].text, "Side text two");
  EXPECT_TRUE(m.sideTextsOf("2s").empty());
  // Other editions have no side texts: the same records are pages.
  const TypePages a = pagesOf(bytes, "A");
  EXPECT_TRUE(a.isPage(16));
  EXPECT_TRUE(a.sideTextsOf(cp("4ø")).empty());
}

// Sections of any bytes: the pages stay within the section and every lookup within the pages.
TEST(TypePages, AnyBytesStayWithinTheSection) {
  std::mt19937 random(7);
  for (int round = 0; round < 500; ++round) {
    std::string bytes(random() % 1400, ' ');
    for (char& b : bytes) b = static_cast<char>(random() % 4 == 0 ? random() % 256 : ' ');
    const TypePages pages = pagesOf(bytes, round % 2 == 0 ? "M" : "A");
    ASSERT_LE(static_cast<std::size_t>(pages.endIndex()) * kTypePageBytes, bytes.size());
    for (int i = -1; i <= pages.endIndex() + 1; ++i) {
      const int next = pages.nextPage(i), previous = pages.previousPage(i);
      EXPECT_TRUE(next == -1 || (next > i && pages.isPage(next)));
      EXPECT_TRUE(previous == -1 || (previous < i && pages.isPage(previous)));
      EXPECT_LE(pages.page(i).types.size(), kTypeCellsPerPage);
    }
    EXPECT_LT(pages.lastPage(), pages.endIndex());
  }
}

TEST(TypePages, LabelsKeysAndPageTexts) {
  const std::pair<const char*, const char*> labels[] = {
      {"7", "M.7"},    {"3-1", "M.3`1"}, {"IRR", ""},     {"IOR", ""},    {"I1", "M.1"},
      {"I1OR", "M.1"}, {"I2", "M.2"},    {"I2OR", "M.2"}, {"I3", "M.I3"}, {"12-a", "M.12`a"},
  };
  for (const auto& [type, label] : labels) EXPECT_EQ(typeLabel(type), label) << type;
  EXPECT_EQ(typeRecordKey("A", "4s", "7"), "A4sM7");
  EXPECT_EQ(typeRecordKey("I", "R", "3"), "TM3");
  EXPECT_EQ(typePageText(2, 3), "Side 2 af 3");
  EXPECT_EQ(typePageText(0, 0), "( Ingen typer er registreret )");
  const std::pair<const char*, int> last[] = {{"A", 24}, {"C", 1}, {"I", 16}, {"J", 8},
                                              {"M", 13}, {"P", 3}, {"V", 15}, {"T", 0}};
  for (const auto& [edition, index] : last) EXPECT_EQ(initialLastTypeIndex(edition), index);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
