#include "domain/two_colour_type_pages.hpp"

#include <algorithm>

#include "data/text_fields.hpp"

namespace kolvard {
namespace {

constexpr std::size_t kValueWidth = 4;

}  // namespace

bool isFrameTypePage(std::string_view value) {
  return !value.empty() && value.front() == 'R';
}

std::string twoColourTypeRecordKey(std::string_view edition, std::string_view value,
                                   std::string_view type) {
  if (isFrameTypePage(value)) return std::string(edition) + "M" + std::string(type);
  return typeRecordKey(edition, value, type);
}

std::string twoColourTypeLabel(bool frame, std::string_view type) {
  std::string label = (frame ? "RM." : "OM.") + std::string(type);
  const auto hyphen = label.find('-');
  if (hyphen != std::string::npos) label[hyphen] = '`';
  return label;
}

std::string twoColourTypePageText(int page, int pages) {
  if (page == 0) return "( Ingen ovaltyper er registreret )";
  return typePageText(page, pages);
}

std::string twoColourTypeQuery(std::string_view entry, bool frameKey) {
  const std::string field = typeValueField(asciiLower(entry));
  if (field.front() == 'r') return "R" + field.substr(1);
  if (frameKey) return "R" + field.substr(0, kValueWidth - 1);
  return field;
}

}  // namespace kolvard
