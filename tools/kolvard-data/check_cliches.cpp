#include <algorithm>
#include <string>
#include <string_view>

#include "data/text_fields.hpp"
#include "domain/cliche_record.hpp"
#include "domain/value_tables.hpp"
#include "kolvard-data/check_sections.hpp"

namespace kolvard::datatool {
namespace {

constexpr char kEscape = 27;
constexpr std::string_view kFieldTags = "dmtvb";
constexpr std::size_t kOccurrenceItem = 15;
constexpr std::size_t kTypeCells = 6;
constexpr std::size_t kTypeCellsStart = 12;  // characters 13..36
constexpr std::size_t kTypeCodeWidth = 4;
constexpr std::size_t kPagesBeforeSideTexts = 16;

// The tags of the text part before the picture: each escape "*" takes a known letter.
void checkTags(CheckContext& context, const CheckedSection& section, std::string_view text) {
  for (std::size_t at = text.find(kEscape); at != std::string_view::npos;
       at = text.find(kEscape, at + 1)) {
    if (at + 1 >= text.size() || text[at + 1] != '*') continue;
    const char tag = at + 2 < text.size() ? text[at + 2] : ' ';
    if (kFieldTags.find(tag) == std::string_view::npos) {
      context.report(section.name, section.ref.start + static_cast<std::int64_t>(at),
                     std::string("the record has a field of unknown tag \"") + tag + "\"");
    }
  }
}

// From the 17th record on, a page of edition "M" can be a side text: the value code in
// characters 1-3, a line code in character 4 and the text from character 6 on.
bool isSideText(std::string_view record, std::size_t index, const std::string& edition) {
  if (index < kPagesBeforeSideTexts || record[3] == ' ') return false;
  const std::string_view code = withoutTrailingBlanks(record.substr(0, 3));
  const auto& values = valuesOf(edition);
  return std::find(values.begin(), values.end(), code) != values.end();
}

}  // namespace

void checkClicheRecord(CheckContext& context, const CheckedSection& section) {
  const ClicheRecord record = readClicheRecordAt(context.file(), section.ref);
  if (!record.found) {
    context.report(section.name, section.ref.start,
                   section.ref.length() < kClicheMinimumBytes
                       ? "the record is shorter than 10 bytes"
                       : "the record has no picture tag within its first 560 bytes");
    return;
  }
  const auto bytes = context.file().sectionBytes(section.ref);
  const std::size_t textPart = bytes.size() - record.picture.size() - 3;  // before the tag
  checkTags(context, section,
            std::string_view(reinterpret_cast<const char*>(bytes.data()), textPart));
  if (record.occurrences.size() % kOccurrenceItem != 0) {
    context.report(section.name, section.ref.start,
                   "the occurrence list of " + std::to_string(record.occurrences.size()) +
                       " characters is not whole 15-character items");
  }
  const std::int64_t picture = section.ref.start + static_cast<std::int64_t>(textPart + 3);
  if (!record.hasPicture) {
    context.report(section.name, picture, "the picture holds fewer than 10 bytes");
    return;
  }
  checkRunLengthRows(context, section.name, picture, record.picture, kClichePictureRows);
}

void checkTypePages(CheckContext& context, const CheckedSection& section) {
  const std::size_t size = static_cast<std::size_t>(section.kind.recordSize);
  const bool twoColoured = section.kind.edition == "T";
  const auto bytes = context.file().sectionBytes(section.ref);
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (text.empty()) return;  // no types registered
  bool ended = false;
  for (std::size_t at = 0; at < text.size(); at += size) {
    const std::int64_t offset = section.ref.start + static_cast<std::int64_t>(at);
    if (text[at] == '*') {
      ended = true;
      break;
    }
    if (text.size() - at < size) {
      context.report(section.name, offset,
                     "the section ends with " + std::to_string(text.size() - at) +
                         " bytes, not a whole " + std::to_string(size) + "-byte page");
      return;
    }
    const std::string_view record = text.substr(at, size);
    if (isSideText(record, at / size, section.kind.edition)) continue;
    const std::string value(withoutTrailingBlanks(record.substr(0, 4)));
    // Each type has a record: edition + value + "M" + type, or edition + "M" + type for the
    // frame types of a page "R" (the two-coloured frames, "TM" + type).
    const std::string prefix =
        !value.empty() && value[0] == 'R' ? "TM" : section.kind.edition + value + "M";
    for (std::size_t cell = 0; cell < kTypeCells; ++cell) {
      const std::size_t from = kTypeCellsStart + cell * kTypeCodeWidth;
      if (from + kTypeCodeWidth > size) break;
      const std::string_view type = trimmed(record.substr(from, kTypeCodeWidth));
      // On a two-coloured page four blanks end the page; elsewhere they are an empty cell.
      if (type.empty() && twoColoured) break;
      if (type.empty() || context.has(prefix + std::string(type))) continue;
      context.report(section.name, offset,
                     "type " + std::string(type) + " of value " + value + " has no record " +
                         storedSectionName(prefix + std::string(type)));
    }
  }
  if (!ended) context.report(section.name, section.ref.end, "the pages have no end record (\"*\")");
}

}  // namespace kolvard::datatool
