// The page forms of printed schemas: the 10 x 10 sheet grid of a sheet schema, and the
// footers with the print date and the version banner.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace kolvard {

class PageRaster;
class Screen;

// The sheet grid: cells of 458 x 610 pixels, a 5-pixel outer frame, 7-pixel middle lines and
// 2-pixel inner lines, from row 128 to row 6232.
void drawSheetGrid(PageRaster& raster);

// "07. 03. 2016" for the 7th of March 2016.
std::string pageDateText(const std::tm& date);
// Today's date text, from the local clock, or the date of SOURCE_DATE_EPOCH when it is set
// (a number of seconds, read as UTC; anything else there is ignored).
std::string todayDateText();

// Sheet schema: "Udskrevet " + date ending at (4579, 6298); the banner at (13, 6600).
// Glyph text goes through the screen's page fonts into the raster, which must be the
// screen's raster sink.
void drawSheetSchemaFooter(Screen& screen, std::string_view date);

// Series page: heading (title + edition caption) at (13, 80); "Klichéfejl" + series text +
// " - Serie" ending at (4580, 80); "Udskrevet " + date ending at (4579, 166); the banner at
// (13, 6600).
void drawSeriesPageFooter(Screen& screen, std::string_view heading, std::string_view seriesText,
                          std::string_view date);

}  // namespace kolvard
