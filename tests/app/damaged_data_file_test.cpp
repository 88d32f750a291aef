// What the user meets with a damaged data file, a read-only settings file and an output
// folder that is not a folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/data_file_check.hpp"
#include "app/export_command.hpp"
#include "support/headless_run.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

namespace fs = std::filesystem;
using test::HeadlessResult;
using test::readFile;
using test::runHeadless;
using test::ScratchDir;

bool has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

int exportCommand(const std::vector<std::string>& args, const fs::path& data, std::string& err) {
  std::ostringstream out, e;
  const int status = runExportCommand(args, data, out, e);
  err = e.str();
  return status;
}

std::size_t filesIn(const fs::path& dir) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

TEST(DamagedDataFile, SampleDataIsUsable) {
  const auto data = DataFile::open(KOLVARD_SAMPLE_DATA);
  ASSERT_TRUE(data);
  EXPECT_TRUE(dataFileProblems(*data).empty());
}

// Cut within the directory, within the fonts, in the middle of the printing data, and by one
// byte: the program says so at start-up and the export command writes nothing.
TEST(DamagedDataFile, CutShortFileIsReportedAtStartUpAndByTheExportCommand) {
  const std::string whole = readFile(KOLVARD_SAMPLE_DATA);
  for (const std::size_t length :
       {std::size_t{700}, std::size_t{1000000}, std::size_t{24000000}, whole.size() - 1}) {
    SCOPED_TRACE(length);
    ScratchDir dir;
    std::ofstream(dir / "KOL703.dat", std::ios::binary) << whole.substr(0, length);
    std::ofstream(dir / "KOL703.CFG", std::ios::binary) << "3\r\n\"P\"\r\n";
    const HeadlessResult r = runHeadless(dir, "F5 F9 Esc");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(has(r.console, std::string(kDataFileDamagedMessage) + "\n")) << r.console;
    EXPECT_EQ(r.windowsOpened, 0);
    EXPECT_EQ(readFile(dir / "KOL703.CFG"), "3\r\n\"P\"\r\n");

    ScratchDir out;
    std::string err;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"sheet", "P", "4s", "1", "A", out.path().string()},
          std::vector<std::string>{"series", "V", "1ø", "1", out.path().string()}}) {
      EXPECT_EQ(exportCommand(args, dir / "KOL703.dat", err), 1);
      EXPECT_TRUE(has(err, "Error 2: Data-file KOL703.dat is damaged or incomplete")) << err;
    }
    EXPECT_EQ(filesIn(out.path()), 0u);
  }
}

TEST(DamagedDataFile, ReadOnlySettingsFileIsKeptAndTheConsoleSaysSoOnce) {
  ScratchDir dir;
  dir.copySampleData();
  const std::string mine = "4\r\n\"P\"\r\n\"4s\",\"2\",\"3\",\"1\",\"1\",2\r\n";
  std::ofstream(dir / "KOL703.CFG", std::ios::binary) << mine;
  fs::permissions(dir / "KOL703.CFG",
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  // Several main cycles, each of which saves.
  const HeadlessResult r = runHeadless(dir, "V A 2 Esc");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(readFile(dir / "KOL703.CFG"), mine);
  const std::string note = "the settings could not be saved in KOL703.CFG";
  const std::size_t first = r.console.find(note);
  ASSERT_NE(first, std::string::npos) << r.console;
  EXPECT_EQ(r.console.find(note, first + 1), std::string::npos) << r.console;
  EXPECT_FALSE(fs::exists(dir / "KOL703.XXX"));
}

TEST(DamagedDataFile, OutputFolderThatIsAFileIsNamedAsSuch) {
  ScratchDir dir;
  dir.copySampleData();
  std::ofstream(dir / "OUT", std::ios::binary) << "a file";
  std::string err;
  EXPECT_EQ(exportCommand({"sheet", "P", "4s", "1", "A", (dir / "OUT").string()},
                          dir / "KOL703.dat", err),
            1);
  EXPECT_TRUE(has(err, "the folder's name is taken by a file")) << err;
  EXPECT_EQ(readFile(dir / "OUT"), "a file");
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
