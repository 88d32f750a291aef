// The SDL2 functions the window uses, looked up in libSDL2 when the first window is wanted:
// a run without a window (--headless, export) never loads SDL and the fifty libraries it
// brings with it. Only this folder includes SDL headers.
#pragma once

#include <SDL.h>

#include <string>

namespace kolvard {

// clang-format off
#define KOLVARD_SDL_FUNCTIONS(X) \
  X(CloseAudioDevice) \
  X(CreateRenderer) \
  X(CreateTexture) \
  X(CreateWindow) \
  X(DestroyRenderer) \
  X(DestroyTexture) \
  X(DestroyWindow) \
  X(GetCurrentVideoDriver) \
  X(GetError) \
  X(GetQueuedAudioSize) \
  X(GetWindowID) \
  X(Init) \
  X(InitSubSystem) \
  X(LockTexture) \
  X(OpenAudioDevice) \
  X(PauseAudioDevice) \
  X(PollEvent) \
  X(PumpEvents) \
  X(QueueAudio) \
  X(Quit) \
  X(QuitSubSystem) \
  X(RaiseWindow) \
  X(RenderClear) \
  X(RenderCopy) \
  X(RenderPresent) \
  X(SetHint) \
  X(SetRenderDrawColor) \
  X(SetTextureBlendMode) \
  X(SetTextureScaleMode) \
  X(StartTextInput) \
  X(UnlockTexture) \
  X(WaitEvent) \
  X(getenv)
// clang-format on

struct SdlApi {
#define KOLVARD_SDL_POINTER(name) decltype(&::SDL_##name) name = nullptr;
  KOLVARD_SDL_FUNCTIONS(KOLVARD_SDL_POINTER)
#undef KOLVARD_SDL_POINTER
};

// The functions, loaded on the first call; nothing (with the reason in `why`) when libSDL2
// or one of its functions is not there.
const SdlApi* loadSdl(std::string& why);

// The loaded functions (loadSdl has succeeded).
const SdlApi& sdl();

}  // namespace kolvard
