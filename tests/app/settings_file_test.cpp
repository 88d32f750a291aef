#include "app/settings_file.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/edition_settings.hpp"
#include "app/program_state.hpp"
#include "data/cp865.hpp"
#include "domain/value_tables.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    dir_ = fs::temp_directory_path() /
           ("kolvard-settings-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    fs::create_directories(dir_);
    paths_.file = dir_ / "KOL703.CFG";
    paths_.scratch = dir_ / "KOL703.XXX";
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  void writeFile(const std::string& bytes) const {
    std::ofstream out(paths_.file, std::ios::binary | std::ios::trunc);
    out << bytes;
  }
  std::string readFile() const {
    std::ifstream in(paths_.file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::vector<std::string> fileLines() const {
    std::vector<std::string> lines;
    std::istringstream in(readFile());
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    return lines;
  }
  // The edition letters of the records, in file order.
  std::vector<std::string> recordEditions() const {
    std::vector<std::string> editions;
    const auto lines = fileLines();
    for (std::size_t i = 1; i < lines.size(); i += 2) editions.push_back(lines[i]);
    return editions;
  }
  ProgramState loaded(std::string_view edition = "") const {
    ProgramState state;
    loadSettings(state, edition, paths_);
    return state;
  }
  void saveAs(std::string_view edition, std::string_view value, std::string_view position) {
    ProgramState state;
    loadSettings(state, edition, paths_);
    state.selection.setValue(std::string(value));
    state.selection.setPosition(std::string(position));
    ASSERT_TRUE(saveSettings(state, paths_));
  }

  fs::path dir_;
  SettingsPaths paths_;
};

// A record line of fields 2-29 with the given value, position and view mode.
std::string recordLine(const std::string& value, const std::string& position, int viewMode = 2) {
  std::string line =
      "\"" + value + "\",\"1\",\"3\",\"" + position + "\",\"1\"," + std::to_string(viewMode);
  for (int i = 0; i < 15; ++i) line += ",\"x\"";
  return line + ",0,\"\",\"\",0,0,0,0";
}

void expectTwoColourDefaults(const ProgramState& state) {
  EditionSettings expected = defaultSettingsFor("T");
  expected.setOnLoad = {1, 1};
  EXPECT_EQ(state.settings, expected);
  EXPECT_EQ(recordOfSelection(state), expected);
  EXPECT_EQ(state.settings.value + state.settings.toPrinting, "2s3");
  EXPECT_EQ(state.editionSelector(), "9");
  EXPECT_EQ(state.zoom, 3);
  EXPECT_FALSE(state.selection.iceland());
  EXPECT_EQ(state.selection.positionIndex(), 1);
}

TEST_F(SettingsFileTest, StartWithoutFileGivesTwoColourDefaultsAndFirstSaveCreatesIt) {
  ProgramState state;
  state.zoom = 2;
  state.settings = defaultSettingsFor("V");
  loadSettings(state, "", paths_);
  expectTwoColourDefaults(state);

  ASSERT_TRUE(saveSettings(state, paths_));
  const auto lines = fileLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "3");
  EXPECT_EQ(lines[1], "\"T\"");
  const std::string dot = "\"" + std::string(1, cp865::kMiddleDot) + "\"";
  std::string expected = "\"2s\",\"1\",\"3\",\"1\",\"1\",2";
  for (int field = 8; field <= 22; ++field) {
    expected += "," + (field == 17 ? "\"A\"" : field == 18 ? "\"B\"" : dot);
  }
  expected += ",0,\"\",\"\",0,1,1,0";
  EXPECT_EQ(lines[2], expected);
  EXPECT_FALSE(fs::exists(paths_.scratch));
}

TEST_F(SettingsFileTest, RoundTripKeepsEveryFieldByteForByte) {
  ProgramState state;
  EditionSettings s;
  s.edition = "V";
  s.value = cp("10ø");
  s.fromPrinting = "14b";
  s.toPrinting = "6";
  s.position = "B17";
  s.spareSelector = "2";
  s.viewMode = 3;
  for (int field = 8; field <= 22; ++field) {
    s.criterion(field) = cp("æøå") + std::to_string(field);
  }
  s.criterion(9) = "say \"hi\", then";  // quotes and commas inside a string
  s.criterion(10) = "";
  s.criterion(11) = std::string("\r\n\x18\x19\xff", 5);
  s.spareNumber = -42;
  s.spareText1 = cp("ÆØÅ é");
  s.spareText2 = "12.5";
  s.spareFlag = 7;
  s.setOnLoad = {1, 1};
  s.includeUndetermined = -1;
  selectRecord(state, s);
  state.zoom = 4;
  ASSERT_TRUE(saveSettings(state, paths_));

  const ProgramState back = loaded();
  EXPECT_EQ(back.settings, s);
  EXPECT_EQ(recordOfSelection(back), s);
  EXPECT_EQ(back.zoom, 4);
  EXPECT_EQ(back.selection.positionIndex(), 117);
  EXPECT_EQ(back.editionSelector(), "6");
  EXPECT_FALSE(back.selection.iceland());
}

TEST_F(SettingsFileTest, LoadAppliesPositionViewModeAndFlagRules) {
  struct Case {
    std::string position;
    int viewMode;
    int expectedIndex;
    int expectedViewMode;
  };
  const Case cases[] = {{"B7", 2, 107, 2},   {"A100", 3, 100, 3}, {"15", 1, 15, 1},
                        {"D100", 0, 400, 1}, {"Q9", 4, 1, 1},     {"B7", -3, 107, 1}};
  for (const Case& c : cases) {
    writeFile("3\r\n\"P\"\r\n" + recordLine("4s", c.position, c.viewMode) + "\r\n");
    const ProgramState state = loaded();
    EXPECT_EQ(state.selection.positionIndex(), c.expectedIndex) << c.position;
    EXPECT_EQ(state.settings.viewMode, c.expectedViewMode) << c.viewMode;
    EXPECT_EQ(state.settings.position, c.position);
    // Fields 27 and 28 are 1 after every load; 26 and 29 as stored (0).
    EXPECT_EQ(state.settings.spareFlag, 0);
    EXPECT_EQ(state.settings.setOnLoad, (std::array<int, 2>{1, 1}));
    EXPECT_EQ(state.settings.includeUndetermined, 0);
    EXPECT_EQ(state.editionSelector(), "1");
  }
}

TEST_F(SettingsFileTest, IcelandOvalValueIsStoredUnderIAndComesBackAsTwoColour) {
  ProgramState state;
  loadSettings(state, "T", paths_);
  state.selection.setValue("3s");
  ASSERT_TRUE(saveSettings(state, paths_));  // a plain "T" record

  loadSettings(state, "I", paths_);
  EXPECT_TRUE(state.selection.iceland());
  state.selection.setEdition("T", true);  // the front page stepped onto an oval value
  state.selection.setValue("25a");
  state.reg.criteria[1].type = "M.";  // field 12
  ASSERT_TRUE(saveSettings(state, paths_));
  EXPECT_EQ(recordEditions(), (std::vector<std::string>{"\"I\"", "\"T\""}));

  for (std::string_view asked : {"", "I"}) {
    const ProgramState next = loaded(asked);
    EXPECT_EQ(next.settings.edition, "T");
    EXPECT_EQ(next.settings.value, "25a");
    EXPECT_TRUE(next.selection.iceland());
    EXPECT_EQ(next.settings.criterion(12), std::string(1, cp865::kMiddleDot));
    EXPECT_EQ(next.reg.criteria[1].type, std::string(1, cp865::kMiddleDot));
    EXPECT_EQ(next.settings.criterion(17), "A");
    EXPECT_EQ(next.editionSelector(), "9");
  }
  // The two-coloured edition itself keeps its own record.
  const ProgramState twoColour = loaded("T");
  EXPECT_EQ(twoColour.settings.value, "3s");
  EXPECT_FALSE(twoColour.selection.iceland());
}

TEST_F(SettingsFileTest, RequestedZoomIsWrittenAsItIsAndThenLimited) {
  ProgramState state;
  loadSettings(state, "", paths_);
  state.zoom = 6;
  ASSERT_TRUE(saveSettings(state, paths_));
  EXPECT_EQ(state.zoom, 3);
  EXPECT_EQ(fileLines().at(0), "6");
  EXPECT_EQ(loaded().zoom, 6);

  state.zoom = 2;
  ASSERT_TRUE(saveSettings(state, paths_));
  EXPECT_EQ(state.zoom, 2);
  EXPECT_EQ(loaded().zoom, 2);

  writeFile("99\r\n\"P\"\r\n" + recordLine("4s", "1") + "\r\n");
  const ProgramState odd = loaded();
  EXPECT_EQ(odd.zoom, 3);
  EXPECT_EQ(odd.settings.edition, "P");
}

TEST_F(SettingsFileTest, ManySavesKeepOneRecordPerEditionCurrentFirst) {
  saveAs("T", "48s", "A1");
  saveAs("P", "8s", "B2");
  saveAs("V", "5c", "3");
  saveAs("P", "16s", "A4");
  saveAs("I", "6a", "B5");
  saveAs("T", "50c", "A6");
  saveAs("P", "2s", "A7");
  EXPECT_EQ(recordEditions(), (std::vector<std::string>{"\"P\"", "\"T\"", "\"I\"", "\"V\""}));

  struct Expected {
    std::string_view edition;
    std::string_view value;
    int index;
  };
  for (const Expected& e : {Expected{"T", "50c", 6}, Expected{"P", "2s", 7}, Expected{"V", "5c", 3},
                            Expected{"I", "6a", 105}}) {
    const ProgramState state = loaded(e.edition);
    EXPECT_EQ(state.settings.edition, e.edition);
    EXPECT_EQ(state.settings.value, e.value) << e.edition;
    EXPECT_EQ(state.selection.positionIndex(), e.index) << e.edition;
  }

  // A record under a letter without defaults would end the reading there: it is left out.
  ProgramState odd = loaded("P");
  odd.selection.setEdition("Q", false);
  ASSERT_TRUE(saveSettings(odd, paths_));
  EXPECT_EQ(recordEditions(), (std::vector<std::string>{"\"P\"", "\"T\"", "\"I\"", "\"V\""}));
}

TEST_F(SettingsFileTest, EditionWithoutRecordGetsItsDefaultsAndTheLastRecordsTail) {
  writeFile("3\r\n\"T\"\r\n" + recordLine("3s", "A1") +
            "\r\n\"C\"\r\n\"4c\",\"2\",\"1\",\"B3\","
            "\"1\",3,\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\",\"h\",\"i\",\"j\",\"k\",\"l\","
            "\"m\",\"n\",\"o\",5,\"f24\",\"f25\",6,7,8,9\r\n");
  ProgramState state;
  state.selection.setValue("8s");
  loadSettings(state, "L", paths_);
  EditionSettings expected = defaultSettingsFor("L");
  expected.spareNumber = 5;
  expected.spareText1 = "f24";
  expected.spareText2 = "f25";
  expected.spareFlag = 6;
  expected.setOnLoad = {1, 1};
  expected.includeUndetermined = 9;
  EXPECT_EQ(state.settings, expected);
  EXPECT_EQ(state.editionSelector(), "7");
  EXPECT_EQ(state.zoom, 3);
}

TEST_F(SettingsFileTest, MissingFileWithAskedEditionGivesThatEditionAndKeepsZoom) {
  ProgramState state;
  state.zoom = 2;
  loadSettings(state, "V", paths_);
  EXPECT_EQ(state.settings.edition, "V");
  EXPECT_EQ(state.settings.value, cp("1ø"));
  EXPECT_EQ(state.editionSelector(), "6");
  EXPECT_EQ(state.zoom, 2);
}

TEST_F(SettingsFileTest, DamagedFilesGiveDefaultsWhereTheyCannotBeRead) {
  const std::string good = "\"P\"\r\n" + recordLine("8s", "B9") + "\r\n";
  // Unreadable from the zoom line on: the defaults of a first start.
  for (const std::string& bytes :
       {std::string(), std::string("\r\n"), std::string("three\r\n") + good,
        std::string("\"3\"\r\n") + good, std::string("3,4\r\n") + good, std::string(100000, 'x'),
        std::string("\x00\xff\x01", 3)}) {
    writeFile(bytes);
    ProgramState state;
    state.zoom = 2;
    state.settings = defaultSettingsFor("M");
    loadSettings(state, "", paths_);
    expectTwoColourDefaults(state);
  }
  // A damaged record ends the reading there: the good record before it is still found.
  std::string withWordForViewMode = recordLine("5c", "1", 2);
  withWordForViewMode.replace(withWordForViewMode.find(",2,"), 3, ",two,");
  const std::string tail[] = {
      "\"V\"\r\n\"1",                                     // truncated inside a quote
      "\"V\"\r\n" + recordLine("5c", "1").substr(0, 40),  // too few fields
      "\"V\"\r\n" + recordLine("5c", "1") + ",1",         // too many fields
      "\"V\"\r\n" + withWordForViewMode,                  // a word for a number
      "\"V\"\r\n\"5c\"x,\"1\"",                           // text after a closing quote
      "\"V\"\r\n\"" + std::string(20000, 'y') + "\"",     // an absurd line
      "\"Z\"\r\n" + recordLine("5c", "1"),                // no such edition
  };
  for (const std::string& damaged : tail) {
    writeFile("4\r\n" + good + damaged + "\r\n\"J\"\r\n" + recordLine("50a", "7") + "\r\n");
    EXPECT_EQ(loaded().settings.value, "8s");
    EXPECT_EQ(loaded().zoom, 4);
    const ProgramState v = loaded("V");
    EXPECT_EQ(v.settings.value, cp("1ø"));  // V's defaults
    EXPECT_EQ(loaded("J").settings.value, "4s") << "nothing is read after the damage";
  }
}

TEST_F(SettingsFileTest, TruncatedOrFlippedFilesNeverGiveAnInsaneState) {
  saveAs("T", "16s", "A3");
  saveAs("I", "25a", "B99");
  saveAs("V", cp("24ø"), "45");
  const std::string valid = readFile();

  std::mt19937 random(865);
  std::vector<std::string> variants;
  for (std::size_t length = 0; length < valid.size(); ++length) {
    variants.push_back(valid.substr(0, length));
  }
  for (int i = 0; i < 300; ++i) {
    std::string bytes = valid;
    const int flips = 1 + static_cast<int>(random() % 4);
    for (int k = 0; k < flips; ++k) {
      bytes[random() % bytes.size()] = static_cast<char>(random() % 256);
    }
    variants.push_back(bytes);
  }
  for (const std::string& bytes : variants) {
    for (std::string_view asked : {"", "I", "P", "V"}) {
      writeFile(bytes);
      ProgramState state;
      loadSettings(state, asked, paths_);
      const EditionSettings& s = state.settings;
      ASSERT_TRUE(isKnownEdition(s.edition)) << s.edition;
      ASSERT_TRUE(state.zoom == 2 || state.zoom == 3 || state.zoom == 4 || state.zoom == 6 ||
                  state.zoom == 8);
      ASSERT_GE(s.viewMode, 1);
      ASSERT_LE(s.viewMode, 3);
      ASSERT_GE(state.selection.positionIndex(), 1);
      ASSERT_LE(state.selection.positionIndex(), 400);
      if (s.edition == "I") {
        ASSERT_TRUE(state.selection.iceland());
      } else if (s.edition != "T") {
        ASSERT_FALSE(state.selection.iceland());
      }
      if (!asked.empty() && s.edition != asked) {
        ASSERT_EQ(asked, "I");
        ASSERT_EQ(s.edition, "T");
        ASSERT_TRUE(state.selection.iceland());
        ASSERT_TRUE(isIcelandOvalValue(s.value));
      }
    }
    // Whatever was read, the rewritten file is whole again and starts with that record.
    ProgramState state;
    loadSettings(state, "", paths_);
    ASSERT_TRUE(saveSettings(state, paths_));
    ProgramState again;
    loadSettings(again, "", paths_);
    ASSERT_EQ(again.settings, state.settings);
  }
}

TEST_F(SettingsFileTest, FailedWriteLeavesOldFileAndReportsIt) {
  saveAs("P", "8s", "B2");
  const std::string before = readFile();

  ProgramState state;
  loadSettings(state, "V", paths_);
  state.zoom = 8;
  fs::permissions(paths_.file,
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_FALSE(saveSettings(state, paths_));  // the user's read-only file is kept
  EXPECT_EQ(readFile(), before);
  EXPECT_EQ(state.zoom, 3);

  SettingsPaths nowhere{dir_ / "missing" / "KOL703.CFG", dir_ / "missing" / "KOL703.XXX"};
  EXPECT_FALSE(saveSettings(state, nowhere));
  EXPECT_FALSE(fs::exists(dir_ / "missing"));

  // The settings file itself cannot be replaced: the scratch file is not left behind.
  SettingsPaths blocked{dir_ / "blocked", dir_ / "blocked.XXX"};
  fs::create_directories(blocked.file / "inside");
  EXPECT_FALSE(saveSettings(state, blocked));
  EXPECT_FALSE(fs::exists(blocked.scratch));
  EXPECT_TRUE(fs::is_directory(blocked.file / "inside"));
}

// Whatever stands under the scratch name (left by a save that was cut off, made read-only,
// a link planted to a file elsewhere, a directory) is neither written nor followed, and
// blocks no save.
TEST_F(SettingsFileTest, WhatStandsUnderTheScratchNameIsLeftAlone) {
  const fs::path outside = dir_ / "outside.txt";
  const std::string stale = "left over from an interrupted save";
  const struct {
    const char* what;
    std::function<void()> plant;
  } cases[] = {
      {"stale file", [&] { std::ofstream(paths_.scratch, std::ios::binary) << stale; }},
      {"read-only stale file",
       [&] {
         std::ofstream(paths_.scratch, std::ios::binary) << stale;
         fs::permissions(paths_.scratch, fs::perms::owner_read);
       }},
      {"link to a file elsewhere",
       [&] {
         std::ofstream(outside, std::ios::binary) << stale;
         fs::create_symlink(outside, paths_.scratch);
       }},
      {"dangling link", [&] { fs::create_symlink(dir_ / "nothing", paths_.scratch); }},
      {"directory", [&] { fs::create_directory(paths_.scratch); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    c.plant();
    const auto before = fs::symlink_status(paths_.scratch).type();
    ProgramState state;
    loadSettings(state, "C", paths_);
    ASSERT_TRUE(saveSettings(state, paths_));
    EXPECT_EQ(loaded().settings.edition, "C");
    EXPECT_EQ(fileLines().size(), 3u);
    EXPECT_EQ(fs::symlink_status(paths_.scratch).type(), before);
    if (fs::exists(outside)) {
      std::ifstream in(outside, std::ios::binary);
      EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), stale);
    }
    std::size_t names = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir_)) ++names;
    EXPECT_EQ(names, fs::exists(outside) ? 3u : 2u);  // no scratch file of the save left
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
