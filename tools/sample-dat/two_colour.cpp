#include "sample-dat/two_colour.hpp"

#include <stdexcept>

#include "sample-dat/cliches.hpp"
#include "sample-dat/flaw_drawing.hpp"
#include "sample-dat/output.hpp"
#include "sample-dat/two_colour_frames.hpp"
#include "sample-dat/two_colour_pictures.hpp"
#include "sample-dat/two_colour_schemas.hpp"
#include "sample-dat/two_colour_values.hpp"

namespace sampledat {
namespace {

namespace fs = std::filesystem;

// Records as source lines: the down-arrow kind written as "↓", trailing blanks dropped.
std::string lines(const std::vector<std::string>& records) {
  std::string out;
  for (std::string r : records) {
    while (!r.empty() && r.back() == ' ') r.pop_back();
    for (const char c : r)
      out += c == tc::kDownArrow ? std::string("\xe2\x86\x93") : std::string(1, c);
    out += "\n";
  }
  return out;
}

// flag, "*d", "*m" + type, "*b": the bytes of a record's text part besides its lists.
std::size_t budgetFor(const std::string& type, const std::vector<std::string>& lists) {
  std::size_t fixed = 1 + 3 + 3 + cpLength(type) + 3;
  for (const auto& l : lists) fixed += 3 + cpLength(l);
  if (fixed + 60 > static_cast<std::size_t>(kTextMax))
    throw std::runtime_error("two-coloured record with too long lists");
  return kTextMax - fixed;
}

std::string atLeastTwo(std::string type) {
  if (type.empty()) type = "?";
  if (type.size() < 2) type += ' ';
  return type;
}

}  // namespace

void writeTwoColour(const fs::path& outDir, std::string& manifest) {
  const tc::FramePlan frames = tc::planFrames();
  std::vector<tc::ValuePlan> values = tc::planValues(frames);
  tc::addSchemaSheets(outDir, values, manifest);

  writeText(outDir / "TRAMDAT.txt", lines(frames.records));
  manifest += "inverted TRAMDAT  TRAMDAT.txt  length=18\n";
  writeText(outDir / "TTRYK.txt", lines(tc::printingOrder(values)));
  manifest += "records  TTRYK    TTRYK.txt    length=320\n";
  writeText(outDir / "TCSERIER.txt", lines(tc::seriesIndex()));
  manifest += "records  TCSERIER TCSERIER.txt length=16\n";
  std::string counts =
      "# Frame flaws of each stored setting code 1-73 (the first number is not read)\n0\n";
  for (std::size_t code = 1; code <= 73; ++code)
    counts += std::to_string(frames.counts[code]) + (code % 10 == 0 ? "\n" : " ");
  writeText(outDir / "TRFANTAL.txt", counts + "\n");
  manifest += "int16    TRFANTAL TRFANTAL.txt count=74\n";

  for (const tc::ValuePlan& v : values) {
    const std::string name = v.sectionName();
    writeText(outDir / (name + ".txt"), lines(v.records));
    manifest += "inverted " + name + " " + name + ".txt length=18\n";
    const std::string limits = upper("T" + v.value + "0");
    std::string table = "# T" + v.value + ": number of oval series, oval flaws of series 1-20\n";
    for (const int n : v.series) table += std::to_string(n) + "\n";
    writeText(outDir / (limits + ".txt"), table);
    manifest += "int16    " + limits + " " + limits + ".txt count=21\n";
    for (const auto& [flaw, items] : v.places) {
      std::string list;
      for (const auto& item : items) list += item;
      const std::string type = atLeastTwo(v.ovalTypes.at(flaw));
      const std::string key = upper(clicheKey("T" + v.value, flaw));
      const tc::FlawPicture p =
          tc::ovalFlaw(v.value, "T" + v.value + "/" + flaw, budgetFor(type, {list}));
      writeRecordSource(outDir, "twocolour",
                        {key,
                         "T" + v.value + " OF. " + flaw,
                         {{'d', p.description}, {'m', type}, {'t', list}},
                         &p.picture},
                        manifest);
    }
  }
  for (const tc::FrameFlaw& f : frames.flaws) {
    const std::string type = atLeastTwo(f.field.type);
    const char kind = f.field.kind == tc::kDownArrow ? 'O' : f.field.kind;
    const tc::FlawPicture p = tc::frameFlaw(f.code == "53", tc::isInverted(kind),
                                            "T" + f.code + "/" + std::to_string(f.running),
                                            budgetFor(type, {f.wandering}));
    RecordSource r{upper(clicheKey("T" + f.code, std::to_string(f.running))),
                   "RF. " + f.code + "." + std::to_string(f.running),
                   {{'d', p.description}, {'m', type}},
                   &p.picture,
                   kind};
    if (!f.wandering.empty()) r.fields.push_back({'v', f.wandering});
    writeRecordSource(outDir, "twocolour", r, manifest);
  }
}

}  // namespace sampledat
