// The two-coloured type screen's own state, with what the state dump shows of it. Its record
// index is the one-coloured type screen's (TypesState::index), shared between the two.
#pragma once

#include <string>
#include <vector>

#include "screens/common/screen_page.hpp"

namespace kolvard {

class JsonObject;
struct TypesState;

struct TcTypesState {
  int lastIndex = 0;                          // 49 on every entry, until the end record is met
  ScreenCode caller = ScreenCode::FrontPage;  // the screen Esc returns to

  // What the page shows.
  std::string shownValue;  // the page's value field, right-trimmed ("4s", "R2")
  int page = 0;
  int pages = 0;
  std::vector<std::string> labels;  // the labels drawn, cell by cell; "" for a cell left empty
};

// "tcTypes" in the state dump: index, lastIndex, value, page, pages and labels.
void writeTcTypesDump(JsonObject& dump, const TypesState& types, const TcTypesState& tcTypes);

}  // namespace kolvard
