// Runs the whole program in this process on the headless backend, in a scratch directory
// holding the sample data file, as `kolvard --headless --keys SCRIPT` would.
#pragma once

#include <filesystem>
#include <string>

#include "app/main_cycle.hpp"
#include "ui/framebuffer.hpp"

namespace kolvard::test {

// A fresh directory under the system's temporary directory, removed when it goes.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  // The program run here reads the sample KOL703.dat where it is (it is only read).
  void addSampleData() const { dataFile_ = KOLVARD_SAMPLE_DATA; }
  // Copies the sample KOL703.dat here: for a program started in this directory, or a test
  // that changes the file.
  void copySampleData() const;
  // The program run here reads this data file (one made once for several tests).
  void useDataFile(const std::filesystem::path& file) const { dataFile_ = file; }
  // What a program run here reads: KOL703.dat of this directory when there is one.
  std::filesystem::path dataFile() const;

 private:
  std::filesystem::path path_;
  mutable std::filesystem::path dataFile_;
};

struct HeadlessResult {
  int status = -1;
  ProgramState state;
  std::string console;  // banner and start-up errors
  std::string log;      // beeps and backend messages
  int beeps = 0;
  int windowsOpened = 0;
  int windowWidth = 0, windowHeight = 0;
  std::string caption;
};

HeadlessResult runHeadless(const ScratchDir& dir, const std::string& script);

std::string readFile(const std::filesystem::path& path);

}  // namespace kolvard::test
