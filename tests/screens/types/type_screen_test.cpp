// The cliché-type screen and the watermark page through the headless backend, over the sample
// data with type pages, type records and the watermark drawing of the tests' own.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "support/cached_data.hpp"
#include "support/data_builder.hpp"
#include "support/golden.hpp"
#include "support/headless_run.hpp"
#include "support/parsed_dump.hpp"
#include "ui/png_image.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::readFile;
using test::runHeadless;
using test::ScratchDir;

const std::string kEsc(1, '\x1b');

// value (1-4), page (5-7), pages (8-10), two blanks, six types of 4 characters.
std::string typePage(const std::string& value, int number, int count,
                     const std::vector<std::string>& types) {
  std::string r = value;
  r.resize(4, ' ');
  const std::string n = std::to_string(number), c = std::to_string(count);
  r += std::string(3 - n.size(), ' ') + n + std::string(3 - c.size(), ' ') + c + "  ";
  for (std::string t : types) {
    t.resize(4, ' ');
    r += t;
  }
  r.resize(64, ' ');
  return r;
}
const std::string kEndRecord = "*" + std::string(63, ' ');

// A type record: a description line and 383 rows, each one run.
std::string typeRecord(const std::string& line) {
  std::string picture;
  for (int i = 0; i < 383; ++i) picture += std::string{2, 20, static_cast<char>(120 + i % 100)};
  return " " + kEsc + "*d$1" + line + kEsc + "*b" + picture;
}

// A watermark drawing of 749 rows after its skipped byte.
std::string watermarkDrawing() {
  std::string rows(1, '\0');
  // A wedge on the left and its mirror image on the right: (30, 30 + w) and (560 - w, 560).
  for (int i = 0; i < 749; ++i) {
    const int w = 20 + i / 25;
    rows += std::string{6,
                        30,
                        static_cast<char>(30 + w),
                        static_cast<char>(255),
                        static_cast<char>(255),
                        static_cast<char>(50 - w),
                        50};
  }
  return rows;
}

// "2s" one page, "4s" two, "8s" one, "16s" none; types of "4s" page 1 include a hyphen and a
// type without a record.
std::string aTypes() {
  return typePage("2s", 1, 1, {"1", "2"}) + typePage("4s", 1, 2, {"1", "2", "3-1", "", "4", "9"}) +
         typePage("4s", 2, 2, {"5", "6"}) + typePage("8s", 1, 1, {"1"}) +
         typePage("16s", 0, 0, {}) + kEndRecord;
}

std::map<std::string, std::string> typeSections() {
  std::map<std::string, std::string> sections = {{"ATYPER", aTypes()},
                                                 {"KOLVM", watermarkDrawing()}};
  for (const char* t : {"1", "2", "3-1", "4", "5", "6"}) {
    sections[std::string("A4SM") + t] = typeRecord(std::string("Type ") + t);
  }
  sections["A2SM1"] = typeRecord("Type 1 of 2s");
  sections["ITYPER"] = typePage("100a", 1, 1, {"1"}) + kEndRecord;
  return sections;
}

// Marks a section of the sample to leave out.
const std::string kLeftOut = "(left out)";

// The sample data file with sections replaced, added or left out, made once for every test
// that asks for the same sections, and read by the program run in the scratch directory.
void writeData(const ScratchDir& dir, std::map<std::string, std::string> sections) {
  std::string key = "types";
  for (const auto& [name, bytes] : sections) {
    key += "|" + name + "=" + std::to_string(std::hash<std::string>{}(bytes));
  }
  dir.useDataFile(test::cachedDataFile(key, [&sections] {
    const DataFile sample = DataFile::open(KOLVARD_SAMPLE_DATA).value();
    test::DataBuilder builder;
    for (const auto& entry : sample.listSections()) {
      const auto bytes = sample.sectionBytes(entry.ref);
      auto own = sections.find(entry.name);
      if (own == sections.end()) {
        builder.add(entry.name, std::string(bytes.begin(), bytes.end()));
      } else {
        if (own->second != kLeftOut) builder.add(entry.name, own->second);
        sections.erase(own);
      }
    }
    for (const auto& [name, bytes] : sections) {
      if (bytes != kLeftOut) builder.add(name, bytes);
    }
    return builder.bytes();
  }));
}

// The type screen's object of a dump: the two-coloured one's on its own screen.
const nlohmann::json& typesObject(const nlohmann::json& dump) {
  return dump.at(dump.value("screen", "") == "tc-types" ? "tcTypes" : "types");
}

struct TypeRun {
  ScratchDir dir;
  test::HeadlessResult result;
  std::string path(const std::string& name) const { return (dir / name).string(); }
  std::string json(const std::string& name) const { return readFile(dir / name); }
  // The fields of the dump (`"key": value, ...`): the screen and the edition at its top, the
  // rest in its types object.
  ::testing::AssertionResult has(const std::string& file, const std::string& fields) const {
    const nlohmann::json expected = test::parsedDump("{" + fields + "}");
    const nlohmann::json dump = test::readDump(dir / file);
    const bool top =
        std::all_of(expected.items().begin(), expected.items().end(),
                    [](const auto& f) { return f.key() == "screen" || f.key() == "edition"; });
    return test::hasFields(top ? dump : typesObject(dump), expected);
  }
};

// Edition "A", value "4s", then the script.
void run(TypeRun& r, const std::string& script,
         const std::map<std::string, std::string>& sections = typeSections()) {
  writeData(r.dir, sections);
  r.result = runHeadless(r.dir, "A Down Down " + script);
}

TEST(TypeScreen, OpenedFromTheFlawScreenReturnsThereWithEscAndToTheFrontPageWithEnter) {
  TypeRun r;
  run(r, "F6 shot:" + r.path("before.png") + " F8 state:" + r.path("t.json") +
             " Esc state:" + r.path("f.json") + " shot:" + r.path("after.png") +
             " F8 Enter state:" + r.path("e.json"));
  ASSERT_EQ(r.result.status, 0);
  EXPECT_TRUE(r.has("t.json", "\"screen\": \"types\""));
  EXPECT_TRUE(r.has("t.json", "\"caller\": 6"));
  EXPECT_TRUE(r.has("f.json", "\"screen\": \"flaws\""));
  EXPECT_TRUE(r.has("e.json", "\"screen\": \"front\""));
  // The flaw screen comes back as it was left.
  EXPECT_EQ(readPng(r.dir / "before.png").value(), readPng(r.dir / "after.png").value());
  EXPECT_EQ(r.result.beeps, 0);
}

TEST(TypeScreen, PagesThroughTheValuesOfTheEdition) {
  TypeRun r;
  run(r, "F8 state:" + r.path("1.json") + " PgDn state:" + r.path("2.json") +
             " PgDn state:" + r.path("3.json") + " PgDn state:" + r.path("4.json") +
             " PgDn state:" + r.path("5.json") + " Home state:" + r.path("6.json") +
             " Up state:" + r.path("7.json") + " End state:" + r.path("8.json"));
  ASSERT_EQ(r.result.status, 0);
  EXPECT_TRUE(r.has("1.json",
                    "\"index\": 1, \"lastIndex\": 4, \"value\": \"4s\", \"page\": 1, "
                    "\"pages\": 2"))
      << r.json("1.json");
  EXPECT_TRUE(r.has("2.json", "\"index\": 2, \"lastIndex\": 4, \"value\": \"4s\", \"page\": 2"));
  // From the last page of "4s" on to the first of "8s".
  EXPECT_TRUE(r.has("3.json", "\"index\": 3, \"lastIndex\": 4, \"value\": \"8s\", \"page\": 1"));
  EXPECT_TRUE(r.has("4.json", "\"value\": \"16s\", \"page\": 0, \"pages\": 0"));
  EXPECT_TRUE(r.has("4.json", "\"labels\": [\"\", \"\", \"\", \"\", \"\", \"\"]"));
  EXPECT_TRUE(r.has("5.json", "\"index\": 4"));  // PgDn on the last page beeps and stays
  EXPECT_TRUE(r.has("6.json", "\"index\": 0, \"lastIndex\": 4, \"value\": \"2s\""));
  EXPECT_TRUE(r.has("7.json", "\"index\": 0"));  // Up on the first page stays, silently
  EXPECT_TRUE(r.has("8.json", "\"index\": 4"));
  EXPECT_EQ(r.result.beeps, 1);
  // Paging never changes the current value.
  EXPECT_EQ(r.result.state.selection.value(), "4s");
}

TEST(TypeScreen, LabelsOfTheCells) {
  TypeRun r;
  run(r, "F8 state:" + r.path("1.json"));
  // The hyphen is the grave accent; "9" has no record and shows its label only.
  EXPECT_TRUE(r.has("1.json", "\"labels\": [\"M.1\", \"M.2\", \"M.3`1\", \"\", \"M.4\", \"M.9\"]"))
      << r.json("1.json");
}

TEST(TypeScreen, ValueKeysFindTheValuesPages) {
  TypeRun r;
  run(r, "F8 V \"8s\" Enter state:" + r.path("1.json") +
             " V \"3s\" Enter state:" + r.path("2.json") + " R state:" + r.path("3.json") +
             " V Esc state:" + r.path("4.json") + " K X state:" + r.path("5.json"));
  ASSERT_EQ(r.result.status, 0);
  EXPECT_TRUE(r.has("1.json", "\"index\": 3, \"lastIndex\": 4, \"value\": \"8s\""));
  // Values without pages (and the frames "R" outside the two-coloured types) beep and stay.
  EXPECT_TRUE(r.has("2.json", "\"index\": 3"));
  EXPECT_TRUE(r.has("3.json", "\"index\": 3"));
  EXPECT_TRUE(r.has("4.json", "\"index\": 3"));
  EXPECT_TRUE(r.has("5.json", "\"screen\": \"types\""));
  EXPECT_EQ(r.result.beeps, 3);  // "3s", "R", and the unknown key "X"
}

TEST(TypeScreen, AValueWithoutPagesBeepsAndLeavesForTheFrontPage) {
  TypeRun r;
  writeData(r.dir, typeSections());
  // "3s" of "A" has no type pages.
  r.result = runHeadless(r.dir, "A Down F8 state:" + r.path("1.json"));
  EXPECT_TRUE(r.has("1.json", "\"screen\": \"front\""));
  EXPECT_EQ(r.result.beeps, 1);
  EXPECT_EQ(r.result.state.selection.typePage().index, 0);
}

TEST(TypeScreen, TheIndexIsKeptBetweenVisitsOfTheSameValue) {
  TypeRun r;
  run(r, "F8 PgDn Esc F8 state:" + r.path("1.json") + " PgDn Esc F8 state:" + r.path("2.json"));
  EXPECT_TRUE(r.has("1.json", "\"index\": 2, \"lastIndex\": 4, \"value\": \"4s\", \"page\": 2"));
  // Left on the page of "8s", the screen comes back to the pages of the current value.
  EXPECT_TRUE(r.has("2.json", "\"index\": 1, \"lastIndex\": 4, \"value\": \"4s\", \"page\": 1"))
      << r.json("2.json");
}

TEST(TypeScreen, IcelandicOvalValuesUseTheIcelandicTypes) {
  TypeRun r;
  writeData(r.dir, typeSections());
  // From "I" "2s", Up is "100a", held as edition "T" with the Iceland flag.
  r.result =
      runHeadless(r.dir, "I Up F8 state:" + r.path("1.json") + " Esc state:" + r.path("2.json") +
                             " T F8 state:" + r.path("3.json"));
  EXPECT_TRUE(r.has("1.json", "\"screen\": \"types\""));
  EXPECT_TRUE(r.has("1.json", "\"value\": \"100a\", \"page\": 1"));
  EXPECT_TRUE(r.has("1.json", "\"edition\": \"T\""));  // the selection is left as it was
  EXPECT_TRUE(r.has("2.json", "\"screen\": \"front\""));
  // The two-coloured edition itself has its own type screen.
  EXPECT_NE(test::readDump(r.dir / "3.json")["screen"], "types");
}

TEST(WatermarkPage, IgnoresEveryKeyButEscWhichReturnsToTheScreenThatOpenedTheTypeScreen) {
  TypeRun r;
  run(r, "F6 F8 W state:" + r.path("w.json") + " shot:" + r.path("w1.png") +
             " Down PgDn Enter F1 F6 V x shot:" + r.path("w2.png") + " state:" + r.path("w2.json") +
             " Esc state:" + r.path("f.json"));
  ASSERT_EQ(r.result.status, 0);
  EXPECT_TRUE(r.has("w.json", "\"screen\": \"watermarks\""));
  EXPECT_TRUE(r.has("w2.json", "\"screen\": \"watermarks\""));
  EXPECT_EQ(readPng(r.dir / "w1.png").value(), readPng(r.dir / "w2.png").value());
  EXPECT_TRUE(r.has("f.json", "\"screen\": \"flaws\""));
  EXPECT_EQ(r.result.beeps, 0);
}

// How many pixels of a framebuffer are not white.
int inkedPixels(const Framebuffer& image) {
  int count = 0;
  const Rgb white = image.at(0, 0);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.at(x, y) == white ? 0 : 1;
  }
  return count;
}

TEST(TypeScreen, DamagedTypeSectionsAndAMissingWatermarkDrawing) {
  const std::string pages = aTypes();
  struct Case {
    const char* what;
    std::string types;
    const char* expected;  // in the state dump after F8
  };
  const Case cases[] = {
      {"no end record", pages.substr(0, pages.size() - 64), "\"lastIndex\": 4, \"value\": \"4s\""},
      {"cut inside the third page", pages.substr(0, 2 * 64 + 30),
       "\"index\": 1, \"lastIndex\": 1, \"value\": \"4s\", \"page\": 1"},
      {"cut inside the first page of 4s", pages.substr(0, 64 + 12), "\"screen\": \"front\""},
  };
  for (const Case& c : cases) {
    TypeRun r;
    auto sections = typeSections();
    sections["ATYPER"] = c.types;
    run(r, "F8 state:" + r.path("1.json") + " End PgDn PgUp PgDn", sections);
    EXPECT_EQ(r.result.status, 0) << c.what;
    EXPECT_TRUE(r.has("1.json", c.expected)) << c.what << "\n" << r.json("1.json");
  }
  // Without "KOLVM" the watermark page shows its texts alone.
  TypeRun with, without;
  run(with, "F8 W shot:" + with.path("w.png"));
  auto sections = typeSections();
  sections["KOLVM"] = kLeftOut;
  run(without, "F8 W shot:" + without.path("w.png"), sections);
  const int drawn = inkedPixels(readPng(with.dir / "w.png").value());
  const int texts = inkedPixels(readPng(without.dir / "w.png").value());
  EXPECT_GT(texts, 0);
  EXPECT_GT(drawn, texts + 10000);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

// Edition "M": sixteen pages, the first two of "4ø" with four and six drawings, then two side
// texts of "4ø" after the 16th record.
std::map<std::string, std::string> sideTextSections() {
  auto sections = typeSections();
  std::string pages = typePage(cp("4ø"), 1, 2, {"1", "2", "", "4-1", "5"}) +
                      typePage(cp("4ø"), 2, 2, {"1", "2", "3", "4-1", "5", "6"});
  for (int i = 2; i < 16; ++i) pages += typePage("2s", i - 1, 14, {});
  for (const auto& [code, text] :
       {std::pair{'C', "Typerne skelnes ved hjørnerne."}, std::pair{'D', "Se også side 2."}}) {
    std::string side = cp("4ø") + " " + std::string(1, code) + " " + cp(text);
    side.resize(64, ' ');
    pages += side;
  }
  sections["MTYPER"] = pages + kEndRecord;
  for (const char* t : {"1", "2", "3", "4-1", "5", "6"}) {
    sections[std::string("M4OM") + t] = typeRecord(std::string("Type ") + t);
  }
  return sections;
}

TEST(TypeScreen, SideTextsStandBesideTheFirstPageOnly) {
  TypeRun r;
  writeData(r.dir, sideTextSections());
  // "M" "4ø" is the sixth value of the edition.
  r.result =
      runHeadless(r.dir, "M Down Down Down Down Down F8 shot:" + r.path("1.png") +
                             " PgDn state:" + r.path("2.json") + " PgUp shot:" + r.path("3.png"));
  ASSERT_EQ(r.result.status, 0);
  EXPECT_TRUE(r.has("2.json", "\"index\": 1, \"lastIndex\": 15, \"value\": \"4ø\", \"page\": 2"))
      << r.json("2.json");
  EXPECT_EQ(readPng(r.dir / "1.png").value(), readPng(r.dir / "3.png").value());
}

// The sample data's own type pages.
TEST(TypeScreen, TheSampleTypePages) {
  struct Case {
    const char* script;
    const char* expected;
  };
  const Case cases[] = {
      {"A Down Down F8",
       "\"value\": \"4s\", \"page\": 1, \"pages\": 4, \"labels\": [\"M.1\", "
       "\"M.2\", \"M.3\", \"M.3A\", \"M.4\", \"M.5\"]"},
      {"A Down Down F8 End", "\"index\": 5, \"lastIndex\": 5, \"value\": \"16s\", \"page\": 0"},
      {"V Down Down F8",
       "\"labels\": [\"M.1\", \"M.1`A\", \"M.2\", \"M.2`A\", \"M.3\", \"M.3`A\"]"},
      {"M Down Down Down Down Down F8",
       "\"value\": \"4ø\", \"page\": 1, \"pages\": 2, \"labels\": [\"M.1\", \"M.2\", \"\", "
       "\"M.3\", "
       "\"M.4\", \"\"]"},
      {"I Down F8 R",
       "\"value\": \"R\", \"page\": 1, \"pages\": 2, \"labels\": [\"M.1\", \"M.2\", \"\", \"\", "
       "\"M.1\", \"M.1\"]"},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    dir.addSampleData();
    const auto r = runHeadless(dir, std::string(c.script) + " state:" + (dir / "s.json").string());
    EXPECT_EQ(r.status, 0) << c.script;
    const nlohmann::json dump = test::readDump(dir / "s.json");
    EXPECT_TRUE(
        test::hasFields(typesObject(dump), test::parsedDump(std::string("{") + c.expected + "}")))
        << c.script;
  }
}

TEST(TypeScreenGolden, SixDrawingsSideTextsAndTheWatermarkPage) {
  ScratchDir dir;
  dir.addSampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  auto r = runHeadless(
      dir, std::string("A Down Down F8 shot:") + a("six.png") + " W shot:" + a("w.png"));
  ASSERT_EQ(r.status, 0);
  r = runHeadless(dir, std::string("M Down Down Down Down Down F8 shot:") + a("side.png"));
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(test::matchesGolden(readPng(dir / "six.png").value(), "types-A-4s"));
  EXPECT_TRUE(test::matchesGolden(readPng(dir / "side.png").value(), "types-M-4o-side-texts"));
  EXPECT_TRUE(test::matchesGolden(readPng(dir / "w.png").value(), "watermarks"));
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
