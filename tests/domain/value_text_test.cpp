#include "domain/value_text.hpp"

#include <gtest/gtest.h>

#include "data/cp865.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

TEST(ValueText, UnitsWrittenOut) {
  EXPECT_EQ(valueText("4s"), "4 skilling");
  EXPECT_EQ(valueText(cp("10ø")), cp("10 øre"));
  EXPECT_EQ(valueText("1c"), "1 cent");
  EXPECT_EQ(valueText("3c"), "3 cents");
  EXPECT_EQ(valueText("10c"), "10 cents");
  EXPECT_EQ(valueText("16a"), "16 aur");
  EXPECT_EQ(valueText("100a  "), "100 aur");  // the code is right-trimmed first
  EXPECT_EQ(valueText("4r"), "4r");           // no unit to write out
  EXPECT_EQ(valueText(""), "");
  EXPECT_EQ(valueText("   "), "");
}

TEST(PrintingName, HalvesAndPlainNumbers) {
  EXPECT_EQ(normalisePrintingName("A", "2s", "4"), "4a");
  EXPECT_EQ(normalisePrintingName("A", "2s", "4b"), "4b");
  EXPECT_EQ(normalisePrintingName("A", "2s", "4c"), "4a");  // not a known half
  EXPECT_EQ(normalisePrintingName("P", "4s", " 7 "), "7");
  EXPECT_EQ(normalisePrintingName("P", "4s", "10b"), "10");
  EXPECT_EQ(normalisePrintingName("A", "3s", "3"), "3a");
  EXPECT_EQ(normalisePrintingName("A", "4s", "8"), "8a");
  EXPECT_EQ(normalisePrintingName("A", "4s", "10 b"), "10b");
  EXPECT_EQ(normalisePrintingName("V", cp("20ø"), "14"), "14a");
  EXPECT_EQ(normalisePrintingName("V", cp("20ø"), "14b"), "14b");
  EXPECT_EQ(normalisePrintingName("V", "20s", "14"), "14");
  EXPECT_EQ(normalisePrintingName("A", "16s", "4"), "4");
}

TEST(PrintingName, SecondPrintingOfFourSkilling1864IsTwoToThree) {
  EXPECT_EQ(normalisePrintingName("A", "4s", "2"), "2-3");
  EXPECT_EQ(normalisePrintingName("A", "4s", "2-3"), "2-3");  // normalising again keeps it
  EXPECT_EQ(normalisePrintingName("A", "2s", "2"), "2");
}

TEST(PrintingName, TextsWithoutANumber) {
  EXPECT_EQ(normalisePrintingName("P", "4s", ""), "0");
  EXPECT_EQ(normalisePrintingName("P", "4s", "x"), "0");
  EXPECT_EQ(normalisePrintingName("P", "4s", "007"), "7");
  EXPECT_EQ(normalisePrintingName("P", "4s", std::string(40, '9')).size(), 9u);  // capped
}

TEST(PrintingLabel, ReprintMarker) {
  EXPECT_EQ(printingLabel("P", "16s", "3"), "Tryk 3 (nytryk)");
  EXPECT_EQ(printingLabel("P", "4s", "3"), "Tryk 3");
  EXPECT_EQ(printingLabel("I", "10a", "10"), "Tryk 10 (nytryk)");
  EXPECT_EQ(printingLabel("I", "10a", "1"), "Tryk 1");
  EXPECT_EQ(printingLabel("T", "100a", "2"), "Tryk 2 (nytryk)");
  EXPECT_EQ(printingLabel("T", "4s", "2"), "Tryk 2");
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
