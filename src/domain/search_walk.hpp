// The walk every register search makes: printing after printing through a value's data, the
// printings of the range searched once in their first state and, when some positions changed
// during the printing, once more in their second state, with the progress reported and the
// closing line added. What a pass lists is the lister's.
#pragma once

#include <string>

#include "domain/printing_record_reader.hpp"
#include "domain/search.hpp"

namespace kolvard {

class PrintingLister {
 public:
  virtual ~PrintingLister() = default;
  // The printing just read, before its two states are split (also for the printings below
  // the range, which are read but not searched).
  virtual void printingRead(const PrintingStep& step) { static_cast<void>(step); }
  // The printing as the progress display names it ("4s3").
  virtual std::string progressLabel(const PrintingStep& step) const = 0;
  // Lists the matches of one pass over the printing (`listed` false: find, but add nothing);
  // false when the list is full.
  virtual bool listPass(const PrintingStep& step, bool secondPass, bool listed) = 0;
};

struct PrintingRun {
  int firstApplied = 0;  // records of printings below it are skipped
  int from = 1;
  int to = 1;
  int unlisted = 0;  // a printing read and searched whose lines are not added (0: none)
};

// Resets the reader to run.firstApplied, empties the list and walks the printings up to
// run.to; fills list.lineCount and list.foundCount and adds the closing line.
SearchSummary walkPrintings(PrintingRecordReader& reader, const PrintingRun& run, SearchList& list,
                            PrintingLister& lister, SearchProgress* progress);

}  // namespace kolvard
