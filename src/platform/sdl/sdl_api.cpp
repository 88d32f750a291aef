#include "platform/sdl/sdl_api.hpp"

#include <dlfcn.h>

#include <mutex>

namespace kolvard {
namespace {

SdlApi api;
const SdlApi* loaded = nullptr;
std::string failure;

void load() {
  // The library of the SDL2 runtime package; the development link name as a fallback.
  void* library = nullptr;
  for (const char* name : {"libSDL2-2.0.so.0", "libSDL2.so"}) {
    library = ::dlopen(name, RTLD_NOW | RTLD_LOCAL);
    if (library != nullptr) break;
  }
  if (library == nullptr) {
    const char* error = ::dlerror();
    failure = std::string("SDL2 cannot be loaded: ") + (error != nullptr ? error : "not found");
    return;
  }
#define KOLVARD_SDL_LOOKUP(name)                                                   \
  api.name = reinterpret_cast<decltype(api.name)>(::dlsym(library, "SDL_" #name)); \
  if (api.name == nullptr) {                                                       \
    failure = "SDL2 has no function SDL_" #name;                                   \
    return;                                                                        \
  }
  KOLVARD_SDL_FUNCTIONS(KOLVARD_SDL_LOOKUP)
#undef KOLVARD_SDL_LOOKUP
  loaded = &api;  // the library stays loaded for the rest of the run
}

}  // namespace

const SdlApi* loadSdl(std::string& why) {
  static std::once_flag once;
  std::call_once(once, load);
  if (loaded == nullptr) why = failure;
  return loaded;
}

const SdlApi& sdl() {
  return api;
}

}  // namespace kolvard
