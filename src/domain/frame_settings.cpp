#include "domain/frame_settings.hpp"

#include <algorithm>

#include "data/text_fields.hpp"

namespace kolvard {
namespace {

// The settings used in two periods and the codes their periods are stored under.
struct TwoPeriodSetting {
  int shown;
  int firstPeriodCode;
  int secondPeriodCode;
};
constexpr std::array<TwoPeriodSetting, 8> kTwoPeriodSettings = {{
    {5, 5, 18},
    {28, 28, 58},
    {29, 29, 59},
    {31, 61, 31},
    {39, 39, 69},
    {41, 41, 71},
    {42, 42, 72},
    {43, 43, 73},
}};

}  // namespace

ShownSetting shownSettingOf(int storedCode) {
  for (const TwoPeriodSetting& s : kTwoPeriodSettings) {
    if (storedCode == s.firstPeriodCode) return {s.shown, "1"};
    if (storedCode == s.secondPeriodCode) return {s.shown, "2"};
  }
  return {storedCode, ""};
}

int storedSettingCode(int shownSetting, std::string_view period) {
  for (const TwoPeriodSetting& s : kTwoPeriodSettings) {
    if (s.shown != shownSetting) continue;
    if (period == "1") return s.firstPeriodCode;
    if (period == "2") return s.secondPeriodCode;
  }
  return shownSetting;
}

bool usedInTwoPeriods(int shownSetting) {
  return std::any_of(kTwoPeriodSettings.begin(), kTwoPeriodSettings.end(),
                     [shownSetting](const TwoPeriodSetting& s) { return s.shown == shownSetting; });
}

FrameFlawNumber splitFrameFlawNumber(std::string_view stored) {
  FrameFlawNumber out;
  stored = trimmed(stored);
  out.shownText = std::string(stored);
  const std::size_t dot = stored.find('.');
  const std::string_view setting = stored.substr(0, std::min(dot, stored.size()));
  if (setting.empty() || !std::all_of(setting.begin(), setting.end(), isDigit) ||
      setting.size() > 4) {
    return out;
  }
  out.hasSetting = true;
  out.storedCode = leadingNumber(setting);
  out.running = dot == std::string_view::npos ? std::string() : std::string(stored.substr(dot + 1));
  out.shown = shownSettingOf(out.storedCode);
  out.shownText = std::to_string(out.shown.setting);
  if (dot != std::string_view::npos) out.shownText += "." + out.running;
  return out;
}

FrameSettingCounts::FrameSettingCounts(const DataFile& file, const SectionRef& section) {
  if (!section.found()) return;
  for (int code = 1; code <= kFrameSettingCodes; ++code) {
    const std::int64_t at = std::int64_t{section.start} + 2 + 2 * (code - 1);
    if (at + 2 > section.end) break;
    counts_[static_cast<std::size_t>(code)] = file.readInt16(at).value_or(0);
  }
}

int FrameSettingCounts::ofCode(int storedCode) const {
  if (storedCode < 1 || storedCode > kFrameSettingCodes) return 0;
  return std::max<int>(0, counts_[static_cast<std::size_t>(storedCode)]);
}

}  // namespace kolvard
