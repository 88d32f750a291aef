// The frame header, the print names and the full-sheet lines of the two-coloured schemas.
#include <algorithm>
#include <cstdint>

#include "data/text_fields.hpp"
#include "domain/frame_setting_description.hpp"
#include "domain/sheet_knowledge.hpp"
#include "domain/two_colour_schema.hpp"

namespace kolvard {
namespace {

constexpr char kGrave = 96;
constexpr char kBlockMark = static_cast<char>(254);
constexpr std::int64_t kWholeSheetRecord = 36;
constexpr std::size_t kWholeSheetKey = 8;

}  // namespace

std::string frameSettingLabel(std::string_view blockLabel, SchemaPane pane) {
  std::string label(withoutTrailingBlanks(blockLabel));
  if (label.empty()) return label;  // a printing without a frame block names no setting
  // "18" is how the second period of setting 5 is stored: "18", "18A", "18B" show as "5...".
  if (label.starts_with("18") && (label.size() == 2 || !isDigit(label[2]))) {
    label.replace(0, 2, "5");
  }
  const char last = label.empty() ? ' ' : label.back();
  if (pane == SchemaPane::Single) {
    if (last != 'A' && last != 'B') label += kBlockMark;
  } else if (pane == SchemaPane::A) {
    if (last != 'A') label += 'A';
  } else if (last != 'B') {
    label += 'B';
  }
  // A grave accent right after the first character goes ("4`4A" is setting 44A); the later
  // ones stay for the shortened forms ("44A`1`0"). The first block mark after the first
  // character goes too: a block mark of a one-pane label is never shown.
  if (label.size() > 1 && label[1] == kGrave) label.erase(1, 1);
  const auto mark = label.find(kBlockMark, 1);
  if (mark != std::string::npos) label.erase(mark, 1);
  return label;
}

std::string shortenedSettingLabel(std::string_view label) {
  const std::string g(1, kGrave);
  struct Rename {
    std::string from, to;
  };
  const Rename renames[] = {
      {"11B" + g + "a", "11B"},
      {"16B" + g + "a", "16B"},
      {"34A" + g + "a", "34A"},
      {"44A" + g + "1" + g + "0", "44A" + g + "10"},
      {"44B" + g + "1" + g + "0", "44B" + g + "10"},
      {"44A" + g + "1" + g + "1", "44A" + g + "11"},
      {"44B" + g + "1" + g + "1", "44B" + g + "11"},
  };
  for (const Rename& r : renames) {
    if (label == r.from) return r.to;
  }
  return std::string(label);
}

std::string periodOfFrameFlaw(std::string_view stored) {
  const std::string_view head = stored.substr(0, std::min<std::size_t>(2, stored.size()));
  for (const std::string_view first : {"5.", "28", "29", "61", "39", "41", "42", "43"}) {
    if (head == first) return "1";
  }
  for (const std::string_view second : {"18", "58", "59", "31", "69", "71", "72", "73"}) {
    if (head == second) return "2";
  }
  return {};
}

std::string frameSchemaTitle(std::string_view label, int labelValue, std::string_view period) {
  if (labelValue >= 51) return "Rammesetting";
  std::string title = "Setting " + std::string(label);
  if (label.starts_with("5") && !period.empty()) {
    title += " (" + std::string(period) + ". periode)";
  }
  return title;
}

FrameSchemaHeader frameSchemaHeader(const DataFile& file, const TwoColourPositionTable& table,
                                    SchemaPane pane) {
  FrameSchemaHeader header;
  header.period = periodOfFrameFlaw(table.frame(pane == SchemaPane::B ? 101 : 1).flawNumber());
  if (header.period.empty()) {
    // Position 1 without a frame flaw number: the frame block's stored setting code tells the
    // period ("18" is setting 5 in its second period). Without it the frame prints of both
    // periods of setting 5 would be written under one name.
    const std::string_view block = table.frameBlockLabel();
    std::size_t digits = 0;
    while (digits < block.size() && isDigit(block[digits])) ++digits;
    header.period = periodOfFrameFlaw(std::string(block.substr(0, digits)) + ".");
  }
  const std::string label = frameSettingLabel(table.frameBlockLabel(), pane);
  header.labelValue = !label.empty() && isDigit(label.front()) ? leadingNumber(label) : 0;
  header.description = frameSettingDescription(file, "T", header.labelValue);
  header.label = shortenedSettingLabel(label);
  header.title = frameSchemaTitle(header.label, header.labelValue, header.period);
  return header;
}

std::string ovalSchemaPrintTag(std::string_view value, std::string_view printing, SchemaPane pane) {
  return "#T" + std::string(value) + std::string(printing) + std::string(schemaPaneLetter(pane));
}

std::string frameSchemaPrintTag(const FrameSchemaHeader& header) {
  std::string tag = "#Set" + header.label;
  if (header.labelValue == 5 && !header.period.empty()) tag += "-" + header.period;
  return tag;
}

std::string bothSchemasPrintTag(std::string_view value, std::string_view printing,
                                SchemaPane pane) {
  return "#Kol" + std::string(value) + std::string(printing) + std::string(schemaPaneLetter(pane));
}

FullSheetLine ovalFullSheetLineOf(std::string_view paneText) {
  std::string text(withoutTrailingPadding(paneText));
  if (!text.empty() && text.front() == '?') text.erase(0, 1);
  const auto has = [&](std::string_view part) { return text.find(part) != std::string::npos; };
  if (has("Blok") || has("blok")) {
    text.resize(text.size() > 3 ? text.size() - 3 : 0);
    if (!text.empty() && text.back() == ':') text.pop_back();
    return {text + " kendes", 1};
  }
  if (text.starts_with("Helark:")) return {"Helark kendes", 1};
  if (has("som tryk")) return {text, 8};
  return {"(Helark kendes ikke)", 8};
}

FullSheetLine ovalFullSheetLine(const DataFile& file, std::string_view edition,
                                std::string_view value, std::string_view printing,
                                SchemaPane pane) {
  const SheetKnowledge knowledge = readSheetKnowledge(file, edition, value, printing);
  return ovalFullSheetLineOf(knowledge.paneTexts[pane == SchemaPane::B ? 1 : 0]);
}

FullSheetLine frameFullSheetLine(const DataFile& file, const SectionRef& wholeSheets,
                                 std::string_view title) {
  const FullSheetLine known{"Helark kendes", 1};
  constexpr std::string_view kSetting = "Setting ";
  if (!title.starts_with(kSetting) || !wholeSheets.found()) return known;
  std::string key(title.substr(kSetting.size()));
  key = key.substr(0, key.find(" ("));  // the label without the period
  if (key.empty() || key.size() > kWholeSheetKey) return known;
  key.resize(kWholeSheetKey, ' ');
  const std::int64_t count = wholeSheets.length() / kWholeSheetRecord;
  for (std::int64_t n = 0; n < count; ++n) {
    const auto bytes = file.readBytes(wholeSheets.start + n * kWholeSheetRecord, kWholeSheetRecord);
    if (bytes.size() < static_cast<std::size_t>(kWholeSheetRecord)) break;
    const std::string record(bytes.begin(), bytes.end());
    if (record.compare(0, kWholeSheetKey, key) != 0) continue;
    return {std::string(withoutTrailingPadding(std::string_view(record).substr(kWholeSheetKey))),
            8};
  }
  return known;
}

}  // namespace kolvard
