// The occurrence items of a two-coloured oval flaw record: the "t" field in 15-character
// items (sheet group, value code + printing, pane, position, four marks), each turned into the
// pieces of text its line of the flaw screen's left column shows: where they stand, in which
// font, spacing and colour. A few items whose printing the field cuts short are completed,
// and ten items are shown in a fixed form of their own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "domain/sheet_walk.hpp"

namespace kolvard {

inline constexpr std::size_t kFlawOccurrenceItemSize = 15;

enum class OccurrenceFont { B, A };  // the screen's small fonts: B, and A for the fourth mark

struct OccurrencePiece {
  std::string text;
  double x = 0;  // left end, virtual units
  OccurrenceFont font = OccurrenceFont::B;
  double spacing = 1;
  int colour = 1;  // palette: 3 no pane, 2 the current value + printing, else 1

  bool operator==(const OccurrencePiece&) const = default;
};

struct OccurrenceItem {
  std::vector<OccurrencePiece> pieces;  // blank pieces left out
};

// The items of the field; `currentValuePrinting` is the value code + printing the screen
// shows ("4s12"). Blank items are left out.
std::vector<OccurrenceItem> flawOccurrenceItems(std::string_view occurrences,
                                                std::string_view currentValuePrinting);

// The same items as lines of a printed list: value + printing (completed, or the fixed form's
// own), the pane and the position, or for a fixed form its full position text ("48/A54") as
// the label and no pane. Marks are not part of a printed line.
std::vector<OccurrenceLine> flawOccurrenceLines(std::string_view occurrences,
                                                std::string_view currentValuePrinting);

// Value + printing texts an occurrence field cuts short made whole ("4ø96-9" -> "4ø96-97",
// "8ø9b-1" -> "8ø9b-10"); any other text unchanged. Both the cliché and the two-coloured flaw
// records' lists are completed by it.
std::string completedValuePrinting(std::string_view valuePrinting);

}  // namespace kolvard
