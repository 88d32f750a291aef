#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "data/inverted_record.hpp"
#include "data/text_fields.hpp"
#include "domain/frame_settings.hpp"
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

// Reports the first fault of each text record of `size` bytes in `text` (the first `count`
// records), which starts at file offset `offset`.
void checkTextRecords(CheckContext& context, const std::string& section, std::int64_t offset,
                      std::string_view text, std::size_t size, const char* what,
                      std::size_t count = std::string_view::npos) {
  for (std::size_t n = 0; n < count && n * size < text.size(); ++n) {
    const std::string_view record = text.substr(n * size, size);
    if (const auto fault = textFault(record)) {
      context.report(section, offset + static_cast<std::int64_t>(n * size + fault->at),
                     std::string(what) + " " + std::to_string(n + 1) + " " + fault->what);
    }
  }
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

std::optional<TextFault> textFault(std::string_view record) {
  const std::size_t zero = record.find('\0');
  if (zero == 0 && record.find_first_not_of('\0') == std::string_view::npos) {
    return TextFault{0, "is nothing but zero bytes"};
  }
  const auto place = [](std::size_t i) { return " at character " + std::to_string(i + 1); };
  for (std::size_t i = 0; i < record.size(); ++i) {
    const auto c = static_cast<unsigned char>(record[i]);
    if (c == 0 && i == zero && record.find_first_not_of('\0', i) != std::string_view::npos) {
      return TextFault{i, "holds a zero byte inside its text" + place(i)};
    }
    if (c != 0 && c < 32) {
      return TextFault{i, "holds the control character " + std::to_string(c) + place(i)};
    }
  }
  return std::nullopt;
}

void checkInformationText(CheckContext& context, const CheckedSection& section) {
  if (section.ref.length() == 0) {
    context.report(section.name, section.ref.start, "the text is empty");
    return;
  }
  checkTextRecords(context, section.name, section.ref.start,
                   textOf(context.file().sectionBytes(section.ref)), kInfoLineLength, "line");
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
  // The two-coloured edition's counts are the frame flaws of each stored setting code: the
  // flaw screens step up to the count of a setting the user can type, so a record beyond it
  // is never shown. (The Icelandic setting steps up to its 100 flaws whatever its count.)
  if (section.kind.edition != "T") return;
  std::set<int> counted;
  for (int setting = 1; setting <= kHighestTypedSetting; ++setting) {
    for (const char* period : {"1", "2"}) counted.insert(storedSettingCode(setting, period));
  }
  for (const auto& [code, highest] : context.highestFrameFlaws()) {
    if (!counted.contains(code)) continue;
    const std::int64_t at = section.ref.start + 2 * code;
    const int count = context.file().readInt16(at).value_or(0);
    if (count < highest.first) {
      context.report(section.name, at,
                     "setting code " + std::to_string(code) + " counts " + std::to_string(count) +
                         " frame flaws, but its records run to flaw " +
                         std::to_string(highest.first) + " (" + highest.second + ")");
    }
  }
}

void checkWholeSheets(CheckContext& context, const CheckedSection& section) {
  if (section.ref.length() == 0) return;  // nothing known
  if (!wholeRecords(context, section, kWatermarkRecord, "record")) return;
  const std::string_view text = textOf(context.file().sectionBytes(section.ref));
  // The two-coloured edition keys its records by frame setting and holds a text, no direction.
  if (section.kind.edition == "T") {
    checkTextRecords(context, section.name, section.ref.start, text, kWatermarkRecord, "record");
    return;
  }
  endedByStar(context, section, kWatermarkRecord);
  std::size_t records = 0;
  while (records * kWatermarkRecord < text.size() && text[records * kWatermarkRecord] != '*') {
    ++records;
  }
  checkTextRecords(context, section.name, section.ref.start, text, kWatermarkRecord, "record",
                   records);
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
  checkTextRecords(context, section.name, section.ref.start, text, kSheetKnowledgeRecord, "record");
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
  for (std::size_t n = 0; n < std::min(lines, kShownInformationLines); ++n) {
    const std::int64_t at =
        section.ref.start + static_cast<std::int64_t>(n * kPrintingInfoLineSize);
    const std::string line =
        decodeInvertedRecord(bytes.subspan(n * kPrintingInfoLineSize, kPrintingInfoLineSize));
    const std::string which = "line " + std::to_string(n + 1);
    if (const auto fault = textFault(line)) {
      // The stored bytes run backwards: the first character is the last byte of the line.
      context.report(section.name,
                     at + static_cast<std::int64_t>(kPrintingInfoLineSize - 1 - fault->at),
                     which + " " + fault->what);
    } else if (static_cast<unsigned char>(line.back()) == 255) {
      // Blanks pad a line; character 255 there is a stored zero byte.
      context.report(section.name, at,
                     which + " ends in character 255 where blanks pad it (bytes stored as zero)");
    }
  }
}

// The frame setting descriptions: one line of text each.
void checkFixedRecords(CheckContext& context, const CheckedSection& section) {
  const std::size_t size = static_cast<std::size_t>(section.kind.recordSize);
  checkTextRecords(context, section.name, section.ref.start,
                   textOf(context.file().sectionBytes(section.ref)), size, "record");
  wholeRecords(context, section, size, "record");
}

}  // namespace kolvard::datatool
