// Where `kolvard export` finds its data file: the current folder first, then the installed ones.
#include "app/data_file_location.hpp"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "support/headless_run.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

namespace fs = std::filesystem;

int exitStatus(const std::string& command) {
  const int raw = std::system(command.c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

TEST(DataFileLocation, PortableFolderFirstThenTheInstalledOnes) {
  using Folders = std::vector<fs::path>;
  const fs::path here = "/home/u/stamps";
  const fs::path installed = "/opt/kolvard/bin/../share/kolvard";
  const struct {
    std::optional<std::string> xdg;
    Folders expected;
  } cases[] = {
      {std::nullopt,
       {here, "/usr/local/share/kolvard", "/usr/share/kolvard", "/opt/kolvard/share/kolvard"}},
      {"", {here, "/usr/local/share/kolvard", "/usr/share/kolvard", "/opt/kolvard/share/kolvard"}},
      {"/a:/b/", {here, "/a/kolvard", "/b/kolvard", "/opt/kolvard/share/kolvard"}},
      // Relative and empty entries are left out.
      {"rel::/c", {here, "/c/kolvard", "/opt/kolvard/share/kolvard"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(dataFileFolders(here, c.xdg, installed), c.expected) << c.xdg.value_or("(unset)");
  }
  EXPECT_EQ(dataFileFolders(here, "/a", std::nullopt), (Folders{here, "/a/kolvard"}));

  // The first folder that has the file; the current folder's name when none has.
  const Folders folders = {here, "/a/kolvard", "/b/kolvard"};
  const auto in = [](std::set<fs::path> files) {
    return [files](const fs::path& file) { return files.count(file) > 0; };
  };
  EXPECT_EQ(firstDataFile(folders, in({here / "KOL703.dat", "/b/kolvard/KOL703.dat"})),
            here / "KOL703.dat");
  EXPECT_EQ(firstDataFile(folders, in({"/a/kolvard/KOL703.dat", "/b/kolvard/KOL703.dat"})),
            "/a/kolvard/KOL703.dat");
  EXPECT_EQ(firstDataFile(folders, in({})), "KOL703.dat");
}

// Outside the data file's folder an export reads the one of $XDG_DATA_DIRS, and the pages
// still go to the current folder.
TEST(DataFileLocation, AnExportElsewhereReadsTheInstalledFile) {
  const test::ScratchDir dir;
  fs::create_directories(dir / "share" / "kolvard");
  fs::create_directory(dir / "work");
  fs::copy_file(KOLVARD_SAMPLE_DATA, dir / "share" / "kolvard" / "KOL703.dat");
  const std::string export_ = "cd '" + (dir / "work").string() + "' && XDG_DATA_DIRS='";
  const std::string command =
      std::string("' '") + KOLVARD_PROGRAM + "' export sheet P 4s 1 A >/dev/null 2>&1";
  EXPECT_EQ(exitStatus(export_ + (dir / "share").string() + command), 0);
  EXPECT_TRUE(fs::exists(dir / "work" / "#P4s1A.BMP"));
  EXPECT_EQ(exitStatus(export_ + "/nonexistent" + command), 1);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
