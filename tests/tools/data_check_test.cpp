// kolvard-data check: the sample data passes, and a copy of it with one fault of each kind
// fails with that fault named first, at its section.
#include "kolvard-data/data_check.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include "data/cp865.hpp"
#include "data/inverted_record.hpp"
#include "kolvard-data/cli.hpp"
#include "kolvard-data/expected_sections.hpp"
#include "kolvard-data/section_kinds.hpp"
#include "support/data_builder.hpp"

namespace kolvard::datatool {
namespace KOLVARD_TEST_UNIT {

const DataFile& sample() {
  static const DataFile file = DataFile::open(KOLVARD_SAMPLE_DATA).value_or(DataFile());
  return file;
}

using Edit = std::function<void(std::string&)>;

// The sample packed again with the bytes of some sections edited and some renamed; of the
// cliché records only those of "C3c" and the frame flaw records are kept, and of the
// composites only those of "P4s", which keeps each copy small.
DataFile sampleWith(const std::map<std::string, Edit>& edits,
                    const std::map<std::string, std::string>& renames = {}) {
  test::DataBuilder builder;
  for (const auto& entry : sample().listSections()) {
    const SectionClass kind = classifySection(entry.name);
    const bool frameFlaw = kind.edition == "T" && kind.value.empty();
    if (kind.kind == SectionKind::ClicheRecord && !entry.name.starts_with("C3C-") && !frameFlaw)
      continue;
    if (kind.kind == SectionKind::Composite && !entry.name.starts_with("PF4S")) continue;
    const auto bytes = sample().sectionBytes(entry.ref);
    std::string text(bytes.begin(), bytes.end());
    if (const auto edit = edits.find(entry.name); edit != edits.end()) edit->second(text);
    const auto rename = renames.find(entry.name);
    builder.add(rename == renames.end() ? entry.name : rename->second, text);
  }
  return builder.file();
}

// Edits the decoded 18-byte records of a printing-data section.
Edit records(const std::function<void(std::vector<std::string>&)>& edit) {
  return [edit](std::string& bytes) {
    std::vector<std::string> list;
    for (std::size_t at = 0; at + kPositionRecordSize <= bytes.size(); at += kPositionRecordSize) {
      const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data()) + at;
      list.push_back(decodeInvertedRecord({p, kPositionRecordSize}));
    }
    edit(list);
    bytes.clear();
    for (std::string r : list) {
      r.resize(kPositionRecordSize, ' ');
      bytes += encodeInvertedRecord(r);
    }
  };
}
Edit put(std::size_t at, std::string bytes) {
  return [=](std::string& b) { b.replace(at, bytes.size(), bytes); };
}
Edit append(std::string tail) {
  return [=](std::string& b) { b += tail; };
}
Edit cutTo(std::size_t size) {
  return [=](std::string& b) { b.resize(size); };
}
Edit cutBy(std::size_t n) {
  return [=](std::string& b) { b.resize(b.size() - n); };
}
Edit replaceWith(std::string text) {
  return [=](std::string& b) { b = text; };
}
// A logo of 121 empty rows with the given rows in front.
Edit logo(const std::string& firstRows, int emptyRows) {
  return replaceWith(std::string(1, '\0') + firstRows + std::string(emptyRows, '\0'));
}
std::string record(std::string text, std::size_t size) {
  text.resize(size, ' ');
  return text;
}
const std::string kEsc(1, '\x1b');
// Sixteen type pages of "M" without types, then a side text of "4ø" (on line "C"), which
// holds no types.
const std::string sidePages = [] {
  std::string pages;
  for (int i = 0; i < 16; ++i) pages += record("4\x9b    1  1", 64);
  return pages + record("4\x9b C Side text, not types", 64);
}();

TEST(DataCheck, FindsNoProblemInTheSampleData) {
  const DataCheckReport report = checkDataFile(sample());
  std::ostringstream out;
  printDataCheck(report, "KOL703.dat", out);
  EXPECT_TRUE(report.problems.empty()) << out.str();
  EXPECT_GT(report.sectionsChecked, 4000);
  EXPECT_EQ(report.sectionsUnknown, 0) << out.str();

  std::ostringstream toolOut, toolErr;
  EXPECT_EQ(runDataTool({"check", KOLVARD_SAMPLE_DATA}, toolOut, toolErr), 0);
  EXPECT_EQ(toolOut.str(), out.str());
}

Edit zeros(std::size_t at, std::size_t n) {
  return [=](std::string& b) { b.replace(at, n, std::string(n, '\0')); };
}
Edit zeroAll() {
  return [](std::string& b) { b.assign(b.size(), '\0'); };
}
// Bytes of a fixed pseudo-random sequence, as an overwrite with random data leaves them.
Edit randomBytes(std::size_t at, std::size_t n, unsigned seed) {
  return [=](std::string& b) {
    std::mt19937 random(seed);
    for (std::size_t i = at; i < at + n && i < b.size(); ++i) b[i] = static_cast<char>(random());
  };
}

// The sections the program looks for that the sample itself lacks.
const std::set<std::string>& missingFromTheSample() {
  static const std::set<std::string> missing = [] {
    std::set<std::string> names;
    for (const ExpectedSection& e : expectedSections()) {
      if (!sample().findSection(e.name).found()) names.insert(e.name);
    }
    return names;
  }();
  return missing;
}

// The lines the tool prints, but for the notes of what the sample itself lacks.
std::vector<std::string> linesOf(const std::string& printed) {
  std::vector<std::string> lines;
  std::istringstream in(printed);
  for (std::string line; std::getline(in, line);) {
    const bool sampleNote = line.starts_with("note: ") &&
                            missingFromTheSample().contains(line.substr(6, line.find(' ', 6) - 6));
    if (!sampleNote) lines.push_back(line);
  }
  return lines;
}
std::vector<std::string> printedLines(const DataCheckReport& report) {
  std::ostringstream out;
  printDataCheck(report, "KOL703.dat", out);
  return linesOf(out.str());
}

// The offset of the start field of a section's directory entry; 0 when it is not there.
std::size_t startFieldOf(const DataFile& file, const std::string& name) {
  const std::string key = normaliseSectionName(name);
  for (std::int64_t group = 0; group + 6 <= file.size(); group += 6) {
    const auto entry = file.readBytes(group, 6);
    if (std::string(entry.begin(), entry.begin() + 2) != key.substr(0, 2)) continue;
    for (std::int64_t at = *file.readInt32(group + 2); at + 10 <= file.size(); at += 10) {
      const auto rest = file.readBytes(at, 6);
      if (std::string(rest.begin(), rest.end()) == key.substr(2)) {
        return static_cast<std::size_t>(at + 6);
      }
    }
  }
  return 0;
}

using Bytes = std::vector<std::uint8_t>;
using StartEdit = std::function<std::int32_t(std::int32_t)>;

// One damaged copy of the sample: an edit of a section's bytes, a name with a flipped bit, or
// a directory entry rewritten; the line reported for the section and the exit status.
struct Damage {
  const char* section;
  Edit edit;              // nullptr for the others
  const char* renamedTo;  // or nullptr
  StartEdit newStart;     // of the section's directory entry, or nullptr
  const char* expected;   // part of the line that names the section (UTF-8)
  int exitStatus;
};
Damage bytesOf(const char* section, Edit edit, const char* expected) {
  return {section, std::move(edit), nullptr, nullptr, expected, 1};
}

// The damages fall into rounds, each section at most once a round and the flipped names (no
// problem, only notes) in their own: one check of one copy a round.
TEST(DataCheck, ReportsEachDamageInOneLineAtItsSection) {
  const std::vector<Damage> damages = {
      bytesOf("0A030", cutBy(1), "not 256 glyph records of 512 bytes"),
      bytesOf("0A020", put(65 * 48 + 7, "\xff"), "glyph 65: its bitmap of 255 rows"),
      bytesOf("0A020", put(65 * 48 + 4, "\x01"), "glyph 65: its width"),
      bytesOf("KOLVARD", logo("", 120), "the picture ends after 120 of its 121 rows"),
      bytesOf("KOLVARD", logo("\x04\x01\x02", 0), "the picture data ends inside row 1"),
      bytesOf("KOLVARD", logo("", 122), "1 bytes follow the last of 121 rows"),
      bytesOf("KOLVARD", logo("\x03\x01\x02\x03", 120), "row 1 ends with a column"),
      bytesOf("KOLVARD", logo("\x02\x14\x0a", 120), "row 1 has a run that ends before it starts"),
      bytesOf("KOLVARD", replaceWith(""), "the picture is empty"),
      bytesOf("AINFOF1", append("x"), "ends with 1 bytes, not a whole 160-byte line"),
      bytesOf("PINFOF0", replaceWith(""), "the text is empty"),
      bytesOf("CRFANTAL", cutTo(146), "fewer than the 148 of 73 printing counts"),
      bytesOf("CRFANTAL", put(5, "\xff"), "printing 2 has a negative count"),
      bytesOf("PHELARK", cutBy(36), "no end record"),
      bytesOf("PHELARK", put(8, " "), "\"4s1A\" has no direction"),
      bytesOf("P4SDAU", cutBy(160), "has 3 of its four pane lines"),
      bytesOf("C3CDAT", records([](auto& r) { r.pop_back(); }), "no end mark"),
      bytesOf("C3CDAT", records([](auto& r) { r.push_back("X0"); }),
              "1 records follow the end mark"),
      bytesOf("C3CDAT", append("abc"), "ends with 3 bytes, not a whole 18-byte record"),
      bytesOf("C3CDAT", records([](auto& r) { r[3] = "Z1"; }), "\"Z1\" is of no known kind"),
      bytesOf("C3CDAT", records([](auto& r) { r[0] = "F3"; }), "\"F3\" is neither 1, 2 or 4"),
      bytesOf("I3ADAT", records([](auto& r) { r[5] = "B7"; }),
              "\"B7\" is no place of a sheet of 1 pane"),
      bytesOf("C3CDAT", records([](auto& r) { r[7] = "A101"; }), "\"A101\" is no place"),
      bytesOf("C3CDAT", records([](auto& r) { r.insert(r.begin() + 1, "Tx"); }),
              "holds no printing"),
      bytesOf("C3CDAT", records([](auto& r) { r.insert(r.begin() + 4, 41, "+1"); }),
              "than 40 extra"),
      bytesOf("C3CDAT", records([](auto& r) { r[7].replace(12, 6, "999   "); }),
              "999 (printing 1) has no record C3C-V7"),
      bytesOf("PD4S1", replaceWith(std::string(8 * 120, 'x')), "8 lines, more than the seven"),
      bytesOf("PD4S1", cutBy(1), "not a whole 120-byte line"),
      bytesOf("C3C-35", replaceWith("abc"), "shorter than 10 bytes"),
      bytesOf("C3C-35", replaceWith(" " + kEsc + "*dxx" + std::string(20, ' ')), "no picture tag"),
      bytesOf("C3C-35", replaceWith(" " + kEsc + "*qxx" + kEsc + "*b" + std::string(383, '\0')),
              "unknown tag \"q\""),
      bytesOf("C3C-35", replaceWith(" " + kEsc + "*tabc" + kEsc + "*b" + std::string(383, '\0')),
              "occurrence list of 3 characters"),
      bytesOf("C3C-35", replaceWith(" " + kEsc + "*b" + std::string(382, '\0')),
              "after 382 of its 383"),
      bytesOf("C3C-35", replaceWith(" " + kEsc + "*b" + std::string(8, '\0')),
              "fewer than 10 bytes"),
      bytesOf("ACSERIER", cutBy(16), "no end record"),
      bytesOf("ACSERIER", replaceWith(record("9x     1   1   4", 16) + "*"),
              "9x is no value of edition A"),
      bytesOf("ACSERIER", replaceWith(record("4s     1   4   1", 16) + "*"), "back to printing 1"),
      bytesOf("ACSERIER", replaceWith(record("4s     9   1   4", 16) + "*"), "beyond the 5 series"),
      bytesOf("A4S0", cutBy(2), "not the 42 of the series count"),
      bytesOf("A4S0", put(0, "\x19"), "the number of series 25 is not 0 to 20"),
      bytesOf("A4S0", put(2, std::string(2, '\0')), "series 1 of 5 has no running numbers"),
      bytesOf("ATYPER", replaceWith(record("4s    1  1  99", 64) + "*"),
              "type 99 of value 4s has no record A4SM99"),
      bytesOf("ATYPER", replaceWith(record("4s    1  1", 64)), "the pages have no end record"),
      bytesOf("MTYPER", replaceWith(sidePages + record("4\x9b    1  1  12", 64) + "*"),
              "type 12 of value 4ø has no record M4OM12"),
      bytesOf("TTYPER", replaceWith(record("R2    1  1  5", 36) + "*"),
              "type 5 of value R2 has no record TM5"),
      bytesOf("ATYPER", replaceWith(record("4s    1  1", 30)), "not a whole 64-byte page"),
      bytesOf("TRAMDAT", replaceWith("abc"), "ends with 3 bytes, not a whole 18-byte record"),
      bytesOf("TRAMDAT", records([](auto& r) { r.insert(r.begin() + 1, "X11"); }),
              "the transform \"X11\" does nothing"),
      bytesOf("T4SDAT", records([](auto& r) {
                std::erase_if(r, [](const std::string& x) { return x.starts_with("R6 "); });
              }),
              "printing 4 has no frame block reference"),
      bytesOf("T4SDAT", records([](auto& r) { r[std::size(r) - 2][0] = 'Q'; }),
              "is of no known kind"),
      bytesOf("TTRYK", put(0, "9"), "record 1 is not labelled 1"),
      bytesOf("PF4S2-1", put(0, "\x03"), "composite 3 of the 3 of series 2 has no section PF4S2-3"),
      bytesOf("PF4S2-1", put(0, std::string(1, '\0')), "no number of composites for series 2"),
      bytesOf("PF4S2-1", put(0, "\x31"), "counts 49 composites for series 2, more than the 48"),
      bytesOf("PF4S2-2", cutBy(1), "the picture ends after 887 of its 888 rows"),
      bytesOf("PF4S2-2", replaceWith(""), "the composite is empty"),
      bytesOf("PF4S3-1", put(0, "\x01"), "composite 2 lies beyond the 1 composites of series 3"),
      bytesOf("KOLVM", append(std::string(1, '\0')), "1 bytes follow the last of 749 rows"),
      // Overwrites with zeros and random bytes.
      bytesOf("AINFOF1", zeros(2 * 160 + 10, 400), "line 4 is nothing but zero bytes"),
      bytesOf("CINFOF2", randomBytes(0, 300, 1), "line 1 holds"),
      bytesOf("PINFOF0", zeros(100, 20), "line 1 holds a zero byte inside its text"),
      bytesOf("PD4S4", zeros(0, 120), "line 1 ends in character 255"),
      bytesOf("PD4S5", randomBytes(120, 240, 2), "line 2 holds"),
      bytesOf("0A036", zeroAll(), "glyph 48: \"0\" has no ink"),
      bytesOf("0A030", zeros('A' * 512, 512), "glyph 65: \"A\" has no ink"),
      bytesOf("THELARK", zeroAll(), "record 1 is nothing but zero bytes"),
      bytesOf("TSERIER", randomBytes(24 * 3, 24, 3), "record 4 holds"),
      bytesOf("TSERIER", zeros(24 * 5 + 3, 30), "record 7 holds a zero byte inside its text"),
      bytesOf("P4SDAU", randomBytes(500, 100, 4), "record 4 holds"),
      bytesOf("A4SDAU", zeros(160, 160), "record 2 is nothing but zero bytes"),
      bytesOf("PHELARK", zeros(36 + 10, 4), "record 2 holds a zero byte inside its text"),
      bytesOf("TRFANTAL", zeroAll(), "setting code 1 counts 0 frame flaws"),
      bytesOf("ATYPER", zeros(20, 6), "page record 1 holds a zero byte inside its text"),
      bytesOf("JTYPER", put(0, "9x"),
              "page record 1 names the value \"9x\", no value of edition J"),
      bytesOf("CTYPER", put(4, "  3"), "page record 1 of 3c is not page \"3\" of \"1\" pages"),
      bytesOf("TTRYK", zeros(320 + 5, 4), "record 2 holds a zero byte inside its text"),
      bytesOf("TRAMDAT", randomBytes(18 * 4, 18 * 400, 5), "the frame flaw of"),
      // A flipped bit in a name: the section is missing, the name of no known kind noted.
      {"KOLVM", nullptr, "KOLVO", nullptr, "pages show no drawings; the section KOLVO", 0},
      {"T4SDAT", nullptr, "T4SDCT", nullptr, "the section T4SDCT of no known kind may be it", 0},
      {"P4SDAT", nullptr, "P4SDAV", nullptr, "the section P4SDAV of no known kind may be it", 0},
      // A start moved into the directory or into the section before: the check stops there.
      {"TRAMDAT", nullptr, nullptr, [](std::int32_t) { return 100; },
       "starts inside the group directory", 1},
      {"AINFOF1", nullptr, nullptr, [](std::int32_t start) { return start - 10; },
       "starts inside the section 0A200", 1},
  };
  // A row's line: "SECTION @OFFSET: ..." for a problem, "note: SECTION is not ..." for a note.
  const auto lineOf = [](const std::vector<std::string>& lines, const Damage& d) {
    for (const std::string& line : lines) {
      if (line.starts_with(std::string(d.section) + " @") ||
          line.starts_with("note: " + std::string(d.section) + " ")) {
        return line;
      }
    }
    return std::string("(no line)");
  };
  std::vector<std::vector<const Damage*>> rounds;
  for (const Damage& d : damages) {
    if (d.newStart) {
      SCOPED_TRACE(std::string(d.section) + ": " + d.expected);
      const auto whole = sample().readBytes(0, sample().size());
      Bytes bytes(whole.begin(), whole.end());
      const std::size_t field = startFieldOf(sample(), d.section);
      ASSERT_GT(field, 0u);
      const std::int32_t start = d.newStart(*sample().readInt32(static_cast<std::int64_t>(field)));
      for (std::size_t i = 0; i < 4; ++i)
        bytes[field + i] = static_cast<std::uint8_t>(start >> (8 * i));
      const DataCheckReport report = checkDataFile(DataFile(std::move(bytes)));
      const auto lines = printedLines(report);
      EXPECT_EQ(report.sectionsChecked, 0);
      EXPECT_THAT(lineOf(lines, d), ::testing::HasSubstr(d.expected)) << lines.front();
      EXPECT_EQ(lines.size(), 2u) << lines.front();  // that line and the summary
      continue;
    }
    const bool notes = d.exitStatus == 0;
    const auto fits = [&](const std::vector<const Damage*>& round) {
      return (round.front()->exitStatus == 0) == notes &&
             std::none_of(round.begin(), round.end(),
                          [&](const Damage* o) { return std::string(o->section) == d.section; });
    };
    const auto it = std::find_if(rounds.begin(), rounds.end(), fits);
    if (it == rounds.end()) {
      rounds.push_back({&d});
    } else {
      it->push_back(&d);
    }
  }
  for (const auto& round : rounds) {
    std::map<std::string, Edit> edits;
    std::map<std::string, std::string> renames;
    for (const Damage* d : round) {
      if (d->edit) edits[d->section] = d->edit;
      if (d->renamedTo != nullptr) renames[d->section] = d->renamedTo;
    }
    const DataCheckReport report = checkDataFile(sampleWith(edits, renames));
    const auto lines = printedLines(report);
    for (const Damage* d : round) {
      EXPECT_THAT(lineOf(lines, *d), ::testing::HasSubstr(d->expected)) << d->section;
    }
    // Every line names a damaged section, one line each; the exit status follows.
    EXPECT_EQ(lines.size(), round.size() + 1) << ::testing::PrintToString(lines);
    EXPECT_EQ(report.problems.empty() ? 0 : 1, round.front()->exitStatus);
  }
}

TEST(DataCheck, TellsSectionKindsByTheirNames) {
  struct Case {
    const char* name;
    SectionKind kind;
    const char* value;  // UTF-8
  };
  const std::vector<Case> cases = {
      {"V10O1-0H", SectionKind::ClicheRecord, "10ø"},
      {"V1O-0H", SectionKind::ClicheRecord, "1ø"},
      {"AD4S8A", SectionKind::PrintingInformation, "4s"},
      {"A4SM7", SectionKind::TypeRecord, "4s"},
      {"T4A", SectionKind::Picture, "4a"},
      {"V5ODAU", SectionKind::SheetTexts, "5ø"},
      {"A4S0", SectionKind::SeriesLimits, "4s"},
      {"0A020", SectionKind::Font, ""},
      {"V10OM3-A", SectionKind::TypeRecord, "10ø"},
      {"TMI1OR", SectionKind::TypeRecord, "R"},
      {"AF4S0-1", SectionKind::Composite, "4s"},
      {"AQ4S1-4", SectionKind::Composite, "4s"},
      {"MF4O1--", SectionKind::Composite, "4ø"},
      {"VF10O3-C", SectionKind::Composite, "10ø"},
      {"AQ4S2-1", SectionKind::Unknown, ""},
      {"AF4S1-*", SectionKind::Unknown, ""},
      {"V5O1-0", SectionKind::Unknown, ""},
      {"AX4S", SectionKind::Unknown, ""},
      {"T8ODAT", SectionKind::TwoColourValueData, "8ø"},
      {"T25ADAT", SectionKind::TwoColourValueData, "25a"},
      {"T25A0", SectionKind::SeriesLimits, "25a"},
      {"T4S2-0H", SectionKind::ClicheRecord, "4s"},
      {"T58-04", SectionKind::ClicheRecord, ""},
      {"T58-4", SectionKind::Unknown, ""},
      {"TRAMDAT", SectionKind::FrameData, ""},
      {"TTRYK", SectionKind::PrintingOrder, ""},
  };
  for (const Case& c : cases) {
    const SectionClass kind = classifySection(c.name);
    EXPECT_EQ(kind.kind, c.kind) << c.name;
    EXPECT_EQ(kind.value, cp(c.value)) << c.name;
  }
  EXPECT_EQ(classifySection("0A020").recordSize, 48);
  EXPECT_EQ(classifySection("0A030").recordSize, 512);
  EXPECT_EQ(classifySection("C3C").rows, 688);
  EXPECT_EQ(classifySection("KOLVM").rows, 749);
  // Composites: the rows by edition, the series and the number from the code.
  const SectionClass c = classifySection("CF3C2-!");
  EXPECT_EQ(c.rows, 912);
  EXPECT_EQ(c.series, 2);
  EXPECT_EQ(c.composite, 47);
  EXPECT_EQ(classifySection("PF4S1-1").rows, 888);
  EXPECT_EQ(classifySection("MF4O1-0").composite, 36);
  EXPECT_EQ(classifySection("AQ4S1-1").set, 'Q');
}

TEST(DataCheck, AFileLackingSectionsPassesWithNotes) {
  test::DataBuilder builder;
  for (const auto& entry : sample().listSections()) {
    const auto b = sample().sectionBytes(entry.ref);
    if (entry.name != "CTYPER" && entry.name != "V1ODAT" && entry.name != "TTRYK") {
      builder.add(entry.name, std::string(b.begin(), b.end()));
    }
  }
  const auto dir =
      std::filesystem::temp_directory_path() /
      ("kolvard-lacking-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  std::filesystem::create_directories(dir);
  const auto path = dir / "KOL703.dat";
  {
    const auto bytes = builder.bytes();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  std::ostringstream out, err;
  EXPECT_EQ(runDataTool({"check", path.string()}, out, err), 0);
  std::filesystem::remove_all(dir);
  const auto lines = linesOf(out.str());
  ASSERT_EQ(lines.size(), 4u) << out.str();
  EXPECT_EQ(lines[0], "note: TTRYK is not in the file: no frame setting shows its printing order");
  EXPECT_EQ(lines[1],
            "note: CTYPER is not in the file: the type screen of edition C shows nothing");
  EXPECT_EQ(lines[2],
            "note: V1ODAT is not in the file: the screens find no printings of 1ø of edition V");
  EXPECT_THAT(lines[3], ::testing::StartsWith("KOL703.dat: no problems in "));
  EXPECT_THAT(lines[3], ::testing::EndsWith(
                            ", " + std::to_string(missingFromTheSample().size() + 3) + " notes"));
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard::datatool
