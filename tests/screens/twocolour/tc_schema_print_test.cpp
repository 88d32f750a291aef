// The schema screen's prints of the two-coloured edition write the files the command-line
// export writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/export_command.hpp"
#include "support/headless_run.hpp"
#include "support/parsed_dump.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

namespace fs = std::filesystem;
using test::readDump;
using test::runHeadless;
using test::ScratchDir;

std::string fileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(TwoColourSchemaPrint, F9F10AndF11WriteTheFilesOfTheCommandLine) {
  ScratchDir dir;
  dir.copySampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  // 4s printing 7, pane A: setting 5 in its second period. The key after each print returns
  // to the schema screen; Shift+F4 prints both as F11 does.
  const auto r = runHeadless(dir,
                             "T F5 V \"4s\" Enter T \"7\" Enter F9 Space F10 Space F11 "
                             "Space state:" +
                                 a("1.json") + " Shift+F4 Space");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(readDump(dir / "1.json")["tcSchemas"]["lastPrint"],
            nlohmann::json::array({"#Kol4s7A.BMP"}));

  ScratchDir out;
  const char* const kinds[] = {"oval", "frame", "both"};
  for (const char* kind : kinds) {
    std::ostringstream names, err;
    ASSERT_EQ(runExportCommand({kind, "T", "4s", "7", "A", out.path().string()}, dir / "KOL703.dat",
                               names, err),
              0)
        << err.str();
  }
  for (const char* name : {"#T4s7A.BMP", "#Set5A-2.BMP", "#Kol4s7A.BMP"}) {
    const std::string screenFile = fileBytes(dir / name);
    EXPECT_FALSE(screenFile.empty()) << name;
    EXPECT_EQ(screenFile, fileBytes(out / name)) << name;
  }
}

TEST(TwoColourSchemaPrint, AFileThatCannotBeMadeIsReportedAndF6LeavesAfterThePrompt) {
  ScratchDir dir;
  dir.copySampleData();
  fs::create_directory(dir / "#T4s1A.BMP");  // the name is taken by a directory
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const auto r = runHeadless(dir, "T F5 V \"4s\" Enter T \"1\" Enter F9 F6 state:" + a("1.json"));
  ASSERT_EQ(r.status, 0);
  nlohmann::json dump = readDump(dir / "1.json");
  EXPECT_EQ(dump["tcSchemas"]["lastPrint"], nlohmann::json::array());
  EXPECT_EQ(dump["screen"], "tc-flaws");
  EXPECT_GE(r.beeps, 1);
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    EXPECT_EQ(entry.path().filename().string().find(".part"), std::string::npos);
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
