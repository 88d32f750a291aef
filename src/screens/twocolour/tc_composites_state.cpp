#include "screens/twocolour/tc_composites_state.hpp"

#include "screens/common/json_writer.hpp"

namespace kolvard {

void writeTwoColourCompositesDump(JsonObject& dump, const TwoColourCompositesState& state) {
  const bool ovals = state.kind == CompositeKind::Ovals;
  dump.json("tcComposites",
            JsonObject()
                .text("kind", ovals ? "ovals" : "frames")
                .number("series", state.ovalSeries)
                .number("seriesCount", state.seriesCount)
                .number("setting", state.setting)
                .number("composite", ovals ? state.ovalComposite : state.frameComposite)
                .number("count", state.count)
                .number("firstAllowed", state.firstAllowed)
                .boolean("restricted", state.restricted)
                .text("paneNote", state.paneNote)
                .text("period", state.period)
                .text("typeName", state.typeName)
                .text("section", state.sectionName)
                .boolean("found", state.found));
}

}  // namespace kolvard
