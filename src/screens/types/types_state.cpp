#include "screens/types/types_state.hpp"

#include "screens/common/json_writer.hpp"

namespace kolvard {

void writeTypesDump(JsonObject& dump, const TypesState& types) {
  dump.json("types", JsonObject()
                         .number("index", types.index)
                         .number("lastIndex", types.lastIndex)
                         .text("value", types.shownValue)
                         .number("page", types.page)
                         .number("pages", types.pages)
                         .texts("labels", types.labels)
                         .number("caller", static_cast<int>(types.caller)));
}

}  // namespace kolvard
