#include "kolvard-data/pack.hpp"

#include <unistd.h>

#include <cctype>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <system_error>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "data/directory_layout.hpp"
#include "data/inverted_record.hpp"
#include "data/tagged_record.hpp"
#include "kolvard-data/bdf_font.hpp"
#include "kolvard-data/bitmap.hpp"
#include "kolvard-data/pack_error.hpp"

namespace kolvard::datatool {
namespace {

constexpr int kTextLineLength = 160;
constexpr auto kGroupEntry = static_cast<std::size_t>(directory::kGroupEntrySize);
constexpr auto kNameEntry = static_cast<std::size_t>(directory::kNameEntrySize);

// The lines of a text file: line ends "\n" or "\r\n"; a final line end adds no line; a
// leading byte-order mark is dropped.
std::vector<std::string_view> splitLines(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::vector<std::string_view> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t nl = text.find('\n', pos);
    std::string_view line = text.substr(pos, nl == std::string_view::npos ? text.npos : nl - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (nl == std::string_view::npos) break;
    pos = nl + 1;
  }
  return lines;
}

[[noreturn]] void fail(const std::string& source, std::size_t line, const std::string& what) {
  throw PackError(source + ":" + std::to_string(line) + ": " + what);
}

std::string describe(char32_t ch) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(ch));
  std::string out = "character \"";
  appendUtf8(out, ch);
  return out + "\" (" + hex + ")";
}

// One source line as cp865; refuses characters outside the code page and control
// characters (a tab would print as a graphic character).
std::string lineToCp865(std::string_view utf8, const std::string& source, std::size_t line) {
  std::optional<char32_t> bad;
  std::string out = utf8ToCp865(utf8, &bad);
  if (bad) fail(source, line, describe(*bad) + " has no code page 865 code");
  // A control character typed as such is refused; the graphic characters of the low codes
  // ("↓" for the down-arrow frame kind, code 25) are written as their symbols.
  std::size_t column = 0;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) ++column;
    if (byte < 32) {
      fail(source, line,
           "control character " + std::to_string(static_cast<int>(byte)) + " at column " +
               std::to_string(column));
    }
  }
  return out;
}

void putInt32(std::vector<std::uint8_t>& out, std::size_t at, std::int64_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i)
    out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::vector<std::uint8_t> readFileBytes(const std::filesystem::path& path,
                                        const std::string& shown) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw PackError(shown + ": cannot be read");
  // Read in one piece when the size is known (the many cliché pictures), else by bytes.
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (!ec && std::filesystem::is_regular_file(path, ec)) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() == static_cast<std::streamsize>(bytes.size()) && in.peek() == EOF) return bytes;
    in.clear();
    in.seekg(0);
  }
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  if (in.bad()) throw PackError(shown + ": cannot be read");
  return bytes;
}

std::string asText(const std::vector<std::uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

// ---- the manifest ------------------------------------------------------------------------

struct ManifestLine {
  std::string file;  // the manifest (or included manifest) the line comes from
  std::size_t line = 0;
  std::string kind;
  std::string name;  // as written (UTF-8)
  std::string source;
  std::map<std::string, std::string> options;
};

std::vector<std::string_view> words(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i < line.size() && line[i] == '#') break;
    const std::size_t begin = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > begin) out.push_back(line.substr(begin, i - begin));
  }
  return out;
}

const std::set<std::string>& kindsWithSource() {
  static const std::set<std::string> kinds{"text",    "inverted",  "int16", "tagged", "font",
                                           "picture", "composite", "raw",   "cliche", "records"};
  return kinds;
}

std::vector<ManifestLine> parseManifest(std::string_view text, const std::string& source) {
  std::vector<ManifestLine> out;
  const auto lines = splitLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto w = words(lines[i]);
    if (w.empty()) continue;
    ManifestLine m;
    m.file = source;
    m.line = i + 1;
    m.kind = std::string(w[0]);
    if (m.kind == "include") {
      // "include FILE": the lines of another manifest, read in place of this line.
      if (w.size() != 2) fail(source, m.line, "an include line names exactly one manifest file");
      m.source = std::string(w[1]);
      out.push_back(std::move(m));
      continue;
    }
    const bool needsSource = kindsWithSource().count(m.kind) > 0;
    if (!needsSource && m.kind != "empty")
      fail(source, m.line, "unknown section kind \"" + m.kind + "\"");
    if (w.size() < 2) fail(source, m.line, "a " + m.kind + " line needs a section name");
    m.name = std::string(w[1]);
    std::size_t next = 2;
    if (needsSource) {
      if (w.size() < 3 || w[2].find('=') != std::string_view::npos) {
        fail(source, m.line,
             "section " + m.name + ": a " + m.kind + " section needs a source file");
      }
      m.source = std::string(w[2]);
      next = 3;
    }
    for (; next < w.size(); ++next) {
      const auto eq = w[next].find('=');
      if (eq == std::string_view::npos || eq == 0) {
        fail(source, m.line,
             "section " + m.name + ": \"" + std::string(w[next]) +
                 "\" is not an option of the form key=value");
      }
      m.options[std::string(w[next].substr(0, eq))] = std::string(w[next].substr(eq + 1));
    }
    out.push_back(std::move(m));
  }
  return out;
}

// The ink runs of a P4 (binary) PBM, found byte by byte so that the many cliché pictures
// of a data set pack quickly.
PictureRuns p4Runs(const std::vector<std::uint8_t>& bytes, const std::string& source) {
  std::size_t at = 2;
  int numbers[2] = {0, 0};
  for (int k = 0; k < 2; ++k) {
    for (;;) {
      while (at < bytes.size() && std::isspace(bytes[at])) ++at;
      if (at < bytes.size() && bytes[at] == '#') {
        while (at < bytes.size() && bytes[at] != '\n') ++at;
        continue;
      }
      break;
    }
    if (at >= bytes.size() || !std::isdigit(bytes[at]))
      throw PackError(source + ": not a readable PBM header");
    while (at < bytes.size() && std::isdigit(bytes[at]) && numbers[k] < 100000)
      numbers[k] = numbers[k] * 10 + (bytes[at++] - '0');
  }
  ++at;  // the one whitespace byte before the bits
  const int width = numbers[0];
  const int height = numbers[1];
  const auto rowBytes = static_cast<std::size_t>((width + 7) / 8);
  if (width <= 0 || height <= 0 || at + rowBytes * static_cast<std::size_t>(height) > bytes.size())
    throw PackError(source + ": the PBM image is cut short or empty");
  PictureRuns rows(static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = bytes.data() + at + rowBytes * static_cast<std::size_t>(y);
    auto& runs = rows[static_cast<std::size_t>(y)];
    int first = -1;
    for (std::size_t i = 0; i < rowBytes; ++i) {
      const std::uint8_t b = row[i];
      if ((b == 0 && first < 0) || (b == 0xFF && first >= 0)) continue;
      for (int bit = 0; bit < 8; ++bit) {
        const int x = static_cast<int>(i) * 8 + bit;
        const bool ink = x < width && ((b >> (7 - bit)) & 1) != 0;
        if (ink && first < 0) first = x;
        if (!ink && first >= 0) {
          runs.emplace_back(first, x - 1);
          first = -1;
        }
      }
    }
    if (first >= 0) runs.emplace_back(first, width - 1);
  }
  return rows;
}

class SectionBuilder {
 public:
  explicit SectionBuilder(const PackOptions& options) : options_(options) {}

  PackedSection build(const ManifestLine& m) {
    line_ = &m;
    used_.clear();
    PackedSection section;
    section.name = sectionName(m.name);
    if (m.kind == "empty") {
      // nothing to read
    } else if (m.kind == "text") {
      section.bytes = encodeTextSection(asText(read()), shown());
    } else if (m.kind == "inverted") {
      section.bytes =
          encodeInvertedSection(asText(read()), intOption("length", true).value_or(0), shown());
      const std::string end = textOption("endrecord", false);
      if (end == "yes") {
        // A closing record: stored as bytes 255, which ends a printing-information text.
        section.bytes.insert(section.bytes.end(),
                             static_cast<std::size_t>(intOption("length", true).value_or(0)),
                             std::uint8_t{255});
      } else if (!end.empty()) {
        fail("endrecord=" + end + ": the only value is yes");
      }
    } else if (m.kind == "int16") {
      const auto count = intOption("count", false);
      section.bytes = encodeInt16Section(asText(read()), count, shown());
    } else if (m.kind == "tagged") {
      section.bytes = encodeTaggedSection(asText(read()), shown());
    } else if (m.kind == "font") {
      const int record = intOption("record", true).value_or(0);
      if (record != 48 && record != 512)
        fail("record=" + std::to_string(record) + ": a font record is 48 or 512 bytes");
      section.bytes = encodeFontSection(parseBdf(asText(read()), shown()), record, shown());
    } else if (m.kind == "picture") {
      section.bytes = picture();
    } else if (m.kind == "composite") {
      // A composite cliché: the picture with the number of composites of its series in the
      // first byte (only composite 1 carries it; the others leave it 0).
      const int count = intOption("count", false).value_or(0);
      if (count > 255) fail("count=" + std::to_string(count) + ": the count is one byte");
      section.bytes = picture();
      section.bytes[0] = static_cast<std::uint8_t>(count);
    } else if (m.kind == "raw") {
      section.bytes = read();
    } else if (m.kind == "records") {
      section.bytes =
          encodeRecordsSection(asText(read()), intOption("length", true).value_or(0), shown());
    } else if (m.kind == "cliche") {
      const std::string pictureName = textOption("picture", true);
      const std::string orientation = textOption("orientation", false);
      if (orientation.size() > 1)
        fail("orientation=" + orientation + ": the orientation flag is one character");
      const auto path = resolve(pictureName);
      const auto fileBytes = readFileBytes(path, pictureName);
      std::optional<Bitmap> image;
      if (fileBytes.size() < 2 || fileBytes[0] != 'P' || fileBytes[1] != '4')
        image = readBitmap(path);
      const PictureRuns runs = image ? pictureRuns(*image) : p4Runs(fileBytes, pictureName);
      section.bytes = encodeClicheRecord(
          asText(read()), runs, orientation.empty() ? ' ' : orientation[0], shown(), pictureName);
    }
    for (const auto& [key, value] : m.options) {
      if (!used_.count(key))
        fail("option \"" + key + "\" does not apply to a " + m.kind + " section");
    }
    return section;
  }

  [[noreturn]] void fail(const std::string& what) const {
    throw PackError(line_->file + ":" + std::to_string(line_->line) + ": section " + line_->name +
                    ": " + what);
  }

  // A relative path as the sources are found: the source directory, then each search
  // directory. Throws naming the section when it is nowhere.
  std::filesystem::path resolve(const std::string& written) const {
    const std::filesystem::path relative(written);
    if (relative.is_absolute()) return relative;
    std::error_code ec;
    if (std::filesystem::exists(options_.sourceDir / relative, ec))
      return options_.sourceDir / relative;
    for (const auto& dir : options_.searchDirs) {
      if (std::filesystem::exists(dir / relative, ec)) return dir / relative;
    }
    fail(written + ": no such file");
  }

 private:
  std::string sectionName(const std::string& written) const {
    std::optional<char32_t> bad;
    const std::string cp = utf8ToCp865(written, &bad);
    if (bad) fail("the name holds " + describe(*bad) + ", which has no code page 865 code");
    if (cp.size() > 8)
      fail("the name is " + std::to_string(cp.size()) + " characters long; a name holds at most 8");
    const std::string name = normaliseSectionName(cp);
    if (name.substr(2) == "      ")
      fail("the name needs at least 3 characters (2 for the group, the rest within it)");
    return name;
  }

  std::filesystem::path resolve() const { return resolve(line_->source); }

  // A run-length picture of exactly rows=N rows, with its leading byte 0.
  std::vector<std::uint8_t> picture() {
    const int rows = intOption("rows", true).value_or(0);
    const Bitmap image = readBitmap(resolve());
    if (image.height != rows) {
      fail(shown() + ": the image has " + std::to_string(image.height) +
           " rows but the picture needs " + std::to_string(rows));
    }
    return encodeRunLengthPicture(image, shown());
  }

  std::vector<std::uint8_t> read() const { return readFileBytes(resolve(), shown()); }
  std::string shown() const { return line_->source; }

  std::optional<int> intOption(const std::string& key, bool required) {
    used_.insert(key);
    const auto it = line_->options.find(key);
    if (it == line_->options.end()) {
      if (required) fail("a " + line_->kind + " section needs " + key + "=N");
      return std::nullopt;
    }
    int value = 0;
    const auto& text = it->second;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value <= 0) {
      fail(key + "=" + text + ": not a positive number");
    }
    return value;
  }

  std::string textOption(const std::string& key, bool required) {
    used_.insert(key);
    const auto it = line_->options.find(key);
    if (it == line_->options.end()) {
      if (required) fail("a " + line_->kind + " section needs " + key + "=...");
      return {};
    }
    return it->second;
  }

  const PackOptions& options_;
  const ManifestLine* line_ = nullptr;
  std::set<std::string> used_;
};

}  // namespace

std::vector<std::uint8_t> buildContainer(const std::vector<PackedSection>& sections) {
  std::vector<std::string> groupOrder;
  std::map<std::string, std::vector<const PackedSection*>> groups;
  for (const auto& s : sections) {
    const std::string key = s.name.substr(0, 2);
    if (!groups.count(key)) groupOrder.push_back(key);
    groups[key].push_back(&s);
  }
  std::size_t directorySize = (groupOrder.size() + 1) * kGroupEntry;
  for (const auto& key : groupOrder) directorySize += (groups[key].size() + 1) * kNameEntry;
  std::size_t total = directorySize;
  for (const auto& s : sections) total += s.bytes.size();
  if (total > 0x7FFFFFFF) throw PackError("the data file would exceed 2 GB");

  std::vector<std::uint8_t> out(directorySize, ' ');
  out.reserve(total);
  std::size_t groupAt = 0;
  std::size_t nameAt = (groupOrder.size() + 1) * kGroupEntry;
  std::size_t dataAt = directorySize;
  for (const auto& key : groupOrder) {
    out[groupAt] = static_cast<std::uint8_t>(key[0]);
    out[groupAt + 1] = static_cast<std::uint8_t>(key[1]);
    putInt32(out, groupAt + 2, static_cast<std::int64_t>(nameAt));
    groupAt += kGroupEntry;
    for (const PackedSection* s : groups[key]) {
      for (std::size_t i = 0; i < 6; ++i)
        out[nameAt + i] = static_cast<std::uint8_t>(s->name[2 + i]);
      putInt32(out, nameAt + 6, static_cast<std::int64_t>(dataAt));
      nameAt += kNameEntry;
      dataAt += s->bytes.size();
    }
    putInt32(out, nameAt + 6, static_cast<std::int64_t>(dataAt));  // the closing entry: the end
    nameAt += kNameEntry;
  }
  for (const auto& key : groupOrder) {
    for (const PackedSection* s : groups[key])
      out.insert(out.end(), s->bytes.begin(), s->bytes.end());
  }
  return out;
}

std::vector<std::uint8_t> encodeTextSection(std::string_view utf8, const std::string& source) {
  std::vector<std::uint8_t> out;
  const auto lines = splitLines(utf8);
  out.reserve(lines.size() * kTextLineLength);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string line = lineToCp865(lines[i], source, i + 1);
    if (line.size() > kTextLineLength) {
      fail(source, i + 1,
           "the line is " + std::to_string(line.size()) +
               " characters long; a text line holds at most 160");
    }
    line.resize(kTextLineLength, ' ');
    out.insert(out.end(), line.begin(), line.end());
  }
  return out;
}

// The lines of a source as records of a fixed length, padded with blanks; a longer line is
// refused with its line number.
static std::vector<std::string> fixedLengthRecords(std::string_view utf8, int length,
                                                   const std::string& source) {
  std::vector<std::string> records;
  const auto lines = splitLines(utf8);
  const auto size = static_cast<std::size_t>(length);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string record = lineToCp865(lines[i], source, i + 1);
    if (record.size() > size) {
      fail(source, i + 1,
           "the record is " + std::to_string(record.size()) +
               " characters long; records of this section hold " + std::to_string(length));
    }
    record.resize(size, ' ');
    records.push_back(std::move(record));
  }
  return records;
}

std::vector<std::uint8_t> encodeInvertedSection(std::string_view utf8, int length,
                                                const std::string& source) {
  std::vector<std::uint8_t> out;
  for (const std::string& record : fixedLengthRecords(utf8, length, source)) {
    const std::string stored = encodeInvertedRecord(record);
    out.insert(out.end(), stored.begin(), stored.end());
  }
  return out;
}

std::vector<std::uint8_t> encodeInt16Section(std::string_view text, std::optional<int> count,
                                             const std::string& source) {
  std::vector<std::uint8_t> out;
  const auto lines = splitLines(text);
  std::size_t lastLine = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    for (const auto word : words(lines[i])) {
      long value = 0;
      const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
      if (ec != std::errc() || end != word.data() + word.size()) {
        fail(source, i + 1, "\"" + std::string(word) + "\" is not a number");
      }
      if (value < -32768 || value > 32767) {
        fail(source, i + 1, std::string(word) + " does not fit a 16-bit number");
      }
      const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
      out.push_back(static_cast<std::uint8_t>(v & 0xFF));
      out.push_back(static_cast<std::uint8_t>(v >> 8));
      lastLine = i + 1;
    }
  }
  if (count && out.size() / 2 != static_cast<std::size_t>(*count)) {
    fail(source, lastLine,
         "the table has " + std::to_string(out.size() / 2) +
             " numbers; count=" + std::to_string(*count) + " asks for " + std::to_string(*count));
  }
  return out;
}

std::vector<std::uint8_t> encodeTaggedSection(std::string_view utf8, const std::string& source) {
  std::string record;
  const auto lines = splitLines(utf8);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.empty() || line[0] == '#') continue;
    if (line.size() < 2 || line[0] != '*' || line[1] == ' ') {
      fail(source, i + 1, "a field line starts with \"*\" and its tag letter");
    }
    std::string_view content = line.substr(2);
    if (!content.empty() && content[0] == ' ') content.remove_prefix(1);
    const std::string text = lineToCp865(content, source, i + 1);
    record += '\x1B';
    record += '*';
    record += line[1];
    record += text;
    if (record.size() > static_cast<std::size_t>(kTaggedRecordMaxBytes)) {
      fail(source, i + 1,
           "the record grows beyond " + std::to_string(kTaggedRecordMaxBytes) +
               " bytes, more than a reader takes");
    }
  }
  return std::vector<std::uint8_t>(record.begin(), record.end());
}

namespace {

constexpr int kIncludeDepth = 8;

// The manifest's lines with every "include" line replaced by the lines of the manifest it
// names (found like a source), to a depth of eight.
void expandManifest(const PackOptions& options, const std::filesystem::path& path,
                    const std::string& shown, int depth, std::vector<ManifestLine>& out) {
  for (auto& line : parseManifest(asText(readFileBytes(path, shown)), shown)) {
    if (line.kind != "include") {
      out.push_back(std::move(line));
      continue;
    }
    const std::string where = shown + ":" + std::to_string(line.line) + ": include " + line.source;
    if (depth >= kIncludeDepth)
      throw PackError(where + ": includes nest deeper than " + std::to_string(kIncludeDepth));
    std::filesystem::path found;
    const std::filesystem::path relative(line.source);
    std::error_code ec;
    if (relative.is_absolute() || std::filesystem::exists(options.sourceDir / relative, ec)) {
      found = relative.is_absolute() ? relative : options.sourceDir / relative;
    } else {
      for (const auto& dir : options.searchDirs) {
        if (std::filesystem::exists(dir / relative, ec)) {
          found = dir / relative;
          break;
        }
      }
    }
    if (found.empty()) throw PackError(where + ": no such file");
    expandManifest(options, found, line.source, depth + 1, out);
  }
}

}  // namespace

std::vector<std::uint8_t> encodeRecordsSection(std::string_view utf8, int length,
                                               const std::string& source) {
  std::vector<std::uint8_t> out;
  for (const std::string& record : fixedLengthRecords(utf8, length, source)) {
    out.insert(out.end(), record.begin(), record.end());
  }
  return out;
}

PictureRuns pictureRuns(const Bitmap& image) {
  return inkRuns(image);
}

std::vector<std::uint8_t> encodeClicheRecord(std::string_view utf8, const Bitmap& picture,
                                             char orientation, const std::string& source,
                                             const std::string& pictureName) {
  return encodeClicheRecord(utf8, pictureRuns(picture), orientation, source, pictureName);
}

std::vector<std::uint8_t> encodeClicheRecord(std::string_view utf8, const PictureRuns& picture,
                                             char orientation, const std::string& source,
                                             const std::string& pictureName) {
  std::string text(1, orientation);
  char lastTag = 0;
  const auto lines = splitLines(utf8);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.empty() || line[0] == '#') continue;
    if (line.size() < 2 || line[0] != '*' ||
        !((line[1] >= 'a' && line[1] <= 'z') || (line[1] >= 'A' && line[1] <= 'Z'))) {
      fail(source, i + 1, "a field line starts with \"*\" and its tag letter");
    }
    if (line[1] == 'b') {
      fail(source, i + 1, "the picture field \"*b\" comes from the picture file, not the text");
    }
    std::string_view content = line.substr(2);
    if (!content.empty() && content[0] == ' ') content.remove_prefix(1);
    // Lines of the same tag in a row continue one field (a long description, one item a line).
    if (line[1] != lastTag) {
      text += '\x1B';
      text += '*';
      text += line[1];
      lastTag = line[1];
    }
    text += lineToCp865(content, source, i + 1);
    if (text.size() + 3 > static_cast<std::size_t>(kClicheTextMaxBytes)) {
      fail(source, i + 1,
           "the text part grows to " + std::to_string(text.size() + 3) +
               " bytes with the picture tag; a cliché record's text holds at most " +
               std::to_string(kClicheTextMaxBytes));
    }
  }
  if (picture.size() != static_cast<std::size_t>(kClicheRows)) {
    throw PackError(pictureName + ": the image has " + std::to_string(picture.size()) +
                    " rows but a cliché picture has " + std::to_string(kClicheRows));
  }
  text += "\x1B*b";
  std::vector<std::uint8_t> out(text.begin(), text.end());
  appendRunLengthRows(out, picture, pictureName);
  return out;
}

std::vector<PackedSection> readSources(const PackOptions& options) {
  const auto manifestPath = options.sourceDir / "manifest.txt";
  const std::string manifestName = manifestPath.string();
  std::vector<ManifestLine> manifest;
  expandManifest(options, manifestPath, manifestName, 0, manifest);
  SectionBuilder builder(options);
  std::vector<PackedSection> sections;
  sections.reserve(manifest.size());
  std::map<std::string, const ManifestLine*> seen;
  for (const auto& line : manifest) {
    const std::string where =
        line.file + ":" + std::to_string(line.line) + ": section " + line.name;
    try {
      sections.push_back(builder.build(line));
    } catch (const PackError& e) {
      const std::string what = e.what();
      if (what.rfind(line.file + ":", 0) == 0) throw;
      throw PackError(where + ": " + what);
    }
    const auto [it, fresh] = seen.emplace(sections.back().name, &line);
    if (!fresh) {
      throw PackError(where + ": the name is already used by section " + it->second->name +
                      " on line " + std::to_string(it->second->line) +
                      (it->second->file == line.file ? "" : " of " + it->second->file));
    }
  }
  return sections;
}

void writeFileAtomically(const std::filesystem::path& path,
                         const std::vector<std::uint8_t>& bytes) {
  auto temp = path;
  temp += ".tmp" + std::to_string(::getpid());
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) throw PackError(temp.string() + ": cannot be written");
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      throw PackError(temp.string() + ": cannot be written");
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    throw PackError(path.string() + ": cannot be replaced (" + ec.message() + ")");
  }
}

}  // namespace kolvard::datatool
