// The schema prints of the two-coloured schema screen: F9 the oval schema, F10 the frame
// schema, F11 (or Shift+F4) both on one page, with the message band and progress figure of
// the other prints, then "Tryk en tast for at fortsætte" and the key after it.
#include "data/cp865.hpp"
#include "print/export_session.hpp"
#include "print/schema_bitmap.hpp"
#include "print/sheet_grid.hpp"
#include "print/two_colour_schema_print.hpp"
#include "screens/common/screen_keys.hpp"
#include "screens/twocolour/tc_schema_screen.hpp"
#include "ui/key_string.hpp"

namespace kolvard {

KeyResult TwoColourSchemaScreen::printSchemas(SchemaPrintKind which) {
  const Selection& s = selection();
  // The page shows what the screen shows.
  TwoColourSchemaPage page;
  page.value = s.value();
  page.printing = s.printing();
  page.caption = session_.state.caption;
  page.pane = pane_;
  page.oval = ovals_;
  page.frame = frames_;
  page.header = header_;
  page.ovalLine = ovalLine_;
  page.frameLine = frameLine_;

  const std::string tag = twoColourSchemaTag(page, which);
  showExportMessages(&screen_, ExportKind::SheetSchema, tag, 1, session_.outputDirectory);
  session_.display.present();
  ExportProgress progress(&screen_);
  // No page of a printing the value's data does not hold: its grids would be empty.
  std::string refusal = schemaPrintRefusal(session_);
  const TwoColourLoad& load = session_.state.twoColourLoad;
  if (refusal.empty() && !load.printingFound) {
    refusal =
        "datafilen har intet tryk " + cp865ToUtf8(s.printing()) + " af " + cp865ToUtf8(s.value());
  } else if (refusal.empty() && which != SchemaPrintKind::Oval && !load.frameBlockFound) {
    refusal = "datafilen har ingen rammedata for tryk " + cp865ToUtf8(s.printing());
  }
  const TwoColourSchemaExport result =
      refusal.empty()
          ? exportTwoColourSchema(screen_, session_.data, page, which, session_.outputDirectory,
                                  progress, todayDateText(), session_.printBuffers)
          : TwoColourSchemaExport{false, schemaFileName(tag), refusal};
  schemas_.lastPrint.clear();
  if (result.ok) {
    schemas_.lastPrint.push_back(result.fileName);
  } else {
    showExportFailure(&screen_, exportFailureText(result.fileName, result.error));
    session_.display.beep();
  }
  const KeyResult next = keyAfterPrint(session_);
  if (!next) drawKeyPanel();
  return next;
}

}  // namespace kolvard
