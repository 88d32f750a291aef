// The keys that mean the same on every screen that offers them: F1 and F2 open the information
// viewer, F3 and F5 to F8 leave for the other screens, Esc for the front page.
#pragma once

#include <string>

#include "screens/common/screen_page.hpp"
#include "ui/key_string.hpp"

namespace kolvard {

struct Session;

// F3 register, F5 sheets, F6 flaws, F7 composites, F8 types, Esc the front page; nothing for
// any other key. The key is compared as it is (letters are not involved).
KeyResult leavingKey(const KeyString& key);

// F1: the general information text, F2: the current edition's, in the information viewer,
// which puts the screen back as it was. False for any other key.
bool showInformationFor(Session& session, const KeyString& key);

// The key after a printed page: "Tryk en tast for at fortsætte", then F6, F7 and F8 leave for
// their screens; any other key clears the message band and stays (the caller redraws its key
// panel).
KeyResult keyAfterPrint(Session& session);

// Why no schema of the selected printing can be printed, as the print band gives the reason
// (UTF-8): "Tryk fra 1 til N" for a printing the value does not have, or the printing data
// missing from the data file; empty when it can be printed.
std::string schemaPrintRefusal(const Session& session);

}  // namespace kolvard
