#include "screens/flaws/flaws_state.hpp"

#include "screens/common/json_writer.hpp"
#include "screens/common/selection.hpp"

namespace kolvard {

std::string flawsStateJson(const FlawsState& flaws, const Selection& selection) {
  return JsonObject()
      .number("mode", static_cast<int>(flaws.mode))
      .text("cliche", selection.cliche())
      .text("followCliche", selection.followCliche())
      .number("series", flaws.series)
      .text("stamp", flaws.stamp)
      .boolean("found", flaws.found)
      .boolean("printingInfo", selection.printingInfo())
      .texts("occurrences", flaws.occurrences)
      .texts("printedFiles", flaws.printedFiles)
      .text("printError", flaws.printError)
      .str();
}

}  // namespace kolvard
