// The two-coloured register's own keys and fields: the frame kind and frame type fields, the
// value field's Iceland values, and the range it leaves with.
#include <gtest/gtest.h>

#include "data/cp865.hpp"
#include "domain/value_tables.hpp"
#include "screens/common/selection.hpp"
#include "screens/register/register_keys.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

const std::string kNone = cp("·");

struct Form : RegisterState {
  Selection selection;
  RegisterKeyResult key(const KeyString& k, const RegisterLayout& layout = twoColouredRegister()) {
    return handleRegisterKey(*this, selection, k, layout);
  }
  RegisterKeyResult type(const std::string& utf8,
                         const RegisterLayout& layout = twoColouredRegister()) {
    RegisterKeyResult last;
    for (const char c : cp(utf8)) last = key(std::string(1, c), layout);
    return last;
  }
  void at(int column, int row) {
    cursorColumn = column;
    cursorRow = row;
    editBuffer.clear();
  }
};

Form formFor(const std::string& edition, bool iceland, const std::string& value) {
  Form f;
  f.selection.restore(edition, iceland, value, {"1", highestPrintingOf(edition, value)}, "1");
  f.valueWithPrintings = value;
  return f;
}

TEST(TwoColourRegisterKeys, FrameKindTakesItsFourLettersOnly) {
  struct Case {
    const char* typed;
    const char* stored;
    bool beep;
  };
  const Case cases[] = {{"R", "R", false}, {"o", "O", false}, {"T", "T", false}, {"u", "U", false},
                        {"X", "·", true},  {"V", "·", true},  {".", "·", false}};
  for (const Case& c : cases) {
    Form f = formFor("T", false, "4s");
    f.criteria[1].frameKind = "O";
    f.setsInUse = 2;
    f.at(2, 5);
    const RegisterKeyResult r = f.type(c.typed);
    EXPECT_EQ(f.criteria[1].frameKind, cp(c.stored)) << c.typed;
    EXPECT_EQ(r.beep, c.beep) << c.typed;
    EXPECT_EQ(f.cursorRow, 5) << c.typed;  // "T" and "V" are entries here, not cursor keys
  }
}

TEST(TwoColourRegisterKeys, FrameAndOvalFieldsAndNulstil) {
  Form f = formFor("T", false, "4s");
  f.at(1, 6);
  f.type("3H");
  EXPECT_EQ(f.criteria[0].frameType, "3h");
  f.at(1, 7);
  f.type("12A");
  EXPECT_EQ(f.criteria[0].type, "12A");  // three characters of oval type
  f.at(1, 8);
  f.type("1.87");
  EXPECT_EQ(f.criteria[0].cliche, "1.87");
  f.at(1, 4);
  f.type("5");
  EXPECT_EQ(f.criteria[0].position, "5");
  f.criteria[2].frameKind = "U";
  f.type("#");
  for (const CriteriaSet& set : f.criteria) {
    for (const std::string* field :
         {&set.position, &set.frameKind, &set.frameType, &set.type, &set.cliche}) {
      EXPECT_EQ(*field, kNone);
    }
  }
  // Up from the position row goes to the printing row and back.
  f.at(1, 4);
  f.key(extendedKey(scan::kUp));
  EXPECT_EQ(f.cursorRow, 2);
  f.key(extendedKey(scan::kDown));
  EXPECT_EQ(f.cursorRow, 4);
}

TEST(TwoColourRegisterKeys, IcelandValuesMoveBetweenTheRegisters) {
  // "5a" on the two-coloured register with the Iceland flag: to the register of "I".
  Form f = formFor("T", true, "4a");
  f.at(2, 1);
  RegisterKeyResult r = f.type("5a");
  EXPECT_EQ(r.action, RegisterAction::Leave);
  EXPECT_EQ(r.leaveCode, 3);
  EXPECT_EQ(f.selection.edition(), "I");
  EXPECT_EQ(f.selection.printings(), (PrintingRange{"1", "9"}));
  // "25a" stays; "4a" on the register of "I" comes back to the two-coloured one.
  f = formFor("T", true, "4a");
  f.at(2, 1);
  EXPECT_EQ(f.type("25a").action, RegisterAction::None);
  EXPECT_EQ(f.selection.edition(), "T");
  f = formFor("I", true, "3a");
  f.at(2, 1);
  r = f.type("4a", oneColouredRegister());
  EXPECT_EQ(r.leaveCode, 3);
  EXPECT_EQ(f.selection.edition(), "T");
  EXPECT_TRUE(f.selection.iceland());
  EXPECT_EQ(f.selection.printings(), (PrintingRange{"1", "2"}));
  // Without the flag a value is the two-coloured edition's.
  f = formFor("T", false, "4s");
  f.at(2, 1);
  f.type("8" + std::string("ø"));
  EXPECT_EQ(f.selection.edition(), "T");
  EXPECT_EQ(f.selection.printings().to, "121");
}

TEST(TwoColourRegisterKeys, LeavingSettlesTheRange) {
  Form f = formFor("T", false, "4s");
  f.selection.setRange("3", "3");
  EXPECT_EQ(f.key(extendedKey(scan::kF6)).leaveCode, 6);
  EXPECT_EQ(f.selection.printings(), (PrintingRange{"2", "3"}));
  // A value without printings gives way to "2s" printing 1.
  f = formFor("T", false, "9s");
  f.valueWithPrintings.clear();
  f.selection.setRange("0", "0");
  EXPECT_EQ(f.key("\r").action, RegisterAction::NoPrintings);
  EXPECT_EQ(f.key("\x1b").leaveCode, 1);
  EXPECT_EQ(f.selection.value(), "2s");
  EXPECT_EQ(f.selection.printings(), (PrintingRange{"1", "1"}));
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
