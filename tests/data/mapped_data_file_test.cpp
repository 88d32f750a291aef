// The data file mapped and read: the same bytes and lookups, safe reads when the file is cut
// short while open, no hang or crash on what is not a data file.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "data/data_file.hpp"
#include "support/data_builder.hpp"
#include "support/headless_run.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

namespace fs = std::filesystem;

TEST(MappedDataFile, MappedAndReadGiveTheSameBytesAndLookups) {
  const auto mapped = DataFile::open(KOLVARD_SAMPLE_DATA);
  const auto read = DataFile::read(KOLVARD_SAMPLE_DATA);
  ASSERT_TRUE(mapped && read);
  EXPECT_EQ(mapped->access(), DataFile::Access::Mapped);
  EXPECT_EQ(read->access(), DataFile::Access::Read);
  ASSERT_EQ(mapped->size(), read->size());
  const auto all = [](const DataFile& f) { return f.readBytes(0, f.size()); };
  EXPECT_TRUE(std::equal(all(*mapped).begin(), all(*mapped).end(), all(*read).begin()));
  for (const char* name : {"AINFOF1", "TRAMDAT", "P4SDAT", "T4S", "0a020", "NOSUCH", ""}) {
    const SectionRef a = mapped->findSection(name);
    const SectionRef b = read->findSection(name);
    EXPECT_EQ(a.status, b.status) << name;
    EXPECT_EQ(a.start, b.start) << name;
    EXPECT_EQ(a.end, b.end) << name;
  }
  const std::int64_t end = mapped->size();
  for (const std::int64_t at :
       {std::int64_t{0}, end - 3, end - 1, end, end + 5, std::int64_t{-1}}) {
    EXPECT_EQ(mapped->readInt32(at), read->readInt32(at)) << at;
    EXPECT_EQ(mapped->readBytes(at, 8).size(), read->readBytes(at, 8).size()) << at;
  }
  EXPECT_EQ(mapped->listSections().size(), read->listSections().size());
}

// Another program cuts the file short while it is mapped: reads past the new end see zeros
// and the file says it changed; nothing stops the program.
TEST(MappedDataFile, AFileCutShortWhileOpenReadsAsZeros) {
  const test::ScratchDir dir;
  const fs::path path = dir / "KOL703.dat";
  const std::vector<std::uint8_t> bytes =
      test::DataBuilder().add("P4S", std::string(3 * 4096, 'x')).bytes();
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  auto file = DataFile::open(path);
  ASSERT_TRUE(file.has_value());
  ASSERT_EQ(file->access(), DataFile::Access::Mapped);
  const SectionRef section = file->findSection("P4S");
  ASSERT_TRUE(section.found());
  EXPECT_FALSE(file->changedWhileOpen());
  fs::resize_file(path, 100);
  const auto tail = file->sectionBytes(section);
  ASSERT_EQ(tail.size(), static_cast<std::size_t>(section.length()));  // the size at open
  EXPECT_EQ(tail.back(), 0);
  EXPECT_EQ(file->readInt32(section.end - 4), 0);
  EXPECT_TRUE(file->changedWhileOpen());
}

TEST(MappedDataFile, WhatIsNotADataFileIsRefusedWithoutAHang) {
  const test::ScratchDir dir;
  fs::create_directory(dir / "folder");
  std::ofstream(dir / "empty");
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  const struct {
    const char* name;
    bool opens;  // an empty file opens (and the directory check then refuses it)
  } cases[] = {{"folder", false}, {"missing", false}, {"fifo", true}, {"empty", true}};
  for (const auto& c : cases) {
    const auto file = DataFile::open(dir / c.name);
    EXPECT_EQ(file.has_value(), c.opens) << c.name;
    if (file) {
      EXPECT_EQ(file->size(), 0) << c.name;
      EXPECT_FALSE(file->findSection("P4S").found()) << c.name;
    }
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
