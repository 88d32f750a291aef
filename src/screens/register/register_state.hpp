// The register's state: the value and printing range searched, the criteria sets, and the
// result list. It lives for the whole run, survives leaving and re-entering the register
// screen, and the other screens read it.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kolvard {

inline constexpr int kResultListCapacity = 26000;
inline constexpr int kResultLineLength = 55;

// One stamp of a pair or strip: position (column "1".."9", "0" for column 10, "ø" top row,
// "n" bottom row), type (M.) and cliché (C.); the middle dot means no criterion.
struct CriteriaSet {
  std::string position = "\xFA";  // "·"
  std::string type = "\xFA";
  std::string cliche = "\xFA";
};

// Result lines 1..26000 of 55 characters, each with a dim flag (true = normal).
class ResultList {
 public:
  ResultList()
      : lines_(kResultListCapacity + 1, std::string(kResultLineLength, ' ')),
        normal_(kResultListCapacity + 1, 1) {}

  // Line n (1..26000), or a blank line outside that range.
  const std::string& line(int n) const;
  bool normal(int n) const { return n >= 1 && n <= kResultListCapacity && normal_[n] != 0; }
  void setNormal(int n, bool normal) {
    if (n >= 1 && n <= kResultListCapacity) normal_[n] = normal ? 1 : 0;
  }
  // Stores a line, padded or cut to 55 characters; false when n is outside 1..26000.
  bool set(int n, std::string text);
  // Every line blank and normal.
  void clear();

 private:
  std::vector<std::string> lines_;
  std::vector<std::uint8_t> normal_;
};

struct RegisterState {
  std::string edition;
  std::string title;  // the edition caption
  std::string value;  // cp865, e.g. "4s", "10\x9b"
  std::string fromPrinting = "1";
  std::string toPrinting = "1";
  std::string highestPrinting = "0";
  int valueColour = 8;
  int setsInUse = 1;  // 1 single stamps, 2 pairs, 3 strips of three
  std::array<CriteriaSet, 3> criteria;
  bool includeUndetermined = false;

  int cursorColumn = 2;  // 1..3 criteria columns, 4 the result list
  int cursorRow = 1;
  int rememberedColumn = 1;  // the form field Left returns to from the list
  int rememberedRow = 5;
  std::string editBuffer;

  ResultList results;
  int lineCount = -1;   // lines in use, the closing line included
  int foundCount = -1;  // matching lines; -1 before any search
  int listOffset = 0;

  std::string lastEdition, lastValue, lastFromPrinting;
  std::string valueWithPrintings;  // the value Esc goes back to when the typed one has none
  bool searching = false;
  bool keyReadOnFrontPageSinceEmptied = false;
};

}  // namespace kolvard
