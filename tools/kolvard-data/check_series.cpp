#include <algorithm>
#include <map>
#include <string>

#include "domain/cliche_numbers.hpp"
#include "domain/value_tables.hpp"
#include "kolvard-data/check_sections.hpp"

namespace kolvard::datatool {
namespace {

constexpr std::size_t kIndexRecord = 16;
constexpr std::int64_t kLimitsBytes = 21 * 2;  // the number of series, then series 1..20
constexpr int kMostSeries = 20;

}  // namespace

void checkSeriesIndex(CheckContext& context, const CheckedSection& section) {
  const auto index = readSeriesIndex(context.file(), section.ref);
  const auto bytes = context.file().sectionBytes(section.ref);
  const std::size_t endAt = index.size() * kIndexRecord;
  if (endAt >= bytes.size() || bytes[endAt] != '*') {
    context.report(section.name, section.ref.start + static_cast<std::int64_t>(endAt),
                   "the series index has no end record (\"*\")");
  }
  const auto& values = valuesOf(section.kind.edition);
  // Each value's limits read once, however many records name it.
  std::map<std::string, SeriesLimits> limitsOf;
  for (std::size_t n = 0; n < index.size(); ++n) {
    const SeriesIndexEntry& entry = index[n];
    const std::int64_t at = section.ref.start + static_cast<std::int64_t>(n * kIndexRecord);
    const std::string which = "the series " + std::to_string(entry.series) + " of " + entry.value;
    if (std::find(values.begin(), values.end(), entry.value) == values.end()) {
      context.report(
          section.name, at,
          "the value " + entry.value + " is no value of edition " + section.kind.edition);
      continue;
    }
    if (entry.first > entry.last) {
      context.report(section.name, at,
                     which + " runs from printing " + std::to_string(entry.first) +
                         " back to printing " + std::to_string(entry.last));
    }
    // The series limits say how many series the value has.
    const std::string limitsName = section.kind.edition + entry.value + "0";
    if (!context.has(limitsName)) continue;
    auto [it, fresh] = limitsOf.try_emplace(entry.value);
    if (fresh) it->second = readSeriesLimits(context.file(), section.kind.edition, entry.value);
    const SeriesLimits& limits = it->second;
    if (entry.series < 0 || entry.series > limits.seriesCount) {
      context.report(section.name, at,
                     which + " lies beyond the " + std::to_string(limits.seriesCount) +
                         " series of its limits " + storedSectionName(limitsName));
    }
  }
}

void checkSeriesLimits(CheckContext& context, const CheckedSection& section) {
  if (section.ref.length() != kLimitsBytes) {
    context.report(section.name, section.ref.start,
                   "the section holds " + std::to_string(section.ref.length()) +
                       " bytes, not the 42 of the series count and 20 limits");
    return;
  }
  const int count = context.file().readInt16(section.ref.start).value_or(0);
  if (count < 0 || count > kMostSeries) {
    context.report(section.name, section.ref.start,
                   "the number of series " + std::to_string(count) + " is not 0 to 20");
    return;
  }
  for (int series = 1; series <= count; ++series) {
    const std::int64_t at = section.ref.start + 2 * series;
    if (context.file().readInt16(at).value_or(0) <= 0) {
      context.report(section.name, at,
                     "series " + std::to_string(series) + " of " + std::to_string(count) +
                         " has no running numbers");
    }
  }
}

}  // namespace kolvard::datatool
