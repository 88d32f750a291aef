// The reference data file: a read-only container of named sections reached through a
// two-level directory at its start. The whole file is held in memory; every read is
// bounds-checked and a read past the end of the file comes back short.
#pragma once

#include <cstdint>
#include <filesystem>
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
  DataFile() = default;
  explicit DataFile(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  // Reads the whole file. Returns nothing when it cannot be opened or read.
  static std::optional<DataFile> open(const std::filesystem::path& path);

  std::int64_t size() const { return static_cast<std::int64_t>(bytes_.size()); }

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

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace kolvard
