#include "screens/types/watermark_page.hpp"

#include <cmath>
#include <string>

#include "data/cp865.hpp"
#include "screens/common/key_panel.hpp"
#include "screens/common/picture_section.hpp"
#include "screens/common/screen_text.hpp"
#include "screens/common/session.hpp"

namespace kolvard {
namespace {

struct GuideLine {
  double x, y;
  const char* text;  // UTF-8
};

constexpr GuideLine kCaptions[] = {
    {170, 375, "Retvendt vandmærke"},
    {463, 375, "Spejlvendt vandmærke"},
    {320, 402,
     "Tegninger til brug for positionsbestemmelse af mærker med dele af bogstavvandmærker."},
    {320, 417, "Vær opmærksom på, at vandmærkerne ofte er spejlvendte."},
};
constexpr const char* kFrom1870 = "Tegningerne viser vandmærkerne på udgaver fra 1870 og frem.";
constexpr const char* kIrregular =
    "NB!  1870-1880 (før Kramsens 27. fabrikation) er bogstavvandmærkerne placeret meget "
    "uregelmæssigt, se Bind I side 136-139.";

void guideText(Screen& screen, double x, double y, const char* text) {
  drawText(screen, cp(text), x, y, Font::B, kCentred, 1, 2, colour::kSlateText);
}

}  // namespace

void drawWatermarkPage(Session& session, WatermarkGuide guide) {
  Screen& screen = session.screen();
  screen.setBackColour(colour::kWhite);
  screen.clear();
  drawKeyCap(screen, "Esc", 23, 468);
  drawText(screen, "Retur", 58, 468, Font::C, kFromLeft, 1, 3, colour::kBlack);
  // Top-left at virtual (35, 37.5); "vm" + an edition letter gives the drawing its 749 rows.
  const int zoom = screen.zoom();
  drawPictureSection(session, "KOLVM", "vm" + session.state.edition(), zoom * 35 / 2,
                     static_cast<int>(std::lround(zoom * 75 / 4.0)), colour::kBlack,
                     windowPixels(screen));
  for (const GuideLine& line : kCaptions) guideText(screen, line.x, line.y, line.text);
  if (guide == WatermarkGuide::OneColoured) {
    guideText(screen, 320, 432, kFrom1870);
    guideText(screen, 320, 444, kIrregular);
  } else {
    guideText(screen, 320, 432, kIrregular);
  }
}

void runWatermarkPage(Session& session, WatermarkGuide guide) {
  const std::string previous = session.state.screenName;
  session.state.screenName = "watermarks";
  drawWatermarkPage(session, guide);
  while (session.display.waitKey() != ordinaryKey(kEscCode)) {
  }
  session.state.screenName = previous;
}

}  // namespace kolvard
