#include <algorithm>
#include <string>
#include <string_view>

#include "data/text_fields.hpp"
#include "domain/cliche_record.hpp"
#include "domain/type_pages.hpp"
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
constexpr std::size_t kTypeFields = 36;  // value, page numbers and the six type codes

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

// Characters 1-36 of a page: text, the value one of the edition's, the page and the number of
// pages numbers with the page not beyond them. False when they are not.
bool checkPageFields(CheckContext& context, const CheckedSection& section, std::string_view fields,
                     int index, const TypePage& page) {
  const std::int64_t at = section.ref.start + static_cast<std::int64_t>(index) * kTypePageBytes;
  const std::string which = "page record " + std::to_string(index + 1);
  if (const auto fault = textFault(fields)) {
    context.report(section.name, at + static_cast<std::int64_t>(fault->at),
                   which + " " + fault->what);
    return false;
  }
  // "R": the frames of the two-coloured edition, which the type screen also offers.
  const auto& values = valuesOf(section.kind.edition);
  if (page.value != "R" && std::find(values.begin(), values.end(), page.value) == values.end()) {
    context.report(section.name, at,
                   which + " names the value \"" + page.value + "\", no value of edition " +
                       section.kind.edition);
    return false;
  }
  const auto isNumber = [](std::string_view field) {
    const std::string_view t = trimmed(field);
    return !t.empty() && std::all_of(t.begin(), t.end(), isDigit);
  };
  if (!isNumber(fields.substr(4, 3)) || !isNumber(fields.substr(7, 3)) || page.page > page.pages) {
    context.report(section.name, at,
                   which + " of " + page.value + " is not page \"" +
                       std::string(trimmed(fields.substr(4, 3))) + "\" of \"" +
                       std::string(trimmed(fields.substr(7, 3))) + "\" pages");
    return false;
  }
  return true;
}

// The two-coloured edition's pages: four blanks end a page's types.
void checkTwoColouredTypePages(CheckContext& context, const CheckedSection& section,
                               std::string_view text, std::size_t size) {
  for (std::size_t at = 0; at + size <= text.size() && text[at] != '*'; at += size) {
    const std::string_view record = text.substr(at, size);
    if (const auto fault = textFault(record)) {
      context.report(section.name, section.ref.start + static_cast<std::int64_t>(at + fault->at),
                     "page record " + std::to_string(at / size + 1) + " " + fault->what);
      continue;
    }
    const std::string value(withoutTrailingBlanks(record.substr(0, 4)));
    for (std::size_t cell = 0; cell < kTypeCells; ++cell) {
      const std::size_t from = kTypeCellsStart + cell * kTypeCodeWidth;
      if (from + kTypeCodeWidth > size) break;
      const std::string_view type = trimmed(record.substr(from, kTypeCodeWidth));
      if (type.empty()) break;
      // The frame types of a page "R…" are "TM" + type.
      const std::string key =
          (!value.empty() && value[0] == 'R' ? "TM" : section.kind.edition + value + "M") +
          std::string(type);
      if (context.has(key)) continue;
      context.report(section.name, section.ref.start + static_cast<std::int64_t>(at),
                     "type " + std::string(type) + " of value " + value + " has no record " +
                         storedSectionName(key));
    }
  }
}

void checkTypePages(CheckContext& context, const CheckedSection& section) {
  const std::size_t size = static_cast<std::size_t>(section.kind.recordSize);
  const auto bytes = context.file().sectionBytes(section.ref);
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (text.empty()) return;  // no types registered
  // Where the pages end: the end record, a page cut short, or the section end.
  std::size_t at = 0;
  while (at < text.size() && text[at] != '*' && text.size() - at >= size) at += size;
  const bool ended = at < text.size() && text[at] == '*';
  if (!ended && at < text.size()) {
    context.report(section.name, section.ref.start + static_cast<std::int64_t>(at),
                   "the section ends with " + std::to_string(text.size() - at) +
                       " bytes, not a whole " + std::to_string(size) + "-byte page");
    return;
  }
  if (section.kind.edition == "T") {
    checkTwoColouredTypePages(context, section, text, size);
  } else {
    // The pages as the type screen reads them (side texts are no pages): each type has a
    // record.
    const TypePages pages(bytes, section.kind.edition);
    for (int i = 0; i < pages.endIndex(); ++i) {
      if (!pages.isPage(i)) continue;
      const TypePage& page = pages.page(i);
      const std::string_view fields = text.substr(static_cast<std::size_t>(i) * size, kTypeFields);
      if (!checkPageFields(context, section, fields, i, page)) continue;
      for (const std::string& type : page.types) {
        if (type.empty()) continue;
        const std::string key = typeRecordKey(section.kind.edition, page.value, type);
        if (context.has(key)) continue;
        context.report(section.name, section.ref.start + static_cast<std::int64_t>(i) * 64,
                       "type " + type + " of value " + page.value + " has no record " +
                           storedSectionName(key));
      }
    }
  }
  if (!ended) context.report(section.name, section.ref.end, "the pages have no end record (\"*\")");
}

}  // namespace kolvard::datatool
