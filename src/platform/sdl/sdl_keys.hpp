// How SDL's keyboard events become the program's key strings. Keys that type a character
// arrive only as text input (one key string per character, in cp865); the key-down event
// yields the keys that type nothing: Enter, Esc, Tab, Backspace and the extended keys.
#pragma once

#include <SDL.h>

#include <optional>
#include <string_view>
#include <vector>

#include "ui/key_string.hpp"

namespace kolvard {

// The key string of a key press, or nothing when the key types a character (that comes as
// text input) or is not one the program knows.
std::optional<KeyString> keyForKeyDown(SDL_Scancode scancode, Uint16 modifiers);

// One key string per typed character that has a cp865 code; others are left out.
std::vector<KeyString> keysForText(std::string_view utf8);

}  // namespace kolvard
