// A small program on the window backend alone, driven from outside by sdl_backend_test.sh:
// it opens (and re-opens) a window, shows a known picture, writes that picture as a PNG, and
// then prints every key it receives, one a line, until the window is closed.
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <thread>

#include "platform/sdl/sdl_platform.hpp"
#include "ui/png_image.hpp"

namespace {

using kolvard::Framebuffer;
using kolvard::Rgb;

// Every pixel differs from its neighbours in all three channels, so a shifted, scaled or
// filtered picture cannot pass for the original.
Framebuffer pattern(int width, int height, unsigned salt) {
  Framebuffer frame(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const auto ux = static_cast<unsigned>(x);
      const auto uy = static_cast<unsigned>(y);
      const unsigned r = (ux * 7u + uy * 3u + salt) & 0xFFu;
      const unsigned g = (ux * 5u ^ uy * 11u) & 0xFFu;
      const unsigned b = ((ux + uy) % 2u == 0u ? 0x20u : 0xD0u) ^ (uy & 0x0Fu);
      frame.set(x, y, static_cast<Rgb>((r << 16) | (g << 8) | b));
    }
  }
  return frame;
}

void say(const std::string& line) {
  std::cout << line << std::endl;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: kolvard_sdl_probe EXPECTED.png\n";
    return 2;
  }
  auto platform = kolvard::makeSdlPlatform();
  if (!platform) return 3;
  try {
    // The first window is replaced at once, as a zoom change does.
    platform->openWindow(320, 240, "Kolvard probe");
    platform->present(pattern(320, 240, 99));
    platform->openWindow(640, 480, "Kolvard probe");
    const Framebuffer shown = pattern(640, 480, 0);
    platform->present(shown);
    std::string error;
    if (!kolvard::writePng(argv[1], shown, &error)) {
      std::cerr << "cannot write " << argv[1] << ": " << error << "\n";
      return 2;
    }
    say(platform->pollKey().empty() ? "poll: empty" : "poll: not empty");

    const auto start = std::chrono::steady_clock::now();
    platform->beep();
    platform->beep();
    const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    say(spent.count() < 1000 ? "beep: ok" : "beep: slow " + std::to_string(spent.count()) + " ms");
    say("ready");

    for (;;) {
      const kolvard::KeyString key = platform->waitKey();
      say("key: " + kolvard::keyName(key));
      if (key == "p") {
        // The next key is sent while this one is handled; it must wait in the queue.
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        kolvard::KeyString next;
        for (int i = 0; i < 100 && next.empty(); ++i) {
          next = platform->pollKey();
          if (next.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        say("polled: " + (next.empty() ? std::string("nothing") : kolvard::keyName(next)));
      }
    }
  } catch (const kolvard::WindowClosed&) {
    say("closed");
  }
  try {
    platform->pollKey();
    say("poll after close: no exception");
  } catch (const kolvard::WindowClosed&) {
    say("poll after close: closed");
  }
  return 0;
}
