#include "ui/run_length_picture.hpp"

#include <cmath>

#include "data/run_length_rows.hpp"

namespace kolvard {

std::vector<PictureRow> decodeRunLengthPicture(std::span<const std::uint8_t> section, int rows) {
  std::vector<PictureRow> out;
  if (section.empty()) return out;
  // The first byte is not used.
  for (RunLengthRow& row : decodeRunLengthRows(section.subspan(1), rows)) {
    out.push_back(PictureRow{std::move(row)});
  }
  return out;
}

PictureRowsRule pictureRowsFor(std::string_view arg) {
  if (!arg.empty() && arg[0] == 'v') return {749, std::string(arg.substr(1))};
  if (!arg.empty() && arg[0] == 'o') return {853, std::string(arg.substr(1))};
  const char first = arg.empty() ? ' ' : arg[0];
  switch (first) {
    case 'C':
    case 'R':
      return {688, std::string(arg)};
    case 'P':
    case 'L':
      return {679, std::string(arg)};
    case 'A':
      return {786, std::string(arg)};
    default:
      return {733, std::string(arg)};
  }
}

bool pictureRowDrawn(int rowIndex, int zoom) {
  // The phase starts at 1 and is increased before each row (5 becomes 1); at zoom 2 a
  // phase of 2 becomes 4 and at zoom 4 every phase becomes 1. Phase 4 rows are skipped.
  if (zoom >= 4) return true;
  if (zoom <= 2) return rowIndex % 2 == 1;
  return (rowIndex % 4) != 2;  // phases 2, 3, 4, 1, 2, ...: the third row of four is skipped
}

void renderPicture(const std::vector<PictureRow>& rows, int zoom, int left, int top,
                   const SpanSink& sink) {
  int y = top;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (!pictureRowDrawn(static_cast<int>(r), zoom)) continue;
    ++y;
    for (const auto& [start, end] : rows[r].runs) {
      const int x0 = left + (zoom * start) / 4;
      const int x1 =
          end - start < 3 ? x0 + (zoom * (end - start)) / 4 + 1 : left + (zoom * end) / 4 + 1;
      if (x1 > x0) sink(y, x0, x1);
    }
  }
}

void renderLogo(const std::vector<PictureRow>& rows, int zoom, int top, const SpanSink& sink) {
  const auto column = [zoom](int c) {
    return static_cast<int>(std::lround((880.0 + c) * zoom / 4.0));
  };
  int y = top;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (!pictureRowDrawn(static_cast<int>(r), zoom)) continue;
    ++y;
    for (const auto& [start, end] : rows[r].runs) {
      const int x0 = column(start);
      const int x1 = column(end) + 1;
      if (x1 > x0) sink(y, x0, x1);
    }
  }
}

}  // namespace kolvard
