#include "support/cached_data.hpp"

#include <unistd.h>

#include <fstream>
#include <system_error>

namespace kolvard::test {
namespace fs = std::filesystem;

fs::path cachedDataFile(const std::string& key,
                        const std::function<std::vector<std::uint8_t>()>& build) {
  // A new sample makes new files: its size and time are part of the name.
  std::error_code ec;
  const auto sampleTime = fs::last_write_time(KOLVARD_SAMPLE_DATA, ec).time_since_epoch().count();
  const std::string whole = key + "|" + std::to_string(fs::file_size(KOLVARD_SAMPLE_DATA, ec)) +
                            "|" + std::to_string(sampleTime);
  const fs::path dir = fs::path(KOLVARD_TEST_CACHE_DIR);
  const fs::path file = dir / ("data-" + std::to_string(std::hash<std::string>{}(whole)) + ".dat");
  if (fs::exists(file, ec)) return file;
  fs::create_directories(dir, ec);
  // Another test process may be making the same file: each writes its own and renames it.
  const fs::path scratch = dir / (file.filename().string() + "." + std::to_string(::getpid()));
  const std::vector<std::uint8_t> bytes = build();
  {
    std::ofstream out(scratch, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  fs::rename(scratch, file, ec);
  if (ec) fs::remove(scratch, ec);
  return file;
}

}  // namespace kolvard::test
