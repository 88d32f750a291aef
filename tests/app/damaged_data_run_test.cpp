// The whole program over damaged copies of the sample data: a fixed, seeded set of cut-short
// files, flipped directory bytes and overwritten sections, each run through every built
// screen and both exports. Every run must end by itself with status 0, 1 or 2, say why when
// it refuses, and leave no half-written picture behind.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <utility>
#include <vector>

#include "data/data_file.hpp"
#include "support/headless_run.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

namespace fs = std::filesystem;
using test::readFile;
using test::ScratchDir;

constexpr const char* kEveryScreen =
    "P F3 Enter Esc F5 F9 Space Esc F6 Right Right F12 Space Esc F1 PgDn Esc F2 Esc "
    "V F6 F12 Space Esc F3 Enter Esc F5 F9 Space Esc F7 End PgUp Up Esc P Down F7 Right End M Esc "
    "F8 PgDn W Down Esc A F7 Up Esc F8 End Esc Esc";

// A damaged copy: the sample cut to `length` bytes, with some of its bytes replaced.
struct Damage {
  std::string what;
  std::size_t length = 0;
  std::vector<std::pair<std::size_t, char>> edits;
};

// Sections the script above reads: fonts, counts, sheet texts, printing data, series,
// pictures, type pages, composites and the watermarks; then two cliché records of P 4s and V 1ø
// drawn at random.
constexpr const char* kOverwritten[] = {"0a042",  "PRFANTAL", "PHELARK",  "V1O",    "P4SDAT",
                                        "P4SDAU", "V1ODAT",   "VCSERIER", "P2S",    "PTYPER",
                                        "ATYPER", "KOLVM",    "PF4S1-1",  "AF4S1-1"};
constexpr int kCutCopies = 3;
constexpr int kFlippedCopies = 4;
constexpr int kRandomRecords = 2;
constexpr int kCopies =
    kCutCopies + kFlippedCopies + static_cast<int>(std::size(kOverwritten)) + kRandomRecords;

bool isClicheRecord(const std::string& name) {
  return name.rfind("P4S1-", 0) == 0 || name.rfind("V1O-", 0) == 0;
}

// The same seeded set in every process: each test case takes one of it.
std::vector<Damage> damagedCopies(const DataFile& sound) {
  std::mt19937 random(20261209);
  const auto below = [&random](std::size_t n) { return static_cast<std::size_t>(random() % n); };
  const auto size = static_cast<std::size_t>(sound.size());
  std::vector<DataFile::Entry> targets, records;
  std::int64_t directoryEnd = sound.size();
  for (const DataFile::Entry& e : sound.listSections()) {
    directoryEnd = std::min<std::int64_t>(directoryEnd, e.ref.start);
    if (isClicheRecord(e.name)) records.push_back(e);
  }
  std::vector<Damage> copies;
  for (int i = 0; i < kCutCopies; ++i) {
    const std::size_t length = below(size);
    copies.push_back({"cut to " + std::to_string(length) + " bytes", length, {}});
  }
  for (int i = 0; i < kFlippedCopies; ++i) {
    Damage d{"directory bytes flipped at", size, {}};
    std::vector<std::uint8_t> flipped(sound.readBytes(0, directoryEnd).begin(),
                                      sound.readBytes(0, directoryEnd).end());
    for (int n = 0; n < 1 + i; ++n) {
      const std::size_t at = below(static_cast<std::size_t>(directoryEnd));
      flipped[at] = static_cast<std::uint8_t>(flipped[at] ^ (1 << below(8)));
      d.edits.emplace_back(at, static_cast<char>(flipped[at]));
      d.what += " " + std::to_string(at);
    }
    copies.push_back(std::move(d));
  }
  for (const char* name : kOverwritten) {
    const SectionRef ref = sound.findSection(name);
    if (ref.found())
      targets.push_back({name, ref});
    else
      ADD_FAILURE() << "the sample data has no section " << name;
  }
  for (int i = 0; i < kRandomRecords; ++i) targets.push_back(records[below(records.size())]);
  for (const DataFile::Entry& e : targets) {
    const std::size_t length = static_cast<std::size_t>(std::max<std::int32_t>(1, e.ref.length()));
    const std::size_t at = static_cast<std::size_t>(e.ref.start) + below(length);
    const std::size_t count = std::min(1 + below(64), size - at);
    Damage d{e.name + " overwritten at " + std::to_string(at), size, {}};
    for (std::size_t k = 0; k < count; ++k)
      d.edits.emplace_back(at + k, static_cast<char>(random()));
    copies.push_back(std::move(d));
  }
  return copies;
}

void writeCopy(const DataFile& sound, const Damage& damage, const fs::path& path) {
  const auto bytes = sound.readBytes(0, static_cast<std::int64_t>(damage.length));
  std::string copy(bytes.begin(), bytes.end());
  for (const auto& [at, byte] : damage.edits) {
    if (at < copy.size()) copy[at] = byte;
  }
  std::ofstream(path, std::ios::binary | std::ios::trunc) << copy;
}

struct ProgramRunResult {
  int status = -1;
  std::string errors;
};

// Runs the program in `dir` with a time limit; sanitizer reports get their own statuses.
ProgramRunResult runKolvard(const fs::path& dir, const std::string& arguments) {
  const std::string command = "cd '" + dir.string() +
                              "' && ASAN_OPTIONS=exitcode=86 UBSAN_OPTIONS=exitcode=87 "
                              "timeout 120 '" KOLVARD_PROGRAM "' " +
                              arguments + " >out.txt 2>err.txt";
  const int raw = std::system(command.c_str());
  ProgramRunResult run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.errors = readFile(dir / "out.txt") + readFile(dir / "err.txt");
  return run;
}

class DamagedDataRun : public ::testing::TestWithParam<int> {};

TEST_P(DamagedDataRun, EveryScreenAndBothExportsEndCleanly) {
  const auto sound = DataFile::open(KOLVARD_SAMPLE_DATA);
  ASSERT_TRUE(sound.has_value());
  ASSERT_GT(sound->size(), 1000000);
  const std::vector<Damage> copies = damagedCopies(*sound);
  ASSERT_EQ(copies.size(), static_cast<std::size_t>(kCopies));
  const Damage& damage = copies[static_cast<std::size_t>(GetParam())];
  SCOPED_TRACE(damage.what);
  ScratchDir dir;
  fs::create_directory(dir / "OUT");
  writeCopy(*sound, damage, dir / "KOL703.dat");
  const std::string commands[] = {std::string("--headless --keys '") + kEveryScreen + "'",
                                  "export sheet P 4s 1 A OUT", "export series V 1ø 1 OUT"};
  for (const std::string& arguments : commands) {
    SCOPED_TRACE(arguments);
    const ProgramRunResult run = runKolvard(dir.path(), arguments);
    EXPECT_TRUE(run.status == 0 || run.status == 1 || run.status == 2) << run.status << "\n"
                                                                       << run.errors;
    EXPECT_EQ(run.errors.find("Sanitizer"), std::string::npos) << run.errors;
    EXPECT_EQ(run.errors.find("runtime error"), std::string::npos) << run.errors;
    if (run.status == 1) {
      EXPECT_TRUE(run.errors.find("Error 2: Data-file KOL703.dat is damaged") !=
                      std::string::npos ||
                  run.errors.find("kolvard export: ") != std::string::npos)
          << run.errors;
    }
  }
  for (const auto& entry : fs::directory_iterator(dir / "OUT")) {
    EXPECT_EQ(entry.path().extension(), ".BMP") << entry.path();  // no scratch file left
  }
}

INSTANTIATE_TEST_SUITE_P(Copies, DamagedDataRun, ::testing::Range(0, kCopies));

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
