// The watermark page ("W" on the type screen): the drawing of the letter watermarks, upright
// on the left and mirrored on the right, with a short guide. Every key but Esc is ignored.
#pragma once

namespace kolvard {

struct Session;

enum class WatermarkGuide {
  OneColoured,  // with the line about the editions from 1870 on
  TwoColoured,  // one guide line fewer, the last line moved up
};

// Draws the page. The drawing is the section "KOLVM"; without it the texts stand alone.
void drawWatermarkPage(Session& session, WatermarkGuide guide);

// Draws the page and waits until Esc; the shared state names the screen "watermarks"
// meanwhile and the previous name again after.
void runWatermarkPage(Session& session, WatermarkGuide guide);

}  // namespace kolvard
