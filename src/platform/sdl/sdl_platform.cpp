#include "platform/sdl/sdl_platform.hpp"

namespace kolvard {
std::unique_ptr<Platform> makeSdlPlatform() { return nullptr; }
}  // namespace kolvard
