// Frame settings of the two-coloured edition: how the frame clichés were set up in the plate.
// A frame flaw number is the stored setting code + "." + running number ("58.4"). Eight
// settings were used in two periods; one period of each is stored under another code (5 in
// period "2" as 18, 28 as 58, ..., 31 in period "1" as 61), so the user sees the setting with
// its period ("28.4", period "2").
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/data_file.hpp"

namespace kolvard {

inline constexpr int kFrameSettingCodes = 73;      // stored codes 1..73
inline constexpr int kHighestTypedSetting = 51;    // what the user may type
inline constexpr int kIcelandicFrameSetting = 53;  // the only setting of the Icelandic values
inline constexpr int kIcelandicFrameFlaws = 100;

struct ShownSetting {
  int setting = 0;
  std::string period;  // "", "1" or "2"
};

// The setting and period shown for a stored code (codes without a second period: the code
// itself and period "").
ShownSetting shownSettingOf(int storedCode);
// The code a shown setting is stored under in a period (the reverse of shownSettingOf).
int storedSettingCode(int shownSetting, std::string_view period);
// Whether a shown setting was used in two periods (5, 28, 29, 31, 39, 41, 42, 43).
bool usedInTwoPeriods(int shownSetting);
// The highest setting the user may type.
inline int highestTypedSetting(bool iceland) {
  return iceland ? kIcelandicFrameSetting : kHighestTypedSetting;
}

// A stored frame flaw number taken apart: "58.4" -> code 58, running "4", shown "28.4",
// period "2". Without a setting number before the "." nothing is known (hasSetting false) and
// the shown text is the stored one.
struct FrameFlawNumber {
  bool hasSetting = false;
  int storedCode = 0;
  std::string running;
  ShownSetting shown;
  std::string shownText;
};
FrameFlawNumber splitFrameFlawNumber(std::string_view stored);

// The number of frame flaws of each stored setting code, section "TRFANTAL": 2 bytes not read,
// then 73 little-endian 16-bit counts for the codes 1..73. A missing or short section leaves
// the counts it lacks at 0; a negative count reads as 0.
class FrameSettingCounts {
 public:
  FrameSettingCounts() = default;
  FrameSettingCounts(const DataFile& file, const SectionRef& section);

  // The count of a stored code; 0 outside 1..73.
  int ofCode(int storedCode) const;

 private:
  std::array<std::int16_t, kFrameSettingCodes + 1> counts_{};  // index 0 unused
};

}  // namespace kolvard
