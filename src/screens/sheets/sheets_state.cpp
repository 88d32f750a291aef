#include "screens/sheets/sheets_state.hpp"

#include "screens/common/json_writer.hpp"

namespace kolvard {

std::string sheetsStateJson(const SheetsState& sheets, bool printingInfo) {
  return JsonObject()
      .number("panes", sheets.panes)
      .number("panePair", sheets.panePair)
      .boolean("printingInfo", printingInfo)
      .texts("captions", sheets.captions)
      .texts("watermarks", sheets.watermarks)
      .texts("files", sheets.files)
      .text("printError", sheets.printError)
      .str();
}

}  // namespace kolvard
