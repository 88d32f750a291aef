// The register screen's keys as changes of the register state and the current selection:
// key folding, cursor moves, the edit buffer and how it is applied to the field under the
// cursor (the value and the printing range are the selection's). No drawing here.
#pragma once

#include <string>

#include "screens/register/register_layout.hpp"
#include "screens/register/register_state.hpp"
#include "ui/key_string.hpp"

namespace kolvard {

class Selection;

enum class RegisterAction {
  None,
  Search,          // Enter with a value that has printings
  NoPrintings,     // Enter with a value without printings: beep and message 6
  Leave,           // Esc or F5..F8, or another edition's register; `leaveCode` says where
  IncludeToggled,  // "&": the Incl./Excl. text changes
};

struct RegisterKeyResult {
  RegisterAction action = RegisterAction::None;
  int leaveCode =
      1;  // 1 front page, 3 the register again, 5 sheets, 6 flaws, 7 composites, 8 types
  bool beep = false;
};

// "." ":" "," ";" "<" ">" count as "."; "÷" "-" "_" "+" "?" "/" as "÷"; "*" "'" "\" "|" "ø"
// "Ø" "(" the double quote and codes 216 and 248 as "*".
KeyString foldRegisterKey(const KeyString& key);

// Acts on one key: moves the cursor, edits, and applies the edit buffer.
RegisterKeyResult handleRegisterKey(RegisterState& reg, Selection& selection, const KeyString& key,
                                    const RegisterLayout& layout = oneColouredRegister());

// Brings the cursor and the list offset back into range.
void clampRegisterCursor(RegisterState& reg, const RegisterLayout& layout = oneColouredRegister());

struct EditOutcome {
  bool accepted = true;          // false: a refused position or frame-kind entry (a beep)
  bool editionSwitched = false;  // the value belongs to the other register: leave for it
};

// Applies the edit buffer to the field under the cursor.
EditOutcome applyEditBuffer(RegisterState& reg, Selection& selection,
                            const RegisterLayout& layout = oneColouredRegister());

// Printings 2 and 3 of 4 skilling 1864 are one search unit (on entry and before a search).
void adjustA4sRange(Selection& selection);

// The two-coloured range before a search and when the screen is left: the printing pairs and
// the first printing of "20ø"; a value without printings gives way to "2s" printing 1.
void settleTwoColourRange(Selection& selection);

}  // namespace kolvard
