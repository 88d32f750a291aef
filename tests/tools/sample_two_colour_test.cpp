// The two-coloured edition of the sample KOL703.dat agrees with itself: every oval record
// lists exactly the places the value data gives its flaw, the frame flaw counts match the
// frame records, and the printing order of each setting names the printings made with it.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "domain/cliche_record.hpp"
#include "domain/printing_records.hpp"
#include "support/sample_data.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

const DataFile& sample() {
  return test::sampleData();
}

std::string trim(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

std::vector<std::string> recordsOf(const std::string& section) {
  const PrintingRecords records(sample(), sample().findSection(section));
  std::vector<std::string> out;
  for (std::size_t n = 0; n < records.size(); ++n) {
    const PrintingRecord r = records[n];
    out.emplace_back(r.data(), r.size());
  }
  return out;
}

struct TcValue {
  std::string value;  // cp865
  std::string code;   // as the occurrence items write it
};
const std::vector<TcValue> kValues = {{"4s", "4s"},     {cp("8ø"), "8o"},   {cp("16ø"), "16o"},
                                      {cp("4ø"), "4o"}, {cp("50ø"), "50o"}, {cp("20ø"), "20o"},
                                      {"4a", "4a"},     {"25a", "25a"}};

struct ValueTables {
  std::map<std::string, std::set<std::string>> places;          // oval flaw -> characters 2..11
  std::vector<std::pair<std::string, std::string>> references;  // printing -> "R" record
};

// Reads the value data as the flaw screen does, printing by printing: the table of a
// printing is every record up to its end, so the table is taken when the next printing
// starts.
ValueTables readValue(const TcValue& v) {
  ValueTables out;
  std::map<int, std::string> ovals;
  int layout = 1;
  std::string printing, reference;
  const auto take = [&] {
    if (printing.empty()) return;
    out.references.push_back({printing, reference});
    const bool onePane = layout == 1 || reference.ends_with("B");
    std::string vp = v.code + printing;
    for (char& c : vp) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    vp.resize(6, ' ');
    for (const auto& [index, flaw] : ovals) {
      if (flaw.empty() || (onePane && index > 100)) continue;
      std::string place = std::to_string((index - 1) % 100 + 1);
      if (!onePane) place = std::string(1, index <= 100 ? 'A' : 'B') + place;
      place.resize(4, ' ');
      out.places[flaw].insert(vp + place);
    }
  };
  for (const std::string& r : recordsOf("T" + v.value + "DAT")) {
    const char c = r[0];
    if (c == '^') break;
    if (c == 'T') {
      take();
      printing = trim(r.substr(1, 8));
    } else if (c == 'F') {
      layout = r[1] - '0';
    } else if (c == 'R') {
      reference = trim(r.substr(1, 8));
    } else if (c == 'X' && trim(r.substr(1)) == "0") {
      ovals.clear();
    } else if (c == 'A' || c == 'B' || (c >= '1' && c <= '9')) {
      const bool pane = c == 'A' || c == 'B';
      const int index = std::stoi(r.substr(pane ? 1 : 0, 3)) + (c == 'B' ? 100 : 0);
      ovals[index] = trim(r.substr(12, 6));
    }
  }
  take();
  return out;
}

TEST(SampleTwoColour, EveryOvalRecordListsTheValueDataPlacesOfItsFlaw) {
  for (const TcValue& v : kValues) {
    const ValueTables tables = readValue(v);
    ASSERT_FALSE(tables.places.empty()) << v.code;
    const SectionRef series = sample().findSection("T" + v.value + "0");
    ASSERT_TRUE(series.found()) << v.code;
    const int count = sample().readInt16(series.start).value_or(0);
    std::size_t records = 0;
    for (int s = 1; s <= count; ++s) {
      const int flaws = sample().readInt16(series.start + 2 * s).value_or(0);
      for (int n = 1; n <= flaws; ++n) {
        const std::string flaw = (count == 1 ? "" : std::to_string(s) + ".") + std::to_string(n);
        const ClicheRecord record =
            readClicheRecord(sample(), clicheRecordKey("T" + v.value, flaw));
        ASSERT_TRUE(record.found && record.hasPicture) << v.code << " " << flaw;
        std::set<std::string> listed;
        for (std::size_t at = 0; at + 15 <= record.occurrences.size(); at += 15)
          listed.insert(record.occurrences.substr(at + 1, 10));
        EXPECT_EQ(listed,
                  tables.places.count(flaw) ? tables.places.at(flaw) : std::set<std::string>{})
            << v.code << " " << flaw;
        ++records;
      }
    }
    EXPECT_EQ(records, tables.places.size()) << v.code << ": flaws without a record";
  }
}

TEST(SampleTwoColour, TheFixedOccurrenceItemsAreAmongTheRecords) {
  std::set<std::string> items;  // characters 2..12
  for (const TcValue& v : {kValues[1], kValues[4]}) {
    for (const auto& entry : readValue(v).places) {
      const std::string list =
          readClicheRecord(sample(), clicheRecordKey("T" + v.value, entry.first)).occurrences;
      for (std::size_t at = 0; at + 15 <= list.size(); at += 15)
        items.insert(list.substr(at + 1, 11));
    }
  }
  for (const char* fixed :
       {"8o51  A54  ", "8o52  B6   ", "8o53  B43  ", "8o54  B28 O", "8o55  A89 O", "8o119 B32  ",
        "8o120 A9   ", "8o121 A9   ", "50o12-33   ", "50o12-40   "}) {
    const std::string wanted(fixed);
    const bool found = std::any_of(items.begin(), items.end(), [&](const std::string& i) {
      return i.substr(0, 10) == wanted.substr(0, 10) && (wanted[10] != 'O' || i[10] == 'O');
    });
    EXPECT_TRUE(found) << fixed;
  }
}

TEST(SampleTwoColour, FrameFlawCountsMatchTheFrameRecordsAndTheFrameData) {
  const SectionRef counts = sample().findSection("TRFANTAL");
  ASSERT_EQ(counts.length(), 148);
  std::map<int, int> highest;  // stored code -> highest running number in the frame data
  std::set<int> blocks;
  int downArrows = 0;  // the down-arrow frame kind (code 25) written as such
  for (const std::string& r : recordsOf("TRAMDAT")) {
    if (r[0] == 'E') blocks.insert(std::stoi(trim(r.substr(1, 8))));
    if ((r[0] == 'A' || r[0] == 'B') && r[6] == 25) ++downArrows;
    const std::string flaw = trim(r.substr(12, 6));
    const auto dot = flaw.find('.');
    if (r[0] != 'E' && r[0] != 'X' && r[0] != '^' && dot != std::string::npos) {
      int& h = highest[std::stoi(flaw.substr(0, dot))];
      h = std::max(h, std::stoi(flaw.substr(dot + 1)));
    }
  }
  EXPECT_GE(blocks.size(), 25U);
  EXPECT_GE(downArrows, 1);
  for (int code = 1; code <= 73; ++code) {
    const int n = sample().readInt16(counts.start + 2 * code).value_or(-1);
    EXPECT_EQ(n, highest.count(code) ? highest[code] : 0) << "setting " << code;
    for (int k = 1; k <= n + 1; ++k) {
      const ClicheRecord r = readClicheRecord(
          sample(), clicheRecordKey("T" + std::to_string(code), std::to_string(k)));
      EXPECT_EQ(r.found, k <= n) << "T" << code << "-" << k;
    }
  }
}

TEST(SampleTwoColour, PrintingOrderNamesThePrintingsOfEachSetting) {
  // Stored code -> shown setting and period.
  const std::map<int, std::pair<int, std::string>> periods = {{18, {5, "2"}},  {58, {28, "2"}},
                                                              {31, {31, "2"}}, {61, {31, "1"}},
                                                              {5, {5, "1"}},   {28, {28, "1"}}};
  std::multiset<std::string> made;
  for (const TcValue& v : kValues)
    for (const auto& [printing, reference] : readValue(v).references) {
      ASSERT_FALSE(reference.empty()) << v.code << printing;
      made.insert(std::to_string(std::stoi(reference)) + ":" + v.value + printing);
    }
  const SectionRef order = sample().findSection("TTRYK");
  ASSERT_TRUE(order.found());
  ASSERT_EQ(order.length() % 320, 0);
  const auto bytes = sample().sectionBytes(order);
  std::multiset<std::string> listed;
  for (std::size_t s = 1; s * 320 <= bytes.size(); ++s) {
    const std::string record(reinterpret_cast<const char*>(bytes.data()) + (s - 1) * 320, 320);
    std::vector<std::string> fields;
    for (std::size_t from = 0, comma; (comma = record.find(',', from)) != std::string::npos;
         from = comma + 1)
      fields.push_back(record.substr(from, comma - from));
    ASSERT_FALSE(fields.empty()) << s;
    EXPECT_EQ(fields[0], std::to_string(s));
    std::string period;
    for (std::size_t k = 1; k < fields.size(); ++k) {
      if (fields[k] == "1. periode:" || fields[k] == "2. periode:") {
        period = fields[k].substr(0, 1);
        continue;
      }
      int code = static_cast<int>(s);
      for (const auto& [stored, shown] : periods)
        if (shown.first == code && shown.second == (period.empty() ? "1" : period)) code = stored;
      listed.insert(std::to_string(code) + ":" + fields[k].substr(0, fields[k].find('(')));
    }
  }
  EXPECT_EQ(listed, made);
  const std::string five(reinterpret_cast<const char*>(bytes.data()) + 4 * 320, 320);
  EXPECT_EQ(trim(five), "5,4s1,4s2-3,2. periode:,4s7(ny),4s8,");
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
