// The register search: reads a value's printings in the chosen range and lists every
// position, horizontal pair or strip of three that satisfies the criteria sets. It draws
// nothing itself; the register screen follows it through SearchProgress.
#pragma once

#include <array>
#include <string>

#include "data/data_file.hpp"
#include "domain/result_list.hpp"

namespace kolvard {

// One stamp of a pair or strip: position (column "1".."9", "0" for column 10, "ø" top row,
// "n" bottom row), type (M.) and cliché (C.); the middle dot means no criterion. The
// two-coloured edition reads the type as the oval type (OM.) and the cliché as the oval flaw
// (OF.), and adds the frame kind ("R", "O", "T", "U") and the frame type (RM.).
struct CriteriaSet {
  std::string position = "\xFA";  // "·"
  std::string type = "\xFA";
  std::string cliche = "\xFA";
  std::string frameKind = "\xFA";
  std::string frameType = "\xFA";
};

// What the search looks for.
struct SearchCriteria {
  int setsInUse = 1;  // 1 single stamps, 2 pairs, 3 strips of three
  std::array<CriteriaSet, 3> criteria;
  bool includeUndetermined = false;
};

// Where it looks: a value's printings from one printing to another.
struct SearchScope {
  std::string edition;
  std::string value;  // cp865, e.g. "4s", "10\x9b"
  std::string fromPrinting = "1";
  std::string toPrinting = "1";
};

// What it found.
struct SearchList {
  ResultList results;
  int lineCount = -1;   // lines in use, the closing line included
  int foundCount = -1;  // matching lines; -1 before any search
  int listOffset = 0;
  bool searching = false;
};

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

// Searches the printings of the scope with the criteria. Fills list.results, list.lineCount
// (closing line included) and list.foundCount, sets list.listOffset to 0, and keeps
// list.searching set while it runs. A value without a section lists nothing but the closing
// line.
SearchSummary runSearch(const SearchScope& scope, const SearchCriteria& criteria, SearchList& list,
                        const DataFile& file, SearchProgress* progress);

// Printings 2 and 3 of 4 skilling 1864 are one search unit: a from printing "3" becomes "2"
// and a to printing "2" becomes "3".
void adjustA4sRange(std::string_view edition, std::string_view value, std::string& fromPrinting,
                    std::string& toPrinting);

}  // namespace kolvard
