#include "platform/sdl/sdl_keys.hpp"

#include "ui/typed_text.hpp"

namespace kolvard {
namespace {

// Function keys F1-F10 have scan codes 59-68, F11 and F12 133 and 134; with Shift, Ctrl or
// Alt held they have the codes of the PC keyboard (Shift+F4 87, Shift+F5 88, ...).
std::optional<int> functionKeyScan(int number, Uint16 modifiers) {
  const bool low = number <= 10;
  const int index = low ? number - 1 : number - 11;
  if ((modifiers & KMOD_ALT) != 0) return low ? 104 + index : 139 + index;
  if ((modifiers & KMOD_CTRL) != 0) return low ? 94 + index : 137 + index;
  if ((modifiers & KMOD_SHIFT) != 0) return low ? 84 + index : 135 + index;
  return low ? scan::kF1 + index : scan::kF11 + index;
}

std::optional<int> navigationScan(SDL_Scancode scancode) {
  switch (scancode) {
    case SDL_SCANCODE_UP:
      return scan::kUp;
    case SDL_SCANCODE_DOWN:
      return scan::kDown;
    case SDL_SCANCODE_LEFT:
      return scan::kLeft;
    case SDL_SCANCODE_RIGHT:
      return scan::kRight;
    case SDL_SCANCODE_PAGEUP:
      return scan::kPgUp;
    case SDL_SCANCODE_PAGEDOWN:
      return scan::kPgDn;
    case SDL_SCANCODE_HOME:
      return scan::kHome;
    case SDL_SCANCODE_END:
      return scan::kEnd;
    case SDL_SCANCODE_INSERT:
      return scan::kIns;
    case SDL_SCANCODE_DELETE:
      return scan::kDel;
    default:
      return std::nullopt;
  }
}

// The keypad keys that move: they do so when Num Lock is off (or Shift inverts it);
// otherwise they type their digit, which comes as text input.
std::optional<int> keypadScan(SDL_Scancode scancode) {
  switch (scancode) {
    case SDL_SCANCODE_KP_8:
      return scan::kUp;
    case SDL_SCANCODE_KP_2:
      return scan::kDown;
    case SDL_SCANCODE_KP_4:
      return scan::kLeft;
    case SDL_SCANCODE_KP_6:
      return scan::kRight;
    case SDL_SCANCODE_KP_9:
      return scan::kPgUp;
    case SDL_SCANCODE_KP_3:
      return scan::kPgDn;
    case SDL_SCANCODE_KP_7:
      return scan::kHome;
    case SDL_SCANCODE_KP_1:
      return scan::kEnd;
    case SDL_SCANCODE_KP_0:
      return scan::kIns;
    case SDL_SCANCODE_KP_PERIOD:
      return scan::kDel;
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<KeyString> keyForKeyDown(SDL_Scancode scancode, Uint16 modifiers) {
  if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12) {
    if (const auto code = functionKeyScan(scancode - SDL_SCANCODE_F1 + 1, modifiers)) {
      return extendedKey(*code);
    }
  }
  if (const auto code = navigationScan(scancode)) return extendedKey(*code);
  if (const auto code = keypadScan(scancode)) {
    const bool numLock = (modifiers & KMOD_NUM) != 0;
    const bool shift = (modifiers & KMOD_SHIFT) != 0;
    if (numLock == shift) return extendedKey(*code);
    return std::nullopt;
  }
  switch (scancode) {
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_RETURN2:
    case SDL_SCANCODE_KP_ENTER:
      return ordinaryKey(kEnterCode);
    case SDL_SCANCODE_ESCAPE:
      return ordinaryKey(kEscCode);
    case SDL_SCANCODE_BACKSPACE:
      return ordinaryKey(kBackspaceCode);
    case SDL_SCANCODE_TAB:
      // Shift+Tab is the PC keyboard's back-tab, code 0 and 15.
      if ((modifiers & KMOD_SHIFT) != 0) return extendedKey(15);
      return ordinaryKey(kTabCode);
    default:
      return std::nullopt;
  }
}

std::vector<KeyString> keysForText(std::string_view utf8) {
  std::vector<KeyString> keys;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t start = pos;
    char32_t ch = nextTypedCharacter(utf8, pos);
    // Some input methods hand over Latin-1 rather than UTF-8: a byte that does not start a
    // UTF-8 character stands for the Latin-1 character of that code.
    if (ch == 0xFFFD && utf8.substr(start, pos - start) != "\xEF\xBF\xBD") {
      ch = static_cast<unsigned char>(utf8[start]);
    }
    // Control characters are keys of their own and come with the key press.
    if (ch < 32 || ch == 127) continue;
    if (auto key = keyForCharacter(ch)) keys.push_back(std::move(*key));
  }
  return keys;
}

}  // namespace kolvard
