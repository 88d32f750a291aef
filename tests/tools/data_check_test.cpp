// kolvard-data check: the sample data passes, and a copy of it with one fault of each kind
// fails with that fault named first, at its section.
#include "kolvard-data/data_check.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "data/cp865.hpp"
#include "data/inverted_record.hpp"
#include "kolvard-data/cli.hpp"
#include "kolvard-data/section_kinds.hpp"
#include "support/data_builder.hpp"

namespace kolvard::datatool {
namespace {

const DataFile& sample() {
  static const DataFile file = DataFile::open(KOLVARD_SAMPLE_DATA).value_or(DataFile());
  return file;
}

using Edit = std::function<void(std::string&)>;

// The sample packed again with the bytes of one section edited; of the cliché records only
// those of "C3c" are kept, and of the composites only those of "P4s", which keeps each copy
// small.
DataFile sampleWith(const std::string& section, const Edit& edit) {
  test::DataBuilder builder;
  for (const auto& entry : sample().listSections()) {
    const SectionKind kind = classifySection(entry.name).kind;
    if (kind == SectionKind::ClicheRecord && !entry.name.starts_with("C3C-")) continue;
    if (kind == SectionKind::Composite && !entry.name.starts_with("PF4S")) continue;
    const auto bytes = sample().sectionBytes(entry.ref);
    std::string text(bytes.begin(), bytes.end());
    if (entry.name == section) edit(text);
    builder.add(entry.name, text);
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

struct Fault {
  const char* section;
  Edit edit;
  const char* what;  // part of the problem reported at the section
};

TEST(DataCheck, NamesEachKindOfFaultAtItsSection) {
  const std::vector<Fault> faults = {
      {"0A030", cutBy(1), "not 256 glyph records of 512 bytes"},
      {"0A020", put(65 * 48 + 7, "\xff"), "glyph 65: its bitmap of 255 rows"},
      {"0A020", put(65 * 48 + 4, "\x01"), "glyph 65: its width"},
      {"KOLVARD", logo("", 120), "the picture ends after 120 of its 121 rows"},
      {"KOLVARD", logo("\x04\x01\x02", 0), "the picture data ends inside row 1"},
      {"KOLVARD", logo("", 122), "1 bytes follow the last of 121 rows"},
      {"KOLVARD", logo("\x03\x01\x02\x03", 120), "row 1 ends with a column"},
      {"KOLVARD", logo("\x02\x14\x0a", 120), "row 1 has a run that ends before it starts"},
      {"KOLVARD", replaceWith(""), "the picture is empty"},
      {"AINFOF1", append("x"), "ends with 1 bytes, not a whole 160-byte line"},
      {"PINFOF0", replaceWith(""), "the text is empty"},
      {"CRFANTAL", cutTo(146), "fewer than the 148 of 73 printing counts"},
      {"CRFANTAL", put(5, "\xff"), "printing 2 has a negative count"},
      {"PHELARK", cutBy(36), "no end record"},
      {"PHELARK", put(8, " "), "\"4s1A\" has no direction"},
      {"P4SDAU", cutBy(160), "has 3 of its four pane lines"},
      {"C3CDAT", records([](auto& r) { r.pop_back(); }), "no end mark"},
      {"C3CDAT", records([](auto& r) { r.push_back("X0"); }), "1 records follow the end mark"},
      {"C3CDAT", append("abc"), "ends with 3 bytes, not a whole 18-byte record"},
      {"C3CDAT", records([](auto& r) { r[3] = "Z1"; }), "\"Z1\" is of no known kind"},
      {"C3CDAT", records([](auto& r) { r[0] = "F3"; }), "\"F3\" is neither 1, 2 or 4"},
      {"I3ADAT", records([](auto& r) { r[5] = "B7"; }), "\"B7\" is no place of a sheet of 1 pane"},
      {"C3CDAT", records([](auto& r) { r[7] = "A101"; }), "\"A101\" is no place"},
      {"C3CDAT", records([](auto& r) { r.insert(r.begin() + 1, "Tx"); }), "holds no printing"},
      {"C3CDAT", records([](auto& r) { r.insert(r.begin() + 4, 41, "+1"); }), "than 40 extra"},
      {"C3CDAT", records([](auto& r) { r[7].replace(12, 6, "999   "); }),
       "999 (printing 1) has no record C3C-V7"},
      {"PD4S1", replaceWith(std::string(8 * 120, 'x')), "8 lines, more than the seven"},
      {"PD4S1", cutBy(1), "not a whole 120-byte line"},
      {"C3C-35", replaceWith("abc"), "shorter than 10 bytes"},
      {"C3C-35", replaceWith(" " + kEsc + "*dxx" + std::string(20, ' ')), "no picture tag"},
      {"C3C-35", replaceWith(" " + kEsc + "*qxx" + kEsc + "*b" + std::string(383, '\0')),
       "unknown tag \"q\""},
      {"C3C-35", replaceWith(" " + kEsc + "*tabc" + kEsc + "*b" + std::string(383, '\0')),
       "occurrence list of 3 characters"},
      {"C3C-35", replaceWith(" " + kEsc + "*b" + std::string(382, '\0')), "after 382 of its 383"},
      {"C3C-35", replaceWith(" " + kEsc + "*b" + std::string(8, '\0')), "fewer than 10 bytes"},
      {"ACSERIER", cutBy(16), "no end record"},
      {"ACSERIER", replaceWith(record("9x     1   1   4", 16) + "*"),
       "9x is no value of edition A"},
      {"ACSERIER", replaceWith(record("4s     1   4   1", 16) + "*"), "back to printing 1"},
      {"ACSERIER", replaceWith(record("4s     9   1   4", 16) + "*"), "beyond the 5 series"},
      {"A4S0", cutBy(2), "not the 42 of the series count"},
      {"A4S0", put(0, "\x19"), "the number of series 25 is not 0 to 20"},
      {"A4S0", put(2, std::string(2, '\0')), "series 1 of 5 has no running numbers"},
      {"ATYPER", replaceWith(record("4s    1  1  99", 64) + "*"),
       "type 99 of value 4s has no record A4SM99"},
      {"ATYPER", replaceWith(record("4s    1  1", 64)), "the pages have no end record"},
      {"MTYPER", replaceWith(sidePages + record("4\x9b    1  1  12", 64) + "*"),
       "type 12 of value 4ø has no record M4OM12"},
      {"TTYPER", replaceWith(record("R2    1  1  5", 36) + "*"),
       "type 5 of value R2 has no record TM5"},
      {"ATYPER", replaceWith(record("4s    1  1", 30)), "not a whole 64-byte page"},
      {"TRAMDAT", replaceWith("abc"), "ends with 3 bytes, not a whole 18-byte record"},
      {"TRAMDAT", records([](auto& r) { r.insert(r.begin() + 1, "X11"); }),
       "the transform \"X11\" does nothing"},
      {"T4SDAT", records([](auto& r) {
         std::erase_if(r, [](const std::string& x) { return x.starts_with("R6 "); });
       }),
       "printing 4 has no frame block reference"},
      {"T4SDAT", records([](auto& r) { r[std::size(r) - 2][0] = 'Q'; }), "is of no known kind"},
      {"TTRYK", put(0, "9"), "record 1 is not labelled 1"},
      {"PF4S2-1", put(0, "\x03"), "composite 3 of the 3 of series 2 has no section PF4S2-3"},
      {"PF4S2-1", put(0, std::string(1, '\0')), "no number of composites for series 2"},
      {"PF4S2-1", put(0, "\x31"), "counts 49 composites for series 2, more than the 48"},
      {"PF4S2-2", cutBy(1), "the picture ends after 887 of its 888 rows"},
      {"PF4S2-2", replaceWith(""), "the composite is empty"},
      {"PF4S3-1", put(0, "\x01"), "composite 2 lies beyond the 1 composites of series 3"},
      {"KOLVM", append(std::string(1, '\0')), "1 bytes follow the last of 749 rows"},
  };
  for (const Fault& fault : faults) {
    const DataCheckReport report = checkDataFile(sampleWith(fault.section, fault.edit));
    if (report.problems.empty()) {
      ADD_FAILURE() << fault.section << ": no problem, expected " << fault.what;
      continue;
    }
    // The fault comes first; what follows from it stays in its section.
    EXPECT_NE(report.problems[0].what.find(cp(fault.what)), std::string::npos)
        << fault.section << ": " << fault.what << "; got " << report.problems[0].what;
    for (const DataProblem& p : report.problems) EXPECT_EQ(p.section, fault.section) << p.what;
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

TEST(DataCheck, StopsAtADamagedDirectoryAndNamesMissingSections) {
  const auto bytes = sample().readBytes(0, 20000);
  const DataCheckReport cut = checkDataFile(DataFile({bytes.begin(), bytes.end()}));
  EXPECT_FALSE(cut.problems.empty());
  EXPECT_EQ(cut.sectionsChecked, 0);

  test::DataBuilder builder;
  for (const auto& entry : sample().listSections()) {
    const auto b = sample().sectionBytes(entry.ref);
    if (entry.name != "CTYPER") builder.add(entry.name, std::string(b.begin(), b.end()));
  }
  std::ostringstream out, err;
  const DataCheckReport missing = checkDataFile(builder.file());
  ASSERT_EQ(missing.problems.size(), 1u);
  EXPECT_EQ(missing.problems[0].what, "the section CTYPER is missing");
  printDataCheck(missing, "KOL703.dat", out);
  EXPECT_EQ(out.str(), "CTYPER @0: the section CTYPER is missing\n1 problem in " +
                           std::to_string(missing.sectionsChecked) + " sections\n");
}

}  // namespace
}  // namespace kolvard::datatool
