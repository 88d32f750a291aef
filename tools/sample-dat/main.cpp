// kolvard-sample-dat: writes the printing data of the sample set ("DAT" sections: which
// stamp type "M." and which cliché "C." stands at each sheet position in each printing)
// as UTF-8 text, one 18-character record a line, ready for `kolvard-data pack` with the
// kind `inverted length=18`.
//
//   kolvard-sample-dat OUT_DIR
//
// It also writes the two-coloured edition (two_colour*.cpp): the value data "T" + value +
// "DAT" with a frame block reference ("R") in every printing, the frame data "TRAMDAT", the
// printing order "TTRYK", the frame flaw counts "TRFANTAL", the oval series tables and the
// series index "TCSERIER", and the oval and frame flaw records; see sampledata/README.md.
//
// Everything is invented and fully determined by these files: no clock, no random source.
//
// Record layout (columns 1-18):
//   1-5 designation  "A27", "B100", "17" (one-pane sheets), "+1" / ". 3" (extra clichés)
//   6   change mark  ">" (old state first, then the new one) or "<" (new state first)
//   7   mark of an extra cliché
//   8   position flag "?" uncertain, "o" known by its column only, "n" new cliché
//   9-12 type (M.), 13-18 cliché (C.)
// Headers: "F" + pane count or sheet group ("F2", "FK"), "T" + printing, "X0" (everything
// empty), "I" information lines (the third and later ones describe the panes A, B, C, D;
// "I?" marks a pane whose positions are not all known), "^F" at the end.
//
// A printing normally starts with "X0" and lists the whole sheet, because a search that
// starts at it skips the records of every earlier printing. The few printings that the
// program reads on top of an earlier one (P4s2, P4s3, P4s6, C3c2, C3c3, A4s12, M4ø21,
// V1ø5, V1ø6) list only what changed.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "sample-dat/cliches.hpp"
#include "sample-dat/composites.hpp"
#include "sample-dat/output.hpp"
#include "sample-dat/two_colour.hpp"
#include "sample-dat/two_colour_composites.hpp"
#include "sample-dat/two_colour_types.hpp"
#include "sample-dat/types.hpp"
#include "sample-dat/watermark.hpp"

namespace {

namespace fs = std::filesystem;

// A small deterministic mixing function; the same on every platform.
std::uint32_t mix(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

std::uint32_t seedOf(const std::string& text) {
  std::uint32_t h = 2166136261U;
  for (const char c : text) h = (h ^ static_cast<unsigned char>(c)) * 16777619U;
  return h;
}

enum class Group { None, H, V, K };

struct Cell {
  Cell() = default;
  Cell(std::string t, std::string c, char f = ' ')
      : type(std::move(t)), cliche(std::move(c)), flag(f) {}
  std::string type;
  std::string cliche;
  char flag = ' ';
};

// A change listed in a printing: a plain one replaces the position, a marked one ("<" or
// ">") records a second state within the printing.
struct Change {
  Change(int i, Cell c, char m = ' ') : index(i), cell(std::move(c)), mark(m) {}
  int index;
  Cell cell;
  char mark;
};

// An extra cliché: a cliché known from the printing whose place on the sheet is not known.
struct Extra {
  char lead;                // "+" or "."
  std::string designation;  // up to 4 characters
  char mark;
  Cell cell;
};

struct Printing {
  Printing(std::string n, std::vector<std::string> lines, bool isDelta = false)
      : name(std::move(n)), info(std::move(lines)), delta(isDelta) {}
  std::string name;                   // "1", "2-3", "10a"
  std::vector<std::string> info;      // the first two information lines
  bool delta = false;                 // lists only what changed
  std::vector<Change> changes;        // plain changes (the sheet keeps them)
  std::vector<Change> second;         // second states, written after the table
  std::vector<Extra> extras;          //
  std::map<int, std::string> panes;   // pane (0..3) -> pane line ("?Blokke" marks it uncertain)
  std::function<bool(int)> known;     // in an uncertain pane: the positions that are listed
  std::set<int> doubtful;             // flag "?" this printing
  std::set<int> columnOnly;           // flag "o" this printing
  std::set<int> columnOnlyBlank;      // flag "o", type and cliché not known
  std::set<int> relist;               // delta printings: positions listed again unchanged
  std::map<int, std::string> sheets;  // pane (0..3) -> the sheet-knowledge line of the pane
  std::map<int, char> marks;          // position -> a schema flag letter ("Q", "z", "W", ...)
};

class Section {
 public:
  Section(std::string name, int panes, Group group)
      : name_(std::move(name)), panes_(panes), group_(group), sheet_(401) {}

  std::vector<Cell>& sheet() { return sheet_; }
  const std::string& name() const { return name_; }
  int panes() const { return panes_; }
  // Every place where a cliché stands, printing by printing, as a reader of the section
  // sees it: the table after the printing's records (a printing without "X0" keeps the
  // earlier entries), the states replaced within the printing, and the extra clichés.
  const std::vector<sampledat::Occurrence>& occurrences() const { return occurrences_; }

  // The positions a full table lists: the whole sheet, or the part that a sheet group
  // repeats (top half, left half of each row, or the top-left quarter).
  std::vector<int> listed() const {
    std::vector<int> out;
    for (int i = 1; i <= 100 * panes_; ++i) {
      const int n = (i - 1) % 100 + 1;
      const int row = (n - 1) / 10;
      const int col = (n - 1) % 10 + 1;
      const bool top = row < 5;
      const bool left = col <= 5;
      if (group_ == Group::H && !top) continue;
      if (group_ == Group::V && !left) continue;
      if (group_ == Group::K && !(top && left)) continue;
      out.push_back(i);
    }
    return out;
  }

  void form() {
    switch (group_) {
      case Group::H:
        add("FH");
        break;
      case Group::V:
        add("FV");
        break;
      case Group::K:
        add("FK");
        break;
      case Group::None:
        add("F" + std::to_string(panes_));
        break;
    }
  }

  void printing(const Printing& p) {
    knowledge(p);
    add("T" + p.name);
    if (!p.delta) shown_.clear();
    writtenNow_.clear();
    replacedNow_.clear();
    if (!p.delta) add("X0");
    for (const auto& line : p.info) add("I" + line);
    for (int pane = 0; pane < panes_; ++pane) {
      const auto it = p.panes.find(pane);
      add("I" + (it != p.panes.end() ? it->second : std::string("Helark")));
    }
    for (const auto& c : p.changes) sheet_.at(static_cast<std::size_t>(c.index)) = c.cell;
    const auto flagged = [&](int i) {
      Cell c = sheet_[static_cast<std::size_t>(i)];
      c.flag = ' ';
      for (const auto& ch : p.changes)
        if (ch.index == i) c.flag = ch.cell.flag;
      if (p.doubtful.count(i)) c.flag = '?';
      if (p.columnOnly.count(i)) c.flag = 'o';
      if (p.columnOnlyBlank.count(i)) c = Cell{"", "", 'o'};
      if (const auto m = p.marks.find(i); m != p.marks.end()) c.flag = m->second;
      return c;
    };
    const auto uncertain = [&](int i) {
      const auto it = p.panes.find((i - 1) / 100);
      return it != p.panes.end() && !it->second.empty() && it->second[0] == '?' &&
             !(p.known && p.known(i));
    };
    if (p.delta) {
      std::set<int> touched(p.relist);
      for (const auto& c : p.changes) touched.insert(c.index);
      for (const int i : p.doubtful) touched.insert(i);
      for (const int i : p.columnOnly) touched.insert(i);
      for (const int i : p.columnOnlyBlank) touched.insert(i);
      for (const auto& [i, mark] : p.marks) touched.insert(i);
      for (const int i : touched) position(i, flagged(i), ' ');
    } else {
      for (const int i : listed()) {
        if (uncertain(i)) continue;
        position(i, flagged(i), ' ');
      }
    }
    for (const auto& s : p.second) {
      position(s.index, s.cell, s.mark);
      // After the printing the sheet holds the state that the later sheets show.
      if (s.mark == '>')
        sheet_.at(static_cast<std::size_t>(s.index)) = Cell{s.cell.type, s.cell.cliche, ' '};
    }
    std::map<std::pair<int, std::string>, Cell> standing;
    for (const auto& [index, cell] : replacedNow_) standing[{index, cell.cliche}] = cell;
    for (const auto& [index, cell] : shown_) standing[{index, cell.cliche}] = cell;
    for (const auto& [where, cell] : standing) {
      if (cell.cliche.empty()) continue;
      const int index = where.first;
      sampledat::Occurrence o;
      o.printing = p.name;
      o.pane = panes_ == 1 ? ' ' : static_cast<char>('A' + (index - 1) / 100);
      o.position = std::to_string((index - 1) % 100 + 1);
      o.type = cell.type;
      o.cliche = cell.cliche;
      o.sheetGroup = groupLetter();
      occurrences_.push_back(o);
    }
    for (const auto& e : p.extras) {
      std::string d(1, e.lead);
      d += e.designation;
      record(d, ' ', e.mark, e.cell);
      sampledat::Occurrence o;
      o.printing = p.name;
      o.position = d;
      o.type = e.cell.type;
      o.cliche = e.cell.cliche;
      o.sheetGroup = groupLetter();
      occurrences_.push_back(o);
    }
  }

  void end() { add("^F"); }

  // The sheet-knowledge section (name with "DAU" for "DAT"): per printing the record
  // "T" + printing, a spare record, the information line, a spare record and one "I" line
  // per pane A..D.
  void writeKnowledge(const fs::path& dir) const {
    const fs::path path = dir / knowledgeFile();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const auto& line : knowledge_) out << line << '\n';
    if (!out) throw std::runtime_error(path.string() + ": cannot be written");
  }
  std::string knowledgeName() const { return name_.substr(0, name_.size() - 3) + "DAU"; }
  std::string knowledgeFile() const { return knowledgeName() + ".txt"; }

  void write(const fs::path& dir) const {
    const fs::path path = dir / (name_ + ".txt");
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const auto& r : records_) {
      std::string line = r;
      while (!line.empty() && line.back() == ' ') line.pop_back();
      out << line << '\n';
    }
    if (!out) throw std::runtime_error(path.string() + ": cannot be written");
  }

 private:
  void add(const std::string& record) {
    if (record.size() > 18)
      throw std::runtime_error(name_ + ": record \"" + record + "\" too long");
    records_.push_back(record);
  }

  std::string designation(int index) const {
    const int n = (index - 1) % 100 + 1;
    if (panes_ == 1) return std::to_string(n);
    return std::string(1, static_cast<char>('A' + (index - 1) / 100)) + std::to_string(n);
  }

  void position(int index, const Cell& c, char mark) {
    record(designation(index), mark, ' ', c);
    const auto it = shown_.find(index);
    if (it != shown_.end() && writtenNow_.count(index) && it->second.cliche != c.cliche)
      replacedNow_.emplace_back(index, it->second);
    shown_[index] = c;
    writtenNow_.insert(index);
  }

  char groupLetter() const {
    switch (group_) {
      case Group::H:
        return 'H';
      case Group::V:
        return 'V';
      case Group::K:
        return 'K';
      case Group::None:
        break;
    }
    return ' ';
  }

  void record(const std::string& designation, char change, char extraMark, const Cell& c) {
    auto field = [&](const std::string& text, std::size_t width) {
      if (text.size() > width)
        throw std::runtime_error(name_ + ": field \"" + text + "\" too wide");
      return text + std::string(width - text.size(), ' ');
    };
    add(field(designation, 5) + change + extraMark + c.flag + field(c.type, 4) +
        field(c.cliche, 6));
  }

  void knowledge(const Printing& p) {
    knowledge_.push_back("T" + p.name);
    knowledge_.push_back("-");
    std::string info;
    for (const auto& line : p.info) info += (info.empty() ? "" : ", ") + line;
    knowledge_.push_back(info);
    knowledge_.push_back("-");
    for (int pane = 0; pane < 4; ++pane) {
      std::string line;
      if (const auto it = p.sheets.find(pane); it != p.sheets.end()) {
        line = it->second;
      } else if (pane >= panes_) {
        line = "";
      } else if (const auto dat = p.panes.find(pane); dat != p.panes.end()) {
        // The pane lines of the printing data say what kind of knowledge there is.
        const std::string& d = dat->second;
        if (d.find("Blok") != std::string::npos) {
          line = "?Blokke: " + std::string(1, static_cast<char>('A' + pane)) + "1-" +
                 std::string(1, static_cast<char>('A' + pane)) + "30";
        } else if (d.find("Halvark") != std::string::npos) {
          line = "?Halvark (øverste halvdel)";
        } else if (d.starts_with("Supplement")) {
          line = d + " som tryk " + p.name;
        } else {
          line = d;
        }
      } else {
        line = "Helark: " + (p.info.size() > 1 ? p.info[1] : std::string("1 ark"));
      }
      knowledge_.push_back("I" + line);
    }
  }

  std::string name_;
  int panes_;
  Group group_;
  std::vector<std::string> knowledge_;
  std::vector<Cell> sheet_;
  std::vector<std::string> records_;
  std::map<int, Cell> shown_;                       // the table as a reader has it now
  std::set<int> writtenNow_;                        // positions listed in this printing
  std::vector<std::pair<int, Cell>> replacedNow_;   // first states replaced in this printing
  std::vector<sampledat::Occurrence> occurrences_;  //
};

// The type of a cliché: drawn from the value's types by a fixed hash; about one cliché in
// thirty has no determined type.
std::string typeFor(const std::vector<std::string>& types, const std::string& key, int n) {
  const std::uint32_t h = mix(seedOf(key) ^ static_cast<std::uint32_t>(n) * 2654435761U);
  if (h % 31 == 0) return "";
  return types[(h >> 8) % types.size()];
}

bool chance(const std::string& key, int n, std::uint32_t oneIn) {
  return mix(seedOf(key) + static_cast<std::uint32_t>(n) * 40503U) % oneIn == 0;
}

// Plate-coded number: plate digit and place, place 100 written "00".
std::string plateCoded(int plate, int place) {
  const int p = place % 100;
  return std::to_string(plate) + (p < 10 ? "0" : "") + std::to_string(p);
}

const std::vector<std::string> kV_TYPES = {"1", "2",  "3", "3A", "4",  "5",  "6",
                                           "7", "7A", "8", "9",  "10", "11", "12"};

// ---- C 3 cents: two plates, plate-coded numbers; printings 2 and 3 on top of 1 ----------

Section c3c() {
  Section s("C3CDAT", 2, Group::None);
  const std::vector<std::string> types = {"1", "2", "3", "4", "5", "6"};
  for (int i = 1; i <= 200; ++i) {
    const int plate = i <= 100 ? 1 : 2;
    s.sheet()[static_cast<std::size_t>(i)] =
        Cell{typeFor(types, "C3c", i), plateCoded(plate, (i - 1) % 100 + 1)};
  }
  s.form();
  Printing p1{"1", {"1872 marts", "450 ark"}};
  p1.doubtful = {88, 177};
  s.printing(p1);
  Printing p2{"2", {"1873 juni", "520 ark"}, true};
  p2.changes = {{17, {"4", "117", 'n'}}, {158, {"2", "258", 'n'}}};
  p2.relist = {88, 177};  // no longer doubtful
  s.printing(p2);
  Printing p3{"3", {"1874 jan.", "550 ark"}, true};
  p3.changes = {{81, {"5", "181", 'n'}}};
  p3.relist = {17, 158};
  p3.doubtful = {103};
  p3.second = {{64, {"6", "164", 'n'}, '>'}};
  s.printing(p3);
  s.end();
  return s;
}

// ---- P 4 skilling 1854: plate pairs I/II (1-3), III/IV (4, 6), V/VI (5) -----------------
// The data lists printing 6 right after printing 4, whose plates it shares, and printing 5
// last: a search up to printing 5 therefore reads on through printing 6.

Section p4s() {
  Section s("P4SDAT", 2, Group::None);
  const std::vector<std::string> types = {"1",  "2",  "3",  "3A", "4",  "5",  "6",   "7",
                                          "7A", "8",  "9",  "10", "11", "12", "12A", "13",
                                          "14", "15", "16", "17", "18", "19", "20"};
  const auto fill = [&](int series, int firstPlate) {
    for (int i = 1; i <= 200; ++i) {
      const int plate = firstPlate + (i > 100 ? 1 : 0);
      s.sheet()[static_cast<std::size_t>(i)] =
          Cell{typeFor(types, "P4s" + std::to_string(plate), (i - 1) % 100 + 1),
               std::to_string(series) + "." + plateCoded(plate, (i - 1) % 100 + 1)};
    }
  };
  const auto at = [&](int i) { return s.sheet()[static_cast<std::size_t>(i)]; };
  s.form();
  fill(1, 1);
  Printing p1{"1", {"1854 nov.", "370 ark"}};
  p1.doubtful = {45, 146};
  p1.columnOnly = {9};
  s.printing(p1);

  Printing p2{"2", {"1855 april", "210 ark"}, true};
  p2.changes = {{27, {"3A", at(27).cliche, 'n'}}, {144, {"12A", at(144).cliche, 'n'}}};
  p2.relist = {45, 146, 9};
  p2.doubtful = {90};
  s.printing(p2);

  Printing p3{"3", {"1856 sept.", "480 ark"}, true};
  p3.changes = {{61, {"7A", at(61).cliche, 'n'}}};
  p3.relist = {27, 144, 90};
  p3.extras = {{'+', "1", '*', {"9", "1.233"}}};
  s.printing(p3);

  fill(2, 3);
  Printing p4{"4", {"1857 marts", "560 ark"}};
  p4.doubtful = {100, 200};
  p4.columnOnlyBlank = {110};
  s.printing(p4);

  Printing p6{"6", {"1858 okt.", "420 ark"}, true};
  p6.changes = {{33, {"5", at(33).cliche, 'n'}}, {172, {"16", at(172).cliche, 'n'}}};
  p6.relist = {100, 200, 110};
  p6.second = {{51, {"8", at(51).cliche, 'n'}, '<'}};
  s.printing(p6);

  fill(3, 5);
  Printing p5{"5", {"1858 jan.", "280 ark"}};
  p5.panes = {{1, "?Blokke kendes"}};
  p5.known = [](int i) { return i <= 140 || (i - 101) % 10 < 3; };
  p5.doubtful = {12};
  s.printing(p5);
  s.end();
  return s;
}

// ---- A 4 skilling 1864: four panes, printings 2-3 one unit, halves 8a/8b and 10a/10b --

Section a4s() {
  Section s("A4SDAT", 4, Group::None);
  const std::vector<std::string> types = {"1",   "2",  "3",  "3A",  "4",  "5",  "6",
                                          "7",   "7A", "8",  "9",   "10", "11", "12",
                                          "12A", "13", "14", "14B", "15", "16"};
  const auto fill = [&](int series) {
    for (int i = 1; i <= 400; ++i)
      s.sheet()[static_cast<std::size_t>(i)] =
          Cell{typeFor(types, "A4s" + std::to_string(series), i),
               std::to_string(series) + "." + std::to_string(i)};
  };
  const auto at = [&](int i) { return s.sheet()[static_cast<std::size_t>(i)]; };
  const auto supplement = [&] {
    // The supplement sheets of printings 4 and 6 hold the seventeen spare clichés.
    for (int k = 1; k <= 17; ++k)
      s.sheet()[static_cast<std::size_t>(200 + k)] =
          Cell{typeFor(types, "A4s0", k), "0." + std::to_string(k)};
  };
  s.form();
  struct Step {
    const char* name;
    int series;
    const char* when;
    const char* sheets;
  };
  const std::vector<Step> steps = {
      {"1", 1, "1864 jan.", "240 ark"},   {"2-3", 1, "1864 maj-aug.", "1020 ark"},
      {"4", 1, "1865 febr.", "210 ark"},  {"5", 2, "1865 okt.", "230 ark"},
      {"6", 2, "1866 april", "390 ark"},  {"7", 3, "1867 jan.", "400 ark"},
      {"8a", 2, "1867 nov.", "260 ark"},  {"8b", 3, "1868 febr.", "260 ark"},
      {"9", 4, "1868 dec.", "390 ark"},   {"10a", 4, "1869 juli", "215 ark"},
      {"10b", 4, "1870 jan.", "215 ark"}, {"11", 5, "1870 nov.", "300 ark"},
  };
  int lastSeries = -1;
  int fresh = 400;  // running numbers of replacement clichés
  for (std::size_t n = 0; n < steps.size(); ++n) {
    const Step& st = steps[n];
    if (st.series != lastSeries) fill(st.series);
    lastSeries = st.series;
    Printing p{st.name, {st.when, st.sheets}};
    const std::string key = std::string("A4s") + st.name;
    const std::string series = std::to_string(st.series) + ".";
    if (p.name == "4" || p.name == "6") {
      supplement();
      p.panes = {{2, "Supplement 1"}, {3, "Supplement 2"}};
    }
    // A few clichés replaced in every printing, flagged as new.
    for (int k = 0; k < 3; ++k) {
      const int i = 1 + static_cast<int>(mix(seedOf(key) + static_cast<std::uint32_t>(k)) % 200);
      p.changes.push_back({i, {typeFor(types, key, i), series + std::to_string(++fresh), 'n'}});
    }
    for (int i = 1; i <= 400; ++i) {
      if (chance(key, i, 97)) p.doubtful.insert(i);
      if (chance(key + "o", i, 151)) p.columnOnly.insert(i);
    }
    // Second states: the cliché was exchanged while the printing ran.
    if (p.name == "5" || p.name == "7" || p.name == "9" || p.name == "10b") {
      const int i = 11 + static_cast<int>(mix(seedOf(key + ">")) % 180);
      p.second.push_back(
          {i, {typeFor(types, key + ">", i), series + std::to_string(++fresh), 'n'}, '>'});
      const int j = 211 + static_cast<int>(mix(seedOf(key + "<")) % 180);
      p.second.push_back({j, {at(j).type, series + std::to_string(++fresh), ' '}, '<'});
    }
    if (p.name == "8a") {
      p.panes = {{2, "?Blokke kendes"}};
      p.known = [](int i) { return i <= 230; };
    }
    if (p.name == "10b") {
      p.panes = {{3, "?Halvark kendes"}};
      p.known = [](int i) { return i <= 350; };
    }
    if (p.name == "7")
      p.extras = {{'+', "1", '*', {"12", "3.417"}}, {'+', "2", '*', {"", "3.418"}}};
    s.printing(p);
  }
  // Printing 12 is read on top of printing 11.
  Printing p12{"12", {"1871 aug.", "260 ark"}, true};
  p12.changes = {
      {18, {"7A", "5.421", 'n'}}, {236, {"3", "5.422", 'n'}}, {317, {"14B", "5.423", 'n'}}};
  s.printing(p12);
  s.end();
  return s;
}

// ---- V 1 øre: one pane; printings 5 and 6 on top of 4 ------------------------------------

Section v1o() {
  Section s("V1ODAT", 1, Group::None);
  for (int i = 1; i <= 100; ++i)
    s.sheet()[static_cast<std::size_t>(i)] = Cell{typeFor(kV_TYPES, "V1o", i), std::to_string(i)};
  s.form();
  Printing p1{"1", {"1882 juli", "320 ark"}};
  p1.doubtful = {91};
  s.printing(p1);
  Printing p2{"2", {"1884 maj", "360 ark"}};
  p2.changes = {{17, {"3A", "101", 'n'}}, {58, {"7", "102", 'n'}}};
  s.printing(p2);
  Printing p3{"3", {"1886 marts", "200 ark"}};
  p3.changes = {{33, {"10", "103", 'n'}}};
  p3.columnOnlyBlank = {70};
  p3.extras = {{'+', "1", '*', {"5", "104"}}};
  s.printing(p3);
  Printing p4{"4", {"1889 okt.", "200 ark"}};
  p4.changes = {{64, {"12", "105", 'n'}}};
  s.printing(p4);
  Printing p5{"5", {"1891 april", "470 ark"}, true};
  p5.changes = {{72, {"8", "106", 'n'}}};
  p5.relist = {64};
  p5.doubtful = {5};
  s.printing(p5);
  Printing p6{"6", {"1894 jan.", "290 ark"}, true};
  p6.relist = {72, 5};
  p6.second = {{40, {"7A", "107", 'n'}, '>'}};
  s.printing(p6);
  s.end();
  return s;
}

// ---- V 5 øre: two panes, 61 printings, each a full table; three series of clichés ----

Section v5o() {
  Section s("V5ODAT", 2, Group::None);
  const auto fill = [&](int series) {
    for (int i = 1; i <= 200; ++i)
      s.sheet()[static_cast<std::size_t>(i)] =
          Cell{typeFor(kV_TYPES, "V5o" + std::to_string(series), i),
               std::to_string(series) + "." + std::to_string(i)};
  };
  static const char* const kMonths[] = {"jan.", "marts", "maj", "juli", "sept.", "nov."};
  s.form();
  int fresh = 200;
  int extras = 0;
  for (int n = 1; n <= 61; ++n) {
    const int series = n <= 20 ? 1 : n <= 40 ? 2 : 3;
    if (n == 1 || n == 21 || n == 41) {
      fill(series);
      fresh = 200;
    }
    const std::string key = "V5o" + std::to_string(n);
    const std::string prefix = std::to_string(series) + ".";
    const int year = 1882 + (n - 1) * 2 / 5;
    Printing p{std::to_string(n),
               {std::to_string(year) + " " + kMonths[static_cast<std::size_t>(n % 6)],
                std::to_string(200 + static_cast<int>(mix(seedOf(key)) % 40) * 10) + " ark"}};
    // One to four clichés replaced per printing.
    const int count = 1 + static_cast<int>(mix(seedOf(key + "#")) % 4);
    for (int k = 0; k < count; ++k) {
      const int i =
          1 + static_cast<int>(mix(seedOf(key) ^ static_cast<std::uint32_t>(k + 1)) % 200);
      p.changes.push_back({i, {typeFor(kV_TYPES, key, i), prefix + std::to_string(++fresh), 'n'}});
    }
    for (int i = 1; i <= 200; ++i) {
      if (chance(key, i, 83)) p.doubtful.insert(i);
      if (chance(key + "o", i, 199)) p.columnOnly.insert(i);
    }
    if (n % 7 == 3) {
      const int i = 1 + static_cast<int>(mix(seedOf(key + ">")) % 200);
      p.second.push_back(
          {i, {typeFor(kV_TYPES, key + ">", i), prefix + std::to_string(++fresh), 'n'}, '>'});
    }
    if (n == 26) {
      const int i = 101 + static_cast<int>(mix(seedOf(key + "<")) % 100);
      p.second.push_back({i, {"", prefix + std::to_string(++fresh), ' '}, '<'});
    }
    if (n == 21 || n == 41) extras = 0;  // "X0" starts the count again
    if (n % 9 == 4) {
      p.extras.push_back({'+',
                          std::to_string(++extras),
                          '*',
                          {typeFor(kV_TYPES, key + "+", 1), prefix + std::to_string(++fresh)}});
    }
    if (n == 33) p.extras.push_back({'.', " 7", 's', {"9", prefix + std::to_string(++fresh)}});
    if (n == 2 || n == 15 || n == 47 || n == 61) {
      p.panes = {{1, "?Blokke kendes"}};
      p.known = [n](int i) { return ((i - 101) / 10 + n) % 3 == 0; };
    }
    s.printing(p);
    // Each printing is a full table, so extras are listed afresh after its "X0".
    extras = 0;
  }
  s.end();
  return s;
}

// ---- M 4 øre: two panes, 21 printings; printing 21 on top of 20 -------------------------

Section m4o() {
  Section s("M4ODAT", 2, Group::None);
  const std::vector<std::string> types = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
  const auto fill = [&](int series) {
    for (int i = 1; i <= 200; ++i) {
      const std::string number = std::to_string(i);
      s.sheet()[static_cast<std::size_t>(i)] =
          Cell{typeFor(types, "M4o" + std::to_string(series), i),
               series == 1 ? number : std::to_string(series) + "." + number};
    }
  };
  s.form();
  int fresh = 200;
  for (int n = 1; n <= 20; ++n) {
    if (n == 1 || n == 10) {
      fill(n == 1 ? 1 : 2);
      fresh = 200;
    }
    const std::string key = "M4o" + std::to_string(n);
    const std::string prefix = n < 10 ? "" : "2.";
    Printing p{std::to_string(n), {std::to_string(1875 + n) + " april", "320 ark"}};
    const int count = 1 + static_cast<int>(mix(seedOf(key)) % 3);
    for (int k = 0; k < count; ++k) {
      const int i =
          1 + static_cast<int>(mix(seedOf(key) + static_cast<std::uint32_t>(k) * 7U) % 200);
      p.changes.push_back({i, {typeFor(types, key, i), prefix + std::to_string(++fresh), 'n'}});
    }
    for (int i = 1; i <= 200; ++i)
      if (chance(key, i, 71)) p.doubtful.insert(i);
    if (n == 6 || n == 13)
      p.second.push_back({57, {"4", prefix + std::to_string(++fresh), 'n'}, '>'});
    if (n == 8) p.extras = {{'+', "1", '*', {"3", std::to_string(++fresh)}}};
    if (n == 11) {
      p.panes = {{0, "?Blokke kendes"}};
      p.known = [](int i) { return i % 10 >= 1 && i % 10 <= 4; };
    }
    if (n == 3) {
      // Every schema flag letter once, in the first two rows of pane A.
      const std::string letters = "?zopq!Z*OPQnFNXUVW";
      for (std::size_t k = 0; k < letters.size(); ++k)
        p.marks[static_cast<int>(k) + 1] = letters[k];
      p.sheets = {{1, "Tavle som tryk 2"}};
    }
    if (n == 4) p.sheets = {{0, "Kun enkeltmærker"}, {1, "Kun enkeltmærker"}};
    s.printing(p);
  }
  Printing p21{"21", {"1896 nov.", "340 ark"}, true};
  p21.changes = {{12, {"6", "2.231", 'n'}}, {149, {"2", "2.232", 'n'}}};
  s.printing(p21);
  s.end();
  return s;
}

// ---- Iceland, oval type: sheets made of a repeated part -----------------------------------

struct IcelandValue {
  std::string name;  // section name
  Group group;
  int printings;
  int secondSeriesFrom;          // 0: one series only
  std::vector<int> arrangement;  // cliché number of each master, in listed order
  std::vector<std::string> types;
  std::function<void(int, Printing&, Section&)> adjust;
};

Section iceland(const IcelandValue& v) {
  Section s(v.name, 1, v.group);
  const auto masters = s.listed();
  s.form();
  for (int n = 1; n <= v.printings; ++n) {
    const bool second = v.secondSeriesFrom > 0 && n >= v.secondSeriesFrom;
    const std::string key = v.name + std::to_string(n);
    // The clichés stay on the sheet from printing to printing; a new series replaces them.
    for (std::size_t k = 0; k < masters.size() && (n == 1 || n == v.secondSeriesFrom); ++k) {
      const int number = v.arrangement.empty() ? static_cast<int>(k) + 1 : v.arrangement[k];
      s.sheet()[static_cast<std::size_t>(masters[k])] =
          Cell{typeFor(v.types, v.name + (second ? "2" : "1"), number),
               (second ? "2." : "") + std::to_string(number)};
    }
    Printing p{std::to_string(n),
               {std::to_string(1876 + 2 * n) + " juni", std::to_string(150 + 20 * n) + " ark"}};
    for (const int i : masters)
      if (chance(key, i, 29)) p.doubtful.insert(i);
    if (v.adjust) v.adjust(n, p, s);
    s.printing(p);
  }
  s.end();
  return s;
}

Section i3a() {
  IcelandValue v{"I3ADAT", Group::K, 8, 5, {}, {"1", "2", "3", "4", "5"}, nullptr};
  v.adjust = [](int n, Printing& p, Section& s) {
    auto& sheet = s.sheet();
    if (n == 3) {  // clichés 23 and 25 change places
      sheet[43].cliche = "25";
      sheet[45].cliche = "23";
    }
    if (n == 6) p.columnOnlyBlank = {14};
    if (n == 7) {
      p.panes = {{0, "?Blokke kendes"}};
      p.known = [](int i) { return i <= 25; };
    }
  };
  return iceland(v);
}

Section i10a() {
  // An irregular arrangement of the 25 clichés: 11 at 15, 8 at 32, 13 at 43.
  IcelandValue v{
      "I10ADAT",
      Group::K,
      10,
      0,
      {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 14, 15, 16, 17, 18, 8, 19, 20, 21, 22, 23, 13, 24, 25},
      {"1", "2", "3", "4", "5", "6"},
      nullptr};
  v.adjust = [](int n, Printing& p, Section&) {
    if (n == 2) p.columnOnly = {23};
    if (n == 9) p.second = {{34, {"6", "26", 'n'}, '>'}};
  };
  return iceland(v);
}

Section i20a() {
  IcelandValue v{"I20ADAT", Group::V, 8, 0, {}, {"1", "2", "3", "4"}, nullptr};
  v.adjust = [](int n, Printing& p, Section& s) {
    if (n == 6) {  // clichés 11 and 17 change places
      s.sheet()[21].cliche = "17";
      s.sheet()[32].cliche = "11";
    }
    if (n == 4) p.extras = {{'+', "1", '*', {"2", "51"}}};
  };
  return iceland(v);
}

Section i6a() {
  IcelandValue v{"I6ADAT", Group::H, 8, 0, {}, {"1", "2", "3", "4", "5", "6", "7"}, nullptr};
  v.adjust = [](int n, Printing& p, Section&) {
    if (n == 5) p.changes = {{38, {"3", "51", 'n'}}};
  };
  return iceland(v);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: kolvard-sample-dat OUT_DIR\n";
    return 2;
  }
  try {
    const fs::path outDir = argv[1];
    fs::create_directories(outDir);
    // The values whose clichés have records, and how their occurrence lists write them.
    const std::map<std::string, std::pair<std::string, std::string>> withCliches = {
        {"C3CDAT", {"C3c", "3c"}}, {"P4SDAT", {"P4s", "4s"}}, {"A4SDAT", {"A4s", "4s"}},
        {"V1ODAT", {"V1ø", "1o"}}, {"V5ODAT", {"V5ø", "5o"}}, {"M4ODAT", {"M4ø", "4o"}}};
    std::string manifest =
        "# Written by kolvard-sample-dat: the cliché records and series limits of the sample\n"
        "# values, included by sampledata/manifest.txt.\n";
    for (const auto& make : {c3c, p4s, a4s, v1o, v5o, m4o, i3a, i10a, i20a, i6a}) {
      const Section section = make();
      section.write(outDir);
      section.writeKnowledge(outDir);
      manifest += "text     " + section.knowledgeName() + " " + section.knowledgeFile() + "\n";
      const auto it = withCliches.find(section.name());
      if (it != withCliches.end()) {
        sampledat::writeValueCliches({it->second.first, it->second.second, section.occurrences()},
                                     outDir, manifest);
      }
    }
    sampledat::writeText(outDir / "cliches.manifest", manifest);
    std::string types = "# Written by kolvard-sample-dat: the type pages and type records.\n";
    sampledat::writeTypes(outDir, types);
    sampledat::writeText(outDir / "types.manifest", types);
    std::string composites = "# Written by kolvard-sample-dat: the composite clichés.\n";
    sampledat::writeComposites(outDir, composites);
    sampledat::writeText(outDir / "composites.manifest", composites);
    std::string watermarks = "# Written by kolvard-sample-dat: the watermark drawing.\n";
    sampledat::writeWatermarks(outDir, watermarks);
    sampledat::writeText(outDir / "watermarks.manifest", watermarks);
    std::string twoColour = "# Written by kolvard-sample-dat: the two-coloured edition.\n";
    sampledat::writeTwoColour(outDir, twoColour);
    sampledat::writeTwoColourTypes(outDir, twoColour);
    sampledat::writeTwoColourComposites(outDir, twoColour);
    sampledat::writeText(outDir / "twocolour.manifest", twoColour);
  } catch (const std::exception& e) {
    std::cerr << "kolvard-sample-dat: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
