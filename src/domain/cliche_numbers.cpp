#include "domain/cliche_numbers.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "data/text_fields.hpp"

namespace kolvard {
namespace {

constexpr int kLimitCount = 21;
constexpr std::size_t kIndexRecordSize = 16;
constexpr std::size_t kIndexFieldSize = 4;

bool isOneOf(std::string_view key, std::initializer_list<std::string_view> keys) {
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

bool isPlatePairValue(std::string_view valueKey) {
  return valueKey == "P4s" || valueKey == "L4s";
}

// The series of the plate pair a printing of "P4s" or "L4s" uses; 0 when it has none.
int platePairSeries(std::string_view valueKey, std::string_view printing) {
  const int n = leadingNumber(printing);
  if (valueKey == "P4s") {
    if (n >= 1 && n <= 3) return 1;
    if (n == 4 || n == 6) return 2;
    if (n == 5) return 3;
  } else if (valueKey == "L4s") {
    if (n >= 1 && n <= 2) return 1;
    if (n >= 3 && n <= 4) return 2;
    if (n >= 5 && n <= 6) return 3;
    if (n == 7) return 4;
  }
  return 0;
}

std::string_view runningPart(std::string_view clicheNumber) {
  const std::size_t dot = clicheNumber.find('.');
  return dot == std::string_view::npos ? clicheNumber : clicheNumber.substr(dot + 1);
}

constexpr std::array<std::string_view, 8> kRoman = {"I", "II", "III", "IV",
                                                    "V", "VI", "VII", "VIII"};

// "117" -> "I·17", "105" -> "I·5", "200" -> "II·100"; empty when not a plate-coded number.
std::string plateNotation(std::string_view running) {
  if (running.size() != 3 || !std::all_of(running.begin(), running.end(), isDigit)) {
    return {};
  }
  const int plate = running[0] - '0';
  if (plate < 1 || plate > 8) return {};
  std::string place;
  if (running.substr(1) == "00") {
    place = "100";
  } else if (running[1] == '0') {
    place = std::string(running.substr(2));
  } else {
    place = std::string(running.substr(1));
  }
  return std::string(kRoman[static_cast<std::size_t>(plate - 1)]) + cp865::kMiddleDot + place;
}

// Values whose running numbers are bounded by a fixed range rather than by the highest
// running number of the series.
bool hasFixedRange(std::string_view valueKey) {
  return isOneOf(valueKey, {"P8s", "P16s", "C4c"}) || isPlateCodedValue(valueKey);
}

// The lowest running number of a series: the first place of its first plate for the
// plate-coded values, 1 otherwise.
int lowestRunning(std::string_view valueKey, int series) {
  if (isPlateCodedValue(valueKey) && series >= 1 && series <= 4) return 200 * series - 100;
  return 1;
}

// The running number a series starts with when the arrows step into it.
int seriesStart(std::string_view valueKey, int newSeries, int running) {
  if (isPlatePairValue(valueKey)) {
    if (newSeries >= 1 && newSeries <= 3) return 200 * newSeries - 99;
    return running;  // series 4 of "L4s" keeps the number
  }
  return 1;
}

MessageArgs seriesMessageArgs(std::string_view valueKey, const SeriesLimits& limits) {
  MessageArgs args;
  args.valueKey = std::string(valueKey);
  args.seriesCount = limits.seriesCount;
  return args;
}

MessageArgs runningMessageArgs(int series, const SeriesLimits& limits) {
  MessageArgs args;
  args.highestRunning = limits.highestOf(series);
  return args;
}

}  // namespace

std::string rewriteToPlatePair(std::string_view valueKey, std::string_view printing,
                               std::string_view clicheNumber) {
  const int pair = isPlatePairValue(valueKey) ? platePairSeries(valueKey, printing) : 0;
  const std::string_view running = runningPart(clicheNumber);
  if (pair == 0 || running.empty()) return std::string(clicheNumber);
  const int plate = running[0] - '0';
  if (plate < 1 || plate > 8) return std::string(clicheNumber);
  const int newPlate = plate % 2 == 1 ? 2 * pair - 1 : 2 * pair;
  return std::to_string(pair) + "." + static_cast<char>('0' + newPlate) +
         std::string(running.substr(1));
}

std::string clicheLabel(std::string_view valueKey, std::string_view printing,
                        std::string_view clicheNumber) {
  const std::string_view number = trimmed(clicheNumber);
  if (number.empty()) return {};
  if (isPlateCodedValue(valueKey)) {
    const std::string rewritten = rewriteToPlatePair(valueKey, printing, number);
    std::string label = plateNotation(runningPart(rewritten));
    if (!label.empty()) return label;
  }
  return "C." + std::string(number);
}

int SeriesLimits::highestOf(int series) const {
  if (series < 0 || series >= kLimitCount) return 0;
  return highest[static_cast<std::size_t>(series)];
}

SeriesLimits readSeriesLimits(const DataFile& file, std::string_view edition,
                              std::string_view value) {
  SeriesLimits limits;
  const SectionRef ref = file.findSection(std::string(edition) + std::string(value) + "0");
  if (ref.found()) {
    for (int i = 0; i < kLimitCount; ++i) {
      const std::int64_t at = std::int64_t{ref.start} + 2 * i;
      if (at + 2 > ref.end) break;
      const std::optional<std::int16_t> n = file.readInt16(at);
      if (!n) break;
      if (i == 0) {
        limits.seriesCount = *n;
      } else {
        limits.highest[static_cast<std::size_t>(i)] = *n;
      }
    }
  }
  const std::string key = std::string(edition) + std::string(value);
  if (key == "A4s") limits.highest[0] = 17;
  if (key == "P4s") limits.highest[1] = limits.highest[2] = limits.highest[3] = 699;
  if (key == "L4s") limits.highest[1] = limits.highest[2] = limits.highest[3] = 899;
  return limits;
}

std::vector<SeriesIndexEntry> readSeriesIndex(const DataFile& file, const SectionRef& section) {
  std::vector<SeriesIndexEntry> index;
  if (!section.found()) return index;
  const std::span<const std::uint8_t> bytes = file.sectionBytes(section);
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  for (std::size_t at = 0; at < text.size(); at += kIndexRecordSize) {
    if (text[at] == '*') break;
    if (text.size() - at < kIndexRecordSize) break;
    const std::string_view record = text.substr(at, kIndexRecordSize);
    SeriesIndexEntry entry;
    entry.value = std::string(withoutTrailingBlanks(record.substr(0, kIndexFieldSize)));
    entry.series = leadingNumber(record.substr(kIndexFieldSize, kIndexFieldSize));
    entry.first = leadingNumber(record.substr(2 * kIndexFieldSize, kIndexFieldSize));
    entry.last = leadingNumber(record.substr(3 * kIndexFieldSize, kIndexFieldSize));
    index.push_back(std::move(entry));
  }
  return index;
}

std::optional<SeriesIndexEntry> seriesForPrinting(const std::vector<SeriesIndexEntry>& index,
                                                  std::string_view value, int printing,
                                                  bool allowFirstZero) {
  for (const SeriesIndexEntry& entry : index) {
    if (entry.value != value) continue;
    if (entry.first == 0 && !allowFirstZero) continue;
    if (entry.first <= printing && printing <= entry.last) return entry;
  }
  return std::nullopt;
}

std::optional<SeriesIndexEntry> seriesByNumber(const std::vector<SeriesIndexEntry>& index,
                                               std::string_view value, int series) {
  for (const SeriesIndexEntry& entry : index) {
    if (entry.value == value && entry.series == series) return entry;
  }
  return std::nullopt;
}

int shownSeries(std::string_view valueKey, int series, std::string_view printing) {
  if (series == 0) return 1;
  if (valueKey == "A4s" && series == 4 && trimmed(printing) == "10b") return 5;
  return series;
}

std::string seriesHeading(std::string_view valueKey, int series, std::string_view printing) {
  if (!hasSeriesHeading(valueKey)) return cp("Kun én serie:");
  return "Serie " + std::to_string(shownSeries(valueKey, series, printing)) + ":";
}

std::vector<std::string> seriesRangeLines(std::string_view valueKey, int series,
                                          std::string_view printing,
                                          const std::optional<SeriesIndexEntry>& record) {
  const int shown = shownSeries(valueKey, series, printing);
  if (valueKey == "P4s") {
    if (shown == 1) return {"4s1-4s3"};
    if (shown == 2) return {"4s4", "4s6"};
  }
  if (valueKey == "A4s") {
    if (shown == 2) return {"4s5-4s6", "4s8a-4s8b"};
    if (shown == 3) return {"4s7-4s8b"};
    if (shown == 4) return {"4s9-4s10a"};
    if (shown == 5) return {"4s10b"};
  }
  if (!record) return {};
  const std::string code(valueKey.empty() ? valueKey : valueKey.substr(1));
  std::string line = code + std::to_string(record->first);
  if (record->last != record->first) line += "-" + code + std::to_string(record->last);
  return {line};
}

bool clicheNumberHasSeries(std::string_view valueKey, int series, const SeriesLimits& limits) {
  if (valueKey == "A4s") return true;
  if (series == 1 && (valueKey == "I3a" || valueKey == cp("M4ø") || valueKey == "I5a")) {
    return false;
  }
  return limits.seriesCount >= 2;
}

std::string buildClicheNumber(std::string_view valueKey, int series, int running,
                              const SeriesLimits& limits) {
  if (!clicheNumberHasSeries(valueKey, series, limits)) return std::to_string(running);
  return std::to_string(series) + "." + std::to_string(running);
}

int runningNumberOf(std::string_view clicheNumber) {
  return leadingNumber(runningPart(trimmed(clicheNumber)));
}

ClicheNumberStart clicheNumberStart(std::string_view valueKey, std::string_view currentCliche,
                                    int printingSeries, const SeriesLimits& limits) {
  ClicheNumberStart start;
  const std::string_view current = trimmed(currentCliche);
  const std::size_t dot = current.find('.');
  if (current.empty()) {
    start.series = printingSeries == 0 ? 1 : printingSeries;
    start.running = 1;
  } else if (dot == std::string_view::npos) {
    start.series = 1;
    start.running = leadingNumber(current);
  } else {
    start.series = leadingNumber(current.substr(0, dot));
    start.running = leadingNumber(current.substr(dot + 1));
  }
  if (start.series < 1 && valueKey != "A4s") start.series = 1;
  if (start.running < 1) start.running = 1;
  start.shown = buildClicheNumber(valueKey, start.series, start.running, limits);
  return start;
}

ClicheNumberEntry parseClicheNumberEntry(std::string_view valueKey, std::string_view entry,
                                         int currentSeries, const SeriesLimits& limits) {
  ClicheNumberEntry out;
  const std::string_view text = trimmed(entry);
  const std::size_t dot = text.find('.');
  int series = currentSeries;
  int running = 0;
  if (dot != std::string_view::npos) {
    series = leadingNumber(text.substr(0, dot));
    running = leadingNumber(text.substr(dot + 1));
  } else {
    running = leadingNumber(text);
    if (series < 1 && valueKey != "A4s") series = 1;
  }

  if (series > limits.seriesCount) {
    out.message = kMessageSeriesRange;
    out.args = seriesMessageArgs(valueKey, limits);
    return out;
  }
  if (!hasFixedRange(valueKey) && running > limits.highestOf(series)) {
    out.message = kMessageRunningRange;
    out.args = runningMessageArgs(series, limits);
    return out;
  }
  if (series < 1 && valueKey != "A4s") series = 1;
  if (running < 1) running = 1;

  if (isOneOf(valueKey, {"P8s", "P16s", "C4c"})) {
    running = std::clamp(running, 1, 100);
  } else if (isOneOf(valueKey, {"C3c", "P2s", "L8s"})) {
    if (running < 101) running += 100;
    if (running > 299) running = 200;
    series = 1;
  } else if (isPlatePairValue(valueKey)) {
    const bool fourPlates = valueKey == "L4s";
    if (running <= 299) {
      series = 1;
    } else if (running <= 499) {
      series = 2;
    } else if (running <= 699 || !fourPlates) {
      series = 3;
    } else {
      series = 4;
    }
    const int low = lowestRunning(valueKey, series);
    if (running < low) running = low;
    if (series == 3 && running > 699) running = 600;
    if (series == 4 && running > 899) running = 800;
  }

  out.accepted = true;
  out.series = series;
  out.running = running;
  out.clicheNumber = buildClicheNumber(valueKey, series, running, limits);
  return out;
}

ClicheStep stepRunningNumber(std::string_view valueKey, int series, int running,
                             ClicheStepDirection direction, const SeriesLimits& limits) {
  ClicheStep step;
  step.series = series;
  step.running = running;
  if (direction == ClicheStepDirection::Previous) {
    if (running <= lowestRunning(valueKey, series)) return step;
    step.running = running - 1;
  } else {
    if (running >= limits.highestOf(series)) {
      step.message = kMessageRunningRange;
      step.args = runningMessageArgs(series, limits);
      return step;
    }
    step.running = running + 1;
  }
  step.changed = true;
  step.clicheNumber = buildClicheNumber(valueKey, step.series, step.running, limits);
  return step;
}

ClicheStep stepSeries(std::string_view valueKey, int series, int running,
                      ClicheStepDirection direction, const SeriesLimits& limits) {
  ClicheStep step;
  step.series = series;
  step.running = running;
  const bool a4s = valueKey == "A4s";
  if (direction == ClicheStepDirection::Next) {
    if (a4s && series == 0) {
      step.series = 1;
      step.running = 1;
    } else if (series >= 1 && series <= limits.seriesCount - 1) {
      step.series = series + 1;
      step.running = seriesStart(valueKey, step.series, running);
    } else {
      step.message = kMessageSeriesRange;
      step.args = seriesMessageArgs(valueKey, limits);
      return step;
    }
  } else {
    if (a4s && series == 1) {
      step.series = 0;
      step.running = 1;
    } else if (series > 1 && !(series == 2 && valueKey == cp("V10ø"))) {
      step.series = series - 1;
      step.running = seriesStart(valueKey, step.series, running);
    } else {
      return step;
    }
  }
  step.changed = true;
  step.clicheNumber = buildClicheNumber(valueKey, step.series, step.running, limits);
  return step;
}

}  // namespace kolvard
