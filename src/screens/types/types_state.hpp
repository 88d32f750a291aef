// The cliché-type screen's own state, kept between visits, with what the state dump shows of
// it.
#pragma once

#include <string>
#include <vector>

#include "screens/common/screen_page.hpp"

namespace kolvard {

class JsonObject;

struct TypesState {
  int index = 0;        // the current record index of the type section
  int lastIndex = 0;    // the last page's index, as far as the screen knows it
  std::string edition;  // the type section's edition ("I" with the Iceland flag)
  std::string value;    // the current value the index was found for; another starts at 0
  ScreenCode caller = ScreenCode::FrontPage;  // the screen Esc returns to

  // What the page shows.
  std::string shownValue;
  int page = 0;
  int pages = 0;
  std::vector<std::string> labels;  // the six cells' labels, "" for none
};

// "types" in the state dump: index, lastIndex, value, page, pages, labels and caller.
void writeTypesDump(JsonObject& dump, const TypesState& types);

}  // namespace kolvard
