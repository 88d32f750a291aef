// The two-coloured screens' object in the state dump: the position table of the selected
// printing (layout, frame block, whether the printing and the block were found) and the oval
// and frame fields of the selected position as the screens read them.
#pragma once

namespace kolvard {

class JsonObject;
struct SharedState;

void writeTwoColourDump(JsonObject& dump, const SharedState& state);

}  // namespace kolvard
