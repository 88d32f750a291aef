#include "screens/sheets/sheets_state.hpp"

#include "screens/common/json_writer.hpp"
#include "screens/common/selection.hpp"

namespace kolvard {

void writeSheetsDump(JsonObject& dump, const SheetsState& sheets, const Selection& selection) {
  dump.json("sheets", JsonObject()
                          .number("panes", sheets.panes)
                          .number("panePair", sheets.panePair)
                          .boolean("printingInfo", selection.printingInfo())
                          .texts("captions", sheets.captions)
                          .texts("watermarks", sheets.watermarks)
                          .texts("files", sheets.files)
                          .text("printError", sheets.printError));
}

}  // namespace kolvard
