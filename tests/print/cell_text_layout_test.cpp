// The description lines of a printed cell: breaking at blanks, line places, moving into the box.
#include "print/cell_text_layout.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

// Ten pixels a character; the box holds 20 characters between x 100 and 299.
int tenEach(std::string_view text) {
  return 10 * static_cast<int>(text.size());
}
constexpr CellTextBox kBox{100, 0, 299, 400};
constexpr CellLineMetrics kMetrics{20, 5, 35};

struct Placed {
  std::string text;
  int left;
  int baseline;
  bool operator==(const Placed&) const = default;
  friend void PrintTo(const Placed& p, std::ostream* os) {
    *os << '"' << p.text << "\" at " << p.left << ", " << p.baseline;
  }
};

std::vector<Placed> layOut(const std::vector<CellLineWish>& lines, std::vector<int> taken = {}) {
  std::vector<Placed> out;
  for (const CellLinePiece& p : layOutCellLines(lines, kBox, kMetrics, tenEach, taken)) {
    out.push_back(Placed{p.text, p.left, p.baseline});
  }
  return out;
}

TEST(CellTextLayout, LinesBreakMoveDownAndStayInTheBox) {
  const struct {
    const char* name;
    std::vector<CellLineWish> lines;
    std::vector<int> taken;
    std::vector<Placed> expected;
  } cases[] = {
      {"a line that fits stays at its place", {{"Prik", 200, 100}}, {}, {{"Prik", 180, 100}}},
      {"one near the side moves in",
       {{"Prik i ovalen", 110, 100}},
       {},
       {{"Prik i ovalen", 100, 100}}},
      {"a long line breaks at the last blank that fits, the rest on the next place",
       {{"Retoucheret brud i ovalen forneden", 200, 100}},
       {},
       {{"Retoucheret brud i", 110, 100}, {"ovalen forneden", 125, 135}}},
      {"a later line whose place is taken moves down behind it",
       {{"Retoucheret brud i ovalen", 200, 100}, {"prik", 200, 135}, {"ridse", 200, 300}},
       {},
       {{"Retoucheret brud i", 110, 100},
        {"ovalen", 170, 135},
        {"prik", 180, 170},
        {"ridse", 175, 300}}},
      {"the bottom lines move up to stay inside",
       {{"Ridse i nederste hjorne", 200, 360}, {"brud", 200, 395}},
       {},
       {{"Ridse i nederste", 120, 325}, {"hjorne", 170, 360}, {"brud", 180, 395}}},
      {"a word wider than the box breaks between letters",
       {{"Rammelinieretoucheringerne", 200, 100}},
       {},
       {{"Rammelinieretoucheri", 100, 100}, {"ngerne", 170, 135}}},
      {"lines of an earlier record in the cell keep their places",
       {{"prik", 200, 100}},
       {100, 135},
       {{"prik", 180, 170}}},
      {"too many lines for the box: the top wins",
       {{"a", 200, 10}, {"b", 200, 10}},
       {},
       {{"a", 195, 20}, {"b", 195, 55}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(layOut(c.lines, c.taken), c.expected) << c.name;
  }
}

TEST(CellTextLayout, BreakingKeepsEveryWordAndTheirOrder) {
  const std::vector<std::string> pieces =
      breakCellLine("  Brud i  nederste   rammelinie  ", 100, tenEach);
  EXPECT_EQ(pieces, (std::vector<std::string>{"Brud i", "nederste", "rammelinie"}));
  EXPECT_TRUE(breakCellLine("   ", 100, tenEach).empty());
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
