// Which KOL703.dat `kolvard export` reads: the one of the current folder (a portable folder
// keeps working as it always has), else an installed one: on Linux the first of
// $XDG_DATA_DIRS/kolvard (by default /usr/local/share and /usr/share), then the package's own
// data folder found from the program's folder; on Windows the program's folder.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kolvard {

// The folders looked in, in order. `xdgDataDirs` is the variable's value (none when unset; an
// empty value counts as unset); `installedFolder` the package's data folder (none when
// unknown).
std::vector<std::filesystem::path> dataFileFolders(
    const std::filesystem::path& currentFolder, const std::optional<std::string>& xdgDataDirs,
    const std::optional<std::filesystem::path>& installedFolder);

// The data file of the first folder that has one (`exists` tells), else the current folder's
// KOL703.dat, whose absence the caller then reports.
std::filesystem::path firstDataFile(
    const std::vector<std::filesystem::path>& folders,
    const std::function<bool(const std::filesystem::path&)>& exists);

// The data file an export run in `currentFolder` reads, from the environment and the
// program's folder.
std::filesystem::path exportDataFile(const std::filesystem::path& currentFolder);

}  // namespace kolvard
