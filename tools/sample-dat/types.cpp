#include "sample-dat/types.hpp"

#include <set>

#include "sample-dat/drawing.hpp"
#include "sample-dat/output.hpp"

namespace sampledat {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kRecord = 64;

using Pages = std::vector<std::vector<std::string>>;

// Types six to a page, in cell order.
Pages paged(const std::vector<std::string>& types) {
  Pages pages;
  for (std::size_t i = 0; i < types.size(); ++i) {
    if (i % 6 == 0) pages.emplace_back();
    pages.back().push_back(types[i]);
  }
  return pages;
}

std::vector<std::string> numbered(int last) {
  std::vector<std::string> out;
  for (int i = 1; i <= last; ++i) out.push_back(std::to_string(i));
  return out;
}

// The first page of a value with side texts keeps its right column free for them.
Pages besideTexts(const std::vector<std::string>& types) {
  Pages pages(1);
  std::size_t i = 0;
  for (int cell = 0; cell < 6 && i < types.size(); ++cell) {
    if (cell % 3 == 2) {
      pages[0].emplace_back();
    } else {
      pages[0].push_back(types[i++]);
    }
  }
  const Pages rest = paged({types.begin() + static_cast<std::ptrdiff_t>(i), types.end()});
  pages.insert(pages.end(), rest.begin(), rest.end());
  return pages;
}

// Padded to `width` counting code page 865 characters (one for each UTF-8 character).
std::string padded(const std::string& utf8, std::size_t width, bool right = false) {
  std::size_t length = 0;
  for (const char c : utf8) length += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  const std::string blanks(width > length ? width - length : 0, ' ');
  return right ? blanks + utf8 : utf8 + blanks;
}

// The stamp number field holds at least two characters.
std::string stampField(const std::string& type) {
  return type.size() < 2 ? type + " " : type;
}

Bitmap typePicture(char edition, const std::string& value, const std::string& type) {
  std::string numeral;
  for (const char c : value)
    if (c >= '0' && c <= '9') numeral += c;
  Design design = makeDesign(value == "R" ? 'T' : edition, numeral.empty() ? "4" : numeral);
  Bitmap& b = design.picture;
  // What tells the type apart: a mark in the margin under the frame and the type code in
  // the lower part of the oval.
  std::size_t h = 0;
  for (const char c : type) h = h * 31 + static_cast<unsigned char>(c);
  const int x = 40 + static_cast<int>(h % 270);
  fill(b, x, kBottom - kInset + 3, x + 10, kBottom - 4);
  std::string shown;
  for (const char c : type) shown += c == '-' ? '.' : c;
  text(b, design.cx, design.cy + 80, shown, 3);
  return b;
}

}  // namespace

const std::vector<EditionTypes>& sampleTypes() {
  // The types that the printing data of each value names, more for the values without
  // printing data; a value without pages has page 0.
  static const std::vector<EditionTypes> list = {
      {'C', {{"3c", paged(numbered(6))}, {"4c", {}}}, {}},
      {'P',
       {{"2s", paged(numbered(4))},
        {"4s", paged({"1",  "2",  "3",   "3A", "4",  "5",  "6",  "7",  "7A", "8",  "9", "10",
                      "11", "12", "12A", "13", "14", "15", "16", "17", "18", "19", "20"})}},
       {}},
      {'L', {{"4s", paged(numbered(8))}}, {}},
      {'A',
       {{"2s", paged(numbered(5))},
        {"4s", paged({"1", "2",  "3",  "3A", "4",   "5",  "6",  "7",   "7A", "8",
                      "9", "10", "11", "12", "12A", "13", "14", "14B", "15", "16"})},
        {"16s", {}}},
       {}},
      {'V',
       {{"1ø", paged({"1", "2", "3", "3A", "4", "5", "6", "7", "7A", "8", "9", "10", "11", "12"})},
        {"5ø", paged({"1", "2", "3", "3A", "4", "5", "6", "7", "7A", "8", "9", "10", "11", "12"})},
        {"10ø", paged({"1", "1-A", "2", "2-A", "3", "3-A", "3-B"})},
        {"24ø", {}}},
       {}},
      {'M',
       {{"2s", besideTexts(numbered(6))},
        {"4s", besideTexts(numbered(4))},
        {"16s", besideTexts(numbered(2))},
        {"1ø", paged(numbered(3))},
        {"3ø", besideTexts(numbered(8))},
        {"4ø", besideTexts(numbered(10))},
        {"5ø", paged(numbered(3))},
        {"8ø", besideTexts(numbered(9))},
        {"10ø", {}},
        {"15ø", paged(numbered(2))},
        {"20ø", paged(numbered(4))},
        {"32ø", besideTexts(numbered(5))}},
       {"2s A Type 1 og 2: tynd ramme", "2s B Type 3 og 4: tyk ramme", "4ø A Type 1-4 fra 1. serie",
        "4ø B Type 5-10 fra 2. serie", "4ø D Se også samleklichéerne",
        "32øA Kun fem typer kendes"}},
      {'I',
       {{"3s", paged(numbered(2))},
        {"3a", paged(numbered(5))},
        {"6a", paged(numbered(7))},
        {"10a", paged(numbered(6))},
        {"20a", paged(numbered(4))},
        {"40a", {}},
        {"R", {{"1", "2", "IRR", "IOR", "I1", "I1OR"}, {"I2", "I2OR"}}}},
       {}},
      {'J', {{"4s", paged(numbered(3))}, {"3a", paged(numbered(8))}, {"50a", {}}}, {}},
  };
  return list;
}

std::string typeRecordName(char edition, const std::string& value, const std::string& type) {
  return value == "R" ? "TM" + type : std::string(1, edition) + value + "M" + type;
}

std::string typePages(const EditionTypes& types) {
  std::string out;
  for (const TypeValue& v : types.values) {
    const std::size_t count = v.pages.size();
    const auto head = [&](std::size_t page) {
      return padded(v.value, 4) + padded(std::to_string(page), 3, true) +
             padded(std::to_string(count), 3, true) + "  ";
    };
    if (v.pages.empty()) out += head(0) + "\n";
    for (std::size_t p = 0; p < count; ++p) {
      std::string line = head(p + 1);
      for (const std::string& type : v.pages[p]) line += padded(type, 4);
      while (!line.empty() && line.back() == ' ') line.pop_back();
      out += line + "\n";
    }
  }
  for (const std::string& side : types.sides) out += side + "\n";
  return out + "*\n";
}

void writeTypes(const fs::path& outDir, std::string& manifest) {
  const fs::path dir = outDir / "types";
  fs::create_directories(dir);
  manifest += "# Type pages (64-byte records) and the type records named on them.\n";
  for (const EditionTypes& e : sampleTypes()) {
    const std::string pages = std::string(1, e.edition) + "TYPER";
    writeText(outDir / (pages + ".txt"), typePages(e));
    manifest += "records  " + pages + " " + pages + ".txt length=" + std::to_string(kRecord) + "\n";
    std::set<std::string> written;
    for (const TypeValue& v : e.values) {
      for (const auto& page : v.pages) {
        for (const std::string& type : page) {
          if (type.empty()) continue;
          const std::string key = upper(typeRecordName(e.edition, v.value, type));
          if (!written.insert(key).second) continue;
          const std::string source = "# " + std::string(1, e.edition) + v.value + " M." + type +
                                     "\n*d $1Type " + type + "$7Mærke under rammen\n*m " +
                                     stampField(type) + "\n";
          writeText(dir / (key + ".txt"), source);
          writeBytes(dir / (key + ".pbm"), pbm(typePicture(e.edition, v.value, type)));
          manifest += "cliche   " + key + " types/" + key + ".txt picture=types/" + key + ".pbm\n";
        }
      }
    }
  }
}

}  // namespace sampledat
