// The reference data file: a read-only container of named sections reached through a
// two-level directory at its start. The file is mapped into memory read-only, so a run reads
// only the pages of the sections it touches; a file that cannot be mapped (a pipe, a share
// that refuses) is read whole instead. Every read is bounds-checked against the size the file
// had when it was opened, and a read past the end comes back short.
//
// A mapped file that another program cuts short while it is open (Linux; Windows refuses to
// shorten a mapped file) reads as zeros beyond its new end instead of stopping the program:
// such a page is replaced by a page of zeros when it is first touched, and
// changedWhileOpen() says so.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kolvard {

// Lookup statuses.
inline constexpr int kSectionFound = 0;
inline constexpr int kSectionBlankName = 90;
inline constexpr int kSectionNotFound = 91;

struct SectionRef {
  std::int32_t start = 0;
  std::int32_t end = 0;
  int status = kSectionNotFound;

  bool found() const { return status == kSectionFound; }
  std::int32_t length() const { return end > start ? end - start : 0; }
};

// The 8-character lookup form of a section name: the first "ø" and the first "Ø" become
// "O", letters are upper-cased, the name is cut or padded with blanks to 8 characters.
std::string normaliseSectionName(std::string_view name);

class DataFile {
 public:
  // How open() came by the bytes.
  enum class Access { Mapped, Read };

  DataFile() = default;
  explicit DataFile(std::vector<std::uint8_t> bytes);

  // Maps the file, or reads it whole when it cannot be mapped. Returns nothing when it cannot
  // be opened or read. A FIFO without a writer is not waited for.
  static std::optional<DataFile> open(const std::filesystem::path& path);
  // As open(), always reading the whole file (what a file that cannot be mapped gets).
  static std::optional<DataFile> read(const std::filesystem::path& path);

  std::int64_t size() const { return static_cast<std::int64_t>(size_); }
  Access access() const { return access_; }
  // A mapped file was cut short by someone else since it was opened: some of its pages now
  // read as zeros.
  bool changedWhileOpen() const;

  // Up to `count` bytes from `position`; fewer (possibly none) where the file ends first.
  std::span<const std::uint8_t> readBytes(std::int64_t position, std::int64_t count) const;
  // The bytes of a section, clipped to the file.
  std::span<const std::uint8_t> sectionBytes(const SectionRef& ref) const;

  // Little-endian integers; nothing when the file ends first.
  std::optional<std::int16_t> readInt16(std::int64_t position) const;
  std::optional<std::int32_t> readInt32(std::int64_t position) const;

  // Section lookup by name. Directory entries that lie outside the file end the search
  // with "not found"; positions that point outside the file are clipped to it.
  SectionRef findSection(std::string_view name) const;

  // Every section in directory order, for listing tools.
  struct Entry {
    std::string name;  // right-trimmed, as stored
    SectionRef ref;
  };
  std::vector<Entry> listSections() const;

  struct Storage;  // the bytes' owner: a vector or a mapping

 private:
  std::shared_ptr<const Storage> storage_;
  const std::uint8_t* bytes_ = nullptr;
  std::size_t size_ = 0;
  Access access_ = Access::Read;
};

}  // namespace kolvard
