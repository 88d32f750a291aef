#include "domain/type_pages.hpp"

#include <algorithm>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"

namespace kolvard {
namespace {

constexpr std::size_t kTypesStart = 12;  // characters 13..36
constexpr std::size_t kTypeWidth = 4;
constexpr char kEndMark = '*';

bool hasSideTexts(std::string_view edition, std::string_view value) {
  if (edition != "M") return false;
  for (const char* v : {"2s", "4s", "16s", "3ø", "4ø", "8ø", "32ø"}) {
    if (cp(v) == value) return true;
  }
  return false;
}

}  // namespace

TypePage readTypePageFields(std::string_view record) {
  TypePage page;
  page.value = std::string(withoutTrailingBlanks(record.substr(0, 4)));
  page.page = leadingNumber(record.substr(4, 3));
  page.pages = leadingNumber(record.substr(7, 3));
  for (std::size_t k = 0; k < kTypeCellsPerPage; ++k) {
    page.types[k] = std::string(trimmed(record.substr(kTypesStart + k * kTypeWidth, kTypeWidth)));
  }
  return page;
}

TypePages::TypePages(std::span<const std::uint8_t> section, std::string_view edition,
                     TypeRecordForm form)
    : edition_(edition), form_(form) {
  const std::size_t bytes =
      form == TypeRecordForm::TwoColoured ? kTwoColourTypePageBytes : kTypePageBytes;
  const std::string_view text(reinterpret_cast<const char*>(section.data()), section.size());
  for (std::size_t at = 0; at < text.size(); at += bytes) {
    // The end record counts by its first character, even when it is cut short.
    if (text[at] == kEndMark) {
      ended_ = true;
      break;
    }
    if (text.size() - at < bytes) break;
    const std::string_view r = text.substr(at, bytes);
    Record record;
    const std::string_view shortCode = withoutTrailingBlanks(r.substr(0, 3));
    if (records_.size() >= kRecordsBeforeSideTexts && r[3] != ' ' &&
        hasSideTexts(edition_, shortCode)) {
      record.sideText = true;
      record.side.value = std::string(shortCode);
      record.side.y = 12.0 * (static_cast<unsigned char>(r[3]) - 61);
      record.side.text = std::string(withoutTrailingPadding(r.substr(5)));
    } else {
      record.page = readTypePageFields(r);
    }
    records_.push_back(std::move(record));
  }
}

bool TypePages::isPage(int index) const {
  return index >= 0 && index < endIndex() && !records_[static_cast<std::size_t>(index)].sideText;
}

const TypePage& TypePages::page(int index) const {
  static const TypePage kNone;
  return isPage(index) ? records_[static_cast<std::size_t>(index)].page : kNone;
}

int TypePages::findValue(std::string_view value, int from) const {
  const bool padded = form_ == TypeRecordForm::TwoColoured;
  const std::string field = padded ? typeValueField(value) : std::string(value);
  for (int i = std::max(0, from); i < endIndex(); ++i) {
    if (isPage(i) && (padded ? typeValueField(page(i).value) : page(i).value) == field) return i;
  }
  return -1;
}

int TypePages::nextPage(int index) const {
  for (int i = std::max(0, index + 1); i < endIndex(); ++i) {
    if (isPage(i)) return i;
  }
  return -1;
}

int TypePages::previousPage(int index) const {
  for (int i = std::min(index, endIndex()) - 1; i >= 0; --i) {
    if (isPage(i)) return i;
  }
  return -1;
}

int TypePages::lastPage() const {
  return previousPage(endIndex());
}

std::vector<TypeSideText> TypePages::sideTextsOf(std::string_view value) const {
  std::vector<TypeSideText> out;
  if (!hasSideTexts(edition_, value)) return out;
  for (const Record& r : records_) {
    if (r.sideText && r.side.value == value) out.push_back(r.side);
  }
  return out;
}

int initialLastTypeIndex(std::string_view edition) {
  struct Entry {
    const char* edition;
    int last;
  };
  static constexpr Entry kLast[] = {{"A", 24}, {"C", 1}, {"I", 16}, {"J", 8},
                                    {"M", 13}, {"P", 3}, {"V", 15}};
  for (const Entry& e : kLast) {
    if (edition == e.edition) return e.last;
  }
  return 0;
}

std::string typeLabel(std::string_view type) {
  if (type == "IRR" || type == "IOR") return {};
  if (type == "I1" || type == "I1OR") return "M.1";
  if (type == "I2" || type == "I2OR") return "M.2";
  std::string label = "M." + std::string(type);
  std::replace(label.begin(), label.end(), '-', '`');
  return label;
}

std::string typeRecordKey(std::string_view edition, std::string_view value, std::string_view type) {
  if (value == "R") return "TM" + std::string(type);
  return std::string(edition) + std::string(value) + "M" + std::string(type);
}

std::string typeValueField(std::string_view value) {
  std::string field(value.substr(0, std::min(value.size(), std::size_t{4})));
  field.resize(4, ' ');
  return field;
}

std::string typePageText(int page, int pages) {
  if (page == 0) return "( Ingen typer er registreret )";
  return "Side " + std::to_string(page) + " af " + std::to_string(pages);
}

}  // namespace kolvard
