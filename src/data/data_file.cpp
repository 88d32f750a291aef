#include "data/data_file.hpp"

#include <algorithm>
#include <cstring>

#include "data/cp865.hpp"
#include "data/directory_layout.hpp"
#include "data/mapped_file.hpp"

namespace kolvard {
namespace {

// Positions in the file are 32-bit: nothing longer is a data file.
constexpr std::size_t kLargestFile = 0x7FFFFFFF;

using directory::isBlank;
using directory::kGroupEntrySize;
using directory::kGroupKeyBytes;
using directory::kNameBytes;
using directory::kNameEntrySize;

bool matches(std::span<const std::uint8_t> bytes, std::string_view text) {
  return bytes.size() >= text.size() && std::memcmp(bytes.data(), text.data(), text.size()) == 0;
}

}  // namespace

std::string normaliseSectionName(std::string_view name) {
  std::string n(name);
  if (const auto p = n.find(cp865::kOslash); p != std::string::npos) n[p] = 'O';
  if (const auto p = n.find(cp865::kOslashUpper); p != std::string::npos) n[p] = 'O';
  for (char& c : n) c = cp865Upper(c);
  n.resize(8, ' ');
  return n;
}

struct DataFile::Storage {
  std::vector<std::uint8_t> bytes;
  std::unique_ptr<FileMapping> mapping;
};

DataFile::DataFile(std::vector<std::uint8_t> bytes) {
  auto storage = std::make_shared<Storage>();
  storage->bytes = std::move(bytes);
  bytes_ = storage->bytes.data();
  size_ = storage->bytes.size();
  storage_ = std::move(storage);
}

std::optional<DataFile> DataFile::open(const std::filesystem::path& path) {
  auto mapping = FileMapping::map(path);
  if (!mapping || mapping->size() > kLargestFile) return read(path);
  auto storage = std::make_shared<Storage>();
  DataFile file;
  file.bytes_ = mapping->data();
  file.size_ = mapping->size();
  file.access_ = Access::Mapped;
  storage->mapping = std::move(mapping);
  file.storage_ = std::move(storage);
  return file;
}

std::optional<DataFile> DataFile::read(const std::filesystem::path& path) {
  auto bytes = readWholeFile(path, kLargestFile);
  if (!bytes) return std::nullopt;
  return DataFile(std::move(*bytes));
}

bool DataFile::changedWhileOpen() const {
  return storage_ && storage_->mapping && storage_->mapping->cutShortWhileMapped();
}

std::span<const std::uint8_t> DataFile::readBytes(std::int64_t position, std::int64_t count) const {
  if (position < 0 || count <= 0 || position >= size()) return {};
  const std::int64_t n = std::min(count, size() - position);
  return {bytes_ + position, static_cast<std::size_t>(n)};
}

std::span<const std::uint8_t> DataFile::sectionBytes(const SectionRef& ref) const {
  return readBytes(ref.start, ref.length());
}

std::optional<std::int16_t> DataFile::readInt16(std::int64_t position) const {
  const auto b = readBytes(position, 2);
  if (b.size() < 2) return std::nullopt;
  return static_cast<std::int16_t>(b[0] | (b[1] << 8));
}

std::optional<std::int32_t> DataFile::readInt32(std::int64_t position) const {
  const auto b = readBytes(position, 4);
  if (b.size() < 4) return std::nullopt;
  const std::uint32_t v =
      static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
      (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
  return static_cast<std::int32_t>(v);
}

SectionRef DataFile::findSection(std::string_view name) const {
  SectionRef ref;
  const std::string key = normaliseSectionName(name);
  const std::string_view group = std::string_view(key).substr(0, 2);
  const std::string_view rest = std::string_view(key).substr(2, 6);
  if (rest == "      ") {
    ref.status = kSectionBlankName;
    return ref;
  }
  ref.status = kSectionNotFound;
  for (std::int64_t pos = 0;; pos += kGroupEntrySize) {
    const auto entry = readBytes(pos, kGroupEntrySize);
    if (entry.size() < kGroupEntrySize || isBlank(entry)) return ref;
    if (!matches(entry, group)) continue;
    const auto dir = readInt32(pos + kGroupKeyBytes);
    if (!dir || *dir < 0) return ref;
    for (std::int64_t npos = *dir;; npos += kNameEntrySize) {
      const auto nameEntry = readBytes(npos, kNameEntrySize);
      if (nameEntry.size() < kNameEntrySize || isBlank(nameEntry.first(kNameBytes))) return ref;
      if (!matches(nameEntry, rest)) continue;
      const auto endEntry = readBytes(npos + kNameEntrySize, kNameEntrySize);
      if (endEntry.size() < kNameEntrySize) return ref;  // no closing entry
      const std::int64_t start = std::clamp<std::int64_t>(*readInt32(npos + kNameBytes), 0, size());
      const std::int64_t end =
          std::clamp<std::int64_t>(*readInt32(npos + kNameEntrySize + kNameBytes), start, size());
      ref.start = static_cast<std::int32_t>(start);
      ref.end = static_cast<std::int32_t>(end);
      ref.status = kSectionFound;
      return ref;
    }
  }
}

std::vector<DataFile::Entry> DataFile::listSections() const {
  std::vector<Entry> out;
  for (std::int64_t pos = 0;; pos += kGroupEntrySize) {
    const auto entry = readBytes(pos, kGroupEntrySize);
    if (entry.size() < kGroupEntrySize || isBlank(entry)) break;
    const std::string group(entry.begin(), entry.begin() + 2);
    const auto dir = readInt32(pos + kGroupKeyBytes);
    if (!dir || *dir < 0) continue;
    for (std::int64_t npos = *dir;; npos += kNameEntrySize) {
      const auto nameEntry = readBytes(npos, kNameEntrySize);
      if (nameEntry.size() < kNameEntrySize || isBlank(nameEntry.first(kNameBytes))) break;
      std::string full = group + std::string(nameEntry.begin(), nameEntry.begin() + 6);
      while (!full.empty() && full.back() == ' ') full.pop_back();
      const auto endEntry = readBytes(npos + kNameEntrySize, kNameEntrySize);
      if (endEntry.size() < kNameEntrySize) break;
      SectionRef ref;
      const std::int64_t start = std::clamp<std::int64_t>(*readInt32(npos + kNameBytes), 0, size());
      ref.start = static_cast<std::int32_t>(start);
      ref.end = static_cast<std::int32_t>(
          std::clamp<std::int64_t>(*readInt32(npos + kNameEntrySize + kNameBytes), start, size()));
      ref.status = kSectionFound;
      out.push_back({full, ref});
    }
  }
  return out;
}

}  // namespace kolvard
