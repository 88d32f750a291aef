#include "ui/system_font.hpp"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <iostream>

// The font files, embedded by the build (see src/ui/CMakeLists.txt) into a generated source.
namespace kolvard::system_font_files {
extern const unsigned char kCell8x16[];
extern const std::size_t kCell8x16Size;
extern const unsigned char kCell12x24[];
extern const std::size_t kCell12x24Size;
extern const unsigned char kCell16x32[];
extern const std::size_t kCell16x32Size;
}  // namespace kolvard::system_font_files

namespace kolvard {
namespace {

constexpr int kMaxCellWidth = 32;  // a glyph row is one 32-bit word
constexpr int kMaxCellHeight = 64;

int clampZoom(int zoom) {
  return zoom < 2 ? 2 : (zoom > 4 ? 4 : zoom);
}

// Splits text into lines (a final line without a line feed counts too; CR before LF is
// dropped) and counts them for error messages.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}

  bool next(std::string_view& line) {
    if (pos_ >= text_.size()) return false;
    const std::size_t end = text_.find('\n', pos_);
    const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
    line = text_.substr(pos_, stop - pos_);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos_ = stop + 1;
    ++number_;
    return true;
  }
  int number() const { return number_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  int number_ = 0;
};

// Splits off the next space-separated word of `rest`.
std::string_view word(std::string_view& rest) {
  const std::size_t start = rest.find_first_not_of(' ');
  if (start == std::string_view::npos) {
    rest = {};
    return {};
  }
  rest.remove_prefix(start);
  const std::size_t end = std::min(rest.find(' '), rest.size());
  const std::string_view w = rest.substr(0, end);
  rest.remove_prefix(end);
  return w;
}

bool number(std::string_view text, int& value) {
  if (text.empty()) return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

bool fail(std::string* error, const LineReader& lines, std::string_view why) {
  if (error) *error = "line " + std::to_string(lines.number()) + ": " + std::string(why);
  return false;
}

SystemFontFace loadEmbedded(int zoom) {
  const int z = clampZoom(zoom);
  std::string error;
  if (auto face = SystemFontFace::parse(systemFontSource(z), &error)) {
    if (face->cellWidth() == 4 * z && face->cellHeight() == 8 * z) return *std::move(face);
    error = "cells of " + std::to_string(face->cellWidth()) + " x " +
            std::to_string(face->cellHeight()) + " pixels";
  }
  // Only a broken build gets here (the tests read every embedded face); the text grid then
  // stays blank rather than the program stopping.
  std::cerr << "kolvard: the built-in system font for zoom " << z << " is unusable (" << error
            << ")\n";
  return SystemFontFace(4 * z, 8 * z);
}

}  // namespace

SystemFontFace::SystemFontFace(int cellWidth, int cellHeight)
    : cellWidth_(cellWidth < 0 ? 0 : cellWidth),
      cellHeight_(cellHeight < 0 ? 0 : cellHeight),
      rows_(static_cast<std::size_t>(256) * static_cast<std::size_t>(cellHeight_), 0) {}

std::optional<SystemFontFace> SystemFontFace::parse(std::string_view text, std::string* error) {
  LineReader lines(text);
  std::string_view line;

  // Header: comments, then the cell size.
  bool haveLine = false;
  while ((haveLine = lines.next(line)) && (line.empty() || line.front() == '#')) {
  }
  if (!haveLine) {
    fail(error, lines, "no \"cell\" line");
    return std::nullopt;
  }
  std::string_view rest = line;
  int width = 0;
  int height = 0;
  if (word(rest) != "cell" || !number(word(rest), width) || !number(word(rest), height) ||
      !word(rest).empty()) {
    fail(error, lines, "expected \"cell WIDTH HEIGHT\"");
    return std::nullopt;
  }
  if (width < 1 || width > kMaxCellWidth || height < 1 || height > kMaxCellHeight) {
    fail(error, lines, "cell size out of range");
    return std::nullopt;
  }

  SystemFontFace face(width, height);
  for (int code = 0; code < 256; ++code) {
    if (!lines.next(line)) {
      fail(error, lines, "the file ends before code " + std::to_string(code));
      return std::nullopt;
    }
    rest = line;
    int given = -1;
    if (word(rest) != "code" || !number(word(rest), given)) {
      fail(error, lines, "expected \"code " + std::to_string(code) + "\"");
      return std::nullopt;
    }
    if (given != code) {
      fail(error, lines,
           "code " + std::to_string(given) + " where code " + std::to_string(code) + " belongs");
      return std::nullopt;
    }
    for (int y = 0; y < height; ++y) {
      if (!lines.next(line)) {
        fail(error, lines, "the file ends inside code " + std::to_string(code));
        return std::nullopt;
      }
      if (line.size() != static_cast<std::size_t>(width)) {
        fail(error, lines,
             "a row of code " + std::to_string(code) + " is not " + std::to_string(width) +
                 " characters wide");
        return std::nullopt;
      }
      std::uint32_t bits = 0;
      for (int x = 0; x < width; ++x) {
        const char c = line[static_cast<std::size_t>(x)];
        if (c == '#') {
          bits |= 1U << x;
        } else if (c != '.') {
          fail(error, lines,
               "a row of code " + std::to_string(code) +
                   " holds a character other "
                   "than '#' and '.'");
          return std::nullopt;
        }
      }
      face.rows_[static_cast<std::size_t>(code) * height + y] = bits;
    }
  }
  while (lines.next(line)) {
    if (!line.empty()) {
      fail(error, lines, "text after the last glyph");
      return std::nullopt;
    }
  }
  return face;
}

std::string_view systemFontSource(int zoom) {
  namespace files = system_font_files;
  const auto text = [](const unsigned char* bytes, std::size_t size) {
    return std::string_view(reinterpret_cast<const char*>(bytes), size);
  };
  switch (clampZoom(zoom)) {
    case 2:
      return text(files::kCell8x16, files::kCell8x16Size);
    case 3:
      return text(files::kCell12x24, files::kCell12x24Size);
    default:
      return text(files::kCell16x32, files::kCell16x32Size);
  }
}

const SystemFontFace& systemFontFace(int zoom) {
  switch (clampZoom(zoom)) {
    case 2: {
      static const SystemFontFace face = loadEmbedded(2);
      return face;
    }
    case 3: {
      static const SystemFontFace face = loadEmbedded(3);
      return face;
    }
    default: {
      static const SystemFontFace face = loadEmbedded(4);
      return face;
    }
  }
}

}  // namespace kolvard
