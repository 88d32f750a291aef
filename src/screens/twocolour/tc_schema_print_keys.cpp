// The schema prints of the two-coloured schema screen.
#include "screens/twocolour/tc_schema_screen.hpp"

namespace kolvard {

// filled in by the print keys
void TwoColourSchemaScreen::printSchemas(SchemaPrintKind) {
  session_.display.beep();
}

}  // namespace kolvard
