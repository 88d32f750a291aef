// The position tables of the two-coloured edition as the sample generator builds them: an
// oval field and a frame field of 12 characters for each of the 200 positions, the frame
// transforms, the 18-character records of the value data and the frame data, and the
// reading of those records exactly as the program reads them, so that everything derived
// from the tables (occurrence lists, counts, printing order) agrees with the records written.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace sampledat::tc {

inline constexpr char kDownArrow = '\x19';  // the down-arrow frame kind, code 25

struct Field {
  char kind = ' ';
  char mark = ' ';
  std::string type;  // up to 4 characters
  std::string flaw;  // up to 6 characters
  // Characters 7..18 of a record: kind, mark, type, flaw number.
  std::string text() const;
  static Field fromText(const std::string& chars);
  bool operator==(const Field&) const = default;
};

using Fields = std::array<Field, 201>;  // index 0 is the scrap slot

bool isInverted(char frameKind);  // "O", "U" or the down-arrow kind

// Applies "X" + number to the frame fields (numbers without a transform change nothing).
void applyTransform(int number, Fields& frames);

// A position record: designation ("A27", "B100", "27"), change mark, then the field.
std::string positionRecord(const std::string& designation, char change, const Field& f);
std::string designation(int index, bool onePane);

// The frames of a block as the program finds them: every record of the frame data from the
// first block up to and including the block named, for the layout (1, 2 or 3).
Fields framesOf(const std::vector<std::string>& frameData, const std::string& block, int layout);

// The oval table of a printing, with the frame block reference and layout its records give.
struct Loaded {
  Fields ovals;
  std::string block;  // the reference with the trailing "A"/"B" removed
  int layout = 1;
  bool found = false;
};
Loaded ovalsOf(const std::vector<std::string>& valueData, const std::string& printing);

// Applies one value-data record to the ovals (the "I" count is kept by the caller).
void applyValueRecord(const std::string& record, Fields& ovals, int& infoCount, int& layout,
                      std::string& reference);

}  // namespace sampledat::tc
