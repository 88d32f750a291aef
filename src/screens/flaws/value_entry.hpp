// What a screen does with a value typed at its "V" key: the Icelandic oval values leave for
// the two-coloured screens (not built yet: the front page), a refused value shows its
// message, and an accepted one becomes the current value with its starting cliché.
#pragma once

#include "app/program_state.hpp"
#include "screens/flaws/number_entry.hpp"

namespace kolvard {

class Screen;

// True when the value was taken; the caller then sets up the rest of its screen.
bool takeValueEntry(ProgramState& state, Screen& screen, MessageCaller caller,
                    const ValueEntryResult& entry);

}  // namespace kolvard
