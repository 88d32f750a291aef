#include "screens/front/front_page_state.hpp"

#include "screens/common/json_writer.hpp"

namespace kolvard {

void writeFrontPageDump(JsonObject& dump, const FrontPageState& front) {
  dump.boolean("frontPageDrawn", front.drawn);
}

}  // namespace kolvard
