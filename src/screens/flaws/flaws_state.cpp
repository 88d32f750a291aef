#include "screens/flaws/flaws_state.hpp"

#include "screens/common/json_writer.hpp"
#include "screens/common/selection.hpp"

namespace kolvard {

void writeFlawsDump(JsonObject& dump, const FlawsState& flaws, const Selection& selection) {
  dump.json("flaws", JsonObject()
                         .number("mode", static_cast<int>(flaws.mode))
                         .text("cliche", selection.cliche())
                         .text("followCliche", selection.followCliche())
                         .number("series", flaws.series)
                         .text("stamp", flaws.stamp)
                         .boolean("found", flaws.found)
                         .boolean("printingInfo", selection.printingInfo())
                         .texts("occurrences", flaws.occurrences)
                         .texts("printedFiles", flaws.printedFiles)
                         .text("printError", flaws.printError));
}

}  // namespace kolvard
