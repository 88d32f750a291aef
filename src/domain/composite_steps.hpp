// The rules of walking composite clichés: how many series a value's composites come in, the
// series that may be typed or stepped to, the steps between the composites of a series, and
// the series line of the text panel ("Serie 2 af 3 (plade III-IV)").
#pragma once

#include <string>
#include <string_view>

#include "domain/messages.hpp"

namespace kolvard {

// The number of series from the series limits, at least 1; "V10ø" always counts 3.
int compositeSeriesCount(std::string_view valueKey, int limitsSeriesCount);

// A typed series: the leading number of the entry. Rejected (message 1) below 1 or above the
// number of series, and series 2 of "V10ø" and series 4 of "M4ø", "I3s" and "I5a"; "A4s"
// also takes series 0 (an entry beginning with "0").
struct CompositeSeriesEntry {
  bool accepted = false;
  int series = 0;
  MessageArgs args;  // message 1 when rejected
};
CompositeSeriesEntry checkCompositeSeriesEntry(std::string_view valueKey, std::string_view entry,
                                               int seriesCount);

// Up (previous) and Down (next) between the series: within 1..count, and from series 1 of
// "A4s" to its series 0 and back. Unchanged with message 1 beyond the range.
struct CompositeSeriesStep {
  bool changed = false;
  int series = 0;
  MessageArgs args;  // message 1 when not changed
};
CompositeSeriesStep stepCompositeSeries(std::string_view valueKey, int series, int seriesCount,
                                        bool next);

// The keys that walk the composites of a series.
enum class CompositeKey { First, Last, Previous, Next, GroupBack, GroupOn };
// The composite a key leads to from n of count; `refused` (message 5, "Løbe nr. fra 1 til"
// count) when Previous or Next would leave 1..count. GroupBack goes to the first of the
// group of six (or of the group before when already there), GroupOn to the first of the next
// group, at most the count.
struct CompositeStep {
  int composite = 1;
  bool refused = false;
};
CompositeStep stepComposite(CompositeKey key, int composite, int count);

// "Serie 2 af 3", with the plates of "P4s" and "L4s" (" (plade III-IV)").
std::string compositeSeriesLine(std::string_view valueKey, int series, int seriesCount);

// "3 af 12".
std::string compositeCountLine(int composite, int count);

}  // namespace kolvard
