// The large run-length pictures of the data file (the front page's stamps, the watermark
// drawing) drawn whole at a pixel position, decoded once and kept by the screen.
#pragma once

#include <string_view>

namespace kolvard {

class Screen;
struct Session;

// Pixels [left, right) x [top, bottom).
struct PixelBox {
  int left, top, right, bottom;
};
// The whole window.
PixelBox windowPixels(const Screen& screen);

// Draws the picture section `name` with its top-left pixel at (left, top) in a palette colour,
// clipped to `clip`: a section whose rows or columns run past its place never draws over what
// lies beside it. The edition argument fixes the number of rows (a "v" prefix: 749). Nothing
// is drawn when the section is not found or starts at 0. Returns the lookup status.
int drawPictureSection(Session& session, std::string_view name, std::string_view edition, int left,
                       int top, int colour, const PixelBox& clip);

}  // namespace kolvard
