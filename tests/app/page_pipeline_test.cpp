// Whole values drawn on several threads: the same files, byte for byte, in the same order as
// drawn on one.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "app/export_plan.hpp"
#include "app/export_writer.hpp"
#include "data/data_file.hpp"
#include "support/headless_run.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

namespace fs = std::filesystem;

struct Written {
  int status = -1;
  std::string out, err;
  std::map<std::string, std::string> files;  // name -> bytes
};

Written exportWith(const DataFile& data, const std::string& edition, const std::string& value,
                   bool pdf, unsigned threads, std::size_t pages) {
  Screen screen(&data);
  screen.openWindow(2);
  screen.setUpFonts();
  ExportContext context{data, screen, "10.12.2026"};
  std::ostringstream out, err;
  PlanResult planned = planValue(context, edition, value, err);
  EXPECT_EQ(planned.status, 0) << err.str();
  if (planned.plan.pages.size() > pages) planned.plan.pages.resize(pages);
  const test::ScratchDir dir;
  ExportOptions options;
  options.pdf = pdf;
  options.directory = dir.path();
  options.threads = threads;
  Written w;
  w.status = writeExportPlan(planned.plan, options, context, out, err);
  w.out = out.str();
  w.err = err.str();
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    w.files[entry.path().filename().string()] = test::readFile(entry.path());
  }
  return w;
}

TEST(PagePipeline, ParallelPagesAreTheSerialPagesInTheSameOrder) {
  const auto data = DataFile::open(KOLVARD_SAMPLE_DATA);
  ASSERT_TRUE(data.has_value());
  const struct {
    const char* edition;
    const char* value;
    bool pdf;
    std::size_t pages;  // the first pages of the value
  } cases[] = {{"P", "4s", false, 12}, {"T", "4s", true, 9}, {"V", "1\x9b", true, 6}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.edition) + " " + c.value);
    const Written serial = exportWith(*data, c.edition, c.value, c.pdf, 1, c.pages);
    ASSERT_EQ(serial.status, 0) << serial.err;
    EXPECT_GT(serial.files.size(), 2u);
    const Written parallel = exportWith(*data, c.edition, c.value, c.pdf, 3, c.pages);
    EXPECT_EQ(parallel.status, 0) << parallel.err;
    EXPECT_EQ(parallel.out, serial.out);  // the names, in the order the files were finished
    EXPECT_EQ(parallel.files.size(), serial.files.size());
    EXPECT_TRUE(parallel.files == serial.files);  // not printed: megabytes of pictures
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
