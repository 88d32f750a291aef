// The sections the program looks for by a fixed name or by an edition and a value of its
// menu, with what a user sees when one is not in the file. A real file may lack any of them
// but the fonts: the screens that read a missing one find nothing.
#pragma once

#include <string>
#include <vector>

namespace kolvard::datatool {

struct ExpectedSection {
  std::string name;         // stored form ("P4SDAT", "V1O"), cp865
  std::string whenMissing;  // plain English, cp865: "the type screen of edition P shows nothing"
};

// Each name once, in the order: shared sections, then edition by edition of the menu.
const std::vector<ExpectedSection>& expectedSections();

}  // namespace kolvard::datatool
