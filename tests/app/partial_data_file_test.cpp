// Data files that lack sections, as a real file may: the program opens them, every screen finds
// nothing and says so as it does for anything not found, no print is made of what is not there,
// and the settings file keeps the user's records.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "app/data_file_check.hpp"
#include "app/export_command.hpp"
#include "data/cp865.hpp"
#include "support/data_builder.hpp"
#include "support/headless_run.hpp"
#include "support/sample_data.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

namespace fs = std::filesystem;
using test::readFile;
using test::runHeadless;
using test::ScratchDir;

bool has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// The sample's sections whose stored names `keep` takes, packed anew into dir/KOL703.dat.
void writeSampleWith(const ScratchDir& dir, const std::function<bool(const std::string&)>& keep) {
  const DataFile& sample = test::sampleData();
  test::DataBuilder builder;
  for (const DataFile::Entry& e : sample.listSections()) {
    if (!keep(e.name)) continue;
    const auto bytes = sample.sectionBytes(e.ref);
    builder.add(e.name, std::string(bytes.begin(), bytes.end()));
  }
  const std::vector<std::uint8_t> bytes = builder.bytes();
  std::ofstream(dir / "KOL703.dat", std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

void writeSampleWithout(const ScratchDir& dir, std::initializer_list<const char*> missing) {
  writeSampleWith(dir, [missing](const std::string& name) {
    for (const char* m : missing)
      if (name == m) return false;
    return true;
  });
}

// A settings record: the edition letter's line and its 28 fields, value, printing range and
// position as given, the rest as a first start writes them.
std::string record(const std::string& edition, const std::string& value, const std::string& from,
                   const std::string& to, const std::string& position) {
  std::string line = "\"" + edition + "\"\r\n\"" + value + "\",\"" + from + "\",\"" + to + "\",\"" +
                     position + "\",\"1\",2";
  for (int field = 8; field <= 22; ++field) {
    line += field == 17 ? ",\"A\"" : field == 18 ? ",\"B\"" : ",\"\xfa\"";
  }
  return line + ",0,\"\",\"\",0,1,1,0\r\n";
}

std::vector<std::string> picturesIn(const fs::path& dir) {
  std::vector<std::string> out;
  for (const auto& entry : fs::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    if (name != "KOL703.dat" && name != "KOL703.CFG") out.push_back(name);
  }
  return out;
}

TEST(PartialDataFile, FontsAndOneEditionOpenAndEveryScreenFindsNothingCleanly) {
  ScratchDir dir;
  writeSampleWith(dir, [](const std::string& name) {
    return name.rfind("0A", 0) == 0 || name.rfind("P", 0) == 0;
  });
  struct Case {
    const char* script;
    const char* screen;  // where the script ends
  } const cases[] = {
      // Edition P has all its sections; its 2s has no printing data: an empty sheet, no print.
      {"P F3 Enter Esc F5 F9 Space Esc F6 Right F12 Space Esc F7 Right Esc F8 PgDn W Esc F1 "
       "Esc F2 Esc F5",
       "sheets"},
      // The other editions have nothing: the type screen beeps and goes to the front page.
      {"V F3 Enter Esc F5 F9 Space Esc F6 F12 Space Esc F7 Esc F8", "front"},
      {"T F3 Enter Esc F5 F9 Space F10 Space F11 Space Esc F6 O Enter R Enter PgDn Esc F7 Esc "
       "F8",
       "front"},
      {"I Up F6 F12 Space Esc F7 Esc F5", "tc-schemas"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    fs::remove(dir / "KOL703.CFG");
    const test::HeadlessResult r = runHeadless(dir, c.script);
    EXPECT_EQ(r.status, 0) << r.console;
    EXPECT_EQ(r.windowsOpened, 1);
    EXPECT_EQ(r.state.screenName, c.screen);
    EXPECT_TRUE(picturesIn(dir.path()).empty());
  }
}

TEST(PartialDataFile, WithoutItsFontsTheFileIsRefused) {
  ScratchDir dir;
  writeSampleWith(dir, [](const std::string& name) { return name != "0A042"; });
  const test::HeadlessResult r = runHeadless(dir, "Esc");
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(has(r.console, kDataFileDamagedMessage));
  EXPECT_EQ(r.windowsOpened, 0);
}

// Missing printing data is the data file's fault: the command says which section it lacks and
// ends with status 1; the window's print says so on its band. Nothing is written.
TEST(PartialDataFile, NoPrintIsMadeWithoutThePrintingData) {
  ScratchDir dir;
  writeSampleWithout(dir, {"P4SDAT", "T4SDAT"});
  ScratchDir out;
  struct Case {
    std::vector<std::string> args;
    const char* says;
  } const cases[] = {
      {{"sheet", "P", "4s", "1", "A"}, "no printing data of 4s of edition P (section P4SDAT)"},
      {{"value", "P", "4s"}, "(section P4SDAT)"},
      {{"oval", "T", "4s", "1", "A"}, "no printing data of 4s of edition T (section T4SDAT)"},
      {{"both", "T", "4s", "2-3", "B"}, "(section T4SDAT)"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = c.args;
    args.push_back(out.path().string());
    std::ostringstream o, e;
    EXPECT_EQ(runExportCommand(args, dir / "KOL703.dat", o, e), 1) << args[0];
    EXPECT_TRUE(has(e.str(), c.says)) << e.str();
  }
  EXPECT_TRUE(picturesIn(out.path()).empty());

  std::ofstream(dir / "KOL703.CFG", std::ios::binary) << "3\r\n"
                                                      << record("P", "4s", "1", "1", "1");
  const test::HeadlessResult r = runHeadless(dir, "F5 F9 Space");
  EXPECT_EQ(r.state.sheets.printError, cp("datafilen har ingen trykdata for 4s"));
  EXPECT_TRUE(picturesIn(dir.path()).empty());
}

// A printing the value does not have is brought into range when the settings are read, and the
// window prints nothing of a value without data (the schema screen of T 100ø in the sample).
TEST(PartialDataFile, PrintsOfWhatDoesNotExistAreRefused) {
  ScratchDir dir;
  dir.copySampleData();
  std::ofstream(dir / "KOL703.CFG", std::ios::binary) << "3\r\n"
                                                      << record("P", "4s", "200", "200", "1");
  const test::HeadlessResult p = runHeadless(dir, "F5");
  EXPECT_EQ(p.state.selection.printing(), "6");
  EXPECT_EQ(p.state.selection.printings().to, "6");

  fs::remove(dir / "KOL703.CFG");
  std::string down;
  for (int i = 0; i < 15; ++i) down += "Down ";  // 2s to 100ø
  const test::HeadlessResult r = runHeadless(dir, "T " + down + "F5 F9 Space F10 Space F11 Space");
  EXPECT_EQ(r.state.selection.value(), cp("100ø"));
  EXPECT_TRUE(r.state.tcSchemas.lastPrint.empty());
  EXPECT_GE(r.beeps, 3);
  EXPECT_TRUE(picturesIn(dir.path()).empty());
}

// A record naming a value its edition does not have goes back to the edition's defaults; a
// value whose picture is only missing from the data file is kept. The file is never deleted
// and the other editions' records stay.
TEST(PartialDataFile, SettingsKeepEveryRecordWhenAPictureIsMissing) {
  ScratchDir dir;
  writeSampleWithout(dir, {"P4S"});
  const std::string vRecord = record("V", cp("5ø"), "3", "3", "A27");
  struct Case {
    const char* pValue;
    const char* value;  // of P afterwards
  } const cases[] = {{"4s", "4s"}, {"99x", "2s"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    std::ofstream(dir / "KOL703.CFG", std::ios::binary)
        << "4\r\n"
        << record("P", c.pValue, "2", "2", "A7") << vRecord;
    const test::HeadlessResult r = runHeadless(dir, "Esc");
    EXPECT_EQ(r.status, 0);
    ASSERT_TRUE(fs::exists(dir / "KOL703.CFG"));
    const std::string saved = readFile(dir / "KOL703.CFG");
    EXPECT_TRUE(saved.starts_with("4\r\n\"P\"\r\n\"" + std::string(c.value) + "\",")) << saved;
    EXPECT_TRUE(has(saved, vRecord)) << saved;
    EXPECT_EQ(r.state.edition(), "P");
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
