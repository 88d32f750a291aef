// The small line editor through which the screens take values, printings, positions, cliché
// numbers and series from the user; the numbered message line that reports a rejected
// entry; and the value check that decides which stamp values exist.
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
// when there is one, otherwise the starting entry; on the plate printings a leading "A" or
// "B" is shown as the plate numeral ("A27" as "III·27").
std::string lineEditorShownText(const LineEditorRequest& request, const LineEditorMemory& memory);

// Plate numerals: "III-7" of "P4s" printing 2 switches to printing "4" and names "A7".
struct PlateNumeralPosition {
  bool isPlateNumeral = false;
  std::string printingSwitch;  // empty: stay on the printing
  std::string position;        // "A" or "B" + number
};
PlateNumeralPosition plateNumeralPosition(std::string_view edition, std::string_view value,
                                          std::string_view printing, std::string_view entry);

// Who shows a message; the caller's screen places it.
enum class MessageCaller {
  Register,    // (41, 59)
  Sheets,      // (14, 415)
  Flaws,       // (95, 410)
  Composites,  // (421, 415)
};

// The numbers a message needs; only those of the message shown are read.
struct MessageArgs {
  std::string valueKey;    // edition + value, message 1
  int seriesCount = 0;     // message 1
  int highestSetting = 0;  // message 2
  int highestRunning = 0;  // messages 3 and 4 (the caller picks the frame-setting entry)
  int lower = 0;           // message 5
  int upper = 0;           // message 5
  int printingCount = 0;   // message 7
};

inline constexpr int kMessageValueUnknown = 6;
inline constexpr int kMessagePrintingRange = 7;
inline constexpr int kMessagePositionRange = 8;

// The text of message 1..9 (cp865); empty for any other number.
std::string messageText(int number, const MessageArgs& args);
// Draws the message at its caller's place, or at an explicit place.
void showMessage(Screen& screen, int number, MessageCaller caller, const MessageArgs& args);
void showMessageAt(Screen& screen, int number, double x, double y, const MessageArgs& args);

struct ValueCheckResult {
  bool accepted = false;
  std::string value;           // the entered value in lower case
  std::string startingCliche;  // "1.1" for values with series, "1" otherwise
  int message = 0;             // kMessageValueUnknown when rejected
};

// Whether edition + value names a stamp value. On success the caller takes the value and
// the starting cliché number, clears its last-drawn markers and sets printing "1"; on
// failure it shows the message and keeps its previous value and cliché number.
ValueCheckResult checkValue(std::string_view edition, std::string_view enteredValue);

// A value typed at a screen's "V" key: the line editor, then the value check. The Icelandic
// oval values ("4a", "25a", "50a", "100a" with the Iceland flag) belong to the two-coloured
// screens and are handed back as such, unchecked.
struct ValueEntryResult {
  enum Kind { Cancelled, IcelandOval, Rejected, Accepted } kind = Cancelled;
  std::string value;  // in lower case: the oval value, or the accepted value
  ValueCheckResult check;
};
ValueEntryResult runValueEntry(Screen& screen, KeyInput& keys, const LineEditorRequest& request,
                               int icelandFlag);

}  // namespace kolvard
