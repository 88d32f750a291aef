#include "domain/composite_steps.hpp"

#include <algorithm>
#include <cctype>

#include "data/cp865.hpp"

namespace kolvard {
namespace {

MessageArgs seriesRange(std::string_view valueKey, int seriesCount) {
  MessageArgs args;
  args.valueKey = std::string(valueKey);
  args.seriesCount = seriesCount;
  return args;
}

// Series that exist in the series limits but have no composites of their own.
bool seriesWithoutComposites(std::string_view valueKey, int series) {
  if (valueKey == cp("V10ø")) return series == 2;
  if (valueKey == cp("M4ø") || valueKey == "I3s" || valueKey == "I5a") return series == 4;
  return false;
}

}  // namespace

int compositeSeriesCount(std::string_view valueKey, int limitsSeriesCount) {
  if (valueKey == cp("V10ø")) return 3;
  return std::max(1, limitsSeriesCount);
}

CompositeSeriesEntry checkCompositeSeriesEntry(std::string_view valueKey, std::string_view entry,
                                               int seriesCount) {
  CompositeSeriesEntry result;
  result.args = seriesRange(valueKey, seriesCount);
  long long number = 0;
  std::size_t digits = 0;
  for (; digits < entry.size() && std::isdigit(static_cast<unsigned char>(entry[digits]));
       ++digits) {
    number = std::min<long long>(number * 10 + (entry[digits] - '0'), 1'000'000);
  }
  if (digits == 0) return result;
  const bool seriesZero = valueKey == "A4s" && entry[0] == '0' && number == 0;
  if (!seriesZero && (number < 1 || number > seriesCount)) return result;
  if (seriesWithoutComposites(valueKey, static_cast<int>(number))) return result;
  result.accepted = true;
  result.series = static_cast<int>(number);
  return result;
}

CompositeSeriesStep stepCompositeSeries(std::string_view valueKey, int series, int seriesCount,
                                        bool next) {
  CompositeSeriesStep step;
  step.series = series;
  step.args = seriesRange(valueKey, seriesCount);
  const int lowest = valueKey == "A4s" ? 0 : 1;
  const int target = next ? series + 1 : series - 1;
  if (target < lowest || target > seriesCount) return step;
  step.changed = true;
  step.series = target;
  return step;
}

CompositeStep stepComposite(CompositeKey key, int n, int count) {
  const int last = std::max(1, count);
  switch (key) {
    case CompositeKey::First:
      return {1, false};
    case CompositeKey::Last:
      return {last, false};
    case CompositeKey::Previous:
      return n > 1 ? CompositeStep{n - 1, false} : CompositeStep{n, true};
    case CompositeKey::Next:
      return n < count ? CompositeStep{n + 1, false} : CompositeStep{n, true};
    case CompositeKey::GroupBack:
      return {std::max(1, n < 2 ? 1 : 6 * ((n - 2) / 6) + 1), false};
    case CompositeKey::GroupOn:
      return {std::max(1, std::min(last, 6 * ((n - 1) / 6) + 7)), false};
  }
  return {n, false};
}

std::string compositeSeriesLine(std::string_view valueKey, int series, int seriesCount) {
  std::string line = "Serie " + std::to_string(series) + " af " + std::to_string(seriesCount);
  if (valueKey == "P4s" || valueKey == "L4s") {
    if (series == 1) line += " (plade I-II)";
    if (series == 2) line += " (plade III-IV)";
    if (series == 3) line += " (plade V-VI)";
    if (series == 4 && valueKey == "L4s") line += " (plade VII-VIII)";
  }
  return line;
}

std::string compositeCountLine(int composite, int count) {
  return std::to_string(composite) + " af " + std::to_string(count);
}

}  // namespace kolvard
