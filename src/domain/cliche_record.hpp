// Cliché records: the record key built from a value key and a cliché number, the record's
// tagged text fields and run-length picture, and the items of its description (edge marks,
// placed labels and the nine description lines) with the places the lines are drawn at.
// Drawing the record is the screens' and the printed pages' business.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/run_length_rows.hpp"

namespace kolvard {

class DataFile;
struct SectionRef;

// The record key: "P8s" + "17" -> "P8s-0H"; "P4s" + "2.117" -> "P4s2-3L". The running number
// after the "-" is written as two digits q, N with number = 32·q + N and N in 1..32, a digit
// d being the character 48 + d up to 9 and 55 + d from 10 on.
std::string clicheRecordKey(std::string_view valueKey, std::string_view clicheNumber);

// The digit character of the key coding: "0".."9", then "A".."Z" and on (capped at code 255).
char clicheKeyDigit(int d);

// A record name with its running number coded: trailing blanks removed, then the number after
// the first "-" written as the two digits q, N above ("T4s2-17" -> "T4s2-0H", "T28-4" ->
// "T28-04"). A name without "-" stays as it is. The cliché and the two-coloured flaw records
// are both named this way.
std::string codedRecordKey(std::string_view name);

// A flaw or cliché number as a key part: "2.17" -> "2-17", a number without "." -> "-17".
std::string numberKeyPart(std::string_view number);

inline constexpr int kClicheTextPartBytes = 560;  // the record's text part: at most this much
inline constexpr int kClichePictureRows = 383;
inline constexpr int kClicheMinimumBytes = 10;  // shorter records, and picture data, count as none

struct ClicheRecord {
  bool found = false;                 // lookup ok, length >= 10 and an ESC "*b" tag present
  char orientation = ' ';             // first byte of the text part ('U'/'O': second panel turned)
  std::string description;            // field d ("" if absent)
  std::string stampNumber;            // field m
  std::string occurrences;            // field t
  std::string wandering;              // field v
  std::vector<std::uint8_t> picture;  // the bytes after the ESC "*b" tag, up to the record end
  bool hasPicture = false;            // at least 10 bytes follow the tag

  // 'U' or 'O': a second (two-coloured) panel draws the picture turned by 180 degrees.
  bool turnedOrientation() const { return orientation == 'U' || orientation == 'O'; }
};

// Reads the record of a key. The text fields are taken from the text part before the picture
// tag (so picture bytes never pass for a field); a field is present when its content has at
// least 2 characters, the stamp number already with 1.
ClicheRecord readClicheRecord(const DataFile& file, std::string_view key);
// The same for a section already located.
ClicheRecord readClicheRecordAt(const DataFile& file, const SectionRef& ref);

// One decoded row: (start, end) runs in picture units; 383 rows at most (fewer where the data
// ends; a row cut off by the end of the data keeps its complete pairs).
using ClichePictureRow = RunLengthRow;
std::vector<ClichePictureRow> decodeClichePicture(std::span<const std::uint8_t> bytes);

// The words of a missing record in by-number mode: "( Ingen fejl registreret )" for the
// editions "R", "C", "P", "L", "( C-nummer ikke anvendt )" for the others.
std::string clicheMissingWords(std::string_view edition);

// The description items.
struct ClicheEdgeMark {
  std::string code;  // upper-cased, "Ø"/"ø" as "O": "OV", "OH", "NV", "NH", "VO", "VN", "HO", "HN"
  int number = 0;
};
struct ClichePlacedLabel {
  char kind = 'h';      // 'h', 'v', 'o', 'n'
  double x = 0, y = 0;  // the numbers as written (for "o"/"n" the item gives y first)
  std::string text;
};
struct ClicheDescription {
  std::vector<ClicheEdgeMark> marks;      // from "$P" up to the next "$", groups of 4 characters
  std::vector<ClichePlacedLabel> labels;  // in item order; items whose first number is 0 dropped
  std::array<std::string, 10> lines;      // [1..9]: the whole item, digit included; [0] unused
};
ClicheDescription parseClicheDescription(std::string_view description);

// Where description line d (1..9, the whole item with its digit) is drawn centred: the text
// without the digit and the leading indentation characters ("<" -20, ">" +20, "≤" -5,
// "≥" +5 units), x = panel x + 90 + shifts, y = base + 4 + 13·d (+40 past 3, +40 past 6).
struct ClicheLinePlace {
  std::string text;
  double x = 0, y = 0;
};
ClicheLinePlace clicheDescriptionLinePlace(std::string_view line, int d, double panelX,
                                           double labelBaseY);

}  // namespace kolvard
