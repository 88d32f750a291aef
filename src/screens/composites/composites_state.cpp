#include "screens/composites/composites_state.hpp"

#include "screens/common/json_writer.hpp"

namespace kolvard {

void writeCompositesDump(JsonObject& dump, const CompositesState& composites) {
  dump.json("composites", JsonObject()
                              .text("set", std::string(1, static_cast<char>(composites.set)))
                              .number("series", composites.series)
                              .number("seriesCount", composites.seriesCount)
                              .number("composite", composites.composite)
                              .number("count", composites.count)
                              .text("typeName", composites.typeName)
                              .boolean("found", composites.found));
}

}  // namespace kolvard
