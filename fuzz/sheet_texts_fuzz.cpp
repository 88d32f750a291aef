// The sheet texts and series of a value: what is known of the sheets of a printing (the pane
// captions), the watermark records of the whole sheets, the series index and the series
// limits. The input is cut into the four sections at the lengths its first bytes give.
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "domain/cliche_numbers.hpp"
#include "domain/sheet_knowledge.hpp"
#include "fuzz_support.hpp"

namespace kolvard {
namespace {

const char* const kPrintings[] = {"1", "2", "3", "10a", "", "1 "};
const std::string_view kCaptions[] = {"Blokke kendes", "Halvark kendes", "Helark kendes",
                                      "(Helark kendes ikke)"};

std::string textOf(const std::vector<std::uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

bool knownCaption(const std::string& caption, const std::string& paneText) {
  for (const auto c : kCaptions) {
    if (caption == c) return true;
  }
  return caption.find("som tryk") != std::string::npos &&
         paneText.find(caption) != std::string::npos;
}

}  // namespace
}  // namespace kolvard

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kolvard;
  fuzz::InputReader input(data, size);
  const std::string printing = kPrintings[input.choice(std::size(kPrintings))];
  const char pane = static_cast<char>('A' + input.choice(4));
  const std::size_t knowledgeLength = input.byte() * 32u;
  const std::size_t watermarkLength = input.byte() * 2u;
  const std::size_t indexLength = input.byte();
  const auto knowledge = input.bytes(knowledgeLength);
  const auto watermarks = input.bytes(watermarkLength);
  const auto index = input.bytes(indexLength);
  const auto limits = input.rest();
  const DataFile file = fuzz::containerOf({{sheetKnowledgeSectionName("P", "4s"), knowledge},
                                           {"PHELARK", watermarks},
                                           {"PCSERIER", index},
                                           {"P4s0", limits}});

  // Every text comes from the section's own records, none from the sections after it.
  const SheetKnowledge sheet = readSheetKnowledge(file, "P", "4s", printing);
  const std::string knowledgeText = textOf(knowledge);
  if (!sheet.found) FUZZ_CHECK(sheet.information.empty());
  FUZZ_CHECK(knowledgeText.find(sheet.information) != std::string::npos);
  for (std::size_t p = 0; p < 4; ++p) {
    FUZZ_CHECK(sheet.paneTexts[p].size() < kSheetKnowledgeRecord);
    FUZZ_CHECK(knowledgeText.find(sheet.paneTexts[p]) != std::string::npos);
    FUZZ_CHECK(knownCaption(sheet.captions[p], sheet.paneTexts[p]));
    paneCaption(sheet.paneTexts[p]);
  }

  const SectionRef wholeSheets = file.findSection("PHELARK");
  const WatermarkDirection direction = readWatermark(file, wholeSheets, "4s", printing, pane);
  const std::string mark = watermarkMark(direction);
  FUZZ_CHECK(mark.empty() == (direction == WatermarkDirection::Unknown));
  if (watermarks.size() < kWatermarkRecord) FUZZ_CHECK(direction == WatermarkDirection::Unknown);

  const SectionRef seriesRef = file.findSection("PCSERIER");
  const std::vector<SeriesIndexEntry> entries = readSeriesIndex(file, seriesRef);
  FUZZ_CHECK(entries.size() <= index.size() / 16);
  for (const SeriesIndexEntry& entry : entries) {
    FUZZ_CHECK(entry.value.size() <= 4);
    FUZZ_CHECK(entry.series >= 0 && entry.first >= 0 && entry.last >= 0);
    const auto found = seriesForPrinting(entries, entry.value, entry.first, true);
    FUZZ_CHECK(found.has_value() || entry.first > entry.last);
    if (found) FUZZ_CHECK(found->first <= entry.first && entry.first <= found->last);
    const auto bySeries = seriesByNumber(entries, entry.value, entry.series);
    FUZZ_CHECK(bySeries.has_value() && bySeries->series == entry.series);
  }

  for (const char* key : {"P4s", "A4s", "L4s", "P8s"}) {
    const std::string value = std::string(key).substr(1);
    const SeriesLimits l = readSeriesLimits(file, "P", value);
    FUZZ_CHECK(l.highestOf(-1) == 0 && l.highestOf(21) == 0);
    const std::optional<SeriesIndexEntry> record =
        seriesForPrinting(entries, value, 3, std::string(key) == "A4s");
    for (int series = 0; series <= 21; ++series) {
      seriesHeading(key, series, printing);
      seriesRangeLines(key, series, printing, record);
      const std::string number = buildClicheNumber(key, series, 1, l);
      FUZZ_CHECK(runningNumberOf(number) == 1);
    }
  }
  return 0;
}
