#include "sample-dat/two_colour_values.hpp"

#include <algorithm>
#include <functional>
#include <optional>
#include <set>
#include <stdexcept>
#include <tuple>

#include "sample-dat/flaw_drawing.hpp"
#include "sample-dat/output.hpp"

namespace sampledat::tc {
namespace {

// The frame settings in the order they were made (the frame data's block order).
const std::vector<std::string> kChronology = {
    "53", "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "18", "10", "11", "12", "13",
    "14", "15", "16", "17", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29",
    "30", "61", "32", "33", "58", "34", "35", "31", "36", "37", "38", "39", "40"};

int roll(const std::string& seed, int n) {
  return static_cast<int>(hashOf(seed) % static_cast<std::uint32_t>(n));
}

int leadingNumber(const std::string& s) {
  int n = 0;
  for (const char c : s) {
    if (c < '0' || c > '9') break;
    n = n * 10 + (c - '0');
  }
  return n;
}

std::vector<std::string> blocksBetween(const std::string& from, const std::string& to,
                                       const std::set<std::string>& without) {
  std::vector<std::string> out;
  bool in = false;
  for (const auto& b : kChronology) {
    if (b == from) in = true;
    if (in && !without.count(b)) out.push_back(b);
    if (b == to) break;
  }
  return out;
}

// Spreads printings [first, last) over the blocks in order.
void spread(std::vector<PrintingPlan>& ps, std::size_t first, std::size_t last,
            const std::vector<std::string>& blocks) {
  const std::size_t n = last - first;
  for (std::size_t k = 0; k < n; ++k) ps[first + k].reference = blocks[k * blocks.size() / n];
}

std::vector<PrintingPlan> named(const std::vector<std::string>& names, int layout) {
  std::vector<PrintingPlan> out;
  for (const auto& n : names) out.push_back({n, layout, "", 1, ""});
  return out;
}

std::vector<std::string> numbered(int from, int to) {
  std::vector<std::string> out;
  for (int i = from; i <= to; ++i) out.push_back(std::to_string(i));
  return out;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// How a value's oval plates were made and changed.
struct OvalRules {
  std::map<int, int> initial;              // series -> flawed ovals of a new plate
  std::map<int, std::vector<int>> forced;  // series -> positions flawed from the start
  // New ovals put in at a printing (positions); the default puts in none or one.
  std::function<std::vector<int>(const PrintingPlan&, int printingOfSeries)> fresh;
  std::set<int> uncertainPaneA, uncertainPaneB;  // printing indexes with "I?"
  std::set<std::size_t> secondState;             // printing indexes with a ">" record
};

std::string lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

class Builder {
 public:
  Builder(ValuePlan& v, const FramePlan& frames, OvalRules rules)
      : v_(v), frames_(frames), rules_(std::move(rules)) {}

  void build() {
    const bool onePaneFirst = v_.printings.front().layout == 1;
    v_.records.push_back(onePaneFirst ? "F1" : "F2");
    int layout = onePaneFirst ? 1 : 2;
    Fields read{};
    int info = 0, readLayout = 1;
    std::string reference;
    const auto emit = [&](const std::string& r) {
      if (r.size() > 18) throw std::runtime_error(v_.value + ": record too long: " + r);
      v_.records.push_back(r);
      applyValueRecord(r, read, info, readLayout, reference);
    };
    applyValueRecord(v_.records.back(), read, info, readLayout, reference);
    std::map<int, int> seriesUse;
    for (std::size_t k = 0; k < v_.printings.size(); ++k) {
      const PrintingPlan& p = v_.printings[k];
      const int last = p.layout == 1 ? 100 : 200;
      Fields& plate = plate_[p.series];
      std::set<int> fresh;
      if (!seriesUse.count(p.series)) {
        newPlate(p.series, plate);
      } else {
        std::vector<int> positions =
            rules_.fresh ? rules_.fresh(p, seriesUse[p.series]) : defaultFresh(p, last);
        std::sort(positions.begin(), positions.end());
        for (const int i : positions) {
          const std::set<int>& keep = forcedOf(p.series);
          if (keep.count(i) || !fresh.insert(i).second) continue;
          plate[static_cast<std::size_t>(i)] =
              Field{' ', ' ', typeAt(p.series, i, seriesUse[p.series]), number(p.series)};
        }
      }
      ++seriesUse[p.series];
      // What this printing shows: new ovals marked, a few uncertain places.
      Fields want = plate;
      for (const int i : fresh) {
        const int r = roll(v_.value + p.name + std::to_string(i), 12);
        want[static_cast<std::size_t>(i)].kind = r == 0 ? 'F' : r == 1 ? 'N' : 'n';
      }
      for (int i = 1; i <= last; ++i)
        if (roll(v_.value + "?" + p.name + "/" + std::to_string(i), 97) == 0)
          want[static_cast<std::size_t>(i)].mark = '?';
      const bool uncertainA = rules_.uncertainPaneA.count(static_cast<int>(k)) > 0;
      const bool uncertainB = rules_.uncertainPaneB.count(static_cast<int>(k)) > 0;
      for (int i = 1; i <= last; ++i) {
        if ((i <= 100 && uncertainA) || (i > 100 && uncertainB))
          want[static_cast<std::size_t>(i)].mark = '?';
      }

      emit("T" + p.name);
      if (p.layout != layout) emit("F" + std::to_string(p.layout));
      layout = p.layout;
      if (k == 0) emit("X0");
      emit("I" + std::to_string(1870 + static_cast<int>(k) / 12) + " " + kMonths[k % 12]);
      emit("I" + std::to_string(200 + roll(v_.value + p.name, 30) * 10) + " ark");
      emit(std::string(uncertainA ? "I?Blokke kendes" : "IHelark"));
      if (p.layout == 2) emit(std::string(uncertainB ? "I?Blokke kendes" : "IHelark"));
      emit("R" + p.reference);
      bool secondDone = !rules_.secondState.count(k);
      for (int i = 1; i <= last; ++i) {
        const Field& f = want[static_cast<std::size_t>(i)];
        if (k != 0 && f == read[static_cast<std::size_t>(i)]) continue;
        const std::string d = designation(i, p.layout == 1);
        if (!secondDone && fresh.count(i)) {
          emit(positionRecord(d, '>', read[static_cast<std::size_t>(i)]));
          secondDone = true;
        }
        emit(positionRecord(d, ' ', f));
      }
      for (int i = 1; i <= last; ++i)
        if (!(read[static_cast<std::size_t>(i)] == want[static_cast<std::size_t>(i)]))
          throw std::runtime_error(v_.value + p.name + ": the records do not give the table");
      collect(p, want);
    }
    v_.records.push_back("^F");
    // Read back every printing as the program does.
    for (const auto& p : v_.printings) {
      const Loaded l = ovalsOf(v_.records, p.name);
      if (!l.found || l.layout != (p.reference.ends_with("B") ? 3 : p.layout))
        throw std::runtime_error(v_.value + p.name + ": printing not read back");
    }
    for (const auto& [series, next] : next_) v_.series[static_cast<std::size_t>(series)] = next;
    v_.series[0] = static_cast<int>(next_.size());
  }

 private:
  static constexpr const char* kMonths[12] = {"jan.", "feb.", "marts", "april", "maj",  "juni",
                                              "juli", "aug.", "sept.", "okt.",  "nov.", "dec."};

  std::string number(int series) {
    const int n = ++next_[series];
    return v_.oneSeries ? std::to_string(n) : std::to_string(series) + "." + std::to_string(n);
  }

  std::string typeAt(int series, int i, int use) {
    const int r = roll(
        v_.value + std::to_string(series) + "/" + std::to_string(i) + "/" + std::to_string(use),
        40);
    if (r == 0) return "?";
    return std::to_string(1 + r % 6);
  }

  const std::set<int>& forcedOf(int series) {
    static const std::set<int> none;
    const auto it = forcedSets_.find(series);
    return it == forcedSets_.end() ? none : it->second;
  }

  void newPlate(int series, Fields& plate) {
    const int last = 200;
    std::set<int> flawed;
    for (const int i : rules_.forced[series]) flawed.insert(i);
    forcedSets_[series] = flawed;
    const int wanted = rules_.initial.count(series) ? rules_.initial[series] : 8;
    const int span = v_.printings.front().layout == 1 && v_.value != "20ø" ? 100 : last;
    for (int t = 0; static_cast<int>(flawed.size()) < wanted; ++t)
      flawed.insert(
          1 + roll(v_.value + "/plate" + std::to_string(series) + "/" + std::to_string(t), span));
    for (int i = 1; i <= last; ++i) {
      plate[static_cast<std::size_t>(i)] = Field{' ', ' ', typeAt(series, i, 0), ""};
      if (flawed.count(i)) plate[static_cast<std::size_t>(i)].flaw = number(series);
    }
  }

  std::vector<int> defaultFresh(const PrintingPlan& p, int last) {
    std::vector<int> out;
    if (roll(v_.value + "/fresh/" + p.name, 2) == 0)
      out.push_back(1 + roll(v_.value + "/where/" + p.name, last));
    return out;
  }

  void collect(const PrintingPlan& p, const Fields& ovals) {
    const bool fromB = p.reference.ends_with("B");
    std::string block = p.reference;
    if (block.ends_with("A") || block.ends_with("B")) block.pop_back();
    const int layout = fromB ? 3 : p.layout;
    const std::string key = block + "/" + std::to_string(layout);
    if (!frameCache_.count(key)) frameCache_[key] = framesOf(frames_.records, block, layout);
    const Fields& frames = frameCache_[key];
    const int last = p.layout == 1 ? 100 : 200;
    std::string vp = v_.code + lower(p.name);
    vp.resize(6, ' ');
    for (int i = 1; i <= last; ++i) {
      const Field& o = ovals[static_cast<std::size_t>(i)];
      if (o.flaw.empty()) continue;
      const Field& f = frames[static_cast<std::size_t>(i)];
      std::string place = std::to_string((i - 1) % 100 + 1);
      if (p.layout == 2) place = std::string(1, i <= 100 ? 'A' : 'B') + place;
      place.resize(4, ' ');
      const bool uncertain = o.mark != ' ' || (f.mark != ' ' && f.mark != 0);
      std::string item = " " + vp + place;
      item += isInverted(f.kind) ? 'O' : ' ';
      item += uncertain ? '?' : ' ';
      item += o.kind == ' ' ? ' ' : o.kind;
      item += ' ';
      v_.places[o.flaw].push_back(item);
      v_.ovalTypes[o.flaw] = o.type;
    }
  }

  ValuePlan& v_;
  const FramePlan& frames_;
  OvalRules rules_;
  std::map<int, Fields> plate_;
  std::map<int, int> next_;
  std::map<int, std::set<int>> forcedSets_;
  std::map<std::string, Fields> frameCache_;
};

ValuePlan fourSkilling() {
  ValuePlan v{"4s", "4s", false, named(std::vector<std::string>{"1", "2-3"} + numbered(4, 13), 2),
              {},   {},   {},    {}};
  const std::vector<std::string> refs = {"5",  "5",  "6",  "7",  "8",  "18",
                                         "18", "10", "11", "12", "13", "14"};
  for (std::size_t k = 0; k < refs.size(); ++k) {
    v.printings[k].reference = refs[k];
    const int n = leadingNumber(v.printings[k].name);
    v.printings[k].series = (n == 10 || n == 11 || n == 13) ? 2 : 1;
  }
  v.printings[5].remark = "(ny)";  // printing 7: the frames of setting 5 again, new clichés
  return v;
}

int eightOreSeries(int n) {
  if (n <= 8) return 1;
  if (n <= 12) return 2;
  if (n == 15 || (n >= 21 && n <= 23)) return 4;
  if (n <= 30) return 3;
  if (n <= 42) return 5;
  if (n <= 50) return 6;
  if (n <= 62) return 7;
  if (n <= 80) return 8;
  if (n <= 100) return 9;
  return 10;
}

ValuePlan eightOre() {
  ValuePlan v{"8ø",
              "8o",
              false,
              named(numbered(1, 8) + std::vector<std::string>{"9a", "9b-10"} + numbered(11, 32) +
                        std::vector<std::string>{"33a", "33b"} + numbered(34, 102) +
                        std::vector<std::string>{"103-104"} + numbered(105, 121),
                    2),
              {},
              {},
              {},
              {}};
  std::size_t at54 = 0;
  for (std::size_t k = 0; k < v.printings.size(); ++k) {
    v.printings[k].series = eightOreSeries(leadingNumber(v.printings[k].name));
    if (v.printings[k].name == "54") at54 = k;
  }
  const std::set<std::string> without = {"53", "5", "18", "58"};
  spread(v.printings, 0, at54, blocksBetween("1", "33", without));
  v.printings[at54].reference = v.printings[at54 + 1].reference = "58";
  spread(v.printings, at54 + 2, v.printings.size(), blocksBetween("34", "40", without));
  return v;
}

ValuePlan sixteenOre() {
  ValuePlan v{
      "16ø", "16o", false, named(numbered(1, 32) + std::vector<std::string>{"33A", "33B"}, 1),
      {},    {},    {},    {}};
  for (auto& p : v.printings) p.series = leadingNumber(p.name) <= 20 ? 1 : 2;
  spread(v.printings, 0, v.printings.size(), blocksBetween("19", "30", {}));
  for (auto& p : v.printings) {
    if (p.reference == "27") {  // the frames of the lower pane of setting 27
      p.reference = "27B";
      p.remark = "(B)";
    }
  }
  return v;
}

ValuePlan fourOre() {
  ValuePlan v{"4ø",
              "4o",
              false,
              named(numbered(1, 3) + std::vector<std::string>{"4-5"} + numbered(6, 10) +
                        std::vector<std::string>{"11a", "11b"} + numbered(12, 20) +
                        std::vector<std::string>{"21a", "21b"} + numbered(22, 95) +
                        std::vector<std::string>{"96-97"} + numbered(98, 100) +
                        std::vector<std::string>{"101-102"} + numbered(103, 111) +
                        std::vector<std::string>{"112-113"} + numbered(114, 130),
                    2),
              {},
              {},
              {},
              {}};
  for (auto& p : v.printings) {
    const int n = leadingNumber(p.name);
    p.series = n <= 11    ? 1
               : n <= 21  ? 2
               : n <= 40  ? 3
               : n <= 60  ? 4
               : n <= 80  ? 5
               : n <= 100 ? 6
               : n <= 115 ? 7
                          : 8;
  }
  spread(v.printings, 0, v.printings.size(), blocksBetween("1", "40", {"53", "5", "18", "58"}));
  return v;
}

ValuePlan fiftyOre() {
  ValuePlan v{
      "50ø", "50o", true, named(numbered(1, 11) + std::vector<std::string>{"12-13", "14"}, 1),
      {},    {},    {},   {}};
  spread(v.printings, 0, v.printings.size(), blocksBetween("10", "17", {"18"}));
  v.printings[2].reference += "A";
  return v;
}

ValuePlan twentyOre() {
  ValuePlan v{"20ø", "20o", true, named({"1a", "1b", "2", "3", "4", "5", "6", "7"}, 2),
              {},    {},    {},   {}};
  for (const std::size_t k : {0U, 1U, 5U, 7U}) v.printings[k].layout = 1;
  spread(v.printings, 0, v.printings.size(), blocksBetween("21", "26", {}));
  return v;
}

ValuePlan iceland(const std::string& value, const std::string& code) {
  ValuePlan v{value, code, true, named({"1", "2"}, 1), {}, {}, {}, {}};
  for (auto& p : v.printings) p.reference = "53";
  return v;
}

}  // namespace

std::string ValuePlan::sectionName() const {
  return upper("T" + value + "DAT");
}

std::vector<ValuePlan> planValues(const FramePlan& frames) {
  std::vector<ValuePlan> out;
  {
    ValuePlan v = fourSkilling();
    OvalRules r;
    r.initial = {{1, 16}, {2, 38}};
    r.fresh = [](const PrintingPlan& p, int) {
      return std::vector<int>{1 + roll("4s/" + p.name, 200), 1 + roll("4s+" + p.name, 200)};
    };
    r.uncertainPaneB = {11};  // printing 13: only blocks of pane B are known
    r.secondState = {4};
    Builder(v, frames, r).build();
    out.push_back(std::move(v));
  }
  {
    ValuePlan v = eightOre();
    OvalRules r;
    for (int s = 1; s <= 10; ++s) r.initial[s] = 9;
    r.forced = {{7, {54, 106, 143, 128, 89}}, {10, {132, 9}}};
    r.uncertainPaneA = {8};  // printing 9a
    r.secondState = {40};
    Builder(v, frames, r).build();
    out.push_back(std::move(v));
  }
  {
    ValuePlan v = sixteenOre();
    OvalRules r;
    r.initial = {{1, 50}, {2, 12}};
    // Series 1 grows to more than 87 flaws; the new oval at 94 of printing 8 is 1.87.
    r.fresh = [](const PrintingPlan& p, int) {
      const int n = leadingNumber(p.name);
      std::vector<int> at;
      if (n == 8) return std::vector<int>{94, 96, 99};
      const int count = n <= 7 ? 6 : 2;
      for (int t = 0; static_cast<int>(at.size()) < count; ++t) {
        const int i = 1 + roll("16o/" + p.name + "/" + std::to_string(t), 100);
        if (std::find(at.begin(), at.end(), i) == at.end()) at.push_back(i);
      }
      if (n > 20 && at.size() > 1) at.resize(1);
      return at;
    };
    Builder(v, frames, r).build();
    out.push_back(std::move(v));
  }
  {
    ValuePlan v = fourOre();
    OvalRules r;
    Builder(v, frames, r).build();
    out.push_back(std::move(v));
  }
  {
    ValuePlan v = fiftyOre();
    OvalRules r;
    r.initial = {{1, 10}};
    r.forced = {{1, {33, 40}}};
    r.fresh = [](const PrintingPlan& p, int) {
      std::vector<int> at;
      if (roll("50o/" + p.name, 2) == 0) at.push_back(1 + roll("50o+" + p.name, 100));
      return at;
    };
    Builder(v, frames, r).build();
    out.push_back(std::move(v));
  }
  {
    ValuePlan v = twentyOre();
    OvalRules r;
    r.initial = {{1, 10}};
    r.fresh = [](const PrintingPlan& p, int) {
      return std::vector<int>{1 + roll("20o/" + p.name, p.layout == 1 ? 100 : 200)};
    };
    Builder(v, frames, r).build();
    out.push_back(std::move(v));
  }
  for (const auto& [value, code] : {std::pair{"4a", "4a"}, std::pair{"25a", "25a"}}) {
    ValuePlan v = iceland(value, code);
    OvalRules r;
    r.initial = {{1, 6}};
    r.fresh = [name = std::string(value)](const PrintingPlan& p, int) {
      return std::vector<int>{1 + roll(name + p.name, 100)};
    };
    Builder(v, frames, r).build();
    out.push_back(std::move(v));
  }
  for (const auto& v : out)
    for (const auto& [flaw, items] : v.places)
      if (items.size() > 24)
        throw std::runtime_error(v.value + " " + flaw + ": too many places for one record");
  return out;
}

std::vector<std::string> seriesIndex() {
  const auto rec = [](const std::string& value, int s, int from, int to) {
    const auto four = [](const std::string& t) { return std::string(4 - t.size(), ' ') + t; };
    std::string v = value;
    // "ø" is two bytes in UTF-8 and one in the data: pad by characters.
    const std::size_t chars = cpLength(v);
    v += std::string(4 - chars, ' ');
    return v + four(std::to_string(s)) + four(std::to_string(from)) + four(std::to_string(to));
  };
  std::vector<std::string> out = {
      rec("4s", 1, 1, 9),    rec("4s", 2, 10, 11),    rec("4s", 1, 12, 12),
      rec("4s", 2, 13, 13),  rec("8ø", 1, 1, 8),      rec("8ø", 2, 9, 12),
      rec("8ø", 3, 13, 14),  rec("8ø", 4, 15, 15),    rec("8ø", 3, 16, 20),
      rec("8ø", 4, 21, 23),  rec("8ø", 3, 24, 30),    rec("8ø", 5, 31, 42),
      rec("8ø", 6, 43, 50),  rec("8ø", 7, 51, 62),    rec("8ø", 8, 63, 80),
      rec("8ø", 9, 81, 100), rec("8ø", 10, 101, 121), rec("16ø", 1, 1, 20),
      rec("16ø", 2, 21, 33), rec("4ø", 1, 1, 11),     rec("4ø", 2, 12, 21),
      rec("4ø", 3, 22, 40),  rec("4ø", 4, 41, 60),    rec("4ø", 5, 61, 80),
      rec("4ø", 6, 81, 100), rec("4ø", 7, 101, 115),  rec("4ø", 8, 116, 130),
      rec("50ø", 0, 1, 14),  rec("20ø", 0, 1, 7),     "*"};
  return out;
}

std::vector<std::string> printingOrder(const std::vector<ValuePlan>& values) {
  // (chronology index, value index, printing index) -> designation, per stored code.
  std::map<int, std::vector<std::tuple<std::size_t, std::size_t, std::size_t, std::string>>> byCode;
  for (std::size_t vi = 0; vi < values.size(); ++vi) {
    const ValuePlan& v = values[vi];
    for (std::size_t pi = 0; pi < v.printings.size(); ++pi) {
      std::string block = v.printings[pi].reference;
      if (block.ends_with("A") || block.ends_with("B")) block.pop_back();
      const auto at = std::find(kChronology.begin(), kChronology.end(), block);
      if (at == kChronology.end()) throw std::runtime_error("no frame block " + block);
      byCode[std::stoi(block)].emplace_back(
          static_cast<std::size_t>(at - kChronology.begin()), vi, pi,
          v.value + v.printings[pi].name + v.printings[pi].remark);
    }
  }
  std::vector<std::string> out;
  for (int shown = 1; shown <= 53; ++shown) {
    std::map<std::string, std::vector<std::string>> periods;  // "" / "1" / "2" -> fields
    for (auto& [code, list] : byCode) {
      std::string period;
      if (shownSetting(code, period) != shown) continue;
      std::sort(list.begin(), list.end());
      for (const auto& entry : list) periods[period].push_back(std::get<3>(entry));
    }
    const bool twoPeriods = periods.count("1") && periods.count("2");
    std::string line = std::to_string(shown) + ",";
    for (const auto& f : periods[""]) line += f + ",";
    if (!twoPeriods) {
      for (const auto& f : periods["1"]) line += f + ",";
      for (const auto& f : periods["2"]) line += f + ",";
    }
    if (twoPeriods) {
      // Setting 5 names its first period without a heading.
      if (shown != 5) line += "1. periode:,";
      for (const auto& f : periods["1"]) line += f + ",";
      line += "2. periode:,";
      for (const auto& f : periods["2"]) line += f + ",";
    }
    if (cpLength(line) > 320) throw std::runtime_error("TTRYK record " + line + " too long");
    out.push_back(line);
  }
  return out;
}

}  // namespace sampledat::tc
