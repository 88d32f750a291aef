// A file written beside its final name under a scratch name (".NAME.part", or that name with
// a unique tail when it is taken) and renamed over the final name only when complete and
// flushed to disk: a failed or abandoned write leaves neither the scratch file nor a partial
// file under the final name, and an old file of that name stays untouched. The scratch file
// is always a new file of this process: a file or link already standing under a scratch name
// is never opened, so nothing is written outside the directory through a planted link.
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

// A reason of the file and page writers (UTF-8, Danish for the window's message line) in
// English for the command line; a text it does not know (the system's own) as it is.
std::string englishFileReason(std::string_view why);

class ReplacingFile {
 public:
  ReplacingFile() = default;
  ~ReplacingFile();  // abandons the scratch file unless committed
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Checks the directory and the cp865 name and creates the scratch file. An existing target
  // the user made read-only is refused ("filen er skrivebeskyttet") and kept as it is.
  // `scratchName` (cp865) replaces the ".NAME.part" scratch name when given.
  FileWriteResult open(const std::filesystem::path& directory, std::string_view fileName,
                       std::string_view scratchName = {});

  // Appends bytes; after the first failure nothing more is written and false is returned.
  bool write(const void* data, std::size_t size);
  bool failed() const { return error_ != 0; }
  // Why the writing failed (empty while it has not).
  std::string failure() const;

  // Flushes the scratch file to disk, closes it and renames it over the final name.
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
