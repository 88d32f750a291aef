// A file written beside its final name under the scratch name ".NAME.part" and renamed over
// the final name only when complete: a failed or abandoned write leaves neither the scratch
// file nor a partial file under the final name, and an old file of that name stays untouched.
#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "print/schema_bitmap.hpp"

namespace kolvard {

// The reason of a failed file operation (an errno value), worded for the export messages.
std::string fileErrorReason(int error);

class ReplacingFile {
 public:
  ReplacingFile() = default;
  ~ReplacingFile();  // abandons the scratch file unless committed
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Checks the directory and the cp865 name and creates the scratch file.
  FileWriteResult open(const std::filesystem::path& directory, std::string_view fileName);

  // Appends bytes; after the first failure nothing more is written and false is returned.
  bool write(const void* data, std::size_t size);
  bool failed() const { return error_ != 0; }
  // Why the writing failed (empty while it has not).
  std::string failure() const;

  // Closes the scratch file and renames it over the final name.
  FileWriteResult commit();
  // Closes and removes the scratch file.
  void abandon();

 private:
  std::FILE* file_ = nullptr;
  std::filesystem::path scratch_;
  std::filesystem::path target_;
  int error_ = 0;
};

}  // namespace kolvard
