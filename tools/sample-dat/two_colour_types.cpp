#include "sample-dat/two_colour_types.hpp"

#include <vector>

#include "sample-dat/flaw_drawing.hpp"
#include "sample-dat/output.hpp"
#include "sample-dat/two_colour_pictures.hpp"

namespace sampledat {
namespace {

namespace fs = std::filesystem;

struct TypePageSource {
  std::string value;  // UTF-8, "8ø"; "R2" a page of frame types
  int page, pages;    // page 0: no types registered
  std::vector<std::string> types;
};

// "4s" has two pages, the second with two types only; "16ø" has none registered.
const std::vector<TypePageSource>& pageSources() {
  static const std::vector<TypePageSource> list = {
      {"4s", 1, 2, {"1", "2", "3", "4", "5", "6"}},
      {"4s", 2, 2, {"7", "7-1"}},
      {"8ø", 1, 1, {"1", "2", "3"}},
      {"16ø", 0, 0, {}},
      {"R2", 1, 1, {"2-1", "2-2", "2-3"}},
      {"R4", 1, 1, {"4-1", "4-2"}},
      {"R5", 1, 1, {"5-1"}},
  };
  return list;
}

// Padded to `width` counting code page 865 characters.
std::string padded(const std::string& utf8, std::size_t width, bool right = false) {
  const std::size_t length = cpLength(utf8);
  const std::string blanks(width > length ? width - length : 0, ' ');
  return right ? blanks + utf8 : utf8 + blanks;
}

std::string pageLine(const TypePageSource& p) {
  std::string line = padded(p.value, 4) + padded(std::to_string(p.page), 3, true) +
                     padded(std::to_string(p.pages), 3, true) + "  ";
  for (const std::string& type : p.types) line += padded(type, 4);
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line + "\n";
}

}  // namespace

void writeTwoColourTypes(const fs::path& outDir, std::string& manifest) {
  std::string pages;
  for (const TypePageSource& p : pageSources()) pages += pageLine(p);
  writeText(outDir / "TTYPER.txt", pages + "*\n");
  manifest += "records  TTYPER   TTYPER.txt   length=36\n";
  for (const TypePageSource& p : pageSources()) {
    const bool frame = p.value[0] == 'R';
    for (const std::string& type : p.types) {
      const std::string name = frame ? "TM" + type : "T" + p.value + "M" + type;
      const std::size_t budget = kTextMax - (10 + type.size());
      const tc::FlawPicture picture =
          frame ? tc::frameFlaw(false, false, name, budget) : tc::ovalFlaw(p.value, name, budget);
      writeRecordSource(outDir, "twocolour",
                        {upper(name),
                         name + (frame ? " RM. " : " OM. ") + type,
                         {{'d', picture.description}, {'m', type.size() < 2 ? type + " " : type}},
                         &picture.picture},
                        manifest);
    }
  }
}

}  // namespace sampledat
