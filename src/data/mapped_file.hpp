// The bytes of a whole file, read-only: mapped into memory where the system can map it, read
// into memory where it cannot (a pipe, a device, a share that refuses to map).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

namespace kolvard {

class FileMapping {
 public:
  // The file mapped as it is at this moment; nothing when it is not a regular file of at
  // least one byte or the system will not map it (the caller then reads it).
  static std::unique_ptr<FileMapping> map(const std::filesystem::path& path);
  ~FileMapping();
  FileMapping(const FileMapping&) = delete;
  FileMapping& operator=(const FileMapping&) = delete;

  const std::uint8_t* data() const { return static_cast<const std::uint8_t*>(address_); }
  std::size_t size() const { return size_; }
  // Someone cut the file short after it was mapped and a page beyond its new end was read:
  // that page now reads as zeros (Linux; Windows does not let a mapped file be shortened).
  bool cutShortWhileMapped() const;

 private:
  FileMapping(void* address, std::size_t size, int slot, void* handle)
      : address_(address), size_(size), slot_(slot), handle_(handle) {}
  void* address_;
  std::size_t size_;
  int slot_;  // where the SIGBUS guard knows the mapping (-1: not guarded)
  [[maybe_unused]] void*
      handle_;  // Windows: the open file, kept so that no one else writes it meanwhile
};

// The whole file read into memory, up to `limit` bytes (a longer file is refused). A FIFO
// without a writer is not waited for: it reads as empty.
std::optional<std::vector<std::uint8_t>> readWholeFile(const std::filesystem::path& path,
                                                       std::size_t limit);

}  // namespace kolvard
