// Text as a backend meets it: characters typed or scripted in UTF-8 become keys (their code
// page 865 codes), the window's caption goes to the system as Unicode, file names given in
// UTF-8 become paths. The backends reach the code page through here only.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "ui/key_string.hpp"

namespace kolvard {

// The next character of UTF-8 text from `pos` (stepped past it); U+FFFD for a broken sequence.
char32_t nextTypedCharacter(std::string_view utf8, std::size_t& pos);
// The character as UTF-8, for messages.
std::string typedCharacterText(char32_t ch);
// The ordinary key of a character: its code page 865 code; none for a character the code page
// does not have.
std::optional<KeyString> keyForCharacter(char32_t ch);
// The Unicode character a code page 865 code shows.
char32_t shownCharacter(unsigned char code);
// A file name given in UTF-8.
std::filesystem::path typedPath(std::string_view utf8);

}  // namespace kolvard
