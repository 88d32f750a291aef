// The register's own state: the criteria searched for and the result list (both as the
// search keeps them), the cursor and the edit buffer of the form, and what the list was last
// computed for. It lives for the whole run and survives leaving and re-entering the screen;
// the value and the printing range searched are the current selection's.
#pragma once

#include <string>

#include "domain/search.hpp"

namespace kolvard {

struct RegisterState : SearchCriteria, SearchList {
  int cursorColumn = 2;  // 1..3 criteria columns, 4 the result list
  int cursorRow = 1;
  int rememberedColumn = 1;  // the form field Left returns to from the list
  int rememberedRow = 5;
  std::string editBuffer;

  std::string lastEdition, lastValue, lastFromPrinting;
  std::string valueWithPrintings;  // the value Esc goes back to when the typed one has none
};

}  // namespace kolvard
