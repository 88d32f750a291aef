// The series print ("Print aktuel kliché-serie"): every cliché of a series in rows of ten on
// as many pages as it needs, each cliché with its picture, label, stamp number and
// occurrence lines, each page written as its own BMP file. The flaw screens start it with
// F12; the command-line export runs the same print without a window.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "domain/cliche_numbers.hpp"

namespace kolvard {

class DataFile;
class ExportProgress;
class PageRaster;
class Screen;

inline constexpr int kSeriesFirstRowTop = 180;
inline constexpr int kSeriesPageEnd = 6620;
inline constexpr int kSeriesRowHeight = 760;
inline constexpr int kSeriesOccurrencePitch = 60;

// What sets a kind of series apart: the cliché series of the one-coloured editions, or the
// oval series of the two-coloured edition "T", whose clichés are its oval flaw records.
struct SeriesKind {
  bool ovalFlaws = false;
  std::string_view tagLetters;   // in the file name: "C", "OF"
  std::string_view numberLabel;  // under each cliché: "C.", "OF."
  std::string_view stampLabel;   // before its stamp number or oval type: "M.", "OM."
};
const SeriesKind& seriesKindOf(std::string_view edition);

// "%" + edition + value + "C" ("OF" for "T") + series + "-" + page (before the "ø" of the file
// name).
std::string seriesPageTag(std::string_view edition, std::string_view value, int series, int page);

struct SeriesPrintRequest {
  std::string edition;
  std::string value;
  std::string caption;  // the edition caption for the page heading
  int series = 1;
  SeriesLimits limits;
  std::string currentValuePrinting;  // value + printing as the flaw screen holds them
};

// Where each cliché of the series lands: page (1..), row top in dots, column 1..10.
struct SeriesCell {
  int running = 0;
  std::string clicheNumber;  // or oval flaw number: series "." running number where needed
  std::string key;           // the record's section name
  std::string label;         // drawn under the cliché ("C.2.17", "OF.2.17")
  int page = 1;
  int rowTop = kSeriesFirstRowTop;
  int column = 1;
  int occurrenceLines = 0;
};
struct SeriesLayout {
  std::vector<SeriesCell> cells;
  int pages = 0;
};
// Rows of ten, each 760 dots plus 60 for every occurrence line of its longest list; a row
// that would end below 6620 dots starts a new page.
SeriesLayout layOutSeries(const DataFile& file, const SeriesPrintRequest& request);

// Draws page `page` (1..layout.pages) of the laid-out series into the raster, which it clears.
// Returns the glyph pixels of description items that fell outside their cells.
int drawSeriesPage(Screen& screen, PageRaster& raster, const DataFile& file,
                   const SeriesPrintRequest& request, const SeriesLayout& layout, int page,
                   ExportProgress& progress, const std::string& date);

// The series number the pages name: an oval series 0 is its value's one series, series 1.
int seriesPrintNumber(const SeriesPrintRequest& request);

struct SeriesPrintResult {
  bool ok = false;
  std::vector<std::string> files;  // the files written, in page order
  std::string failedFile;          // the file that could not be made
  std::string error;               // UTF-8 reason
};

// Draws and writes every page into `directory`. With a screen (may be null) the message
// band names each file while it is made; `present` shows the window between pages.
SeriesPrintResult printSeries(Screen& screen, Screen* messages, const DataFile& file,
                              const SeriesPrintRequest& request,
                              const std::filesystem::path& directory, ExportProgress& progress,
                              const std::string& date, void (*present)(void*) = nullptr,
                              void* presentContext = nullptr);

}  // namespace kolvard
