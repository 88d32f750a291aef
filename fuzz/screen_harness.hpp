// A screen for the drawing targets: a window at a zoom whose pixels all start as a colour
// that no palette entry has, so that every pixel a drawing touched can be told apart.
#pragma once

#include <string_view>

#include "fuzz_support.hpp"
#include "screens/common/session.hpp"
#include "screens/common/settings_store.hpp"
#include "ui/display.hpp"
#include "ui/screen.hpp"

namespace kolvard::fuzz {

inline constexpr Rgb kUntouched = 0x010203;

// The pixel rectangle [left, right) x [top, bottom).
struct PixelRect {
  int left, top, right, bottom;
  bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

class FuzzDisplay final : public Display {
 public:
  explicit FuzzDisplay(int zoom) { screen_.openWindow(zoom); }
  Screen& screen() override { return screen_; }
  void present() override {}
  KeyString waitKey() override { return ordinaryKey(kEscCode); }
  void beep() override {}

 private:
  Screen screen_;
};

// The display of a zoom, made once per process (a new window each run would spend most of
// the run on its pixels), with every pixel set to kUntouched, no font located and the glyph
// and picture caches emptied, reading `data`.
inline FuzzDisplay& displayFor(const DataFile* data, int zoom) {
  static FuzzDisplay* displays[3] = {};
  FuzzDisplay*& display = displays[zoom - 2];
  if (display == nullptr) display = new FuzzDisplay(zoom);
  Screen& screen = display->screen();
  Framebuffer& frame = screen.framebuffer();
  frame.fillRect(0, 0, frame.width(), frame.height(), kUntouched);
  screen.glyphs().setFile(data);
  screen.pictures().clear();
  for (int font = 0; font < kFontCount; ++font) screen.setFontRef(static_cast<Font>(font), {});
  screen.setRasterSink(nullptr);
  screen.setTextColour(colour::kDarkGrey);
  screen.setBackColour(colour::kWhite);
  screen.moveTo(0, 0);
  return *display;
}

class NoSettings final : public SettingsStore {
 public:
  void loadEdition(std::string_view) override {}
  void save() override {}
  void resetDamagedRecord() override {}
};

// Aborts the run when a pixel outside `allowed` is no longer the starting colour.
inline void checkUntouchedOutside(const Framebuffer& frame, const PixelRect& allowed) {
  for (int y = 0; y < frame.height(); ++y) {
    for (int x = 0; x < frame.width(); ++x) {
      if (allowed.contains(x, y) || frame.at(x, y) == kUntouched) continue;
      std::fprintf(stderr, "pixel (%d, %d) drawn outside [%d, %d) x [%d, %d)\n", x, y, allowed.left,
                   allowed.right, allowed.top, allowed.bottom);
      FUZZ_CHECK(allowed.contains(x, y));
    }
  }
}

}  // namespace kolvard::fuzz
