// The cliché records of the sample set: for every cliché of a value that the printing data
// uses, a record source (tagged fields, UTF-8) and its 383-row picture (PBM), plus the
// value's series limits, ready for `kolvard-data pack` (kinds `cliche` and `int16`).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace sampledat {

// One place where a cliché stands: a printing and a position of its sheet, or an extra
// cliché whose place is not known ("+1").
struct Occurrence {
  std::string printing;   // "1", "2-3", "10a"
  char pane = ' ';        // 'A'..'D', blank on a one-pane sheet or for an extra
  std::string position;   // "17", or the designation of an extra ("+1", ". 7")
  std::string type;       // the stamp number (M.) listed there; may be empty
  std::string cliche;     // "2.17", "117"
  char sheetGroup = ' ';  // 'H', 'K', 'V' or blank
};

struct ValueCliches {
  std::string valueKey;                 // "P4s", "V5ø" (UTF-8)
  std::string valueCode;                // as the occurrence list writes it: "4s", "5o"
  std::vector<Occurrence> occurrences;  // in data order
};

// The record key of a cliché (UTF-8, before the lookup's normalisation): value key, the
// number with "." as "-" (a bare number gets a leading "-"), then the running number N as
// two characters q, n with N = 32q + n, n in 1..32.
std::string clicheKey(const std::string& valueKey, const std::string& cliche);

// Writes OUT_DIR/cliches/<KEY>.txt and .pbm for every cliché of the value, and the
// series limits OUT_DIR/<EDITION><VALUE>0.txt; appends the manifest lines to `manifest`.
void writeValueCliches(const ValueCliches& value, const std::filesystem::path& outDir,
                       std::string& manifest);

}  // namespace sampledat
