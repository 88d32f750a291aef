#include "domain/printing_records.hpp"

#include <gtest/gtest.h>

#include <string>

#include "support/dat_section.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

TEST(PrintingRecords, DecodedAsTheyAreReadAndOnlyWhole) {
  const std::string bytes = test::datSection({"T1", "A5     ?7   12"});
  const DataFile file = test::datFile("P4SDAT", bytes + bytes.substr(0, 10));
  const PrintingRecords records(file, findPrintingSection(file, "P", "4s"));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(std::string(records[1].data(), records[1].size()), test::datRecord("A5     ?7   12"));
  EXPECT_EQ(records[2], PrintingRecord{});  // past the end
  EXPECT_EQ(PrintingRecords(file, findPrintingSection(file, "R", "4r")).size(), 0u);
}

TEST(PrintingRecords, EveryCorrectionOfAPrintingIsFound) {
  struct Case {
    const char* key;
    std::size_t count;
    std::size_t positionTablesOnly;
  };
  const Case cases[] = {{"I3a1", 4, 1},  {"I3a3", 1, 0},  {"I3a4", 2, 0},  {"I5a2", 6, 0},
                        {"I10a4", 5, 0}, {"I10a5", 4, 1}, {"I16a1", 4, 0}, {"I16a2", 2, 0},
                        {"I20a6", 2, 0}, {"I3a2", 0, 0},  {"J3a1", 0, 0}};
  for (const Case& c : cases) {
    const auto corrections = clicheCorrectionsOf(c.key);
    EXPECT_EQ(corrections.size(), c.count) << c.key;
    std::size_t only = 0;
    for (const ClicheCorrection& correction : corrections) {
      EXPECT_EQ(correction.key, c.key);
      only += correction.positionTablesOnly ? 1 : 0;
    }
    EXPECT_EQ(only, c.positionTablesOnly) << c.key;
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
