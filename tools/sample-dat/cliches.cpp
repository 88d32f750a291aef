#include "sample-dat/cliches.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <map>
#include <stdexcept>

#include "kolvard-data/bitmap.hpp"
#include "sample-dat/drawing.hpp"
#include "sample-dat/flaw_drawing.hpp"
#include "sample-dat/output.hpp"

namespace sampledat {
namespace {

namespace fs = std::filesystem;
using kolvard::datatool::Bitmap;

}  // namespace

std::string clicheKey(const std::string& valueKey, const std::string& cliche) {
  std::string number = cliche;
  while (!number.empty() && number.back() == ' ') number.pop_back();
  const auto dot = number.find('.');
  const std::string head = dot == std::string::npos ? "-" : number.substr(0, dot) + "-";
  int n = std::stoi(dot == std::string::npos ? number : number.substr(dot + 1));
  int q = 0;
  while (n > 32) {
    ++q;
    n -= 32;
  }
  return valueKey + head + digit(q) + digit(n);
}

void writeValueCliches(const ValueCliches& value, const fs::path& outDir, std::string& manifest) {
  const char edition = value.valueKey[0];
  // The numeral of the value: its leading digits.
  std::string numeral;
  for (const char c : value.valueCode)
    if (c >= '0' && c <= '9') numeral += c;
  const Design design = makeDesign(edition, numeral);

  // The clichés in order of first appearance, with every place they stand.
  std::vector<std::string> order;
  std::map<std::string, std::vector<const Occurrence*>> places;
  for (const auto& o : value.occurrences) {
    if (o.cliche.empty()) continue;
    if (!places.count(o.cliche)) order.push_back(o.cliche);
    places[o.cliche].push_back(&o);
  }
  std::map<int, int> highest;  // series -> highest running number
  for (const auto& number : order) {
    const auto dot = number.find('.');
    const int series = dot == std::string::npos ? 1 : std::stoi(number.substr(0, dot));
    const int running = std::stoi(dot == std::string::npos ? number : number.substr(dot + 1));
    highest[series] = std::max(highest[series], running);

    const auto& list = places[number];
    std::string stamp;
    bool extraOnly = true;
    std::string occurrences;
    for (const Occurrence* o : list) {
      if (!o->type.empty()) stamp = o->type;
      if (o->pane != ' ' || (o->position[0] >= '0' && o->position[0] <= '9')) extraOnly = false;
      std::string item(1, o->sheetGroup);
      std::string vp = value.valueCode + o->printing;
      vp.resize(6, ' ');
      item += vp;
      item += o->pane;
      item += std::string(7 - std::min<std::size_t>(7, o->position.size()), ' ') + o->position;
      occurrences += item;
    }
    if (stamp.empty()) stamp = "?";
    if (stamp.size() < 2) stamp += ' ';  // a field holds at least two characters

    Bitmap picture = design.picture;
    Description d;
    Dice dice(value.valueKey + "/" + number);
    const int flaws = 1 + dice.below(3);
    bool used[4] = {false, false, false, false};
    for (int k = 0; k < flaws; ++k) {
      // Each flaw of a cliché is of its own kind, so no two describe the same thing.
      int kind = dice.below(4);
      while (used[kind]) kind = (kind + 1) % 4;
      used[kind] = true;
      switch (kind) {
        case 0:
          frameBreak(picture, d, dice);
          break;
        case 1:
          colourDot(picture, design, d, dice);
          break;
        case 2:
          scratch(picture, design, d, dice);
          break;
        default:
          retouch(picture, design, d, dice);
          break;
      }
    }
    // flag + "*d" + "*m" + "*t" + "*b" tags and contents
    const std::size_t fixed = 1 + 3 + 3 + cpLength(stamp) + 3 + occurrences.size() + 3;
    if (fixed + 40 > static_cast<std::size_t>(kTextMax))
      throw std::runtime_error(value.valueKey + " " + number + ": too many occurrences");
    const std::string description = describe(d, extraOnly, kTextMax - fixed);

    const std::string key = upper(clicheKey(value.valueKey, number));
    writeRecordSource(outDir, "cliches",
                      {key,
                       value.valueKey + " C." + number,
                       {{'d', description}, {'m', stamp}, {'t', occurrences}},
                       &picture},
                      manifest);
  }

  // The series limits: the number of series, then the highest running number of 1..20.
  const std::string limitsName = upper(value.valueKey) + "0";
  int count = 0;
  for (const auto& [series, top] : highest) count = std::max(count, series);
  std::string limits = "# " + value.valueKey + ": number of series, highest running numbers\n" +
                       std::to_string(count) + "\n";
  for (int s = 1; s <= 20; ++s) limits += std::to_string(highest.count(s) ? highest[s] : 0) + "\n";
  writeText(outDir / (limitsName + ".txt"), limits);
  manifest += "int16    " + limitsName + " " + limitsName + ".txt count=21\n";
}

}  // namespace sampledat
