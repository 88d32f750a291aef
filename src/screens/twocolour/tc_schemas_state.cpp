#include "screens/twocolour/tc_schemas_state.hpp"

#include "screens/common/json_writer.hpp"

namespace kolvard {

void writeTwoColourSchemasDump(JsonObject& dump, const TwoColourSchemasState& schemas) {
  dump.json("tcSchemas", JsonObject()
                             .number("pane", schemas.shownPane)
                             .boolean("single", schemas.single)
                             .text("label", schemas.label)
                             .text("title", schemas.title)
                             .text("period", schemas.period)
                             .text("description", schemas.description)
                             .boolean("turned", schemas.turned)
                             .texts("ovalRow", schemas.ovalRow)
                             .texts("frameRow", schemas.frameRow)
                             .text("ovalFullSheet", schemas.ovalFullSheet)
                             .text("frameFullSheet", schemas.frameFullSheet)
                             .text("watermark", schemas.watermark)
                             .texts("lastPrint", schemas.lastPrint));
}

}  // namespace kolvard
