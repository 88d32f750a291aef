#include "app/value_chain.hpp"

#include <algorithm>
#include <initializer_list>

#include "app/edition_settings.hpp"
#include "data/cp865.hpp"

namespace kolvard {
namespace {

std::vector<std::string> toCp865(std::initializer_list<std::string_view> values) {
  std::vector<std::string> out;
  for (std::string_view value : values) out.push_back(cp(value));
  return out;
}

struct EditionValues {
  std::string_view edition;
  std::vector<std::string> values;
};

const std::vector<EditionValues>& valueTable() {
  static const std::vector<EditionValues> table = {
      {"C", toCp865({"3c", "4c"})},
      {"P", toCp865({"2s", "4s", "8s", "16s"})},
      {"L", toCp865({"4s"})},
      {"A", toCp865({"2s", "3s", "4s", "8s", "16s"})},
      {"T", toCp865({"2s", "3s",  "4s",  "8s",  "16s", "48s", "3ø",   "4ø", "5ø",
                     "8ø", "12ø", "16ø", "20ø", "25ø", "50ø", "100ø", "1c", "3c",
                     "4c", "5c",  "7c",  "10c", "12c", "14c", "50c"})},
      {"V", toCp865({"1ø", "5ø", "10ø", "15ø", "20ø", "24ø", "1c", "2c", "5c", "8c"})},
      {"M", toCp865({"2s", "4s", "16s", "1ø", "3ø", "4ø", "5ø", "8ø", "10ø", "15ø", "20ø", "32ø"})},
      {"I", toCp865({"2s", "3s", "4s", "8s", "16s", "3a", "4a", "5a", "6a", "10a", "16a", "20a",
                     "25a", "40a", "50a", "100a"})},
      {"J", toCp865({"4s", "8s", "3a", "4a", "5a", "10a", "16a", "20a", "50a"})},
  };
  return table;
}

}  // namespace

const std::vector<std::string>& valuesOf(std::string_view edition) {
  static const std::vector<std::string> none;
  for (const auto& entry : valueTable()) {
    if (entry.edition == edition) return entry.values;
  }
  return none;
}

EditionValue stepValue(const KeyString& key, const EditionValue& current) {
  if (key.size() != 1 || (key[0] != cp865::kUpArrow && key[0] != cp865::kDownArrow)) {
    return current;
  }
  const bool heldAsTwoColour =
      current.edition == "T" && current.icelandFlag == 1 && isIcelandOvalValue(current.value);
  const bool iceland = current.edition == "I" || heldAsTwoColour;
  const auto& values = valuesOf(iceland ? "I" : std::string_view(current.edition));
  const auto found = std::find(values.begin(), values.end(), current.value);
  if (found == values.end()) return current;

  const auto count = static_cast<std::ptrdiff_t>(values.size());
  auto index = found - values.begin();
  index = key[0] == cp865::kDownArrow ? (index + 1) % count : (index + count - 1) % count;

  EditionValue next = current;
  next.value = values[static_cast<std::size_t>(index)];
  if (iceland) {
    next.edition = isIcelandOvalValue(next.value) ? "T" : "I";
    next.icelandFlag = 1;
  } else if (current.edition == "T") {
    next.icelandFlag = 0;
  }
  return next;
}

}  // namespace kolvard
