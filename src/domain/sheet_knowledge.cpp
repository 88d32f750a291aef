#include "domain/sheet_knowledge.hpp"

#include <algorithm>
#include <cstdint>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"

namespace kolvard {
namespace {

// Record n of a section of fixed-length records; empty past the section end.
std::string recordAt(const DataFile& file, const SectionRef& ref, std::int64_t n, int length) {
  const std::int64_t at = static_cast<std::int64_t>(ref.start) + n * length;
  if (n < 0 || at + length > ref.end) return {};
  const auto bytes = file.readBytes(at, static_cast<std::size_t>(length));
  if (bytes.size() < static_cast<std::size_t>(length)) return {};
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace

std::string sheetKnowledgeSectionName(std::string_view edition, std::string_view value) {
  return std::string(edition) + cp865Upper(value) + "DAU";
}

std::string paneCaption(std::string_view paneText) {
  std::string text = std::string(withoutTrailingPadding(paneText));
  if (!text.empty() && text.front() == '?') text.erase(0, 1);
  const auto has = [&](std::string_view part) { return text.find(part) != std::string::npos; };
  const auto starts = [&](std::string_view part) { return text.starts_with(part); };
  if (has("Blok") || has("blok")) return "Blokke kendes";
  if (starts("Halvark")) return "Halvark kendes";
  if (starts("Helark:")) return "Helark kendes";
  if (has("som tryk")) return text;
  return "(Helark kendes ikke)";
}

SheetKnowledge readSheetKnowledge(const DataFile& file, std::string_view edition,
                                  std::string_view value, std::string_view printing) {
  SheetKnowledge knowledge;
  knowledge.captions.fill("(Helark kendes ikke)");
  const SectionRef ref = file.findSection(sheetKnowledgeSectionName(edition, value));
  if (!ref.found() || ref.end <= ref.start) return knowledge;
  const std::int64_t count =
      (static_cast<std::int64_t>(ref.end) - ref.start) / kSheetKnowledgeRecord;
  const std::string opening = "T" + std::string(printing);
  for (std::int64_t n = 0; n < count; ++n) {
    const std::string record =
        std::string(withoutTrailingPadding(recordAt(file, ref, n, kSheetKnowledgeRecord)));
    // "T1" must not open the entry of printing 10: the name ends at a blank or the record end.
    if (!record.starts_with(opening)) continue;
    if (record.size() > opening.size() && record[opening.size()] != ' ') continue;
    knowledge.found = true;
    knowledge.information =
        std::string(withoutTrailingPadding(recordAt(file, ref, n + 2, kSheetKnowledgeRecord)));
    for (std::size_t pane = 0; pane < 4; ++pane) {
      const std::string line = std::string(withoutTrailingPadding(
          recordAt(file, ref, n + 4 + static_cast<std::int64_t>(pane), kSheetKnowledgeRecord)));
      if (line.empty() || line.front() != 'I') continue;
      knowledge.paneTexts[pane] = line.substr(1);
      knowledge.captions[pane] = paneCaption(knowledge.paneTexts[pane]);
    }
    break;
  }
  return knowledge;
}

WatermarkDirection readWatermark(const DataFile& file, const SectionRef& wholeSheets,
                                 std::string_view value, std::string_view printing, char pane) {
  if (!wholeSheets.found() || wholeSheets.end <= wholeSheets.start) {
    return WatermarkDirection::Unknown;
  }
  std::string key = std::string(value) + std::string(printing) + std::string(1, pane);
  key.resize(8, ' ');
  const std::int64_t count =
      (static_cast<std::int64_t>(wholeSheets.end) - wholeSheets.start) / kWatermarkRecord;
  for (std::int64_t n = 0; n < count; ++n) {
    const std::string record = recordAt(file, wholeSheets, n, kWatermarkRecord);
    if (record.empty() || record.front() == '*') break;
    if (record.compare(0, 8, key) != 0) continue;
    if (record[8] == '>') return WatermarkDirection::Right;
    if (record[8] == '<') return WatermarkDirection::Left;
    return WatermarkDirection::Unknown;
  }
  return WatermarkDirection::Unknown;
}

std::string watermarkMark(WatermarkDirection direction) {
  switch (direction) {
    case WatermarkDirection::Right:
      return std::string("vm ") + static_cast<char>(26);
    case WatermarkDirection::Left:
      return std::string(1, static_cast<char>(27)) + " vm";
    case WatermarkDirection::Unknown:
      break;
  }
  return {};
}

}  // namespace kolvard
