// The one program state: what the screens share (the current selection, the edition's
// sections, the zoom and the screen flow), the settings record of the current edition, and
// each screen's own state. It lives for the whole run; the screens get their parts by
// reference through the session and the screen table.
#pragma once

#include <string>

#include "app/edition_settings.hpp"
#include "screens/common/session.hpp"
#include "screens/composites/composites_state.hpp"
#include "screens/flaws/flaws_state.hpp"
#include "screens/front/front_page_state.hpp"
#include "screens/register/register_state.hpp"
#include "screens/sheets/sheets_state.hpp"
#include "screens/twocolour/tc_composites_state.hpp"
#include "screens/twocolour/tc_flaws_state.hpp"
#include "screens/twocolour/tc_schemas_state.hpp"
#include "screens/types/types_state.hpp"

namespace kolvard {

struct ProgramState : SharedState {
  // The record of the current edition as last read from or written to the settings file.
  EditionSettings settings;

  FrontPageState front;
  RegisterState reg;
  FlawsState flaws;
  SheetsState sheets;
  CompositesState composites;
  TypesState types;
  TwoColourFlawsState tcFlaws;
  TypesState tcTypes;
  TwoColourCompositesState tcComposites;
  TwoColourSchemasState tcSchemas;

  // The edition-level selector of the current edition (not kept in the settings file).
  std::string editionSelector() const { return editionLevelSelectorFor(edition()); }
};

}  // namespace kolvard
