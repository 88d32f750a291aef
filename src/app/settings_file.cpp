#include "app/settings_file.hpp"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "data/cp865.hpp"
#include "domain/edition.hpp"
#include "domain/value_tables.hpp"
#include "print/replacing_file.hpp"

namespace kolvard {
namespace fs = std::filesystem;

namespace {

// Bounds on what is read: nothing the program writes comes near them.
constexpr std::size_t kMaxFileSize = 1u << 20;
constexpr std::size_t kMaxLineLength = 16384;
// Strings are cut to this length when written, so that every written line stays readable.
constexpr std::size_t kMaxStringLength = 255;
constexpr std::size_t kRecordFieldCount = 28;  // fields 2-29

struct Field {
  bool quoted = false;
  std::string text;
};
using Line = std::vector<Field>;

// Splits the file into lines of comma-separated fields. A quoted field may hold any byte,
// a doubled quote standing for one quote; a line break inside quotes belongs to the field.
class LineReader {
 public:
  explicit LineReader(std::string_view data) : data_(data) {}

  bool atEnd() const { return pos_ >= data_.size(); }

  // The next line, or nothing when it is damaged (the reader then stops at the end).
  std::optional<Line> next() {
    if (atEnd()) return std::nullopt;
    const std::size_t start = pos_;
    Line line;
    for (;;) {
      skipBlanks();
      Field field;
      if (peek() == '"') {
        field.quoted = true;
        ++pos_;
        for (;;) {
          if (atEnd() || pos_ - start > kMaxLineLength) return fail();
          const char ch = data_[pos_++];
          if (ch != '"') {
            field.text.push_back(ch);
          } else if (peek() == '"') {
            field.text.push_back('"');
            ++pos_;
          } else {
            break;
          }
        }
        skipBlanks();
      } else {
        while (!atEnd() && !isSeparator(data_[pos_])) {
          if (data_[pos_] == '"') return fail();
          field.text.push_back(data_[pos_++]);
        }
        while (!field.text.empty() && isBlank(field.text.back())) field.text.pop_back();
      }
      if (pos_ - start > kMaxLineLength) return fail();
      line.push_back(std::move(field));
      if (atEnd()) return line;
      const char ch = data_[pos_++];
      if (ch == ',') continue;
      if (ch == '\r' && peek() == '\n') ++pos_;
      if (ch == '\r' || ch == '\n') return line;
      return fail();  // text after a closing quote
    }
  }

 private:
  static bool isBlank(char ch) { return ch == ' ' || ch == '\t'; }
  static bool isSeparator(char ch) { return ch == ',' || ch == '\r' || ch == '\n'; }
  char peek() const { return atEnd() ? '\0' : data_[pos_]; }
  void skipBlanks() {
    while (!atEnd() && isBlank(data_[pos_])) ++pos_;
  }
  std::optional<Line> fail() {
    pos_ = data_.size();
    return std::nullopt;
  }

  std::string_view data_;
  std::size_t pos_ = 0;
};

std::optional<int> parseNumber(const Field& field) {
  if (field.quoted || field.text.empty()) return std::nullopt;
  const char* first = field.text.data();
  const char* last = first + field.text.size();
  if (*first == '+') ++first;
  int value = 0;
  const auto [ptr, ec] = std::from_chars(first, last, value);
  if (ec != std::errc{} || ptr != last) return std::nullopt;
  return value;
}

// Reads the zoom line. Only the zooms the program asks for are taken as they are; the file
// holds 6 or 8 after the front-page keys "4" and "5".
std::optional<int> readZoom(LineReader& reader) {
  const auto line = reader.next();
  if (!line || line->size() != 1) return std::nullopt;
  const auto zoom = parseNumber(line->front());
  if (!zoom) return std::nullopt;
  if (*zoom == 2 || *zoom == 3 || *zoom == 4 || *zoom == 6 || *zoom == 8) return zoom;
  return 3;
}

// Reads one record (two lines); nothing when it is damaged.
std::optional<EditionSettings> readRecord(LineReader& reader) {
  const auto head = reader.next();
  if (!head || head->size() != 1 || !isKnownEdition(head->front().text)) return std::nullopt;
  const auto body = reader.next();
  if (!body || body->size() != kRecordFieldCount) return std::nullopt;
  const Line& f = *body;

  EditionSettings s;
  s.edition = head->front().text;
  s.value = f[0].text;
  s.fromPrinting = f[1].text;
  s.toPrinting = f[2].text;
  s.position = f[3].text;
  s.spareSelector = f[4].text;
  const auto viewMode = parseNumber(f[5]);
  if (!viewMode) return std::nullopt;
  s.viewMode = *viewMode;
  for (std::size_t i = 0; i < s.criteria.size(); ++i) s.criteria[i] = f[6 + i].text;
  s.spareText1 = f[22].text;
  s.spareText2 = f[23].text;
  const auto spareNumber = parseNumber(f[21]);
  const auto spareFlag = parseNumber(f[24]);
  const auto setOnLoad1 = parseNumber(f[25]);
  const auto setOnLoad2 = parseNumber(f[26]);
  const auto include = parseNumber(f[27]);
  if (!spareNumber || !spareFlag || !setOnLoad1 || !setOnLoad2 || !include) return std::nullopt;
  s.spareNumber = *spareNumber;
  s.spareFlag = *spareFlag;
  s.setOnLoad = {*setOnLoad1, *setOnLoad2};
  s.includeUndetermined = *include;
  return s;
}

void appendString(std::string& out, std::string_view text) {
  out.push_back('"');
  for (char ch : text.substr(0, kMaxStringLength)) {
    if (ch == '"') out.push_back('"');
    out.push_back(ch);
  }
  out.push_back('"');
}

void appendNumber(std::string& out, int number) {
  out += std::to_string(number);
}

void appendRecord(std::string& out, const EditionSettings& s) {
  appendString(out, s.edition);
  out += "\r\n";
  auto str = [&out](std::string_view text) {
    appendString(out, text);
    out.push_back(',');
  };
  auto num = [&out](int number) {
    appendNumber(out, number);
    out.push_back(',');
  };
  str(s.value);
  str(s.fromPrinting);
  str(s.toPrinting);
  str(s.position);
  str(s.spareSelector);
  num(s.viewMode);
  for (const auto& criterion : s.criteria) str(criterion);
  num(s.spareNumber);
  str(s.spareText1);
  str(s.spareText2);
  num(s.spareFlag);
  for (int flag : s.setOnLoad) num(flag);
  num(s.includeUndetermined);
  out.back() = '\r';
  out += "\n";
}

// The whole file, or nothing when it is not a readable regular file. Anything beyond
// kMaxFileSize is ignored.
std::optional<std::string> readFile(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  // As much as the file holds, up to the bound (not a whole megabyte for every small file).
  std::string data(static_cast<std::size_t>(std::min<std::uintmax_t>(size, kMaxFileSize)), '\0');
  in.read(data.data(), static_cast<std::streamsize>(data.size()));
  if (in.bad()) return std::nullopt;
  data.resize(static_cast<std::size_t>(in.gcount()));
  return data;
}

// Writes `content` to a new scratch file beside the settings file, flushed to disk, and
// renames it over the settings file. On any failure the scratch file is removed and the
// settings file is not touched; a read-only settings file is a failure.
bool writeThroughScratch(const SettingsPaths& paths, const std::string& content) {
  // The names as the scratch file's cp865 names (both are plain ASCII as the program makes them).
  const auto cp865Name = [](const fs::path& path) {
    const std::u8string name = path.filename().u8string();
    return utf8ToCp865(std::string(name.begin(), name.end()));
  };
  ReplacingFile file;
  if (!file.open(paths.file.parent_path(), cp865Name(paths.file), cp865Name(paths.scratch)).ok) {
    return false;
  }
  file.write(content.data(), content.size());
  return file.commit().ok;
}

// Takes a record into the state, with the rules every load applies.
void takeRecord(ProgramState& state, EditionSettings record) {
  if (record.viewMode < 1 || record.viewMode > 3) record.viewMode = 1;
  record.setOnLoad = {1, 1};  // fields 27 and 28
  selectRecord(state, record);
}

}  // namespace

EditionSettings recordOfSelection(const ProgramState& state) {
  EditionSettings record = state.settings;
  const Selection& s = state.selection;
  record.edition = s.edition();
  record.value = s.value();
  record.fromPrinting = s.printings().from;
  record.toPrinting = s.printings().to;
  record.position = s.position();
  for (int k = 0; k < 3; ++k) {
    const CriteriaSet& set = state.reg.criteria[static_cast<std::size_t>(k)];
    record.criterion(8 + 3 * k) = set.position;
    record.criterion(9 + 3 * k) = set.type;
    record.criterion(10 + 3 * k) = set.cliche;
  }
  // Any number other than 1 reads as exclude: it is kept until the switch says otherwise.
  if ((record.includeUndetermined == 1) != state.reg.includeUndetermined) {
    record.includeUndetermined = state.reg.includeUndetermined ? 1 : 0;
  }
  return record;
}

void selectRecord(ProgramState& state, const EditionSettings& record) {
  EditionSettings taken = record;
  const bool iceland = Edition(taken.edition).isIceland();
  if (iceland && isIcelandOvalValue(taken.value)) {
    taken.edition = Edition::kTwoColouredLetter;
    resetCriteria(taken);
  }
  state.settings = taken;
  state.selection.restore(taken.edition, iceland, taken.value,
                          PrintingRange{taken.fromPrinting, taken.toPrinting}, taken.position);
  for (int k = 0; k < 3; ++k) {
    CriteriaSet& set = state.reg.criteria[static_cast<std::size_t>(k)];
    set.position = taken.criterion(8 + 3 * k);
    set.type = taken.criterion(9 + 3 * k);
    set.cliche = taken.criterion(10 + 3 * k);
  }
  state.reg.includeUndetermined = taken.includeUndetermined == 1;
}

void loadSettings(ProgramState& state, std::string_view edition, const SettingsPaths& paths) {
  const auto data = readFile(paths.file);
  LineReader reader(data ? std::string_view(*data) : std::string_view());
  const auto zoom = data ? readZoom(reader) : std::nullopt;
  if (!zoom) {
    if (edition.empty()) {
      // A first start: the two-coloured edition at zoom 3.
      state.zoom = 3;
      takeRecord(state, defaultSettingsFor("T"));
    } else {
      takeRecord(state, defaultsKeepingRest(edition, state.settings));
    }
    return;
  }
  state.zoom = *zoom;

  std::optional<EditionSettings> lastRead;
  while (!reader.atEnd()) {
    auto record = readRecord(reader);
    if (!record) break;
    if (edition.empty() || record->edition == edition) {
      takeRecord(state, std::move(*record));
      return;
    }
    lastRead = std::move(record);
  }
  takeRecord(state, defaultsKeepingRest(edition, lastRead ? *lastRead : state.settings));
}

bool saveSettings(ProgramState& state, const SettingsPaths& paths) {
  state.settings = recordOfSelection(state);
  EditionSettings current = state.settings;
  if (Edition(current.edition).holdsIcelandOval(current.value)) {
    current.edition = Edition::kIcelandLetter;
  }

  std::string content;
  appendNumber(content, state.zoom);
  content += "\r\n";
  // A record under an unknown letter would end the reading of the file there; it is not written.
  if (isKnownEdition(current.edition)) appendRecord(content, current);

  // The other editions' records of the previous file, the first (latest) of each.
  if (const auto previous = readFile(paths.file)) {
    LineReader reader(*previous);
    if (readZoom(reader)) {
      std::set<std::string> written{current.edition};
      while (!reader.atEnd()) {
        const auto record = readRecord(reader);
        if (!record) break;
        if (written.insert(record->edition).second) appendRecord(content, *record);
      }
    }
  }

  const bool ok = writeThroughScratch(paths, content);
  if (state.zoom != 2 && state.zoom != 3 && state.zoom != 4) state.zoom = 3;
  return ok;
}

}  // namespace kolvard
