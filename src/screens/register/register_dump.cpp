#include "screens/register/register_dump.hpp"

#include "data/text_fields.hpp"
#include "domain/edition.hpp"
#include "screens/common/json_writer.hpp"
#include "screens/common/selection.hpp"

namespace kolvard {

void writeRegisterDump(JsonObject& dump, const RegisterState& reg, const Selection& selection) {
  std::vector<JsonObject> criteria;
  const bool twoColoured = Edition(selection.edition()).isTwoColoured();
  for (const CriteriaSet& set : reg.criteria) {
    if (twoColoured) {
      criteria.push_back(JsonObject()
                             .text("position", set.position)
                             .text("frameKind", set.frameKind)
                             .text("frameType", set.frameType)
                             .text("ovalType", set.type)
                             .text("ovalFlaw", set.cliche));
    } else {
      criteria.push_back(JsonObject()
                             .text("position", set.position)
                             .text("type", set.type)
                             .text("cliche", set.cliche));
    }
  }
  std::vector<JsonObject> lines;
  for (int n = 1; n <= reg.lineCount; ++n) {
    lines.push_back(JsonObject()
                        .text("text", withoutTrailingBlanks(reg.results.line(n)))
                        .boolean("dim", !reg.results.normal(n)));
  }
  dump.json("register", JsonObject()
                            .objects("criteria", criteria)
                            .number("setsInUse", reg.setsInUse)
                            .boolean("includeUndetermined", reg.includeUndetermined)
                            .text("value", selection.value())
                            .text("fromPrinting", selection.printings().from)
                            .text("toPrinting", selection.printings().to)
                            .text("highestPrinting", selection.highestPrinting())
                            .number("foundCount", reg.foundCount)
                            .number("lineCount", reg.lineCount)
                            .number("listOffset", reg.listOffset)
                            .number("cursorColumn", reg.cursorColumn)
                            .number("cursorRow", reg.cursorRow)
                            .objects("lines", lines));
}

}  // namespace kolvard
