// Data files made from the sample for several tests (and test processes): each is built once,
// kept in the build tree under a name made from what it holds, and only read afterwards.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kolvard::test {

// The file for `key` (which must say everything the bytes depend on besides the sample),
// built by `build` when it is not there yet.
std::filesystem::path cachedDataFile(const std::string& key,
                                     const std::function<std::vector<std::uint8_t>()>& build);

}  // namespace kolvard::test
