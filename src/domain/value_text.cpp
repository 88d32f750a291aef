#include "domain/value_text.hpp"

#include <algorithm>
#include <array>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"

namespace kolvard {
namespace {

bool listed(const std::array<std::string, 10>& list, const std::string& key) {
  return std::find(list.begin(), list.end(), key) != list.end();
}

}  // namespace

std::string valueText(std::string_view value) {
  const std::string_view code = withoutTrailingBlanks(value);
  if (code.empty()) return {};
  std::string text(code.substr(0, code.size() - 1));
  switch (code.back()) {
    case 's':
      text += " skilling";
      break;
    case cp865::kOslash:
      text += cp(" øre");
      break;
    case 'c':
      text += " cents";
      break;
    case 'a':
      text += " aur";
      break;
    default:
      text += code.back();
      break;
  }
  if (text.starts_with("1 c")) text = "1 cent";
  return text;
}

std::string normalisePrintingName(std::string_view edition, std::string_view value,
                                  std::string_view printing) {
  static const std::array<std::string, 10> halves = {
      "A2s4a", "A2s4b",  "A3s3a",  "A3s3b",       "A4s8a",
      "A4s8b", "A4s10a", "A4s10b", cp("V20ø14a"), cp("V20ø14b")};

  std::string name;
  for (char c : printing) {
    if (c != ' ') name += c;
  }
  const std::string valueKey = std::string(edition) + std::string(value);
  if (listed(halves, valueKey + name)) return name;

  // The plain number: the leading digits (none reads as 0), without leading zeros; a
  // printing of more digits than any sheet has is cut at nine.
  long number = 0;
  for (std::size_t i = 0; i < name.size() && isDigit(name[i]); ++i) {
    if (number < 100000000) number = number * 10 + (name[i] - '0');
  }
  name = std::to_string(number);

  if ((valueKey == "A2s" && name == "4") || (valueKey == "A3s" && name == "3") ||
      (valueKey == "A4s" && (name == "8" || name == "10")) ||
      (valueKey == cp("V20ø") && name == "14")) {
    return name + "a";
  }
  if (valueKey == "A4s" && name == "2") return "2-3";
  return name;
}

std::string printingLabel(std::string_view edition, std::string_view value,
                          std::string_view printing) {
  static const std::array<std::string_view, 19> reprints = {
      "P16s3", "I3a8",  "I5a9",  "I6a8",  "I10a10", "I16a6", "I20a8", "I40a6", "J3a5",  "J4a2",
      "J5a6",  "J10a5", "J16a3", "J20a5", "J50a2",  "T4a2",  "T25a2", "T50a3", "T100a2"};
  std::string label = "Tryk " + std::string(printing);
  const std::string key = std::string(edition) + std::string(value) + std::string(printing);
  if (std::find(reprints.begin(), reprints.end(), key) != reprints.end()) label += " (nytryk)";
  return label;
}

}  // namespace kolvard
