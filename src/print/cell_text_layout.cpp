#include "print/cell_text_layout.hpp"

#include <algorithm>

namespace kolvard {
namespace {

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// A place is free when no used baseline lies less than a step from it; otherwise the piece
// goes behind the lowest one in its way.
int firstFreePlace(int wanted, const std::vector<int>& taken, int step) {
  int y = wanted;
  bool moved = true;
  while (moved) {
    moved = false;
    for (const int t : taken) {
      if (y > t - step && y < t + step) {
        y = t + step;
        moved = true;
      }
    }
  }
  return y;
}

}  // namespace

std::vector<std::string> breakCellLine(std::string_view text, int width,
                                       const CellTextWidth& measure) {
  std::vector<std::string> pieces;
  std::string_view rest = trimBlanks(text);
  while (!rest.empty() && measure(rest) > width) {
    std::size_t cut = 0;  // the length of the piece taken off the front
    std::size_t resume = 0;
    for (std::size_t blank = rest.find(' '); blank != std::string_view::npos;
         blank = rest.find(' ', blank + 1)) {
      const std::string_view head = trimBlanks(rest.substr(0, blank));
      if (head.empty()) continue;
      if (measure(head) > width) break;
      cut = blank;
      resume = blank + 1;
    }
    if (cut == 0) {
      // One word wider than the box: as many letters as fit, at least one.
      std::size_t n = 1;
      while (n < rest.size() && measure(rest.substr(0, n + 1)) <= width) ++n;
      cut = n;
      resume = n;
    }
    pieces.emplace_back(trimBlanks(rest.substr(0, cut)));
    rest = trimBlanks(rest.substr(resume));
  }
  if (!rest.empty()) pieces.emplace_back(rest);
  return pieces;
}

std::vector<CellLinePiece> layOutCellLines(const std::vector<CellLineWish>& lines,
                                           const CellTextBox& box, const CellLineMetrics& metrics,
                                           const CellTextWidth& measure, std::vector<int>& taken) {
  const int width = box.right - box.left + 1;
  const int step = std::max(1, metrics.step);
  std::vector<CellLinePiece> placed;
  std::vector<int> used = taken;
  for (const CellLineWish& line : lines) {
    int y = line.baseline;
    for (std::string& text : breakCellLine(line.text, width, measure)) {
      y = firstFreePlace(y, used, step);
      used.push_back(y);
      const int w = measure(text);
      const int left =
          std::clamp(line.centreX - (w + 1) / 2, box.left, std::max(box.left, box.right + 1 - w));
      placed.push_back(CellLinePiece{std::move(text), left, y});
      y += step;
    }
  }
  // Up from the bottom: the last piece sits on the lowest baseline the box allows, each
  // earlier one at least a step above the next; then down from the top the same way, which
  // wins when there are more pieces than places.
  int limit = box.bottom - metrics.descent;
  for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
    it->baseline = std::min(it->baseline, limit);
    limit = it->baseline - step;
  }
  limit = box.top + metrics.ascent;
  for (CellLinePiece& piece : placed) {
    piece.baseline = std::max(piece.baseline, limit);
    limit = piece.baseline + step;
  }
  for (const CellLinePiece& piece : placed) taken.push_back(piece.baseline);
  return placed;
}

}  // namespace kolvard
