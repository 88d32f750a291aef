// How the keyboard messages of a Win32 window become the program's key strings. Keys that
// type a character arrive only as WM_CHAR (one key string per character, in cp865); the
// key-down message yields the keys that type nothing: Enter, Esc, Tab, Backspace and the
// extended keys.
#pragma once

#include <optional>

#include "ui/key_string.hpp"

namespace kolvard {

struct Win32Modifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// The key string of a WM_KEYDOWN or WM_SYSKEYDOWN, or nothing when the key types a
// character (that comes as WM_CHAR) or is not one the program knows.
std::optional<KeyString> keyForVirtualKey(unsigned virtualKey, Win32Modifiers modifiers);

// The key string of one UTF-16 unit of a WM_CHAR, or nothing for control characters (they
// come with the key press), halves of surrogate pairs and characters without a cp865 code.
std::optional<KeyString> keyForChar(unsigned utf16);

}  // namespace kolvard
