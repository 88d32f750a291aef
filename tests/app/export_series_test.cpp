// The command-line series print of the two-coloured edition: which values and series it
// takes, and the files it names.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/export_command.hpp"
#include "support/headless_run.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

namespace fs = std::filesystem;

TEST(ExportSeries, OvalSeriesOfTheTwoColouredEdition) {
  const test::ScratchDir out;
  const struct {
    std::vector<std::string> args;
    int status;
    std::string names;
  } cases[] = {
      {{"series", "T", "4s", "2", out.path().string()}, 0, "%T4sOF2-1.BMP\n"},
      {{"series", "T", "4s", "3", out.path().string()}, 2, ""},  // the value has two series
      {{"series", "T", "9s", "1", out.path().string()}, 2, ""},  // no such value
  };
  for (const auto& c : cases) {
    std::ostringstream names, err;
    EXPECT_EQ(runExportCommand(c.args, KOLVARD_SAMPLE_DATA, names, err), c.status) << err.str();
    EXPECT_EQ(names.str(), c.names) << c.args[2] << " " << c.args[3];
  }
  EXPECT_EQ(fs::file_size(out / "%T4sOF2-1.BMP"), 3886742u);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
