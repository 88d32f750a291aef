#include "screens/types/tc_types_state.hpp"

#include "screens/common/json_writer.hpp"
#include "screens/types/types_state.hpp"

namespace kolvard {

void writeTcTypesDump(JsonObject& dump, const TypesState& types, const TcTypesState& tcTypes) {
  dump.json("tcTypes", JsonObject()
                           .number("index", types.index)
                           .number("lastIndex", tcTypes.lastIndex)
                           .text("value", tcTypes.shownValue)
                           .number("page", tcTypes.page)
                           .number("pages", tcTypes.pages)
                           .texts("labels", tcTypes.labels));
}

}  // namespace kolvard
