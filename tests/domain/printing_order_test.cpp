#include "domain/printing_order.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/data_builder.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using Lines = std::vector<std::string>;

const PrintingOrderRecord kTwoPeriods =
    parsePrintingOrderRecord("12,4s1,4s2,2. periode:,4s7(ny),4s8,   filler");

TEST(PrintingOrder, FieldsEndAtTheLastComma) {
  EXPECT_EQ(kTwoPeriods.label, "12");
  EXPECT_EQ(kTwoPeriods.fields, (Lines{"4s1", "4s2", "2. periode:", "4s7(ny)", "4s8"}));
  EXPECT_EQ(parsePrintingOrderRecord("no comma").label, "");
  EXPECT_TRUE(parsePrintingOrderRecord("53,").fields.empty());
}

TEST(PrintingOrder, PeriodsOnScreenAndInPrint) {
  const PrintingOrderRecord withFirst =
      parsePrintingOrderRecord("31,8s1,1. periode:,8s2,2. periode:,8s3,");
  const struct {
    const PrintingOrderRecord* record;
    const char* period;
    Lines screen, print;
  } cases[] = {
      {&kTwoPeriods, "", kTwoPeriods.fields, {"4s1, 4s2, 2. periode:, 4s7(ny), 4s8"}},
      {&kTwoPeriods, "1", {"4s1", "4s2"}, {"4s1, 4s2"}},
      {&kTwoPeriods, "2", {"2. periode:", "4s7(ny)", "4s8"}, {"2. periode:", "4s7(ny), 4s8"}},
      {&withFirst, "1", {"8s1", "1. periode:", "8s2"}, {"1. periode:", "8s2"}},
      {&withFirst, "2", {"2. periode:", "8s3"}, {"2. periode:", "8s3"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(printingOrderScreenFields(*c.record, c.period), c.screen) << c.period;
    EXPECT_EQ(printingOrderPrintLines(*c.record, c.period), c.print) << c.period;
  }
  const PrintingOrderRecord onePeriod = parsePrintingOrderRecord("7,4s1,4s2,");
  EXPECT_TRUE(printingOrderScreenFields(onePeriod, "2").empty());
  EXPECT_TRUE(printingOrderPrintLines(onePeriod, "2").empty());
  EXPECT_EQ(printingOrderSettingLine("12"), "Setting 12:");
  EXPECT_EQ(printingOrderSettingLine("53"), "for rammer");
}

TEST(PrintingOrder, PrintedLinesBreakBeyondOneHundredCharacters) {
  // Fields of 9 characters take 11 with ", ": the tenth makes the line 110 long.
  std::string text = "1,";
  for (int i = 10; i < 33; ++i) text += "16a1234" + std::to_string(i) + ",";
  const Lines lines = printingOrderPrintLines(parsePrintingOrderRecord(text), "");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].size(), 108u);
  EXPECT_EQ(lines[1].size(), 108u);
  EXPECT_EQ(lines[2], "16a123430, 16a123431, 16a123432");
  for (const std::string& line : lines) EXPECT_NE(line.back(), ' ');
}

TEST(PrintingOrder, CurrentPrintingIsTheFieldBeforeItsRemark) {
  EXPECT_TRUE(namesPrinting("4s7(ny)", "4s7"));
  EXPECT_TRUE(namesPrinting("4s7", "4s7"));
  EXPECT_FALSE(namesPrinting("4s71", "4s7"));
  EXPECT_FALSE(namesPrinting("4s7 (ny)", "4s7"));
  EXPECT_FALSE(namesPrinting("2. periode:", "4s7"));
  EXPECT_EQ(printingOrderSetting("28.4"), 28);
  EXPECT_EQ(printingOrderSetting("5.3"), 5);
  EXPECT_EQ(printingOrderSetting(""), 0);
}

TEST(PrintingOrder, RecordsOfTheSection) {
  std::string first = "1,4s1,";
  first.resize(320, ' ');
  const std::string bytes = first + "2,4s2,4s3,4s4";  // the second record cut short
  const DataFile file = test::DataBuilder().add("TTRYK", bytes).file();
  const SectionRef section = file.findSection("TTRYK");
  const auto one = readPrintingOrderRecord(file, section, 1);
  ASSERT_TRUE(one);
  EXPECT_EQ(one->fields, Lines{"4s1"});
  const auto two = readPrintingOrderRecord(file, section, 2);
  ASSERT_TRUE(two);
  EXPECT_EQ(two->fields, (Lines{"4s2", "4s3"}));
  for (int setting : {0, -1, 3, 1000000}) {
    EXPECT_FALSE(readPrintingOrderRecord(file, section, setting)) << setting;
  }
  EXPECT_FALSE(readPrintingOrderRecord(file, file.findSection("TRAMDAT"), 1));
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
