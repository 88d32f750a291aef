// Code page 865 (Nordic DOS) is the program's own character set: every text inside the
// program is a string of cp865 bytes. These helpers convert at the edges (source literals,
// key input, file names, JSON output).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kolvard {

// The Unicode character shown for a cp865 byte. Codes 1-31 are the graphic characters of
// the DOS screen (24 is the up arrow, 25 the down arrow); 0 maps to U+0000.
char32_t cp865ToUnicode(std::uint8_t code);

// The cp865 byte of a Unicode character, if it has one.
std::optional<std::uint8_t> unicodeToCp865(char32_t ch);

// Decodes one UTF-8 character at `pos`, advancing `pos`. Malformed input yields U+FFFD and
// advances by one byte.
char32_t decodeUtf8(std::string_view text, std::size_t& pos);
void appendUtf8(std::string& out, char32_t ch);

// UTF-8 to cp865. Characters without a cp865 code become '?' and, when `bad` is given,
// the first one is reported there.
std::string utf8ToCp865(std::string_view utf8, std::optional<char32_t>* bad = nullptr);
std::string cp865ToUtf8(std::string_view cp865);

// Letters in upper case: a-z and the Nordic and accented letters that have an upper-case
// form in code page 865; every other byte as it is.
char cp865Upper(char c);
std::string cp865Upper(std::string_view text);

// Shorthand for turning a UTF-8 source literal into program text: cp("Våbentypen").
inline std::string cp(std::string_view utf8) {
  return utf8ToCp865(utf8);
}

// The letters of the program's texts.
namespace cp865 {
inline constexpr char kAe = static_cast<char>(145);           // æ
inline constexpr char kOslash = static_cast<char>(155);       // ø
inline constexpr char kAring = static_cast<char>(134);        // å
inline constexpr char kAeUpper = static_cast<char>(146);      // Æ
inline constexpr char kOslashUpper = static_cast<char>(157);  // Ø
inline constexpr char kAringUpper = static_cast<char>(143);   // Å
inline constexpr char kMiddleDot = static_cast<char>(250);    // ·
inline constexpr char kUpArrow = static_cast<char>(24);
inline constexpr char kDownArrow = static_cast<char>(25);
}  // namespace cp865

}  // namespace kolvard
