#include "platform/win32/win32_keys.hpp"

#include <windows.h>

#include "ui/typed_text.hpp"

namespace kolvard {
namespace {

// Function keys F1-F10 have scan codes 59-68, F11 and F12 133 and 134; with Shift, Ctrl or
// Alt held they have the codes of the PC keyboard (Shift+F4 87, Shift+F5 88, ...).
int functionKeyScan(int number, Win32Modifiers modifiers) {
  const bool low = number <= 10;
  const int index = low ? number - 1 : number - 11;
  if (modifiers.alt) return low ? 104 + index : 139 + index;
  if (modifiers.ctrl) return low ? 94 + index : 137 + index;
  if (modifiers.shift) return low ? 84 + index : 135 + index;
  return low ? scan::kF1 + index : scan::kF11 + index;
}

// The keypad's moving keys come with these codes too when Num Lock is off (or Shift
// inverts it); with Num Lock on they type their digit, which comes as WM_CHAR.
std::optional<int> navigationScan(unsigned virtualKey) {
  switch (virtualKey) {
    case VK_UP:
      return scan::kUp;
    case VK_DOWN:
      return scan::kDown;
    case VK_LEFT:
      return scan::kLeft;
    case VK_RIGHT:
      return scan::kRight;
    case VK_PRIOR:
      return scan::kPgUp;
    case VK_NEXT:
      return scan::kPgDn;
    case VK_HOME:
      return scan::kHome;
    case VK_END:
      return scan::kEnd;
    case VK_INSERT:
      return scan::kIns;
    case VK_DELETE:
      return scan::kDel;
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<KeyString> keyForVirtualKey(unsigned virtualKey, Win32Modifiers modifiers) {
  if (virtualKey >= VK_F1 && virtualKey <= VK_F12) {
    return extendedKey(functionKeyScan(static_cast<int>(virtualKey - VK_F1) + 1, modifiers));
  }
  if (const auto code = navigationScan(virtualKey)) return extendedKey(*code);
  switch (virtualKey) {
    case VK_RETURN:
      return ordinaryKey(kEnterCode);
    case VK_ESCAPE:
      return ordinaryKey(kEscCode);
    case VK_BACK:
      return ordinaryKey(kBackspaceCode);
    case VK_TAB:
      // Shift+Tab is the PC keyboard's back-tab, code 0 and 15.
      if (modifiers.shift) return extendedKey(15);
      return ordinaryKey(kTabCode);
    default:
      return std::nullopt;
  }
}

std::optional<KeyString> keyForChar(unsigned utf16) {
  // Control characters are keys of their own and come with the key press; no cp865
  // letter lies outside the Basic Multilingual Plane.
  if (utf16 < 32 || utf16 == 127 || (utf16 >= 0xD800 && utf16 <= 0xDFFF)) return std::nullopt;
  return keyForCharacter(static_cast<char32_t>(utf16));
}

}  // namespace kolvard
