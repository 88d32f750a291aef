#include "domain/two_colour_composites.hpp"

#include <algorithm>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/composite_names.hpp"
#include "domain/frame_settings.hpp"
#include "domain/two_colour_steps.hpp"

namespace kolvard {
namespace {

struct RestrictedPrinting {
  const char* valuePrinting;  // UTF-8
  FrameRestriction restriction;
};

constexpr RestrictedPrinting kRestricted[] = {
    {"2s3b", {15, 0, 'B'}}, {"3s5", {7, 0, 'B'}},   {"8s4", {7, 0, 'B'}},   {"7c1", {7, 0, 'B'}},
    {"25ø2", {7, 0, 'B'}},  {"16ø2", {7, 0, 'B'}},  {"50ø1", {7, 0, 'B'}},  {"5c1", {14, 0, 'B'}},
    {"10c1", {14, 0, 'B'}}, {"12ø5", {13, 0, 'B'}}, {"1c7", {9, 0, 'B'}},   {"1c1", {1, 6, 'A'}},
    {"3c1", {1, 6, 'A'}},   {"4c1", {1, 6, 'A'}},   {"14c1", {1, 6, 'A'}},  {"16ø1", {1, 6, 'A'}},
    {"25ø1", {1, 6, 'A'}},  {"12ø1", {1, 6, 'A'}},  {"3ø1", {1, 6, 'A'}},   {"3ø2", {1, 6, 'A'}},
    {"12ø2", {1, 6, 'A'}},  {"3ø4", {1, 13, 'A'}},  {"16ø4", {1, 13, 'A'}}, {"12ø4", {1, 12, 'A'}},
    {"3ø5", {1, 10, 'A'}},  {"16ø5", {1, 10, 'A'}}, {"3c3", {1, 11, 'A'}},  {"7c2", {1, 11, 'A'}},
    {"3ø6", {1, 8, 'A'}},
};

int entryNumber(std::string_view entry) {
  const std::string_view t = trimmed(entry);
  if (t.empty() || !isDigit(t[0])) return -1;
  return leadingNumber(t);
}

}  // namespace

std::string ovalCompositeSectionName(std::string_view value, int series, int k) {
  const auto code = compositeCode(k);
  if (!code) return {};
  if (value == cp("100ø")) return std::string("TF100O-") + *code;
  if (value == "100a") return std::string("TF100A-") + *code;
  return compositeSectionName("T", value, 'F', series, k);
}

std::string frameCompositeSectionName(int storedCode, int k) {
  const auto code = compositeCode(k);
  if (!code || storedCode < 1) return {};
  return "TF" + std::to_string(storedCode) + "-" + *code;
}

std::optional<FrameRestriction> frameRestrictionOf(std::string_view valuePrinting) {
  for (const RestrictedPrinting& row : kRestricted) {
    if (cp(row.valuePrinting) == valuePrinting) return row.restriction;
  }
  return std::nullopt;
}

std::string paneNote(char pane) {
  return std::string(" (kun ") + pane + "-ark)";
}

int ovalCompositeSeriesCount(std::string_view value, int limitsSeriesCount) {
  if (value == "48s") return 1;
  return std::max(1, limitsSeriesCount);
}

namespace {

bool withoutOvalComposites(std::string_view value, int series) {
  return value == cp("4ø") && series == 4;
}

}  // namespace

std::optional<int> stepOvalCompositeSeries(std::string_view value, int series, int count,
                                           bool next) {
  int to = next ? series + 1 : series - 1;
  if (withoutOvalComposites(value, to)) to += next ? 1 : -1;
  if (to < 1 || to > count) return std::nullopt;
  return to;
}

std::optional<int> checkOvalSeriesEntry(std::string_view value, std::string_view entry, int count) {
  const int n = entryNumber(entry);
  if (n < 1 || n > count || withoutOvalComposites(value, n)) return std::nullopt;
  return n;
}

std::optional<int> stepFrameCompositeSetting(int storedCode, int highest, bool next) {
  const int shown = shownSettingOf(storedCode).setting;
  return next ? frameSettingAfter(shown, highest) : frameSettingBefore(shown);
}

std::optional<int> checkSettingEntry(std::string_view entry, int highest) {
  const int n = entryNumber(entry);
  if (n < 1 || n > highest || n == 18) return std::nullopt;
  return n;
}

int settingEntryNumber(int storedCode) {
  if (storedCode >= 54) return storedCode - 30;
  if (storedCode == 18) return 5;
  return storedCode;
}

std::optional<int> otherPeriodCode(int storedCode) {
  if (storedCode == 5) return 18;
  if (storedCode == 18) return 5;
  for (const int code : {28, 29, 31, 39, 41, 42, 43}) {
    if (storedCode == code) return code + 30;
    if (storedCode == code + 30) return code;
  }
  return std::nullopt;
}

std::string frameSettingTitle(std::string_view label, std::string_view note) {
  const std::string_view t = trimmed(label);
  const int n = entryNumber(t);
  std::string title = "Rammesetting ";
  if (n >= 1 && n < 51) title += std::string(t);
  return title + std::string(note);
}

std::string ovalSeriesLine(int series, int count) {
  return "Ovalserie " + std::to_string(series) + " af " + std::to_string(count);
}

CompositeStep stepCompositeWithin(CompositeKey key, int composite, int first, int count) {
  const int last = std::max(first, count);
  switch (key) {
    case CompositeKey::First:
      return {first, false};
    case CompositeKey::Last:
      return {last, false};
    case CompositeKey::Previous:
      return composite > first ? CompositeStep{composite - 1, false}
                               : CompositeStep{composite, true};
    case CompositeKey::Next:
      return composite < count ? CompositeStep{composite + 1, false}
                               : CompositeStep{composite, true};
    case CompositeKey::GroupBack:
      return {std::max(first, composite - 6), false};
    case CompositeKey::GroupOn:
      return {std::min(last, composite + 6), false};
  }
  return {composite, false};
}

}  // namespace kolvard
