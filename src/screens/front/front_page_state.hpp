// The front page's own state, and its part of the state dump.
#pragma once

namespace kolvard {

class JsonObject;

struct FrontPageState {
  bool drawn = false;              // false: the next drawing is a full one
  bool openSheetsPending = false;  // Enter: the sheets screen opens at the next main cycle
};

// "frontPageDrawn" among the dump's own fields.
void writeFrontPageDump(JsonObject& dump, const FrontPageState& front);

}  // namespace kolvard
