#include "screens/twocolour/tc_flaws_state.hpp"

#include "screens/common/json_writer.hpp"
#include "screens/common/selection.hpp"

namespace kolvard {

void writeTwoColourFlawsDump(JsonObject& dump, const TwoColourFlawsState& flaws,
                             const Selection& selection) {
  dump.json("tcFlaws", JsonObject()
                           .number("mode", static_cast<int>(flaws.mode))
                           .text("ovalFlawNumber", flaws.ovalFlawNumber)
                           .text("frameFlawNumber", flaws.frameFlawNumber)
                           .text("period", selection.period())
                           .number("series", flaws.series)
                           .boolean("ovalFound", flaws.ovalFound)
                           .boolean("frameFound", flaws.frameFound)
                           .texts("occurrences", flaws.occurrences)
                           .texts("printingOrder", flaws.printingOrder)
                           .texts("wandering", flaws.wandering)
                           .texts("printedFiles", flaws.printedFiles)
                           .text("printError", flaws.printError));
}

}  // namespace kolvard
