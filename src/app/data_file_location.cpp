#include "app/data_file_location.hpp"

#include <cstdlib>
#include <system_error>

#include "data/program_folder.hpp"

// The data folder relative to the program's folder (bin/../share/kolvard when installed).
#ifndef KOLVARD_DATA_FROM_BIN
#define KOLVARD_DATA_FROM_BIN "../share/kolvard"
#endif

namespace kolvard {

namespace fs = std::filesystem;

namespace {

constexpr const char* kDataFileName = "KOL703.dat";

}  // namespace

std::vector<fs::path> dataFileFolders(const fs::path& currentFolder,
                                      const std::optional<std::string>& xdgDataDirs,
                                      const std::optional<fs::path>& installedFolder) {
  std::vector<fs::path> folders{currentFolder};
  const std::string dirs =
      xdgDataDirs && !xdgDataDirs->empty() ? *xdgDataDirs : "/usr/local/share:/usr/share";
  for (std::size_t from = 0; from <= dirs.size();) {
    std::size_t to = dirs.find(':', from);
    if (to == std::string::npos) to = dirs.size();
    const fs::path dir = dirs.substr(from, to - from);
    // Relative entries are to be ignored, as the XDG base directory rules say.
    if (dir.is_absolute()) folders.push_back(dir / "kolvard");
    from = to + 1;
  }
  if (installedFolder) folders.push_back(installedFolder->lexically_normal());
  return folders;
}

fs::path firstDataFile(const std::vector<fs::path>& folders,
                       const std::function<bool(const fs::path&)>& exists) {
  for (const fs::path& folder : folders) {
    if (exists(folder / kDataFileName)) return folder / kDataFileName;
  }
  return fs::path(kDataFileName);
}

fs::path exportDataFile(const fs::path& currentFolder) {
  std::vector<fs::path> folders;
  const fs::path program = programFolder();
#ifdef _WIN32
  folders = {currentFolder};
  if (!program.empty()) folders.push_back(program);
#else
  const char* xdg = std::getenv("XDG_DATA_DIRS");
  std::optional<fs::path> installed;
  if (!program.empty()) installed = program / KOLVARD_DATA_FROM_BIN;
  folders = dataFileFolders(currentFolder, xdg ? std::optional<std::string>(xdg) : std::nullopt,
                            installed);
#endif
  const fs::path found = firstDataFile(folders, [](const fs::path& file) {
    std::error_code error;
    return fs::exists(file, error);
  });
  // The current folder's file keeps its short name, as messages have always named it.
  return found.parent_path() == currentFolder ? fs::path(kDataFileName) : found;
}

}  // namespace kolvard
