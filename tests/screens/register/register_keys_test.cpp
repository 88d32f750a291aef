#include "screens/register/register_keys.hpp"

#include <gtest/gtest.h>

#include "data/cp865.hpp"
#include "domain/value_tables.hpp"
#include "screens/common/selection.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

const std::string kNone = cp("·");

// The register's state with the selection its form edits.
struct RegisterForm : RegisterState {
  Selection selection;
};

RegisterForm stateFor(const std::string& edition, const std::string& value) {
  RegisterForm reg;
  reg.selection.restore(edition, false, value, {"1", highestPrintingOf(edition, value)}, "1");
  reg.valueWithPrintings = value;
  return reg;
}

RegisterKeyResult handleRegisterKey(RegisterForm& reg, const KeyString& key) {
  return kolvard::handleRegisterKey(reg, reg.selection, key);
}

RegisterKeyResult type(RegisterForm& reg, const std::string& utf8) {
  RegisterKeyResult last;
  for (const char c : cp(utf8)) last = handleRegisterKey(reg, std::string(1, c));
  return last;
}

RegisterKeyResult press(RegisterForm& reg, int scanCode) {
  return handleRegisterKey(reg, extendedKey(scanCode));
}

void toPositionRow(RegisterState& reg, int set) {
  reg.cursorColumn = set;
  reg.cursorRow = 5;
  reg.editBuffer.clear();
}

TEST(RegisterKeys, FoldingBeforeInterpretation) {
  EXPECT_EQ(foldRegisterKey(":"), ".");
  EXPECT_EQ(foldRegisterKey(">"), ".");
  EXPECT_EQ(foldRegisterKey("?"), cp("÷"));
  EXPECT_EQ(foldRegisterKey("/"), cp("÷"));
  EXPECT_EQ(foldRegisterKey(cp("ø")), "*");
  EXPECT_EQ(foldRegisterKey(cp("Ø")), "*");
  EXPECT_EQ(foldRegisterKey("\""), "*");
  EXPECT_EQ(foldRegisterKey("7"), "7");
  EXPECT_EQ(foldRegisterKey(extendedKey(scan::kUp)), extendedKey(scan::kUp));
}

TEST(RegisterKeys, PositionEntriesGiveConsecutiveColumns) {
  RegisterForm reg = stateFor("P", "4s");
  reg.setsInUse = 2;
  toPositionRow(reg, 2);
  EXPECT_FALSE(type(reg, "4").beep);
  EXPECT_EQ(reg.criteria[0].position, "3");
  EXPECT_EQ(reg.criteria[1].position, "4");
  EXPECT_EQ(reg.criteria[2].position, "5");
  // Set 1 with two sets: column 10 has no right neighbour, so "0" is refused.
  toPositionRow(reg, 1);
  EXPECT_TRUE(type(reg, "0").beep);
  EXPECT_EQ(reg.criteria[0].position, "3");
  // "ø" folds to "*": the top row in all three sets; "n" the bottom row.
  toPositionRow(reg, 1);
  type(reg, "ø");
  for (const auto& set : reg.criteria) EXPECT_EQ(set.position, cp("ø"));
  toPositionRow(reg, 1);
  type(reg, "N");
  for (const auto& set : reg.criteria) EXPECT_EQ(set.position, "n");
  toPositionRow(reg, 1);
  EXPECT_TRUE(type(reg, "x").beep);
  // "." clears the position of every set (Fjern).
  toPositionRow(reg, 1);
  type(reg, ".");
  for (const auto& set : reg.criteria) EXPECT_EQ(set.position, kNone);
}

TEST(RegisterKeys, MoreSetsClearColumnsWithoutNeighbours) {
  RegisterForm reg = stateFor("P", "4s");
  toPositionRow(reg, 1);
  type(reg, "0");
  EXPECT_EQ(reg.criteria[0].position, "0");
  press(reg, scan::kF2);
  EXPECT_EQ(reg.setsInUse, 2);
  for (const auto& set : reg.criteria) EXPECT_EQ(set.position, kNone);
  toPositionRow(reg, 1);
  type(reg, "8");  // 8, 9, 10
  EXPECT_EQ(reg.criteria[1].position, "9");
  press(reg, scan::kF3);
  for (const auto& set : reg.criteria) EXPECT_EQ(set.position, kNone);
}

TEST(RegisterKeys, TypeAndClicheFields) {
  RegisterForm reg = stateFor("P", "4s");
  reg.cursorColumn = 1;
  reg.cursorRow = 6;
  type(reg, "7 ");
  EXPECT_EQ(reg.criteria[0].type, "7 ");  // exactly the one-digit type
  type(reg, "x");
  EXPECT_EQ(reg.criteria[0].type, "7 ");  // at most two characters
  reg.cursorRow = 7;
  reg.editBuffer.clear();
  type(reg, "2.17");
  EXPECT_EQ(reg.criteria[0].cliche, "2.17");
  type(reg, ".");  // a second "." clears the field
  EXPECT_EQ(reg.criteria[0].cliche, kNone);
  reg.editBuffer.clear();
  type(reg, "-");  // Minus: no cliché given
  EXPECT_EQ(reg.criteria[0].cliche, cp("÷"));
  reg.editBuffer.clear();
  type(reg, "*");
  EXPECT_EQ(reg.criteria[0].cliche, "*");
  handleRegisterKey(reg, "#");
  for (const auto& set : reg.criteria) {
    EXPECT_EQ(set.type, kNone);
    EXPECT_EQ(set.cliche, kNone);
  }
  EXPECT_EQ(reg.cursorRow, 6);
  EXPECT_EQ(reg.cursorColumn, 1);
}

TEST(RegisterKeys, ValueAndPrintingFields) {
  RegisterForm reg = stateFor("V", cp("1ø"));
  type(reg, "v5o");  // "V" moves to the value field; "o" is read as "ø"
  EXPECT_EQ(reg.selection.value(), cp("5ø"));
  EXPECT_EQ(reg.selection.highestPrinting(), "61");
  EXPECT_EQ(reg.selection.printings().to, "61");
  type(reg, "va");  // a unit alone names no value
  EXPECT_EQ(reg.selection.value(), cp("5ø"));
  type(reg, "t12");
  EXPECT_EQ(reg.selection.printings().from, "12");
  EXPECT_EQ(reg.selection.printings().to, "12");  // storing the from printing sets the to printing
  handleRegisterKey(reg, extendedKey(scan::kRight));
  EXPECT_EQ(reg.cursorColumn, 3);
  type(reg, "99");
  EXPECT_EQ(reg.selection.printings().to, "61");  // above the highest printing
  // A value without printings: Enter refuses to search, Esc restores the value before.
  type(reg, "v7c");
  EXPECT_EQ(reg.selection.value(), "7c");
  EXPECT_EQ(reg.selection.printings().from, "0");
  EXPECT_EQ(handleRegisterKey(reg, "\r").action, RegisterAction::NoPrintings);
  EXPECT_EQ(handleRegisterKey(reg, "\x1b").action, RegisterAction::Leave);
  EXPECT_EQ(reg.selection.value(), cp("5ø"));
}

TEST(RegisterKeys, CursorRules) {
  RegisterForm reg = stateFor("P", "4s");
  EXPECT_EQ(reg.cursorRow, 1);
  press(reg, scan::kDown);
  press(reg, scan::kDown);  // rows 3 and 4 are skipped
  EXPECT_EQ(reg.cursorRow, 5);
  press(reg, scan::kUp);
  EXPECT_EQ(reg.cursorRow, 2);
  // Sets not in use cannot be entered below row 3.
  reg.cursorRow = 6;
  press(reg, scan::kRight);
  EXPECT_EQ(reg.cursorColumn, 4);  // from the last set in use into the list
  press(reg, scan::kLeft);
  EXPECT_EQ(reg.cursorColumn, 1);
  EXPECT_EQ(reg.cursorRow, 6);
  reg.cursorColumn = 3;
  clampRegisterCursor(reg);
  EXPECT_EQ(reg.cursorColumn, 1);
  // Rows 1 and 2 have their fields from column 2 on.
  reg.cursorRow = 2;
  reg.cursorColumn = 1;
  clampRegisterCursor(reg);
  EXPECT_EQ(reg.cursorColumn, 2);
}

TEST(RegisterKeys, ListPagingAndDimming) {
  RegisterForm reg = stateFor("P", "4s");
  reg.lineCount = 50;
  reg.foundCount = 49;
  press(reg, scan::kPgDn);
  EXPECT_EQ(reg.cursorColumn, 4);
  EXPECT_EQ(reg.listOffset, 20);
  press(reg, scan::kPgDn);
  EXPECT_EQ(reg.listOffset, 27);  // never past line count - 23
  press(reg, scan::kPgDn);
  EXPECT_EQ(reg.listOffset, 27);
  press(reg, scan::kHome);
  EXPECT_EQ(reg.listOffset, 0);
  EXPECT_EQ(reg.cursorRow, 1);
  press(reg, scan::kDel);
  EXPECT_FALSE(reg.results.normal(1));
  EXPECT_EQ(reg.cursorRow, 2);
  press(reg, scan::kUp);
  press(reg, scan::kIns);
  EXPECT_TRUE(reg.results.normal(1));
  // Up on the first row scrolls one line back; Down below the last row one line on.
  reg.listOffset = 5;
  reg.cursorRow = 1;
  press(reg, scan::kUp);
  EXPECT_EQ(reg.listOffset, 4);
  reg.cursorRow = 23;
  press(reg, scan::kDown);
  EXPECT_EQ(reg.listOffset, 5);
  // F1 from the list goes back to the form between the printing and the position rows.
  press(reg, scan::kF1);
  EXPECT_EQ(reg.cursorColumn, 1);
  EXPECT_EQ(reg.cursorRow, 4);
}

TEST(RegisterKeys, LeavingAndToggles) {
  RegisterForm reg = stateFor("A", "4s");
  EXPECT_EQ(handleRegisterKey(reg, "&").action, RegisterAction::IncludeToggled);
  EXPECT_TRUE(reg.includeUndetermined);
  const auto leave = press(reg, scan::kF6);
  EXPECT_EQ(leave.action, RegisterAction::Leave);
  EXPECT_EQ(leave.leaveCode, 6);
  EXPECT_EQ(press(reg, scan::kF8).leaveCode, 8);
  reg.selection.setRange("3", "2");
  adjustA4sRange(reg.selection);
  EXPECT_EQ(reg.selection.printings().from, "2");
  EXPECT_EQ(reg.selection.printings().to, "3");
}

TEST(RegisterTables, HighestPrintingsAndColours) {
  EXPECT_EQ(highestPrintingOf("V", cp("5ø")), "61");
  EXPECT_EQ(highestPrintingOf("V", "5*"), "61");
  EXPECT_EQ(highestPrintingOf("P", "4s"), "6");
  EXPECT_EQ(highestPrintingOf("P", "5s"), "0");
  EXPECT_EQ(valueColourOf("M", cp("3ø"), 4), 5);
  EXPECT_EQ(valueColourOf("M", cp("3ø"), 5), 25);
  EXPECT_EQ(valueColourOf("I", "40a", 1), 2);
  EXPECT_EQ(valueColourOf("I", "40a", 2), 5);
  EXPECT_EQ(valueColourOf("X", "1s", 1), 8);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
