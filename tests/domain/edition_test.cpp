// What the rules ask an edition: the two-coloured one, the Iceland chain and its oval values
// held as the two-coloured edition.

#include "domain/edition.hpp"

#include <gtest/gtest.h>

#include "data/cp865.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

TEST(Edition, TwoColouredIcelandAndTheOvalValuesHeldAsTwoColoured) {
  struct Case {
    const char* letter;
    const char* value;
    bool twoColoured, iceland, holdsOval, icelandic;
  };
  for (const Case& c :
       {Case{"T", "4s", true, false, false, false}, Case{"T", "25a", true, false, true, true},
        Case{"I", "25a", false, true, false, true}, Case{"I", "3s", false, true, false, true},
        Case{"V", "4a", false, false, false, false}, Case{"", "4a", false, false, false, false}}) {
    const Edition e(c.letter);
    EXPECT_EQ(e.isTwoColoured(), c.twoColoured) << c.letter;
    EXPECT_EQ(e.isIceland(), c.iceland) << c.letter;
    EXPECT_EQ(e.holdsIcelandOval(c.value), c.holdsOval) << c.letter << c.value;
    EXPECT_EQ(e.isIcelandic(c.value), c.icelandic) << c.letter << c.value;
  }
  EXPECT_EQ(Edition::twoColoured().title(1, ""), cp(" Island Ovaltype"));
  EXPECT_EQ(Edition::twoColoured().title(0, ""), cp(" Tofarvet"));
  EXPECT_EQ(Edition::iceland().values().front(), Edition("I").values().front());
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
