// The values of each edition in front-page order, and stepping through them with the arrow
// keys. Edition "I" shares its oval values ("4a", "25a", "50a", "100a") with the two-coloured
// machinery: they are held as edition "T" with the Iceland flag.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/key_string.hpp"

namespace kolvard {

struct EditionValue {
  std::string edition;
  std::string value;  // cp865
  int icelandFlag = 0;

  bool operator==(const EditionValue&) const = default;
};

// The values of an edition in order (cp865). For "I" the whole Iceland chain including the
// oval values; for "T" its own 25 values. Empty for a letter without values.
const std::vector<std::string>& valuesOf(std::string_view edition);

// The character 24 (up arrow) steps to the previous value, 25 (down arrow) to the next, both
// wrapping around. In the Iceland chain stepping onto an oval value gives edition "T" with the
// Iceland flag, stepping off it edition "I" (flag 1). Any other key, or a value not in the
// edition's list, leaves `current` unchanged.
EditionValue stepValue(const KeyString& key, const EditionValue& current);

}  // namespace kolvard
