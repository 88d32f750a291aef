#include "domain/flaw_description.hpp"

#include "data/cp865.hpp"

namespace kolvard {
namespace {

// Where a line of an inverted frame goes: its opposite slot, then up to two changes, each
// made when another line is filled: to a slot, or one slot on (+1) or back (-1).
struct SlotChange {
  int ifLine;
  bool relative;
  int value;
};
struct InvertedSlot {
  int target;
  SlotChange first, second;
};
constexpr std::array<InvertedSlot, 9> kInvertedSlots = {{
    {9, {2, false, 8}, {3, false, 7}},
    {8, {1, true, +1}, {3, true, -1}},
    {7, {2, false, 8}, {1, false, 9}},
    {6, {5, false, 5}, {6, false, 4}},
    {5, {4, true, +1}, {6, true, -1}},
    {4, {5, false, 5}, {4, false, 6}},
    {3, {8, false, 2}, {9, false, 1}},
    {2, {7, true, +1}, {9, true, -1}},
    {1, {8, false, 2}, {7, false, 3}},
}};

// Replaces the first `from` by `to`; false when there is none.
bool replaceFirst(std::string& text, std::string_view from, std::string_view to) {
  const auto at = text.find(from);
  if (at == std::string::npos) return false;
  text.replace(at, from.size(), to);
  return true;
}

}  // namespace

FlawDescription parseFlawDescription(std::string_view description) {
  // The cliché items are each preceded by "$": one more in front makes the first item count.
  ClicheDescription parsed = parseClicheDescription("$" + std::string(description));
  return FlawDescription{std::move(parsed.labels), std::move(parsed.lines)};
}

int invertedLineSlot(int line, const std::array<std::string, 10>& lines) {
  if (line < 1 || line > 9) return line;
  const InvertedSlot& row = kInvertedSlots[static_cast<std::size_t>(line - 1)];
  int target = row.target;
  for (const SlotChange& change : {row.first, row.second}) {
    if (lines[static_cast<std::size_t>(change.ifLine)].empty()) continue;
    target = change.relative ? target + change.value : change.value;
  }
  return target;
}

std::string turnedLineText(std::string_view line) {
  static const std::string upper = cp("øvre"), lower = cp("nedre");
  static const std::string left = cp("venstre"), right = cp("højre");
  std::string text(line);
  if (!replaceFirst(text, upper, lower)) replaceFirst(text, lower, upper);
  if (!replaceFirst(text, left, right)) replaceFirst(text, right, left);
  return text;
}

std::vector<ClicheLinePlace> flawDescriptionLinePlaces(const std::array<std::string, 10>& lines,
                                                       double panelX, bool inverted, double baseY) {
  std::vector<ClicheLinePlace> places;
  for (int d = 1; d <= 9; ++d) {
    const std::string& line = lines[static_cast<std::size_t>(d)];
    if (line.empty()) continue;
    if (!inverted) {
      places.push_back(clicheDescriptionLinePlace(line, d, panelX, baseY));
      continue;
    }
    ClicheLinePlace place =
        clicheDescriptionLinePlace(turnedLineText(line), invertedLineSlot(d, lines), panelX, baseY);
    const double centre = panelX + 90;
    place.x = centre - (place.x - centre);  // the indentation works the other way
    places.push_back(std::move(place));
  }
  return places;
}

}  // namespace kolvard
