#include "domain/two_colour_flaw_texts.hpp"

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/frame_settings.hpp"
#include "domain/printing_order.hpp"

namespace kolvard {
namespace {

bool startsWith(std::string_view text, std::string_view head) {
  return text.substr(0, head.size()) == head;
}
bool endsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

std::string withoutBlanks(std::string text) {
  std::erase(text, ' ');
  return text;
}

// The 6 characters after every occurrence of `tag`, right-trimmed.
std::vector<std::string> tagged(std::string_view field, std::string_view tag) {
  std::vector<std::string> out;
  for (std::size_t at = field.find(tag); at != std::string_view::npos;
       at = field.find(tag, at + tag.size())) {
    out.emplace_back(withoutTrailingBlanks(field.substr(at + tag.size(), 6)));
  }
  return out;
}

}  // namespace

std::string ovalSeriesHeading(int series) {
  if (series == 0) return cp("Kun én ovalserie:");
  return "Ovalserie " + std::to_string(series) + ":";
}

std::vector<std::string> ovalSeriesRangeLines(std::string_view value, int series,
                                              const std::optional<SeriesIndexEntry>& record) {
  if (value == "4s") {
    if (series == 1) return {"4s1-4s9", "4s12"};
    if (series == 2) return {"4s10-4s11", "4s13"};
    return {};
  }
  const std::string v(value);
  if (value == cp("8ø") && series == 3) {
    return {v + "13-" + v + "14", v + "16-" + v + "20", v + "24-" + v + "30"};
  }
  if (value == cp("8ø") && series == 4) return {v + "15", v + "21-23"};
  if (!record) return {};
  std::string text = v + std::to_string(record->first);
  if (record->last != record->first) text += "-" + v + std::to_string(record->last);
  text = withoutBlanks(std::move(text));
  const std::string twenty = cp("20ø1");
  if (startsWith(text, "2s3")) {
    text = "2s3b" + text.substr(3);
  } else if (startsWith(text, twenty)) {
    text = twenty + "a" + text.substr(twenty.size());
  }
  if (endsWith(text, "2s3")) {
    text += "a";
  } else if (endsWith(text, cp("4ø11")) || endsWith(text, cp("4ø21"))) {
    text += "b";
  }
  return {text};
}

std::string frameHeading(std::string_view shownFrameFlawNumber, std::string& period) {
  std::string text = "RF. " + std::string(shownFrameFlawNumber);
  const std::size_t dot = shownFrameFlawNumber.find('.');
  const int setting = dot == std::string_view::npos ? 0 : leadingNumber(shownFrameFlawNumber);
  if (setting > 0 && usedInTwoPeriods(setting)) {
    if (period.empty()) period = "1";
    return text + "    " + period + ". periode";
  }
  period.clear();
  return text;
}

std::string frameKindCaption(char frameKind) {
  switch (frameKind) {
    case 'O':
      return "Omvendt ramme";
    case 'T':
      return "Tyk ret ramme";
    case 'U':
      return "Tyk omvendt ramme";
    default:
      return "Ret ramme";
  }
}

std::string shownFrameType(std::string_view type) {
  if (type == "3`1") return "3h";
  return std::string(type);
}

std::string withNewOvalLine(std::string_view description) {
  std::string text(description);
  if (!text.empty() && text.back() != '$') text += '$';
  return text + "5ny oval$";
}

std::vector<WanderingLine> wanderingClicheLines(std::string_view field,
                                                std::string_view currentFrameFlawNumber) {
  std::vector<WanderingLine> lines;
  if (withoutTrailingBlanks(field).empty()) return lines;
  const std::string padded = std::string(field) + std::string(10, ' ');
  using Kind = WanderingLine::Kind;
  for (std::string& t : tagged(padded, "$R")) lines.push_back({Kind::Earlier, std::move(t)});
  lines.push_back({Kind::Current, std::string(currentFrameFlawNumber)});
  if (startsWith(padded, "$Q")) {
    lines.push_back(
        {Kind::Remark, std::string(withoutTrailingBlanks(std::string_view(padded).substr(2)))});
  } else if (startsWith(padded, "$N")) {
    lines.push_back(
        {Kind::Remark, std::string(withoutTrailingBlanks(std::string_view(padded).substr(1)))});
  }
  for (std::string& t : tagged(padded, "$S")) lines.push_back({Kind::Later, std::move(t)});
  return lines;
}

}  // namespace kolvard
