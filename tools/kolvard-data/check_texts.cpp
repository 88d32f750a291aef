#include <string>
#include <string_view>

#include "data/inverted_record.hpp"
#include "data/text_fields.hpp"
#include "domain/sheet_knowledge.hpp"
#include "kolvard-data/check_sections.hpp"
#include "ui/info_viewer.hpp"

namespace kolvard::datatool {
namespace {

constexpr std::size_t kCountsBytes = 2 + 73 * 2;  // 2 unread bytes, printings 1..73
constexpr std::size_t kPaneLines = 4;
constexpr std::size_t kEntryRecords = 4 + kPaneLines;  // "T", spare, information, spare, panes
constexpr std::size_t kShownInformationLines = 7;

std::string_view textOf(std::span<const std::uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// Reports a section that is not whole records; true when it is.
bool wholeRecords(CheckContext& context, const CheckedSection& section, std::size_t size,
                  const char* what) {
  const std::size_t length = static_cast<std::size_t>(section.ref.length());
  if (length % size == 0) return true;
  context.report(section.name, section.ref.start + static_cast<std::int64_t>(length / size * size),
                 "the section ends with " + std::to_string(length % size) + " bytes, not a whole " +
                     std::to_string(size) + "-byte " + what);
  return false;
}

// A list of records ended by one starting "*": reports a list without its end.
void endedByStar(CheckContext& context, const CheckedSection& section, std::size_t size) {
  const std::string_view text = textOf(context.file().sectionBytes(section.ref));
  for (std::size_t at = 0; at < text.size(); at += size) {
    if (text[at] == '*') return;
  }
  context.report(section.name, section.ref.end, "the records have no end record (\"*\")");
}

}  // namespace

void checkInformationText(CheckContext& context, const CheckedSection& section) {
  if (section.ref.length() == 0) {
    context.report(section.name, section.ref.start, "the text is empty");
    return;
  }
  wholeRecords(context, section, kInfoLineLength, "line");
}

void checkPrintingCounts(CheckContext& context, const CheckedSection& section) {
  const auto bytes = context.file().sectionBytes(section.ref);
  if (bytes.size() < kCountsBytes) {
    context.report(section.name, section.ref.start,
                   "the section holds " + std::to_string(bytes.size()) + " bytes, fewer than the " +
                       std::to_string(kCountsBytes) + " of 73 printing counts");
    return;
  }
  for (int printing = 1; printing <= 73; ++printing) {
    const std::int64_t at = section.ref.start + 2 * printing;
    if (context.file().readInt16(at).value_or(0) < 0) {
      context.report(section.name, at,
                     "printing " + std::to_string(printing) + " has a negative count");
    }
  }
}

void checkWholeSheets(CheckContext& context, const CheckedSection& section) {
  if (section.ref.length() == 0) return;  // nothing known
  if (!wholeRecords(context, section, kWatermarkRecord, "record")) return;
  // The two-coloured edition keys its records by frame setting and holds a text, no direction.
  if (section.kind.edition == "T") return;
  endedByStar(context, section, kWatermarkRecord);
  const std::string_view text = textOf(context.file().sectionBytes(section.ref));
  for (std::size_t at = 0; at < text.size() && text[at] != '*'; at += kWatermarkRecord) {
    const char direction = text[at + 8];
    if (direction != '<' && direction != '>') {
      context.report(section.name, section.ref.start + static_cast<std::int64_t>(at),
                     "the watermark record \"" + std::string(trimmed(text.substr(at, 8))) +
                         "\" has no direction (\"<\" or \">\") in character 9");
    }
  }
}

void checkSheetTexts(CheckContext& context, const CheckedSection& section) {
  if (!wholeRecords(context, section, kSheetKnowledgeRecord, "record")) return;
  const std::string_view text = textOf(context.file().sectionBytes(section.ref));
  const std::size_t records = text.size() / kSheetKnowledgeRecord;
  const auto record = [&](std::size_t n) { return text.substr(n * kSheetKnowledgeRecord, 1); };
  for (std::size_t n = 0; n < records; ++n) {
    if (record(n) != "T") continue;
    std::size_t panes = 0;
    for (std::size_t k = n + 4; k < n + kEntryRecords && k < records; ++k) {
      if (record(k) == "I") ++panes;
    }
    if (panes < kPaneLines) {
      const std::string_view head = trimmed(text.substr(n * kSheetKnowledgeRecord, 8));
      context.report(section.name,
                     section.ref.start + static_cast<std::int64_t>(n * kSheetKnowledgeRecord),
                     "the entry \"" + std::string(head) + "\" has " + std::to_string(panes) +
                         " of its four pane lines (\"I\")");
    }
  }
}

void checkPrintingInformation(CheckContext& context, const CheckedSection& section) {
  if (!wholeRecords(context, section, kPrintingInfoLineSize, "line")) return;
  const auto bytes = context.file().sectionBytes(section.ref);
  std::size_t lines = 0;
  // A line whose first stored byte is 255 ends the text.
  while (lines * kPrintingInfoLineSize < bytes.size() &&
         bytes[lines * kPrintingInfoLineSize] != 255) {
    ++lines;
  }
  if (lines > kShownInformationLines) {
    context.report(section.name, section.ref.start,
                   "the text has " + std::to_string(lines) + " lines, more than the seven read");
  }
}

void checkFixedRecords(CheckContext& context, const CheckedSection& section) {
  wholeRecords(context, section, static_cast<std::size_t>(section.kind.recordSize), "record");
}

}  // namespace kolvard::datatool
