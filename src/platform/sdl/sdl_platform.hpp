// The real window: SDL2. Only this folder includes SDL headers.
#pragma once

#include <memory>

#include "platform/platform.hpp"

namespace kolvard {

// Returns nothing (with a message on standard error) when SDL cannot open a display.
std::unique_ptr<Platform> makeSdlPlatform();

}  // namespace kolvard
