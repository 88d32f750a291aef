// The cliché records of the sample KOL703.dat: every cliché that the printing data of a
// covered value uses has a record under its key, with description, stamp number and an
// occurrence list that names exactly the places the printing data gives it, and a picture
// of 383 rows inside the panel; the series index and the series limits agree with them.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "data/inverted_record.hpp"
#include "support/sample_data.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

const DataFile& sample() {
  return test::sampleData();
}

std::string trim(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  return s.substr(i);
}

struct Covered {
  std::string dat;        // the printing data section
  std::string valueKey;   // cp865
  std::string itemValue;  // the value code as occurrence items write it
};

const std::vector<Covered>& covered() {
  static const std::vector<Covered> list = {
      {"C3CDAT", "C3c", "3c"},     {"P4SDAT", "P4s", "4s"},     {"A4SDAT", "A4s", "4s"},
      {"V1ODAT", cp("V1ø"), "1o"}, {"V5ODAT", cp("V5ø"), "5o"}, {"M4ODAT", cp("M4ø"), "4o"}};
  return list;
}

// The key of a cliché, written out from the rule: "." becomes "-", a bare number gets a
// leading "-", the running number N is coded as q, n with N = 32q + n and n in 1..32.
std::string keyOf(const std::string& valueKey, const std::string& cliche) {
  std::string head = valueKey;
  std::string running = cliche;
  const auto dot = cliche.find('.');
  if (dot == std::string::npos) {
    head += "-";
  } else {
    head += cliche.substr(0, dot) + "-";
    running = cliche.substr(dot + 1);
  }
  const int n = std::stoi(running);
  const int q = (n - 1) / 32;
  const int r = n - 32 * q;
  const auto digit = [](int d) { return static_cast<char>(d <= 9 ? '0' + d : 'A' + d - 10); };
  return head + digit(q) + digit(r);
}

TEST(SampleClicheKey, FollowsTheWorkedExamples) {
  EXPECT_EQ(keyOf("P8s", "17"), "P8s-0H");
  EXPECT_EQ(keyOf("P4s", "2.117"), "P4s2-3L");
  EXPECT_EQ(keyOf("A4s", "1.32"), "A4s1-0W");
  EXPECT_EQ(keyOf("A4s", "1.33"), "A4s1-11");
}

// What the printing data says: for each cliché, the occurrence items of every printing
// and position where it stands (the table a reader has after the printing's records, the
// states replaced within the printing, and the extra clichés), and the types listed.
struct Expected {
  std::map<std::string, std::multiset<std::string>> items;
  std::map<std::string, std::set<std::string>> types;
};

Expected fromDat(const Covered& v) {
  Expected out;
  const DataFile& file = sample();
  const auto bytes = file.sectionBytes(file.findSection(v.dat));
  std::map<std::string, std::pair<std::string, std::string>> table;  // pane+number -> cliché, type
  std::set<std::pair<std::string, std::string>> standing;            // place, cliché
  std::set<std::string> writtenNow;  // places listed in the current printing
  std::string printing;
  int panes = 1;
  const auto item = [&](const std::string& pane, const std::string& position) {
    std::string vp = v.itemValue + printing;
    vp.resize(6, ' ');
    return " " + vp + (pane.empty() ? " " : pane) + std::string(7 - position.size(), ' ') +
           position;
  };
  const auto flush = [&] {
    if (printing.empty()) return;
    for (const auto& [place, c] : table) standing.insert({place, c.first});
    for (const auto& [place, cliche] : standing) {
      if (cliche.empty()) continue;
      const bool hasPane = place[0] >= 'A' && place[0] <= 'D';
      out.items[cliche].insert(
          item(hasPane ? place.substr(0, 1) : "", hasPane ? place.substr(1) : place));
    }
    standing.clear();
  };
  for (std::size_t at = 0; at + 18 <= bytes.size(); at += 18) {
    const std::string r = decodeInvertedRecord(bytes.subspan(at, 18));
    if (r.rfind("^F", 0) == 0) break;
    if (r[0] == 'F' && r[1] >= '1' && r[1] <= '9') panes = r[1] - '0';
    if (r[0] == 'T') {
      flush();
      writtenNow.clear();
      printing = trim(r.substr(1, 8));
      continue;
    }
    if (r.rfind("X0", 0) == 0) {
      table.clear();
      continue;
    }
    const std::string designation = trim(r.substr(0, 5));
    const std::string type = trim(r.substr(8, 4));
    const std::string cliche = trim(r.substr(12, 6));
    const bool position =
        (r[0] >= '1' && r[0] <= '9') || (r[0] >= 'A' && r[0] <= 'D' && r[1] >= '0' && r[1] <= '9');
    const bool extra = r[0] == '+' || r[0] == '.';
    if (!position && !extra) continue;
    if (!cliche.empty() && !type.empty()) out.types[cliche].insert(type);
    if (extra) {
      if (!cliche.empty()) out.items[cliche].insert(item("", designation));
      continue;
    }
    EXPECT_EQ(panes == 1, designation[0] >= '1' && designation[0] <= '9') << v.dat << " " << r;
    auto& slot = table[designation];
    // A state replaced within the printing stood there too; an inherited one did not.
    if (writtenNow.count(designation) && !slot.first.empty() && slot.first != cliche)
      standing.insert({designation, slot.first});
    writtenNow.insert(designation);
    slot = {cliche, type};
  }
  flush();
  return out;
}

struct Record {
  bool found = false;
  std::string text;  // up to the picture tag
  std::map<char, std::string> fields;
  std::vector<std::uint8_t> picture;  // the bytes after the picture tag
};

Record readRecord(const std::string& key) {
  Record rec;
  const DataFile& file = sample();
  const SectionRef ref = file.findSection(key);
  if (!ref.found()) return rec;
  rec.found = true;
  const auto bytes = file.sectionBytes(ref);
  const std::string all(bytes.begin(), bytes.end());
  const auto b = all.find("\x1B*b");
  if (b == std::string::npos) return rec;
  rec.text = all.substr(0, b + 3);
  rec.picture.assign(bytes.begin() + static_cast<long>(b + 3), bytes.end());
  std::size_t at = rec.text.find("\x1B*");
  while (at != std::string::npos && at + 3 <= b) {
    const auto next = rec.text.find("\x1B*", at + 3);
    rec.fields[rec.text[at + 2]] =
        rec.text.substr(at + 3, (next == std::string::npos ? b : next) - at - 3);
    at = next;
  }
  return rec;
}

TEST(SampleCliches, EveryClicheOfTheCoveredValuesHasAFullRecord) {
  for (const auto& v : covered()) {
    const Expected expected = fromDat(v);
    ASSERT_GT(expected.items.size(), 100u) << v.dat;
    std::set<int> seriesSeen;
    for (const auto& [cliche, items] : expected.items) {
      SCOPED_TRACE(v.dat + " C." + cliche);
      const Record rec = readRecord(keyOf(v.valueKey, cliche));
      ASSERT_TRUE(rec.found);
      ASSERT_TRUE(rec.fields.count('d') && rec.fields.count('m') && rec.fields.count('t'));
      EXPECT_LE(rec.text.size(), 560u);
      EXPECT_EQ(rec.text[0], ' ');
      EXPECT_NE(rec.fields.at('d').find('$'), std::string::npos);
      // The stamp number is one of the types listed for the cliché ("?" when none is).
      const std::string stamp = trim(rec.fields.at('m'));
      EXPECT_GE(rec.fields.at('m').size(), 2u);
      if (expected.types.count(cliche)) {
        EXPECT_TRUE(expected.types.at(cliche).count(stamp)) << stamp;
      } else {
        EXPECT_EQ(stamp, "?");
      }
      // The occurrence list: 15-character items, exactly the places of the data.
      const std::string& t = rec.fields.at('t');
      ASSERT_EQ(t.size() % 15, 0u);
      std::multiset<std::string> got;
      for (std::size_t i = 0; i < t.size(); i += 15) got.insert(t.substr(i, 15));
      EXPECT_EQ(got, items);
      // The picture: 383 rows, pairs ascending within the panel, nothing left over.
      std::size_t at = 0;
      const auto& p = rec.picture;
      for (int row = 0; row < 383; ++row) {
        ASSERT_LT(at, p.size()) << "row " << row;
        const std::size_t count = p[at++];
        ASSERT_LE(at + count, p.size());
        const std::size_t end = at + count;
        int offset = 0;
        std::vector<int> values;
        while (at < end) {
          if (p[at] == 255) {
            offset += 255;
            ++at;
            continue;
          }
          values.push_back(offset + p[at++]);
        }
        ASSERT_EQ(values.size() % 2, 0u) << "row " << row;
        for (std::size_t k = 0; k < values.size(); ++k) {
          EXPECT_LE(values[k], 350) << "row " << row;
          if (k > 0) {
            EXPECT_LE(values[k - 1], values[k]) << "row " << row;
          }
        }
      }
      EXPECT_EQ(at, p.size());
      const auto dot = cliche.find('.');
      seriesSeen.insert(dot == std::string::npos ? 1 : std::stoi(cliche.substr(0, dot)));
    }
    if (v.valueKey == "A4s") {
      EXPECT_TRUE(seriesSeen.count(0) && seriesSeen.count(5));
    }
    if (v.valueKey == "P4s" || v.valueKey == cp("V5ø")) {
      EXPECT_EQ(seriesSeen.size(), 3u);
    }
  }
}

TEST(SampleCliches, DescriptionsUseEveryItemKind) {
  std::set<std::string> kinds;
  for (const auto& v : covered()) {
    for (const auto& [cliche, items] : fromDat(v).items) {
      const std::string d = readRecord(keyOf(v.valueKey, cliche)).fields['d'];
      std::size_t at = 0;
      while ((at = d.find('$', at)) != std::string::npos) {
        ++at;
        if (at >= d.size()) break;
        const char c = d[at];
        if (c >= '1' && c <= '9') {
          kinds.insert("line");
          const char i = at + 1 < d.size() ? d[at + 1] : ' ';
          if (i == '<' || i == '>' || i == static_cast<char>(0xF3) || i == static_cast<char>(0xF2))
            kinds.insert(std::string("indent") + i);
        } else if (c == 'P' && at + 5 <= d.size()) {
          kinds.insert("P");
        } else if (c == 'h' || c == 'v' || c == 'o' || c == 'n') {
          kinds.insert(std::string(1, c));
        }
      }
    }
  }
  for (const std::string k : {"line", "P", "h", "v", "o", "n", "indent<", "indent>"})
    EXPECT_TRUE(kinds.count(k)) << k;
  EXPECT_TRUE(kinds.count(std::string("indent") + static_cast<char>(0xF3)));  // ≤
  EXPECT_TRUE(kinds.count(std::string("indent") + static_cast<char>(0xF2)));  // ≥
}

TEST(SampleCliches, PrintingInformationIsInvertedAndClosed) {
  const DataFile& file = sample();
  for (const std::string name :
       {"PD4S1", "PD4S4", "PD4S5", "AD4S1", "AD4S4", "AD4S8A", "VD5O1", "VD5O21"}) {
    const auto bytes = file.sectionBytes(file.findSection(name));
    ASSERT_EQ(bytes.size() % 120, 0u) << name;
    ASSERT_LE(bytes.size(), 7u * 120) << name;
    const std::string first = decodeInvertedRecord(bytes.subspan(0, 120));
    EXPECT_NE(first.find("tryk"), std::string::npos) << name;
    EXPECT_NE(first.find("18"), std::string::npos) << name;  // the year
    if (bytes.size() < 7 * 120) {
      EXPECT_EQ(bytes[bytes.size() - 120], 255) << name;
    }
  }
}

TEST(SampleCliches, SeriesIndexAndLimitsCoverTheClichés) {
  const DataFile& file = sample();
  for (const char edition : std::string("CPLATVMIJ")) {
    const auto bytes = file.sectionBytes(file.findSection(std::string(1, edition) + "CSERIER"));
    ASSERT_GE(bytes.size(), 16u) << edition;
    ASSERT_EQ(bytes.size() % 16, 0u) << edition;
    EXPECT_EQ(bytes[bytes.size() - 16], '*') << edition;
    for (std::size_t at = 0; at + 16 < bytes.size(); at += 16) {
      const std::string r(bytes.begin() + static_cast<long>(at),
                          bytes.begin() + static_cast<long>(at + 16));
      EXPECT_NE(r[0], '*');
      for (int f = 1; f < 4; ++f)
        EXPECT_NO_THROW((void)std::stoi(r.substr(4 * static_cast<std::size_t>(f), 4))) << r;
    }
  }
  for (const auto& v : covered()) {
    SCOPED_TRACE(v.dat);
    const SectionRef ref = file.findSection(v.valueKey + "0");
    ASSERT_TRUE(ref.found());
    ASSERT_EQ(ref.length(), 42);
    std::map<int, int> highest;
    for (const auto& [cliche, items] : fromDat(v).items) {
      const auto dot = cliche.find('.');
      const int series = dot == std::string::npos ? 1 : std::stoi(cliche.substr(0, dot));
      const int n = std::stoi(dot == std::string::npos ? cliche : cliche.substr(dot + 1));
      highest[series] = std::max(highest[series], n);
    }
    const int count = *file.readInt16(ref.start);
    for (const auto& [series, n] : highest) {
      if (series == 0) continue;  // series 0 of A4s has its fixed limit of 17
      ASSERT_LE(series, count);
      EXPECT_GE(*file.readInt16(ref.start + 2 * series), n) << "series " << series;
    }
    // Each series with clichés is in the edition's series index.
    const auto index = file.sectionBytes(file.findSection(v.valueKey.substr(0, 1) + "CSERIER"));
    for (const auto& [series, n] : highest) {
      bool listed = false;
      for (std::size_t at = 0; at + 16 <= index.size(); at += 16) {
        const std::string r(index.begin() + static_cast<long>(at),
                            index.begin() + static_cast<long>(at + 16));
        std::string value = v.valueKey.substr(1);
        value.resize(4, ' ');
        if (r.substr(0, 4) == value && std::stoi(r.substr(4, 4)) == series) listed = true;
      }
      EXPECT_TRUE(listed) << "series " << series;
    }
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
