// A type screen's own state, kept between visits, with what the state dump shows of it; the
// one- and the two-coloured type screen each have one. The record index they share is the
// selection's (TypePagePlace).
#pragma once

#include <string>
#include <vector>

#include "screens/common/screen_page.hpp"

namespace kolvard {

class JsonObject;
struct TypePagePlace;

struct TypesState {
  int lastIndex = 0;                          // the last page's index, as far as the screen knows
  ScreenCode caller = ScreenCode::FrontPage;  // the screen Esc returns to

  // What the page shows.
  std::string shownValue;  // the page's value field, right-trimmed ("4s", "R2")
  int page = 0;
  int pages = 0;
  std::vector<std::string> labels;  // the six cells' labels, "" for a cell without one
};

// "types" in the state dump: index, lastIndex, value, page, pages, labels and caller.
void writeTypesDump(JsonObject& dump, const TypesState& types, const TypePagePlace& place);
// "tcTypes" in the state dump: index, lastIndex, value, page, pages and labels.
void writeTcTypesDump(JsonObject& dump, const TypesState& types, const TypePagePlace& place);

}  // namespace kolvard
