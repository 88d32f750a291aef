#include "ui/typed_text.hpp"

#include "data/cp865.hpp"
#include "data/utf8_path.hpp"

namespace kolvard {

char32_t nextTypedCharacter(std::string_view utf8, std::size_t& pos) {
  return decodeUtf8(utf8, pos);
}

std::string typedCharacterText(char32_t ch) {
  std::string text;
  appendUtf8(text, ch);
  return text;
}

std::optional<KeyString> keyForCharacter(char32_t ch) {
  if (const auto code = unicodeToCp865(ch)) return ordinaryKey(*code);
  return std::nullopt;
}

char32_t shownCharacter(unsigned char code) {
  return cp865ToUnicode(code);
}

std::filesystem::path typedPath(std::string_view utf8) {
  return utf8Path(utf8);
}

}  // namespace kolvard
