#include "sample-dat/two_colour_composites.hpp"

#include <string>
#include <vector>

#include "sample-dat/composites.hpp"
#include "sample-dat/drawing.hpp"
#include "sample-dat/output.hpp"

namespace sampledat {
namespace {

namespace fs = std::filesystem;

struct Run {
  std::string section;  // the name without the code of the composite: "TF4s2-", "TF28-"
  std::string label;    // "OVAL 4S 2", "RAMME 28"
  int count;
};

// Few and small: each picture is a block of four clichés. 4s has two series, 8ø only the
// first two of its ten, 48s its one; "100ø" and "100a" are named without a series; setting 5
// is stored as 5 and 18 for its two periods, 28 as 28 and 58; settings 19 and 20 are long
// enough for the printings of 16ø that used them only in part.
const std::vector<Run>& runs() {
  static const std::vector<Run> list = {
      {"TF4s1-", "OVAL 4S 1", 3},  {"TF4s2-", "OVAL 4S 2", 2}, {"TF8ø1-", "OVAL 8O 1", 2},
      {"TF8ø2-", "OVAL 8O 2", 1},  {"TF48s1-", "OVAL 48S", 2}, {"TF100O-", "OVAL 100O", 2},
      {"TF100A-", "OVAL 100A", 2}, {"TF4a1-", "OVAL 4A", 2},   {"TF5-", "RAMME 5 I", 3},
      {"TF18-", "RAMME 5 II", 2},  {"TF28-", "RAMME 28 I", 2}, {"TF58-", "RAMME 28 II", 2},
      {"TF19-", "RAMME 19", 8},    {"TF20-", "RAMME 20", 8},
  };
  return list;
}

// The oval inset of the Icelandic values: an oval with the crown, in the top-left corner of a
// stamp-sized picture.
Bitmap ovalInset() {
  Bitmap b(kWidth, 733);
  // Small enough to stay inside the column's free band above the key panel at every zoom.
  ring(b, 64, 38, 60, 34, 3);
  crown(b, 64, 49);
  return b;
}

}  // namespace

void writeTwoColourComposites(const fs::path& outDir, std::string& manifest) {
  fs::create_directories(outDir / "tccomposites");
  manifest +=
      "# Two-coloured composites: TF + value + series + \"-\" + code for the ovals, TF +\n"
      "# stored setting code + \"-\" + code for the frames; the oval inset of Iceland.\n";
  for (const Run& run : runs()) {
    for (int n = 1; n <= run.count; ++n) {
      const std::string file = "tccomposites/" + upper(run.section) + std::to_string(n) + ".pbm";
      writeComposite(outDir, manifest,
                     {run.section + std::to_string(n), file, 'T',
                      run.label + " - " + std::to_string(n), n, run.count});
    }
  }
  writeBytes(outDir / "tccomposites/TOVALIN.pbm", pbm(ovalInset()));
  manifest += "picture  TOVALIN tccomposites/TOVALIN.pbm rows=733\n";
}

}  // namespace sampledat
