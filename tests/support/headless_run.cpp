#include "support/headless_run.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <sstream>

#include "app/state_dump.hpp"
#include "platform/headless/headless_platform.hpp"

namespace kolvard::test {
namespace fs = std::filesystem;

ScratchDir::ScratchDir() {
  static std::atomic<int> counter{0};
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "run";
  // Parameterised tests are named "Suite/Test.Case/3": one directory, not a nest of them.
  std::replace(name.begin(), name.end(), '/', '-');
  path_ = fs::temp_directory_path() / ("kolvard-test-" + std::to_string(::getpid()) + "-" +
                                       std::to_string(counter++) + "-" + name);
  fs::remove_all(path_);
  fs::create_directories(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

void ScratchDir::copySampleData() const {
  fs::copy_file(KOLVARD_SAMPLE_DATA, path_ / "KOL703.dat", fs::copy_options::overwrite_existing);
}

fs::path ScratchDir::dataFile() const {
  const fs::path own = path_ / "KOL703.dat";
  std::error_code ec;
  if (dataFile_.empty() || fs::exists(own, ec)) return own;
  return dataFile_;
}

HeadlessResult runHeadless(const ScratchDir& dir, const std::string& script) {
  HeadlessResult result;
  std::string error;
  auto steps = parseKeyScript(script, &error);
  EXPECT_TRUE(steps.has_value()) << error;
  if (!steps) return result;
  std::ostringstream log, console;
  HeadlessPlatform platform(std::move(*steps), &log);
  ProgramRun run;
  platform.setStateProvider([&run] { return stateDumpJson(run.state); });
  ProgramPaths paths;
  paths.dataFile = dir.dataFile();
  paths.settings.file = dir / "KOL703.CFG";
  paths.settings.scratch = dir / "KOL703.XXX";
  paths.outputDirectory = dir.path();
  result.status = runProgram(platform, run, paths, console, false);
  result.state = run.state;
  result.console = console.str();
  result.log = log.str();
  result.beeps = platform.beeps();
  result.windowsOpened = platform.windowsOpened();
  result.windowWidth = platform.windowWidth();
  result.windowHeight = platform.windowHeight();
  result.caption = platform.caption();
  return result;
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace kolvard::test
