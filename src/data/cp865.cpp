#include "data/cp865.hpp"

#include <array>

namespace kolvard {
namespace {

constexpr std::array<char32_t, 32> kLow = {
    0x0000, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022, 0x25D8, 0x25CB, 0x25D9,
    0x2642, 0x2640, 0x266A, 0x266B, 0x263C, 0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7,
    0x25AC, 0x21A8, 0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC};

constexpr std::array<char32_t, 128> kHigh = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00A4,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4,
    0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0};

}  // namespace

char32_t cp865ToUnicode(std::uint8_t code) {
  if (code < 32) return kLow[code];
  if (code < 127) return code;
  if (code == 127) return 0x2302;
  return kHigh[code - 128];
}

std::optional<std::uint8_t> unicodeToCp865(char32_t ch) {
  if (ch >= 32 && ch < 127) return static_cast<std::uint8_t>(ch);
  // Controls that arrive as themselves: tab, line feed, carriage return, escape, backspace.
  if (ch == 8 || ch == 9 || ch == 10 || ch == 13 || ch == 27) return static_cast<std::uint8_t>(ch);
  for (int i = 1; i < 32; ++i) {
    if (kLow[i] == ch) return static_cast<std::uint8_t>(i);
  }
  if (ch == 0x2302) return 127;
  for (int i = 0; i < 128; ++i) {
    if (kHigh[i] == ch) return static_cast<std::uint8_t>(128 + i);
  }
  return std::nullopt;
}

char32_t decodeUtf8(std::string_view text, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  int extra = 0;
  char32_t ch = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    ch = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    ch = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    ch = lead & 0x07;
  } else {
    ++pos;
    return 0xFFFD;
  }
  for (int i = 1; i <= extra; ++i) {
    if (pos + i >= text.size() || (byte(pos + i) & 0xC0) != 0x80) {
      ++pos;
      return 0xFFFD;
    }
    ch = (ch << 6) | (byte(pos + i) & 0x3F);
  }
  pos += extra + 1;
  return ch;
}

void appendUtf8(std::string& out, char32_t ch) {
  if (ch < 0x80) {
    out += static_cast<char>(ch);
  } else if (ch < 0x800) {
    out += static_cast<char>(0xC0 | (ch >> 6));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else if (ch < 0x10000) {
    out += static_cast<char>(0xE0 | (ch >> 12));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (ch >> 18));
    out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  }
}

std::string utf8ToCp865(std::string_view utf8, std::optional<char32_t>* bad) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const char32_t ch = decodeUtf8(utf8, pos);
    if (const auto code = unicodeToCp865(ch)) {
      out += static_cast<char>(*code);
    } else {
      out += '?';
      if (bad && !bad->has_value()) *bad = ch;
    }
  }
  return out;
}

std::string cp865ToUtf8(std::string_view cp865) {
  std::string out;
  out.reserve(cp865.size() + cp865.size() / 4);
  for (const char c : cp865) appendUtf8(out, cp865ToUnicode(static_cast<unsigned char>(c)));
  return out;
}

char cp865Upper(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
  // The Nordic letters of code page 865 have upper-case forms too.
  switch (u) {
    case 145:
      return static_cast<char>(146);  // æ Æ
    case 155:
      return static_cast<char>(157);  // ø Ø
    case 134:
      return static_cast<char>(143);  // å Å
    case 132:
      return static_cast<char>(142);  // ä Ä
    case 148:
      return static_cast<char>(153);  // ö Ö
    case 129:
      return static_cast<char>(154);  // ü Ü
    case 130:
      return static_cast<char>(144);  // é É
    default:
      return c;
  }
}

std::string cp865Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = cp865Upper(c);
  return out;
}

}  // namespace kolvard
