// Stepping through the values of an edition in front-page order with the arrow keys. Edition
// "I" shares its oval values ("4a", "25a", "50a", "100a") with the two-coloured machinery:
// they are held as edition "T" with the Iceland flag.
#pragma once

#include <string>
#include <string_view>

namespace kolvard {

struct EditionValue {
  std::string edition;
  std::string value;  // cp865
  int icelandFlag = 0;

  bool operator==(const EditionValue&) const = default;
};

// The character 24 (up arrow) steps to the previous value, 25 (down arrow) to the next, both
// wrapping around. In the Iceland chain stepping onto an oval value gives edition "T" with the
// Iceland flag, stepping off it edition "I" (flag 1). Any other key, or a value not in the
// edition's list, leaves `current` unchanged.
EditionValue stepValue(std::string_view key, const EditionValue& current);

}  // namespace kolvard
