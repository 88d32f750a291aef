#include "screens/twocolour/two_colour_dump.hpp"

#include <string>

#include "data/text_fields.hpp"
#include "domain/two_colour_reading.hpp"
#include "screens/common/json_writer.hpp"
#include "screens/common/session.hpp"

namespace kolvard {

void writeTwoColourDump(JsonObject& dump, const SharedState& state) {
  const TwoColourPositionTable& table = state.twoColourPositions;
  const Selection& selection = state.selection;
  const TwoColourReading r = readTwoColourPosition(table, selection.positionIndex());
  const auto letter = [](char c) { return std::string(1, c); };
  const JsonObject oval = JsonObject()
                              .text("kind", letter(r.ovalKind))
                              .text("mark", letter(r.ovalMark))
                              .text("type", r.ovalType)
                              .text("flawNumber", r.ovalFlawNumber)
                              .boolean("newOval", r.newOval());
  const JsonObject frame =
      JsonObject()
          .text("kind", letter(r.frameKind))
          .text("mark", letter(r.frameMark))
          .text("type", r.frameType)
          .text("flawNumber", r.frameFlawNumber)
          .text("storedFlawNumber", table.frame(selection.positionIndex()).flawNumber())
          .text("period", r.frameNumber.shown.period);
  dump.json("twoColour", JsonObject()
                             .number("layout", static_cast<int>(table.layout()))
                             .text("frameBlock", withoutTrailingBlanks(table.frameBlock().block))
                             .boolean("frameBlockFromPaneB", table.frameBlock().fromPaneB)
                             .boolean("printingFound", state.twoColourLoad.printingFound)
                             .boolean("frameBlockFound", state.twoColourLoad.frameBlockFound)
                             .text("period", selection.period())
                             .text("position", selection.position())
                             .json("oval", oval)
                             .json("frame", frame));
}

}  // namespace kolvard
