#include "sample-dat/two_colour_schemas.hpp"

#include <map>

#include "sample-dat/output.hpp"

namespace sampledat::tc {
namespace {

// Pane texts (A, B) of some printings; the others know no whole sheet.
using PaneTexts = std::map<std::string, std::pair<std::string, std::string>>;

const std::map<std::string, PaneTexts> kSheetTexts = {
    {"4s",
     {{"1", {"Helark: 2 ark (Postmuseet)", "?Blokke: 12"}},
      {"2-3", {"Blokke: 30", "Tavle som tryk 1"}},
      {"7", {"Helark: 1 ark", "Helark: 1 ark"}}}},
    {"8ø",
     {{"1", {"Blokke: 20", "Helark: 1 ark"}},
      {"2", {"Halvark (venstre)", "?Blokke: 40"}},
      {"9b-10", {"Tavle som tryk 9a", "Blokke: 25"}}}},
    {"16ø", {{"1", {"Helark: 3 ark", ""}}, {"24", {"?Blokke: 50", ""}}}},
};

// The watermark side of the sheets from a printing on (kept until the next "W" record).
const std::map<std::string, std::map<std::string, char>> kWatermarkSides = {
    {"4s", {{"1", '1'}, {"7", '2'}}},
    {"8ø", {{"1", '2'}, {"9b-10", '1'}}},
};

const std::vector<std::string> kWholeSheets = {
    "5A      Kun blokke af setting 5A", "5B      Helark i privateje",
    "12A     Helark kendes ikke",       "19      Kun blokke af setting 19",
    "27B     Ingen helark bevaret",
};

std::string sheetTexts(const ValuePlan& v, const PaneTexts& texts) {
  std::string out;
  for (const PrintingPlan& p : v.printings) {
    const auto it = texts.find(p.name);
    out += "T" + p.name + "\n-\nEksempel: " + v.value + " tryk " + p.name + "\n-\n";
    out += "I" + (it == texts.end() ? std::string() : it->second.first) + "\n";
    out += "I" + (it == texts.end() ? std::string() : it->second.second) + "\nI\nI\n";
  }
  return out;
}

}  // namespace

void addSchemaSheets(const std::filesystem::path& outDir, std::vector<ValuePlan>& values,
                     std::string& manifest) {
  for (ValuePlan& v : values) {
    if (const auto sides = kWatermarkSides.find(v.value); sides != kWatermarkSides.end()) {
      for (std::size_t i = 0; i < v.records.size(); ++i) {
        const std::string& r = v.records[i];
        if (r.empty() || r[0] != 'T') continue;
        const auto side = sides->second.find(r.substr(1));
        if (side != sides->second.end()) {
          v.records.insert(v.records.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                           std::string("W") + side->second);
        }
      }
    }
    if (const auto texts = kSheetTexts.find(v.value); texts != kSheetTexts.end()) {
      std::string name = v.sectionName();
      name = name.substr(0, name.size() - 3) + "DAU";
      writeText(outDir / (name + ".txt"), sheetTexts(v, texts->second));
      manifest += "text     " + name + " " + name + ".txt\n";
    }
  }
  std::string wholeSheets;
  for (const std::string& line : kWholeSheets) wholeSheets += line + "\n";
  writeText(outDir / "THELARK.txt", wholeSheets);
  manifest += "records  THELARK  THELARK.txt  length=36\n";
}

}  // namespace sampledat::tc
