// The schema screen of the two-coloured edition: one pane of a printing twice side by side as
// 10 x 10 grids, the oval schema (oval type and flaw number per position) on the left and the
// frame schema of the printing's frame setting on the right, with the setting's title and
// description above and what is known of whole sheets below; the prints of the schemas.
#pragma once

#include <string>

#include "domain/two_colour_schema.hpp"
#include "print/two_colour_schema_print.hpp"
#include "screens/common/screen_page.hpp"
#include "screens/common/session.hpp"
#include "screens/twocolour/tc_schemas_state.hpp"

namespace kolvard {

class TwoColourSchemaScreen final : public ScreenPage {
 public:
  TwoColourSchemaScreen(Session& session, TwoColourSchemasState& state)
      : session_(session), schemas_(state), screen_(session.screen()) {}

  void enter() override;
  // The whole screen for the printing and pane shown.
  void draw() override;
  KeyResult handleKey(const KeyString& key) override;

 private:
  Selection& selection() { return session_.state.selection; }
  // The table the schemas show: the shared one, or one loaded a step further.
  const TwoColourPositionTable& shownTable() const;
  void loadTables();
  void drawHeader();
  void drawGrid(const SchemaGrid& grid, double offset);
  void drawFrameHeader();
  void drawFullSheetLines();
  void drawKeyPanel();
  void drawInformationPanel();

  // Keys (tc_schema_keys.cpp).
  KeyResult act(const KeyString& key);
  KeyResult valueEntry();
  void printingEntry();
  void stepPrinting(bool next);
  // The F9, F10 and F11 prints (tc_schema_print_keys.cpp).
  KeyResult printSchemas(SchemaPrintKind which);

  Session& session_;
  TwoColourSchemasState& schemas_;
  Screen& screen_;
  TwoColourPositionTable extraTable_;  // the printings that show the sheet one step on
  bool extraStep_ = false;
  SchemaPane pane_ = SchemaPane::A;
  FrameSchemaHeader header_;
  SchemaGrid ovals_, frames_;
  FullSheetLine ovalLine_, frameLine_;
};

}  // namespace kolvard
