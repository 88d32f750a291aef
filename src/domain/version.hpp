// The program's identity: the version text and the banner printed on screens and pages.
#pragma once

#include <string>

namespace kolvard {

inline constexpr const char* kVersionText = KOLVARD_VERSION_TEXT;

// "KOLVARD Version 7.03".
std::string versionBanner();

}  // namespace kolvard
