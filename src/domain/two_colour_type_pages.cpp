#include "domain/two_colour_type_pages.hpp"

#include <algorithm>

#include "data/text_fields.hpp"

namespace kolvard {
namespace {

constexpr char kEndMark = '*';
constexpr std::size_t kValueWidth = 4;

}  // namespace

TwoColourTypePages::TwoColourTypePages(std::span<const std::uint8_t> section) {
  const std::string_view text(reinterpret_cast<const char*>(section.data()), section.size());
  for (std::size_t at = 0; at < text.size(); at += kTwoColourTypePageBytes) {
    if (text[at] == kEndMark || text.size() - at < kTwoColourTypePageBytes) break;
    pages_.push_back(readTypePageFields(text.substr(at, kTwoColourTypePageBytes)));
  }
}

const TypePage& TwoColourTypePages::page(int index) const {
  static const TypePage kNone;
  return isPage(index) ? pages_[static_cast<std::size_t>(index)] : kNone;
}

int TwoColourTypePages::findValue(std::string_view value, int from) const {
  const std::string field = typeValueField(value);
  for (int i = std::max(0, from); i < endIndex(); ++i) {
    if (typeValueField(page(i).value) == field) return i;
  }
  return -1;
}

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

std::string typeValueField(std::string_view value) {
  std::string field(value.substr(0, std::min(value.size(), kValueWidth)));
  field.resize(kValueWidth, ' ');
  return field;
}

}  // namespace kolvard
