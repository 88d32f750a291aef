#include "app/state_dump.hpp"

#include "app/screen_table.hpp"
#include "screens/common/json_writer.hpp"

namespace kolvard {

std::string stateDumpJson(const ProgramState& state) {
  const Selection& s = state.selection;
  JsonObject dump(JsonObject::Layout::FieldPerLine);
  dump.text("screen", state.viewer.active ? "viewer" : state.screenName)
      .text("edition", s.edition())
      .number("iceland", s.iceland() ? 1 : 0)
      .text("value", s.value())
      .text("printing", s.printings().from)
      .text("printingTo", s.printings().to)
      .text("position", s.position())
      .number("positionIndex", s.positionIndex())
      .text("cliche", s.cliche())
      .number("zoom", state.zoom);
  writeFrontPageDump(dump, state.front);
  dump.text("caption", state.caption);
  if (state.viewer.active) {
    dump.json("viewer", JsonObject()
                            .number("mode", static_cast<int>(state.viewer.mode))
                            .number("topLine", state.viewer.topLine)
                            .number("maxTop", state.viewer.maxTop));
  }
  writeScreenDumps(dump, state);
  return dump.str();
}

}  // namespace kolvard
