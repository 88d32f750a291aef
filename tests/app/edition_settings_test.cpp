#include "app/edition_settings.hpp"

#include <gtest/gtest.h>

#include <string>

#include "app/program_state.hpp"
#include "app/settings_file.hpp"
#include "data/cp865.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

TEST(EditionDefaultsTest, PerEditionValueAndSelectors) {
  struct Row {
    std::string_view edition, value, second, level;
  };
  const Row rows[] = {{"C", "3c", "1", "1"}, {"P", "2s", "1", "1"}, {"L", "4s", "7", "7"},
                      {"T", "2s", "3", "9"}, {"V", "1ø", "6", "6"}, {"M", "2s", "3", "3"},
                      {"I", "2s", "1", "1"}, {"J", "4s", "1", "1"}, {"R", "4r", "1", "1"},
                      {"K", "2s", "7", "7"}, {"A", "2s", "1", "1"}};
  for (const Row& row : rows) {
    const EditionSettings s = defaultSettingsFor(row.edition);
    EXPECT_EQ(s.edition, row.edition);
    EXPECT_EQ(s.value, cp(row.value)) << row.edition;
    EXPECT_EQ(s.toPrinting, row.second) << row.edition;
    EXPECT_EQ(editionLevelSelectorFor(row.edition), row.level) << row.edition;
  }
  const EditionSettings m = defaultSettingsFor("M");
  EXPECT_EQ(m.fromPrinting + m.position + m.spareSelector, "111");
  EXPECT_EQ(m.viewMode, 2);
  for (int field = 8; field <= 22; ++field) {
    EXPECT_EQ(m.criterion(field), field == 17   ? "A"
                                  : field == 18 ? "B"
                                                : std::string(1, cp865::kMiddleDot));
  }
  EXPECT_EQ(defaultSettingsFor("V").value, std::string("1\x9b"));
  EXPECT_EQ(defaultSettingsFor("Q"), defaultSettingsFor("T"));
}

TEST(EditionDefaultsTest, DamagedRecordResetsToItsEditionsDefaults) {
  ProgramState state;
  EditionSettings damaged = defaultSettingsFor("V");
  damaged.value = "99x";
  damaged.fromPrinting = "12";
  damaged.position = "B50";
  damaged.viewMode = 3;
  damaged.criterion(17) = "Q";
  damaged.spareFlag = damaged.setOnLoad[0] = damaged.setOnLoad[1] = 1;
  damaged.includeUndetermined = 1;
  damaged.edition = "I";
  selectRecord(state, damaged);
  state.zoom = 4;
  ASSERT_TRUE(state.selection.iceland());
  ASSERT_EQ(state.selection.positionIndex(), 150);
  resetToEditionDefaults(state);

  EditionSettings expected = defaultSettingsFor("I");
  // The screens' flags are not part of the reset.
  expected.spareFlag = expected.setOnLoad[0] = expected.setOnLoad[1] = 1;
  expected.includeUndetermined = 1;
  EXPECT_EQ(state.settings, expected);
  EXPECT_EQ(recordOfSelection(state), expected);
  EXPECT_EQ(state.zoom, 4);
  EXPECT_TRUE(state.selection.iceland());
  EXPECT_EQ(state.selection.positionIndex(), 1);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
