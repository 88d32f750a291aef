#include "domain/search_walk.hpp"

namespace kolvard {

SearchSummary walkPrintings(PrintingRecordReader& reader, const PrintingRun& run, SearchList& list,
                            PrintingLister& lister, SearchProgress* progress) {
  SearchSummary summary;
  reader.reset(run.firstApplied);
  list.foundCount = 0;
  list.lineCount = 0;
  list.listOffset = 0;
  list.results.clear();
  list.searching = true;

  // Every call moves on through the section and the call after the end mark completes
  // printing 9999, so this ends; the bound is a second guard.
  const std::size_t mostSteps = reader.recordCount() + 3;
  for (std::size_t steps = 0; steps < mostSteps; ++steps) {
    const PrintingStep step = reader.nextPrinting();
    const bool beyond = step.completed > run.to;
    if (progress) progress->printingStarted(lister.progressLabel(step), beyond);
    if (beyond) break;

    lister.printingRead(step);
    PositionTable& table = reader.positions();
    const bool twoStates = table.splitStates();
    if (step.completed < run.from) {
      // Not searched, but a printing that changes during its run leaves its later state
      // to the printings that follow, just as a searched one does.
      if (twoStates) table.promoteSecondStates();
      continue;
    }
    ++summary.printingsSearched;
    const bool listed = step.completed != run.unlisted;
    bool room = lister.listPass(step, false, listed);
    if (twoStates) {
      table.promoteSecondStates();
      room = room && lister.listPass(step, true, listed);
    }
    if (progress) progress->linesChanged(list.foundCount);
    if (!room) {
      // The list is full: no later match could be shown, so the search ends here.
      summary.listFull = true;
      break;
    }
  }

  list.lineCount = list.foundCount + 1;
  list.results.set(list.lineCount, "***" + std::string(52, ' '));
  list.searching = false;
  return summary;
}

}  // namespace kolvard
