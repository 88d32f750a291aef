#include "sample-dat/watermark.hpp"

#include "sample-dat/drawing.hpp"
#include "sample-dat/output.hpp"

namespace sampledat {
namespace {

// The page draws the picture from virtual x 35 with two columns a unit; its captions are
// centred at x 170 and 463, so the halves centre on columns 270 and 856. The captions stand
// at y 375, so the letters keep above row 620.
constexpr int kPictureWidth = 1140;
constexpr int kLeftCentre = 270;
constexpr int kRightCentre = 856;
constexpr int kHalf = 250;
constexpr int kScale = 16;
constexpr int kStroke = 3;

Bitmap drawWatermarks() {
  Bitmap solid(kPictureWidth, kWatermarkRows);
  int y = 40;
  for (const char* word : {"KGL", "POST", "FRIM"}) {
    text(solid, kLeftCentre, y, word, kScale);
    y += 7 * kScale + 60;
  }
  // Letters in outline: the ink within kStroke pixels of paper.
  Bitmap b(kPictureWidth, kWatermarkRows);
  for (int yy = 0; yy < kWatermarkRows; ++yy) {
    for (int x = kLeftCentre - kHalf; x <= kLeftCentre + kHalf; ++x) {
      if (!solid.at(x, yy)) continue;
      bool edge = false;
      for (int d = 1; d <= kStroke && !edge; ++d)
        edge = !solid.at(x - d, yy) || !solid.at(x + d, yy) || !solid.at(x, yy - d) ||
               !solid.at(x, yy + d);
      if (edge) b.set(x, yy);
    }
  }
  // The sheet margin round each half, then the mirrored copy on the right.
  outline(b, kLeftCentre - kHalf, 10, kLeftCentre + kHalf, 600, 2);
  for (int yy = 0; yy < kWatermarkRows; ++yy)
    for (int x = kLeftCentre - kHalf; x <= kLeftCentre + kHalf; ++x)
      if (b.at(x, yy)) b.set(kRightCentre + (kLeftCentre - x), yy);
  return b;
}

}  // namespace

void writeWatermarks(const std::filesystem::path& outDir, std::string& manifest) {
  writeBytes(outDir / "KOLVM.pbm", pbm(drawWatermarks()));
  manifest += "# The letter watermarks, upright (left) and mirrored (right).\n";
  manifest += "picture  KOLVM KOLVM.pbm rows=" + std::to_string(kWatermarkRows) + "\n";
}

}  // namespace sampledat
