#include "sample-dat/composites.hpp"

#include <algorithm>
#include <string_view>

#include "domain/composite_names.hpp"
#include "sample-dat/drawing.hpp"
#include "sample-dat/output.hpp"

namespace sampledat {
namespace {

namespace fs = std::filesystem;

// Columns 0..839 are the 420 virtual units left of the text panel; the screen shifts a
// picture left by up to 46 columns, so the blocks keep clear of both edges.
constexpr int kCompositeWidth = 840;
constexpr int kBlockLeft = 110;
constexpr int kGap = 30;
constexpr int kTopMargin = 50;  // the "A" pictures start 24 rows above the window
constexpr int kLabelScale = 6;

// One cliché of the block: frame, the value's oval (or circle for "C" and "M") and the
// running number in the middle.
void miniCliche(Bitmap& b, char edition, int x, int y, int w, int h, int number) {
  outline(b, x, y, x + w - 1, y + h - 1, 3);
  const int cx = x + w / 2;
  const int cy = y + h / 2;
  if (edition == 'C' || edition == 'M') {
    ring(b, cx, cy, w * 3 / 10, w * 3 / 10, 3);
  } else {
    ring(b, cx, cy, w * 3 / 10, h * 3 / 10, 3);
  }
  text(b, cx, cy - 14, std::to_string(number), 4);
}

Bitmap drawComposite(char edition, const std::string& label, int n) {
  const int rows = compositeRows(edition);
  Bitmap b(kCompositeWidth, rows);
  const int labelHeight = 7 * kLabelScale;
  const int cellH = (rows - kTopMargin - 2 * kGap - labelHeight - 30) / 2;
  const int cellW = std::min(300, cellH * kWidth / kRows);
  // Composite n holds clichés 4n - 3 .. 4n of its series, two by two.
  for (int k = 0; k < 4; ++k) {
    const int x = kBlockLeft + (k % 2) * (cellW + kGap);
    const int y = kTopMargin + (k / 2) * (cellH + kGap);
    miniCliche(b, edition, x, y, cellW, cellH, 4 * (n - 1) + k + 1);
  }
  const int labelY = kTopMargin + 2 * cellH + 2 * kGap;
  const int centre = kBlockLeft + cellW + kGap / 2;
  text(b, centre, labelY, label, kLabelScale);
  return b;
}

}  // namespace

const std::vector<CompositeSeries>& sampleComposites() {
  static const std::vector<CompositeSeries> list = {
      {"A4s", 'F', 0, 3},   {"A4s", 'F', 1, 6},  {"A4s", 'F', 2, 2},  {"A4s", 'F', 3, 2},
      {"A4s", 'F', 4, 2},   {"A4s", 'F', 5, 2},  {"A4s", 'Q', 1, 4},  {"P4s", 'F', 1, 2},
      {"P4s", 'F', 2, 2},   {"P4s", 'F', 3, 2},  {"V10ø", 'F', 1, 6}, {"V10ø", 'F', 2, 12},
      {"V10ø", 'F', 3, 12}, {"M4ø", 'F', 1, 48}, {"M4ø", 'F', 2, 6},
  };
  return list;
}

int compositeRows(char edition) {
  switch (edition) {
    case 'R':
    case 'C':
      return 912;
    case 'P':
    case 'L':
      return 888;
    default:
      return 980;
  }
}

void writeComposite(const fs::path& outDir, std::string& manifest, const CompositePicture& c) {
  writeBytes(outDir / c.file, pbm(drawComposite(c.edition, c.label, c.n)));
  manifest += "composite " + c.section + " " + c.file +
              " rows=" + std::to_string(compositeRows(c.edition)) +
              (c.n == 1 ? " count=" + std::to_string(c.count) : "") + "\n";
}

void writeComposites(const fs::path& outDir, std::string& manifest) {
  const fs::path dir = outDir / "composites";
  fs::create_directories(dir);
  manifest +=
      "# Composite clichés: edition + F + value + series + \"-\" + code (Q: the cliché\n"
      "# types); the first byte of composite 1 is the number of composites.\n";
  for (const CompositeSeries& s : sampleComposites()) {
    const std::string stem = upper(s.valueKey) + s.set + std::to_string(s.series) + "-";
    for (int n = 1; n <= s.count; ++n) {
      const std::string label =
          s.set == 'Q' ? "KLICHETYPE " + std::to_string(n)
                       : "SAMLEKLICHE " + std::to_string(s.series) + "-" + std::to_string(n);
      const std::string name = kolvard::compositeSectionName(
          s.valueKey.substr(0, 1), s.valueKey.substr(1), s.set, s.series, n);
      writeComposite(outDir, manifest,
                     {name, "composites/" + stem + std::to_string(n) + ".pbm", s.valueKey[0], label,
                      n, s.count});
    }
  }
}

}  // namespace sampledat
