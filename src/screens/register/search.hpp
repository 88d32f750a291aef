// The register search: reads a value's printings in the chosen range and lists every
// position, horizontal pair or strip of three that satisfies the criteria sets. It draws
// nothing itself; the register screen follows it through SearchProgress.
#pragma once

#include <string>
#include <string_view>

#include "data/data_file.hpp"
#include "screens/register/register_state.hpp"

namespace kolvard {

// The closing line ends every list. It takes the list's last line when the list is full, so
// at most kResultListCapacity - 1 matches are listed.
inline constexpr int kMostListedMatches = kResultListCapacity - 1;

class SearchProgress {
 public:
  virtual ~SearchProgress() = default;
  // At every printing header passed: `label` is the value followed by the printing just read
  // ("4s3"); `beyondRange` when that printing lies above the to printing (then nothing of
  // it is listed and the screen shows blanks in place of the label).
  virtual void printingStarted(const std::string& label, bool beyondRange) {
    static_cast<void>(label);
    static_cast<void>(beyondRange);
  }
  // After the lines of a printing have been added: the running found count.
  virtual void linesChanged(int foundCount) { static_cast<void>(foundCount); }
};

struct SearchSummary {
  int printingsSearched = 0;  // printings whose lines were looked for
  bool listFull = false;      // more matches than the list holds; the search stopped there
};

// The name of a value's printing-data section: edition + value + "DAT" ("A" + "4s" gives
// "A4sDAT", found as A4SDAT). Empty for a value whose unit letter has no such section.
std::string printingSectionName(std::string_view edition, std::string_view value);

// Searches the printings from state.fromPrinting to state.toPrinting of state.value with the
// state's criteria. Fills state.results, state.lineCount (closing line included) and
// state.foundCount, sets state.listOffset to 0, and keeps state.searching set while it runs.
// A value without a section lists nothing but the closing line.
SearchSummary runSearch(RegisterState& state, const DataFile& file, SearchProgress* progress);

}  // namespace kolvard
