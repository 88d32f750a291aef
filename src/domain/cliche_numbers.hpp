// Cliché numbers of the flaw screen: how a cliché number is written ("C.17", "C.2.17", the
// plate notation "I·17"), the plate pairs of "P4s" and "L4s", the series limits and the
// series index of a value, the series heading of the left column, and the entry and arrow
// steps of the by-number mode. Everything here is pure: the screen owns the state and
// passes it in. All texts are cp865; a value key is edition letter + value code ("P4s").
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "domain/messages.hpp"
#include "domain/value_tables.hpp"

namespace kolvard {

class DataFile;
struct SectionRef;

// "P4s" and "L4s": the cliché number rewritten to the plate pair of the printing (printing
// 4 of "P4s": "1.117" -> "2.317"). Any other value, or a printing without a pair, gives the
// number unchanged.
std::string rewriteToPlatePair(std::string_view valueKey, std::string_view printing,
                               std::string_view clicheNumber);

// The label of a cliché: plate numeral + "·" + place for the plate-coded values (after the
// plate-pair rewrite for "P4s" and "L4s"; 117 -> "I·17", 105 -> "I·5", 200 -> "II·100"),
// "C." + number otherwise ("C.17", "C.2.17"). A plate-coded number that is not three digits
// with plate 1..8 falls back to the "C." form. Empty number: empty label.
std::string clicheLabel(std::string_view valueKey, std::string_view printing,
                        std::string_view clicheNumber);

// Section edition + value + "0": the number of series, then the highest running number of
// series 1..20. highest[0] is series 0 (only "A4s" has one).
struct SeriesLimits {
  int seriesCount = 0;
  std::array<int, 21> highest{};

  // The highest running number of a series; 0 outside 0..20.
  int highestOf(int series) const;
};
// Missing or short section: what is there, zeros for the rest; the fixed overrides ("A4s"
// series 0 = 17, "P4s" series 1..3 = 699, "L4s" series 1..3 = 899) always apply.
SeriesLimits readSeriesLimits(const DataFile& file, std::string_view edition,
                              std::string_view value);

// One record of the series index (section edition + "CSERIER").
struct SeriesIndexEntry {
  std::string value;  // value code, right-trimmed
  int series = 0;
  int first = 0;  // first printing
  int last = 0;   // last printing
};
// 16-byte records of four 4-character fields; a record starting "*" ends the list, as does
// the end of the section or a short record.
std::vector<SeriesIndexEntry> readSeriesIndex(const DataFile& file, const SectionRef& section);
// The first record of the value whose range holds the printing number; a record with first
// printing 0 only counts when allowFirstZero (by-number mode of "A4s"). Nothing when none
// matches (the screen then keeps the series it had).
std::optional<SeriesIndexEntry> seriesForPrinting(const std::vector<SeriesIndexEntry>& index,
                                                  std::string_view value, int printing,
                                                  bool allowFirstZero);
// The first record of the value with that series number.
std::optional<SeriesIndexEntry> seriesByNumber(const std::vector<SeriesIndexEntry>& index,
                                               std::string_view value, int series);

// The series the heading shows: 0 becomes 1, series 4 of printing "10b" of "A4s" is 5.
int shownSeries(std::string_view valueKey, int series, std::string_view printing);
// "Serie 2:" for the values with several series, else "Kun én serie:".
std::string seriesHeading(std::string_view valueKey, int series, std::string_view printing);
// The printing-range lines under the heading: value code + first printing, with "-" + value
// code + last printing when they differ ("4s1-4s3"); the fixed texts of "P4s" and "A4s"
// instead (some are two lines). Empty when there is neither a fixed text nor a record.
std::vector<std::string> seriesRangeLines(std::string_view valueKey, int series,
                                          std::string_view printing,
                                          const std::optional<SeriesIndexEntry>& record);

// Whether cliché numbers of this value carry the series ("2.17"): not for a value with one
// series (seriesCount below 2; "A4s" always has its series 0), nor for series 1 of "I3a",
// "M4ø" and "I5a".
bool clicheNumberHasSeries(std::string_view valueKey, int series, const SeriesLimits& limits);
// Series "." running number, or the bare running number (above).
std::string buildClicheNumber(std::string_view valueKey, int series, int running,
                              const SeriesLimits& limits);
// The running number of a cliché number: the digits after "." (or the whole); 0 when none.
int runningNumberOf(std::string_view clicheNumber);

// The start of a cliché-number entry from the current cliché number and the series of the
// current printing (0 counts as 1): series and running number, and the text the editor
// opens with (and whose cliché is shown at once).
struct ClicheNumberStart {
  int series = 1;
  int running = 1;
  std::string shown;
};
ClicheNumberStart clicheNumberStart(std::string_view valueKey, std::string_view currentCliche,
                                    int printingSeries, const SeriesLimits& limits);

// A parsed cliché-number entry. When rejected, `message` is 1 (series range) or 3 (running
// number range) with `args` filled for messageText, and nothing else should change.
struct ClicheNumberEntry {
  bool accepted = false;
  int message = 0;
  MessageArgs args;
  int series = 0;
  int running = 0;
  std::string clicheNumber;  // as buildClicheNumber
};
// "s.r" or "r" (series then from currentSeries). The values with a fixed number range
// ("P8s", "P16s", "C4c", "C3c", "P2s", "L8s", "P4s", "L4s") are bounded by their ranges
// instead of by the highest running number of the series.
ClicheNumberEntry parseClicheNumberEntry(std::string_view valueKey, std::string_view entry,
                                         int currentSeries, const SeriesLimits& limits);

// Arrow steps of the by-number mode. `changed` false with message 0: nothing happens (no
// beep either); with a message: show it, nothing changes.
enum class ClicheStepDirection { Previous, Next };  // Left/Up = Previous, Right/Down = Next
struct ClicheStep {
  bool changed = false;
  int message = 0;
  MessageArgs args;
  int series = 0;
  int running = 0;
  std::string clicheNumber;  // rebuilt when changed
};
// Left/Right: previous/next running number within the series.
ClicheStep stepRunningNumber(std::string_view valueKey, int series, int running,
                             ClicheStepDirection direction, const SeriesLimits& limits);
// Up/Down: previous/next series.
ClicheStep stepSeries(std::string_view valueKey, int series, int running,
                      ClicheStepDirection direction, const SeriesLimits& limits);

}  // namespace kolvard
