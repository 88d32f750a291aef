#include "print/sheet_grid.hpp"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <utility>

#include "data/cp865.hpp"
#include "domain/version.hpp"
#include "print/page_raster.hpp"
#include "print/page_text.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

constexpr int kGridLeft = 3, kGridRight = 4587;
constexpr int kVerticalTop = 131, kVerticalBottom = 6230;

// The vertical lines of the grid: outer frame, inner lines, the 7-pixel middle line.
constexpr std::array<std::pair<int, int>, 11> kVerticals = {{{2, 6},
                                                             {462, 463},
                                                             {920, 921},
                                                             {1378, 1379},
                                                             {1836, 1837},
                                                             {2291, 2297},
                                                             {2751, 2752},
                                                             {3209, 3210},
                                                             {3667, 3668},
                                                             {4125, 4126},
                                                             {4582, 4586}}};

// The horizontal bands, from row to row inclusive.
constexpr std::array<std::pair<int, int>, 11> kHorizontals = {{{128, 132},
                                                               {740, 741},
                                                               {1350, 1351},
                                                               {1960, 1961},
                                                               {2570, 2571},
                                                               {3177, 3183},
                                                               {3790, 3791},
                                                               {4400, 4401},
                                                               {5010, 5011},
                                                               {5620, 5621},
                                                               {6228, 6232}}};

constexpr int kFooterPage120Spacing = 7;
constexpr int kFooterPage120Space = 20;
constexpr int kFooterPage200Spacing = 10;
constexpr int kFooterPage200Space = 34;

GlyphStyle page120(int mode) {
  return GlyphStyle{Font::Page120, mode, kFooterPage120Spacing, kFooterPage120Space, kPageColour};
}
GlyphStyle page200(int mode) {
  return GlyphStyle{Font::Page200, mode, kFooterPage200Spacing, kFooterPage200Space, kPageColour};
}

std::string printedText(std::string_view date) {
  return "Udskrevet " + std::string(date);
}

}  // namespace

void drawSheetGrid(PageRaster& raster) {
  for (int y = kVerticalTop; y <= kVerticalBottom; ++y) {
    for (const auto& [x1, x2] : kVerticals) raster.hline(x1, x2, y);
  }
  for (const auto& [y1, y2] : kHorizontals) {
    for (int y = y1; y <= y2; ++y) raster.hline(kGridLeft, kGridRight, y);
  }
}

std::string pageDateText(const std::tm& date) {
  char text[64];
  std::snprintf(text, sizeof text, "%02d. %02d. %04d", date.tm_mday, date.tm_mon + 1,
                date.tm_year + 1900);
  return text;
}

namespace {

// The calendar date of a moment, in UTC or in local time.
std::tm dateOf(std::time_t at, bool utc) {
  std::tm date{};
#ifdef _WIN32
  if (utc) {
    gmtime_s(&date, &at);
  } else {
    localtime_s(&date, &at);
  }
#else
  if (utc) {
    gmtime_r(&at, &date);
  } else {
    localtime_r(&at, &date);
  }
#endif
  return date;
}

}  // namespace

std::string todayDateText() {
  // SOURCE_DATE_EPOCH (seconds since 1970, UTC), the convention of reproducible output, fixes
  // the date, so that the same pages come out byte for byte on any day.
  if (const char* fixed = std::getenv("SOURCE_DATE_EPOCH"); fixed != nullptr && *fixed != 0) {
    char* end = nullptr;
    const long long seconds = std::strtoll(fixed, &end, 10);
    if (end != nullptr && *end == 0 && seconds >= 0 && seconds < 253402300800LL) {
      return pageDateText(dateOf(static_cast<std::time_t>(seconds), true));
    }
  }
  return pageDateText(dateOf(std::time(nullptr), false));
}

void drawSheetSchemaFooter(Screen& screen, std::string_view date) {
  screen.drawGlyphText(printedText(date), 4579, 6298, page120(kToRight));
  screen.drawGlyphText(versionBanner(), 13, 6600, page120(kFromLeft));
}

void drawSeriesPageFooter(Screen& screen, std::string_view heading, std::string_view seriesText,
                          std::string_view date) {
  screen.drawGlyphText(heading, 13, 80, page200(kFromLeft));
  screen.drawGlyphText(cp("Klichéfejl") + std::string(seriesText) + " - Serie", 4580, 80,
                       page200(kToRight));
  screen.drawGlyphText(printedText(date), 4579, 166, page120(kToRight));
  screen.drawGlyphText(versionBanner(), 13, 6600, page120(kFromLeft));
}

}  // namespace kolvard
