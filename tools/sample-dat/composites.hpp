// The composite clichés of the sample set: for each series a run of pictures of blocks of
// clichés, packed as kind `composite` with the series' count in the first byte of composite 1.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace sampledat {

struct CompositeSeries {
  std::string valueKey;  // UTF-8: "A4s", "V10ø"
  char set = 'F';        // 'F' composites, 'Q' the cliché types
  int series = 1;
  int count = 0;
};

// The series with composites: A4s series 0-5 and its "Q" set, P4s 1-3, V10ø 1-3, M4ø 1
// (48 composites, so that every code occurs) and 2.
const std::vector<CompositeSeries>& sampleComposites();

// Picture rows of a composite of the edition: 912 for "R" and "C", 888 for "P" and "L",
// 980 for the others.
int compositeRows(char edition);

// One composite picture: four numbered clichés over a label, written to OUT_DIR/FILE, with its
// manifest line (composite 1 carries the count).
struct CompositePicture {
  std::string section;  // UTF-8
  std::string file;     // relative to OUT_DIR
  char edition = 'T';
  std::string label;
  int n = 1;
  int count = 1;
};
void writeComposite(const std::filesystem::path& outDir, std::string& manifest,
                    const CompositePicture& composite);

// Writes OUT_DIR/composites/<VALUE><SET><SERIES>-<N>.pbm for every composite and appends the
// manifest lines.
void writeComposites(const std::filesystem::path& outDir, std::string& manifest);

}  // namespace sampledat
