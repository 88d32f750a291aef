#include "domain/two_colour_schema.hpp"

#include <algorithm>
#include <array>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/flaw_record.hpp"
#include "domain/frame_settings.hpp"

namespace kolvard {
namespace {

constexpr int kPaneSize = 100;
constexpr std::size_t kLongestShownNumber = 5;

bool inList(std::string_view text, std::initializer_list<std::string_view> utf8List) {
  return std::any_of(utf8List.begin(), utf8List.end(),
                     [&](std::string_view item) { return cp(item) == text; });
}

int firstIndexOf(SchemaPane pane) {
  return pane == SchemaPane::B ? kPaneSize + 1 : 1;
}

// The oval flaw number a record is keyed by: of "106/87" the part after the "/".
std::string_view ovalRecordNumber(std::string_view number) {
  const auto slash = number.find('/');
  return slash == std::string_view::npos ? number : number.substr(slash + 1);
}

std::string frameRecordKey(std::string_view stored) {
  const auto dot = stored.find('.');
  if (dot == std::string_view::npos || dot == 0) return {};
  return flawRecordKey("T", frameFlawKeyPart(stored.substr(0, dot), stored.substr(dot + 1)));
}

}  // namespace

std::string_view schemaPaneLetter(SchemaPane pane) {
  switch (pane) {
    case SchemaPane::A:
      return "A";
    case SchemaPane::B:
      return "B";
    case SchemaPane::Single:
      break;
  }
  return {};
}

bool isSinglePanePrinting(std::string_view value, std::string_view printing) {
  if (inList(value,
             {"8s", "16s", "48s", "3ø",  "12ø", "16ø", "25ø", "50ø", "100ø", "1c",  "3c",
              "4c", "5c",  "7c",  "10c", "12c", "14c", "50c", "4a",  "25a",  "50a", "100a"})) {
    return true;
  }
  if (value == "2s") return printing == "3a";
  if (value == "3s") return printing == "5";
  if (value == cp("5ø")) return printing == "2" || printing == "4";
  if (value == cp("20ø")) {
    return printing == "1a" || printing == "1b" || printing == "5" || printing == "7";
  }
  return false;
}

bool needsExtraLoadStep(std::string_view value, std::string_view printing) {
  const std::string both = std::string(value) + std::string(printing);
  return inList(both, {"2s3b", "4s12", "4ø11b", "4ø21b", "8ø9b", "8ø9b-10", "8ø10", "8ø33b",
                       "16ø33B", "20ø1b", "3c6b", "10c6b"});
}

std::string shortenedFlawNumber(std::string_view number) {
  const std::string_view text = withoutTrailingBlanks(number);
  const auto dot = text.find('.');
  if (text.size() > kLongestShownNumber && dot != std::string_view::npos) {
    return std::string(text.substr(dot));
  }
  return std::string(text);
}

std::string shownFrameFlawText(std::string_view stored) {
  const std::string_view text = withoutTrailingBlanks(stored);
  const FrameFlawNumber split = splitFrameFlawNumber(text);
  return split.hasSetting ? split.shownText : std::string(text);
}

SchemaGrid ovalSchemaGrid(const TwoColourPositionTable& table, std::string_view value,
                          SchemaPane pane) {
  SchemaGrid grid;
  const int first = firstIndexOf(pane);
  for (int i = 0; i < kPaneSize; ++i) {
    const TwoColourField& oval = table.oval(first + i);
    SchemaCell& cell = grid[static_cast<std::size_t>(i)];
    std::string type = oval.type();
    if (!type.empty() && type.front() == '?') type.erase(0, 1);
    cell.line1 = std::string(withoutTrailingBlanks(type));
    const std::string number = oval.flawNumber();
    cell.line2 = shortenedFlawNumber(number);
    cell.framed = table.frame(first + i).kind() != ' ';
    if (!number.empty()) {
      cell.recordKey = flawRecordKey("T", ovalFlawKeyPart(value, ovalRecordNumber(number)));
    }
  }
  return grid;
}

SchemaGrid frameSchemaGrid(const TwoColourPositionTable& table, SchemaPane pane) {
  SchemaGrid grid;
  const int first = firstIndexOf(pane);
  for (int i = 0; i < kPaneSize; ++i) {
    const TwoColourField& frame = table.frame(first + i);
    SchemaCell& cell = grid[static_cast<std::size_t>(i)];
    cell.line1 = frame.type();
    const std::string stored = frame.flawNumber();
    cell.line2 = shortenedFlawNumber(shownFrameFlawText(stored));
    cell.grey = frame.mark() == 'z';
    cell.framed = frame.kind() != ' ';
    cell.recordKey = frameRecordKey(stored);
  }
  return grid;
}

bool isTurnedPane(const TwoColourPositionTable& table, SchemaPane pane, std::string_view label) {
  if (label.starts_with("44")) return false;
  const int first = firstIndexOf(pane);
  int inverted = 0;
  for (int i = first; i < first + kPaneSize; ++i) {
    const char kind = table.frame(i).kind();
    if (kind == kDownArrowKind || kind == 'U') ++inverted;
  }
  return inverted > 50;
}

std::string schemaWatermarkMark(int watermarkSide, SchemaPane pane) {
  if (pane == SchemaPane::Single || (watermarkSide != 1 && watermarkSide != 2)) return {};
  const bool right = (pane == SchemaPane::A) == (watermarkSide == 1);
  return right ? std::string("vm ") + static_cast<char>(26)
               : std::string(1, static_cast<char>(27)) + " vm";
}

}  // namespace kolvard
