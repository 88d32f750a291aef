// Glyph text on the page raster, and the screen's raster sink held for the length of a
// drawing: the printed pages all draw through these.
#pragma once

#include <string>

#include "ui/raster_sink.hpp"
#include "ui/screen.hpp"

namespace kolvard {

// The colour that sends glyph text to the raster sink, in the 512-byte page glyphs.
inline constexpr int kPageColour = -2;

inline void pageText(Screen& screen, const std::string& text, double x, double y, Font font,
                     int mode, double spacing, double spaceWidth) {
  screen.drawGlyphText(text, x, y, GlyphStyle{font, mode, spacing, spaceWidth, kPageColour});
}

// Sets the screen's raster sink and puts the previous one back when the drawing ends.
class SinkScope {
 public:
  SinkScope(Screen& screen, RasterSink& sink) : SinkScope(screen, &sink, nullptr) {}
  SinkScope(Screen& screen, RasterSink* sink, RasterSink* previous)
      : screen_(screen), previous_(previous) {
    screen_.setRasterSink(sink);
  }
  ~SinkScope() { screen_.setRasterSink(previous_); }
  SinkScope(const SinkScope&) = delete;
  SinkScope& operator=(const SinkScope&) = delete;

 private:
  Screen& screen_;
  RasterSink* previous_;
};

}  // namespace kolvard
