// The real window on SDL2: a streaming texture shown 1:1, keys translated into the program's
// key strings, and a short tone for the beep.
#include "platform/sdl/sdl_platform.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/sdl/sdl_api.hpp"
#include "platform/sdl/sdl_keys.hpp"

namespace kolvard {
namespace {

constexpr int kWindowX = 5;
constexpr int kWindowY = 5;

// The beep: a tenth of a second of an 880 Hz square wave, softened at both ends.
constexpr int kBeepRate = 22050;
constexpr double kBeepSeconds = 0.1;
constexpr double kBeepHz = 880.0;
constexpr double kBeepAmplitude = 6000.0;

std::vector<std::int16_t> beepSamples(int rate) {
  const auto count = static_cast<std::size_t>(std::lround(rate * kBeepSeconds));
  const auto ramp = static_cast<std::size_t>(rate / 200);  // 5 ms fade in and out
  std::vector<std::int16_t> samples(count);
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / rate;
    const double phase = std::fmod(t * kBeepHz, 1.0);
    double level = phase < 0.5 ? 1.0 : -1.0;
    const std::size_t edge = std::min(i, count - 1 - i);
    if (edge < ramp) level *= static_cast<double>(edge) / static_cast<double>(ramp);
    samples[i] = static_cast<std::int16_t>(std::lround(level * kBeepAmplitude));
  }
  return samples;
}

class SdlPlatform final : public Platform {
 public:
  SdlPlatform() = default;
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;

  ~SdlPlatform() override {
    closeWindow();
    if (audio_ != 0) sdl().CloseAudioDevice(audio_);
    sdl().Quit();
  }

  void openWindow(int width, int height, std::string_view caption) override {
    closeWindow();
    const std::string title(caption);
    window_ =
        sdl().CreateWindow(title.c_str(), kWindowX, kWindowY, width, height, SDL_WINDOW_SHOWN);
    if (window_ == nullptr) fail("cannot create the window");
    windowId_ = sdl().GetWindowID(window_);
    renderer_ = sdl().CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
    if (renderer_ == nullptr) renderer_ = sdl().CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (renderer_ == nullptr) fail("cannot create a renderer for the window");
    sdl().SetRenderDrawColor(renderer_, 0xFF, 0xFF, 0xFF, 0xFF);
    sdl().RenderClear(renderer_);
    sdl().RenderPresent(renderer_);
    // A window made again after a zoom change should have the keyboard, as the old one had.
    sdl().RaiseWindow(window_);
    sdl().StartTextInput();
    sdl().PumpEvents();
  }

  void present(const Framebuffer& frame) override {
    if (renderer_ == nullptr || frame.width() <= 0 || frame.height() <= 0) return;
    last_ = frame;
    upload();
    show();
  }

  KeyString waitKey() override {
    return keys_.wait([this] {
      SDL_Event event;
      if (sdl().WaitEvent(&event) == 0) fail("waiting for events failed");
      handle(event);
    });
  }

  KeyString pollKey() override {
    return keys_.poll([this] {
      SDL_Event event;
      while (!keys_.closed() && sdl().PollEvent(&event) != 0) handle(event);
    });
  }

  void beep() override {
    if (!openAudio()) return;
    // Beeps that come faster than they play are not piled up.
    if (sdl().GetQueuedAudioSize(audio_) > tone_.size() * sizeof(std::int16_t)) return;
    sdl().QueueAudio(audio_, tone_.data(),
                     static_cast<Uint32>(tone_.size() * sizeof(std::int16_t)));
  }

 private:
  [[noreturn]] static void fail(const char* what) {
    throw std::runtime_error(std::string("SDL: ") + what + ": " + sdl().GetError());
  }

  void closeWindow() {
    if (texture_ != nullptr) sdl().DestroyTexture(texture_);
    if (renderer_ != nullptr) sdl().DestroyRenderer(renderer_);
    if (window_ != nullptr) sdl().DestroyWindow(window_);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
    windowId_ = 0;
    textureWidth_ = textureHeight_ = 0;
  }

  void upload() {
    if (texture_ == nullptr || textureWidth_ != last_.width() || textureHeight_ != last_.height()) {
      if (texture_ != nullptr) sdl().DestroyTexture(texture_);
      // 0x00RRGGBB in a 32-bit word is exactly the framebuffer's pixel layout.
      texture_ = sdl().CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                     last_.width(), last_.height());
      if (texture_ == nullptr) fail("cannot create the window texture");
      sdl().SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
      sdl().SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
      textureWidth_ = last_.width();
      textureHeight_ = last_.height();
    }
    void* pixels = nullptr;
    int pitch = 0;
    if (sdl().LockTexture(texture_, nullptr, &pixels, &pitch) != 0) fail("cannot lock the texture");
    const auto rowBytes = static_cast<std::size_t>(last_.width()) * sizeof(Rgb);
    const auto* source = reinterpret_cast<const unsigned char*>(last_.pixels().data());
    auto* target = static_cast<unsigned char*>(pixels);
    for (int y = 0; y < last_.height(); ++y) {
      std::copy_n(source + static_cast<std::size_t>(y) * rowBytes, rowBytes,
                  target + static_cast<std::size_t>(y) * static_cast<std::size_t>(pitch));
    }
    sdl().UnlockTexture(texture_);
  }

  // Shows the last frame pixel for pixel at the top left of the client area.
  void show() {
    if (renderer_ == nullptr) return;
    sdl().SetRenderDrawColor(renderer_, 0xFF, 0xFF, 0xFF, 0xFF);
    sdl().RenderClear(renderer_);
    if (texture_ != nullptr) {
      const SDL_Rect target{0, 0, textureWidth_, textureHeight_};
      sdl().RenderCopy(renderer_, texture_, nullptr, &target);
    }
    sdl().RenderPresent(renderer_);
  }

  void handle(const SDL_Event& event) {
    switch (event.type) {
      case SDL_QUIT:
        keys_.close();
        return;
      case SDL_WINDOWEVENT:
        if (event.window.windowID != windowId_) return;
        switch (event.window.event) {
          case SDL_WINDOWEVENT_CLOSE:
            keys_.close();
            return;
          case SDL_WINDOWEVENT_SHOWN:
          case SDL_WINDOWEVENT_EXPOSED:
          case SDL_WINDOWEVENT_RESTORED:
          case SDL_WINDOWEVENT_SIZE_CHANGED:
            show();
            return;
          default:
            return;
        }
      case SDL_RENDER_TARGETS_RESET:
        show();
        return;
      case SDL_RENDER_DEVICE_RESET:
        // The texture is gone with the device: make it again from the kept frame.
        if (texture_ != nullptr) sdl().DestroyTexture(texture_);
        texture_ = nullptr;
        if (last_.width() > 0 && renderer_ != nullptr) upload();
        show();
        return;
      case SDL_KEYDOWN:
        if (auto key = keyForKeyDown(event.key.keysym.scancode, event.key.keysym.mod)) {
          keys_.push(std::move(*key));
        }
        return;
      case SDL_TEXTINPUT:
        for (auto& key : keysForText(event.text.text)) keys_.push(std::move(key));
        return;
      default:
        return;
    }
  }

  // Opens the sound device on the first beep; without one the beep is silent for the run.
  bool openAudio() {
    if (audio_ != 0) return true;
    if (audioFailed_) return false;
    if (sdl().InitSubSystem(SDL_INIT_AUDIO) != 0) {
      audioFailed_ = true;
      return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kBeepRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = 512;
    SDL_AudioSpec obtained{};
    audio_ = sdl().OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (audio_ == 0) {
      audioFailed_ = true;
      sdl().QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    tone_ = beepSamples(kBeepRate);
    sdl().PauseAudioDevice(audio_, 0);
    return true;
  }

  SDL_Window* window_ = nullptr;
  Uint32 windowId_ = 0;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int textureWidth_ = 0;
  int textureHeight_ = 0;
  Framebuffer last_;
  KeyQueue keys_;
  SDL_AudioDeviceID audio_ = 0;
  bool audioFailed_ = false;
  std::vector<std::int16_t> tone_;
};

// SDL falls back to drivers that show nothing when there is no display; those are taken
// only when asked for by name (SDL_VIDEODRIVER).
bool invisibleDriver(const char* driver) {
  const std::string name = driver != nullptr ? driver : "";
  if (name != "offscreen" && name != "dummy" && name != "evdev") return false;
  const char* asked = sdl().getenv("SDL_VIDEODRIVER");
  return asked == nullptr || name != asked;
}

}  // namespace

std::unique_ptr<Platform> makeSdlPlatform() {
  std::string missing;
  if (loadSdl(missing) == nullptr) {
    std::fprintf(stderr, "kolvard: cannot open a window: %s\n", missing.c_str());
    return nullptr;
  }
  // Interrupts end the program at once, as they do in the console.
  sdl().SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  sdl().SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  std::string problem;
  if (sdl().Init(SDL_INIT_VIDEO) != 0) {
    problem = sdl().GetError();
  } else if (invisibleDriver(sdl().GetCurrentVideoDriver())) {
    problem = "no display found";
  }
  if (!problem.empty()) {
    sdl().Quit();
    std::fprintf(stderr, "kolvard: cannot open a window: %s\n", problem.c_str());
    return nullptr;
  }
  return std::make_unique<SdlPlatform>();
}

}  // namespace kolvard
