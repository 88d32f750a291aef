#include "screens/types/types_state.hpp"

#include "screens/common/json_writer.hpp"
#include "screens/common/selection.hpp"

namespace kolvard {
namespace {

JsonObject pageObject(const TypesState& types, const TypePagePlace& place) {
  return JsonObject()
      .number("index", place.index)
      .number("lastIndex", types.lastIndex)
      .text("value", types.shownValue)
      .number("page", types.page)
      .number("pages", types.pages)
      .texts("labels", types.labels);
}

}  // namespace

void writeTypesDump(JsonObject& dump, const TypesState& types, const TypePagePlace& place) {
  dump.json("types", pageObject(types, place).number("caller", static_cast<int>(types.caller)));
}

void writeTcTypesDump(JsonObject& dump, const TypesState& types, const TypePagePlace& place) {
  dump.json("tcTypes", pageObject(types, place));
}

}  // namespace kolvard
