#include "domain/value_chain.hpp"

#include <algorithm>

#include "data/cp865.hpp"
#include "domain/edition.hpp"
#include "domain/value_tables.hpp"

namespace kolvard {

EditionValue stepValue(std::string_view key, const EditionValue& current) {
  if (key.size() != 1 || (key[0] != cp865::kUpArrow && key[0] != cp865::kDownArrow)) {
    return current;
  }
  const Edition edition(current.edition);
  const bool heldAsTwoColour = current.icelandFlag == 1 && edition.holdsIcelandOval(current.value);
  const bool iceland = edition.isIceland() || heldAsTwoColour;
  const auto& values = iceland ? Edition::iceland().values() : edition.values();
  const auto found = std::find(values.begin(), values.end(), current.value);
  if (found == values.end()) return current;

  const auto count = static_cast<std::ptrdiff_t>(values.size());
  auto index = found - values.begin();
  index = key[0] == cp865::kDownArrow ? (index + 1) % count : (index + count - 1) % count;

  EditionValue next = current;
  next.value = values[static_cast<std::size_t>(index)];
  if (iceland) {
    next.edition =
        isIcelandOvalValue(next.value) ? Edition::kTwoColouredLetter : Edition::kIcelandLetter;
    next.icelandFlag = 1;
  } else if (edition.isTwoColoured()) {
    next.icelandFlag = 0;
  }
  return next;
}

}  // namespace kolvard
