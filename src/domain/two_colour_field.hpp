// The fields of the two-coloured edition's position tables: every sheet position has an oval
// field and a frame field of 12 characters each: kind (1), mark (1), type (4, "OM." for the
// oval, "RM." for the frame) and flaw number (6; an oval "2.17", a frame the stored setting
// code and running number "58.4").
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kolvard {

inline constexpr std::size_t kTwoColourFieldLength = 12;
inline constexpr int kTwoColourPositions = 200;  // pane A 1..100, pane B 101..200
inline constexpr char kDownArrowKind = 25;       // an inverted frame, the same as "O"

struct TwoColourField {
  std::array<char, kTwoColourFieldLength> text = blank();

  static constexpr std::array<char, kTwoColourFieldLength> blank() {
    std::array<char, kTwoColourFieldLength> b{};
    b.fill(' ');
    return b;
  }
  // The field from the record characters 7..18 (fewer characters leave the rest blank).
  static TwoColourField fromText(std::string_view chars);

  char kind() const { return text[0]; }
  char mark() const { return text[1]; }
  void setKind(char k) { text[0] = k; }
  void setMark(char m) { text[1] = m; }
  // Type (characters 3..6) and flaw number (7..12), right-trimmed.
  std::string type() const;
  std::string flawNumber() const;
  std::string_view view() const { return {text.data(), text.size()}; }
  bool isBlank() const { return text == blank(); }
  bool operator==(const TwoColourField&) const = default;
};

// Fields 0..200; index 0 is the scrap slot that takes what names no position (written, never
// shown). An index outside 0..200 reaches the scrap slot.
class TwoColourFields {
 public:
  TwoColourField& operator[](int index) { return fields_[slot(index)]; }
  const TwoColourField& operator[](int index) const { return fields_[slot(index)]; }
  void clear() { fields_.fill(TwoColourField{}); }
  bool operator==(const TwoColourFields&) const = default;

 private:
  static std::size_t slot(int index) {
    return index >= 0 && index <= kTwoColourPositions ? static_cast<std::size_t>(index) : 0;
  }
  std::array<TwoColourField, kTwoColourPositions + 1> fields_{};
};

// The frame kind as a letter: "R" upright (stored blank, empty or "R"), "O" inverted ("O" or
// the down-arrow kind), "T" thick upright, "U" thick inverted; anything else reads as "R".
char frameKindLetter(char storedKind);
// Whether a frame kind draws its frame turned half a turn ("O", the down-arrow kind, "U").
bool isInvertedFrameKind(char storedKind);

}  // namespace kolvard
