// The folder that holds the running program (empty when the system does not say).
#pragma once

#include <filesystem>

namespace kolvard {

std::filesystem::path programFolder();

}  // namespace kolvard
