// The small line editor through which the screens take values, printings, positions, cliché
// numbers and series from the user: a prompt with the current entry in braces and an input
// box, edited until Enter or Esc.
#pragma once

#include <string>
#include <string_view>

namespace kolvard {

class Screen;
class KeyInput;

// What the editor is asked for. The kind is the key that opened it: 'V' value, 'T'
// printing, 'P' position, 'C' cliché number; 'A', 'B' and 'I' open a position entry that
// starts with that letter.
struct LineEditorRequest {
  char kind = 'V';
  double y = 0;                      // the prompt line
  double offset = 0;                 // horizontal offset L of the prompt (120 on the flaw screens)
  std::string openingText;           // the current text: kept when the entry is left empty
  std::string edition;               // edition letter; "R", "C", "P" and "L" know plate numerals
  std::string value;                 // value code, for the plate numerals
  std::string printing;              // current printing, for the plate numerals
  bool openedByTypeScreenV = false;  // the type screen's "V" key: "R" then enters "R"
  // The two-coloured screens' editor: it shows the opening text in braces (but for positions),
  // and the separators ("," "-" "." ":" ";" "_") give "." in its flaw-number entries (kind
  // 'C') and beep in its other entries.
  bool twoColourEditor = false;
};

// What the editor remembers between calls; owned by the caller for the whole run.
struct LineEditorMemory {
  std::string positionText;  // the last text entered in a position prompt
};

struct LineEditorResult {
  std::string text;        // the entry, or the opening text when it was left empty
  bool cancelled = false;  // Esc
  // For a plate-numeral position ("III-7"): the printing to switch to (empty for none;
  // the caller then reloads the position table) and the position it names ("A7").
  std::string printingSwitch;
  std::string position;
};

// Draws the prompt at (L, y) and edits until Enter or Esc.
LineEditorResult runLineEditor(Screen& screen, KeyInput& keys, const LineEditorRequest& request,
                               LineEditorMemory& memory);
// For prompts other than positions, which remember nothing.
LineEditorResult runLineEditor(Screen& screen, KeyInput& keys, const LineEditorRequest& request);

// The text in braces before the input box: for a position prompt the remembered position
// when there is one, otherwise the starting entry (the two-coloured editor shows the opening
// text of its other prompts, the one-coloured one their empty starting entry); on the plate
// printings a leading "A" or
// "B" is shown as the plate numeral ("A27" as "III·27").
std::string lineEditorShownText(const LineEditorRequest& request, const LineEditorMemory& memory);

}  // namespace kolvard
