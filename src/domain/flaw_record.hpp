// The flaw records of the two-coloured edition: one record per oval flaw of a value and per
// frame flaw of a frame setting, named by the edition letter and a key part ("T" + "4s2-17",
// "T" + "58-4"), laid out as the cliché records (tagged text fields, then the run-length
// picture after ESC "*b"). Their first byte tells the frame kind.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kolvard {

class DataFile;
struct SectionRef;

inline constexpr int kFlawRecordBufferBytes = 680;   // the text part read from the section
inline constexpr int kFlawRecordMinimumBytes = 10;   // shorter sections count as missing
inline constexpr int kFlawPictureMinimumBytes = 10;  // less picture data after "b" is none

// The key part of an oval flaw: value code + the oval flaw number with "." as "-", or the
// value code + "-" + the number when it has no "." ("4s" + "2.17" -> "4s2-17", "4s-17").
std::string ovalFlawKeyPart(std::string_view valueCode, std::string_view ovalFlawNumber);
// The key part of a frame flaw: the stored setting code + "-" + the running number ("58-4").
std::string frameFlawKeyPart(std::string_view storedSetting, std::string_view runningNumber);

// The section name: edition letter + key part, trailing blanks removed, the running number
// after "-" in two characters ("T" + "4s2-17" -> "T4s2-0H", "T" + "28-4" -> "T28-04").
std::string flawRecordKey(std::string_view edition, std::string_view keyPart);

struct FlawRecord {
  bool exists = false;  // the section was found
  // Found and not short: at least 10 bytes, and not a record without a "d" field whose
  // buffer holds fewer than 5 characters. A short record is still read.
  bool found = false;
  char frameKind = ' ';               // the first character of the buffer
  std::string description;            // field d
  std::string type;                   // field m ("OM." / "RM." text)
  std::string occurrences;            // field t, 15-character items
  std::string wandering;              // field v
  std::vector<std::uint8_t> picture;  // the bytes after ESC "*b" up to the end of the section
  bool hasPicture = false;  // a "b" field with at least 10 bytes of the section after its tag

  // The fields a missing record leaves in the panels of position and frame mode.
  void clearTexts() {
    description.clear();
    type.clear();
    occurrences.clear();
  }
};

FlawRecord readFlawRecord(const DataFile& file, std::string_view key);
FlawRecord readFlawRecordAt(const DataFile& file, const SectionRef& ref);

// Whether a frame kind draws the frame panel half a turn: "U" (thick inverted) or "O".
bool isInvertedFlawFrame(char frameKind);

}  // namespace kolvard
