// The printing data ("DAT" sections) and the register help texts ("INFOF0") of the sample
// KOL703.dat: every record decodes to a kind the readers know, the printings run as the
// register and flaw screens expect, and the positions fit the sheet of their value.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "data/data_file.hpp"
#include "data/inverted_record.hpp"
#include "support/sample_data.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

const DataFile& sample() {
  return test::sampleData();
}

std::string trimRight(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

// How a value's sheet is laid out and which of its printings are read on top of earlier
// ones (they list only what changed and have no "X0").
struct DatSpec {
  std::string section;
  int panes;
  char group;   // ' ', 'H', 'V' or 'K'
  int highest;  // the value's highest printing in the printing count table
  std::set<std::string> deltas;
  std::vector<std::string> headerOrder;  // when not simply ascending
};

const std::vector<DatSpec>& specs() {
  static const std::vector<DatSpec> list = {
      {"C3CDAT", 2, ' ', 3, {"2", "3"}, {}},
      {"P4SDAT", 2, ' ', 6, {"2", "3", "6"}, {"1", "2", "3", "4", "6", "5"}},
      {"A4SDAT",
       4,
       ' ',
       12,
       {"12"},
       {"1", "2-3", "4", "5", "6", "7", "8a", "8b", "9", "10a", "10b", "11", "12"}},
      {"V1ODAT", 1, ' ', 6, {"5", "6"}, {}},
      {"V5ODAT", 2, ' ', 61, {}, {}},
      {"M4ODAT", 2, ' ', 21, {"21"}, {}},
      {"I3ADAT", 1, 'K', 8, {}, {}},
      {"I6ADAT", 1, 'H', 8, {}, {}},
      {"I10ADAT", 1, 'K', 10, {}, {}},
      {"I20ADAT", 1, 'V', 8, {}, {}},
  };
  return list;
}

struct Record {
  std::string text;  // 18 characters
  std::size_t at;    // record number in the section, from 0
};

std::vector<Record> records(const std::string& name) {
  const SectionRef ref = sample().findSection(name);
  EXPECT_TRUE(ref.found()) << name;
  EXPECT_GT(ref.length(), 0) << name;
  EXPECT_EQ(ref.length() % kPositionRecordSize, 0) << name;
  const auto bytes = sample().sectionBytes(ref);
  std::vector<Record> out;
  for (std::size_t at = 0; at + kPositionRecordSize <= bytes.size(); at += kPositionRecordSize)
    out.push_back(
        {decodeInvertedRecord(bytes.subspan(at, kPositionRecordSize)), at / kPositionRecordSize});
  return out;
}

// The printing numbers a header covers: "7" -> 7..7, "10a" -> 10..10, "2-3" -> 2..3.
std::optional<std::pair<int, int>> printingRange(const std::string& name) {
  std::size_t i = 0;
  const auto number = [&]() -> std::optional<int> {
    const std::size_t from = i;
    while (i < name.size() && std::isdigit(static_cast<unsigned char>(name[i]))) ++i;
    if (i == from) return std::nullopt;
    return std::stoi(name.substr(from, i - from));
  };
  const auto first = number();
  if (!first) return std::nullopt;
  if (i < name.size() && (name[i] == 'a' || name[i] == 'b')) ++i;
  int last = *first;
  if (i < name.size() && name[i] == '-') {
    ++i;
    const auto second = number();
    if (!second) return std::nullopt;
    last = *second;
  }
  if (i != name.size()) return std::nullopt;
  return std::pair{*first, last};
}

// A position of a one-pane sheet is a bare number; on larger sheets a pane letter and a
// number. Returns the position index 1..400, or nothing when the designation is invalid.
std::optional<int> positionIndex(const std::string& designation, int panes) {
  std::string digits = trimRight(designation);
  int pane = 0;
  if (panes > 1) {
    if (digits.empty() || digits[0] < 'A' || digits[0] >= 'A' + panes) return std::nullopt;
    pane = digits[0] - 'A';
    digits.erase(0, 1);
  }
  if (digits.empty() || digits.size() > 3 || digits[0] == '0') return std::nullopt;
  for (const char c : digits)
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
  const int n = std::stoi(digits);
  if (n < 1 || n > 100) return std::nullopt;
  return 100 * pane + n;
}

// Whether a full table lists the position: a sheet group repeats the top half ("H"), the
// left half of each row ("V") or the top-left quarter ("K"), so only that part is given.
bool isListedPart(int index, char group) {
  const int n = (index - 1) % 100 + 1;
  const bool top = n <= 50;
  const bool left = (n - 1) % 10 < 5;
  switch (group) {
    case 'H':
      return top;
    case 'V':
      return left;
    case 'K':
      return top && left;
    default:
      return true;
  }
}

struct PrintingRecords {
  std::string name;
  bool reset = false;  // "X0" right after the header
  std::vector<std::string> info;
  std::map<int, std::string> plain;  // position -> record
  std::vector<std::string> marked;
  std::vector<std::string> extras;
};

// The section split into its printings; fails the test on any record of an unknown kind.
std::vector<PrintingRecords> printings(const DatSpec& spec) {
  const auto recs = records(spec.section);
  std::vector<PrintingRecords> out;
  EXPECT_GE(recs.size(), 3u) << spec.section;
  if (recs.size() < 3) return out;
  const std::string form =
      spec.group == ' ' ? "F" + std::to_string(spec.panes) : std::string("F") + spec.group;
  EXPECT_EQ(trimRight(recs.front().text), form) << spec.section << ": the form comes first";
  EXPECT_EQ(trimRight(recs[1].text), "T1") << spec.section;
  EXPECT_EQ(trimRight(recs.back().text), "^F") << spec.section << ": the end mark comes last";
  for (std::size_t k = 1; k + 1 < recs.size(); ++k) {
    const std::string& r = recs[k].text;
    const std::string where = spec.section + " record " + std::to_string(k) + " \"" + r + "\"";
    EXPECT_EQ(r.size(), 18u) << where;
    if (r.size() != 18) continue;
    if (r[0] == 'T') {
      out.push_back({});
      out.back().name = trimRight(r.substr(1));
      out.back().reset = k + 1 < recs.size() && trimRight(recs[k + 1].text) == "X0";
      continue;
    }
    if (out.empty()) {
      ADD_FAILURE() << where << ": before the first printing";
      continue;
    }
    PrintingRecords& p = out.back();
    if (trimRight(r) == "X0") {
      EXPECT_EQ(trimRight(recs[k - 1].text), "T" + p.name) << where << ": X0 starts a printing";
    } else if (r[0] == 'I') {
      EXPECT_TRUE(p.plain.empty() && p.marked.empty()) << where << ": info after positions";
      p.info.push_back(trimRight(r.substr(1)));
    } else if (r[0] == '+' || r[0] == '.') {
      EXPECT_NE(r[6], ' ') << where << ": an extra cliché carries its mark";
      EXPECT_NE(trimRight(r.substr(12)), "") << where << ": an extra cliché has a number";
      p.extras.push_back(r);
    } else if (const auto index = positionIndex(r.substr(0, 5), spec.panes)) {
      EXPECT_TRUE(isListedPart(*index, spec.group))
          << where << ": outside the part of the sheet that the group repeats";
      EXPECT_TRUE(r[5] == ' ' || r[5] == '<' || r[5] == '>') << where;
      EXPECT_TRUE(std::string(" ?zopq!Z*OPQnFNXUVW").find(r[7]) != std::string::npos)
          << where << ": flag";
      EXPECT_EQ(r[6], ' ') << where << ": spare character";
      if (r[5] == ' ') {
        EXPECT_EQ(p.plain.count(*index), 0u) << where << ": listed twice";
        p.plain[*index] = r;
      } else {
        // A second state needs a first one: the position is listed earlier in the printing,
        // or the printing is read on top of an earlier one.
        EXPECT_TRUE(p.plain.count(*index) || spec.deltas.count(p.name)) << where;
        p.marked.push_back(r);
      }
    } else {
      ADD_FAILURE() << where << ": not a record kind of the printing data";
    }
  }
  return out;
}

TEST(SampleDat, EverySectionDecodesIntoKnownRecordsOnly) {
  for (const auto& spec : specs()) {
    const auto list = printings(spec);
    EXPECT_FALSE(list.empty()) << spec.section;
    int ends = 0;
    for (const auto& r : records(spec.section)) ends += r.text.substr(0, 2) == "^F" ? 1 : 0;
    EXPECT_EQ(ends, 1) << spec.section;
  }
}

TEST(SampleDat, PrintingHeadersRunFromOneToTheHighestPrinting) {
  for (const auto& spec : specs()) {
    const auto list = printings(spec);
    std::vector<std::string> names;
    for (const auto& p : list) names.push_back(p.name);
    if (!spec.headerOrder.empty()) {
      EXPECT_EQ(names, spec.headerOrder) << spec.section;
    }
    std::set<int> covered;
    int previous = 0;
    for (const auto& name : names) {
      const auto range = printingRange(name);
      ASSERT_TRUE(range) << spec.section << ": printing \"" << name << "\"";
      const bool letter = name.find_first_of("ab") != std::string::npos;
      EXPECT_TRUE(!letter || spec.section == "A4SDAT") << spec.section << " " << name;
      for (int n = range->first; n <= range->second; ++n) covered.insert(n);
      if (spec.headerOrder.empty()) {
        EXPECT_EQ(range->first, previous + 1) << spec.section << ": printing " << name;
      }
      previous = range->second;
    }
    ASSERT_FALSE(covered.empty()) << spec.section;
    EXPECT_EQ(*covered.begin(), 1) << spec.section;
    EXPECT_EQ(*covered.rbegin(), spec.highest) << spec.section;
    EXPECT_EQ(static_cast<int>(covered.size()), spec.highest) << spec.section << ": a gap";
  }
  const auto v5 = printings(specs()[4]);
  ASSERT_EQ(specs()[4].section, "V5ODAT");
  EXPECT_GE(v5.size(), 60u);
}

TEST(SampleDat, FullPrintingsStartAfreshAndListTheWholeSheet) {
  for (const auto& spec : specs()) {
    const auto list = printings(spec);
    for (std::size_t k = 0; k < list.size(); ++k) {
      const auto& p = list[k];
      const std::string where = spec.section + " printing " + p.name;
      const bool delta = spec.deltas.count(p.name) > 0;
      EXPECT_EQ(p.reset, !delta) << where;
      // Two information lines, then one line per pane.
      ASSERT_EQ(p.info.size(), static_cast<std::size_t>(2 + spec.panes)) << where;
      std::set<int> uncertainPanes;
      for (std::size_t i = 2; i < p.info.size(); ++i)
        if (!p.info[i].empty() && p.info[i][0] == '?')
          uncertainPanes.insert(static_cast<int>(i) - 2);
      if (!uncertainPanes.empty()) {
        // The marks stay on the sheet, so no printing may be read on top of this one.
        const bool nextIsDelta = k + 1 < list.size() && spec.deltas.count(list[k + 1].name);
        EXPECT_FALSE(nextIsDelta) << where;
        EXPECT_FALSE(delta) << where;
      }
      if (delta) {
        EXPECT_FALSE(p.plain.empty() && p.marked.empty()) << where << " changes nothing";
        EXPECT_LT(p.plain.size(), 50u) << where << " should list only what changed";
        continue;
      }
      int missing = 0;
      for (int i = 1; i <= 100 * spec.panes; ++i) {
        if (!isListedPart(i, spec.group)) continue;
        if (p.plain.count(i)) continue;
        if (uncertainPanes.count((i - 1) / 100)) {
          ++missing;
          continue;
        }
        ADD_FAILURE() << where << ": position index " << i << " missing";
      }
      if (!uncertainPanes.empty()) {
        EXPECT_GT(missing, 0) << where << ": pane marked in vain";
      }
    }
  }
}

// The flaw screens rewrite the clichés of 4 skilling 1854 to the plate pair of the printing;
// the data gives them in that form already: series 1 plates I/II, 2 III/IV, 3 V/VI, with
// the left pane on the odd plate.
TEST(SampleDat, PlateCodedClichesOf1854FourSkillingFollowThePlatePair) {
  const auto list = printings(specs()[1]);
  ASSERT_EQ(specs()[1].section, "P4SDAT");
  const std::map<std::string, int> pairOf = {{"1", 1}, {"2", 1}, {"3", 1},
                                             {"4", 2}, {"6", 2}, {"5", 3}};
  for (const auto& p : list) {
    const int series = pairOf.at(p.name);
    for (const auto& [index, r] : p.plain) {
      const std::string c = trimRight(r.substr(12));
      if (c.empty()) {  // only a stamp known by its column or an uncertain one lacks it
        EXPECT_TRUE(r[7] == 'o' || r[7] == '?') << p.name << " " << r;
        continue;
      }
      ASSERT_EQ(c.size(), 5u) << p.name << " " << r;
      EXPECT_EQ(c[0] - '0', series) << p.name << " " << r;
      EXPECT_EQ(c[1], '.');
      const int plate = 2 * series - (index <= 100 ? 1 : 0);
      EXPECT_EQ(c[2] - '0', plate) << p.name << " " << r;
      char place[32];
      std::snprintf(place, sizeof place, "%02d", ((index - 1) % 100 + 1) % 100);
      EXPECT_EQ(c.substr(3), place) << p.name << " " << r;
    }
  }
}

// The program labels and corrects some Icelandic places by cliché number; the data puts
// those clichés where the labels say.
TEST(SampleDat, IcelandicClichesStandWhereTheFixedLabelsExpectThem) {
  const auto clicheAt = [](const std::vector<PrintingRecords>& list, const std::string& printing,
                           int index) {
    for (const auto& p : list)
      if (p.name == printing && p.plain.count(index))
        return trimRight(p.plain.at(index).substr(12));
    return std::string("(none)");
  };
  const auto i3a = printings(specs()[6]);
  EXPECT_EQ(clicheAt(i3a, "1", 43), "23");
  EXPECT_EQ(clicheAt(i3a, "3", 45), "23");
  EXPECT_EQ(clicheAt(i3a, "4", 35), "20");
  const auto i10a = printings(specs()[8]);
  EXPECT_EQ(clicheAt(i10a, "4", 32), "8");
  EXPECT_EQ(clicheAt(i10a, "4", 15), "11");
  EXPECT_EQ(clicheAt(i10a, "4", 43), "13");
  const auto i20a = printings(specs()[9]);
  EXPECT_EQ(clicheAt(i20a, "6", 21), "17");
}

TEST(SampleDat, TheSetExercisesEveryRecordFeature) {
  std::map<char, int> flags, marks;
  int plusExtras = 0, dotExtras = 0, uncertain = 0, dottedSecondStatesOfA4s = 0;
  for (const auto& spec : specs()) {
    for (const auto& p : printings(spec)) {
      for (const auto& [index, r] : p.plain) ++flags[r[7]];
      for (const auto& r : p.marked) {
        ++marks[r[5]];
        ++flags[r[7]];
        if (spec.section == "A4SDAT" && r.substr(12).find('.') != std::string::npos)
          ++dottedSecondStatesOfA4s;
      }
      for (const auto& r : p.extras) (r[0] == '+' ? plusExtras : dotExtras) += 1;
      for (const auto& line : p.info) uncertain += !line.empty() && line[0] == '?' ? 1 : 0;
    }
  }
  // Every letter that the sheets screen marks differently.
  for (const char flag : std::string("?zopq!Z*OPQnFNXUVW")) EXPECT_GT(flags[flag], 0) << flag;
  EXPECT_GT(marks['<'], 0);
  EXPECT_GT(marks['>'], 0);
  EXPECT_GT(plusExtras, 0);
  EXPECT_GT(dotExtras, 0);
  EXPECT_GT(uncertain, 0);
  EXPECT_GT(dottedSecondStatesOfA4s, 0);
}

// ---- the register help texts ----------------------------------------------------------

TEST(SampleInfoF0, EveryEditionHasNumberedLinesWithTheRegisterHelpFirst) {
  for (const char* e : {"C", "P", "L", "A", "T", "V", "M", "I", "J"}) {
    const std::string name = std::string(e) + "INFOF0";
    const SectionRef ref = sample().findSection(name);
    ASSERT_TRUE(ref.found()) << name;
    ASSERT_EQ(ref.length() % 160, 0) << name;
    const auto bytes = sample().sectionBytes(ref);
    const std::string text(bytes.begin(), bytes.end());
    const std::size_t lines = text.size() / 160;
    EXPECT_GE(lines, 32u) << name;
    // The lower-case name used by the register screen finds the same section.
    EXPECT_EQ(sample().findSection(std::string(e) + "infof0").start, ref.start) << name;
    for (std::size_t i = 1; i <= lines; ++i) {
      char lead[32];
      std::snprintf(lead, sizeof lead, "%04zu", i);
      EXPECT_EQ(text.substr(160 * (i - 1), 4), lead) << name << " line " << i;
      const std::string line = trimRight(text.substr(160 * (i - 1) + 4, 156));
      // Line 1 stands right under the register's horizontal bar, where it cannot be read:
      // it stays empty.
      const bool needed = (i >= 2 && i <= 8) || (i >= 17 && i <= 23) || i == 31 || i == 32;
      if (needed) {
        EXPECT_FALSE(line.empty()) << name << " line " << i;
      }
      if (i == 1) {
        EXPECT_TRUE(line.empty()) << name;
      }
    }
    // The register screen draws lines 1-8 centred in the lower strip: keep them short.
    for (std::size_t i = 1; i <= 8; ++i)
      EXPECT_LE(trimRight(text.substr(160 * (i - 1) + 4, 156)).size(), 110u) << name << " " << i;
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
