// The flaws drawn into the invented cliché pictures and the description that names them:
// frame breaks, colour dots, scratches and retouches, each placed by a small deterministic
// sequence, with the description lines, labels and edge marks of a cliché record. Shared by
// the cliché records of the one-coloured editions and the flaw records of the two-coloured one.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "sample-dat/drawing.hpp"

namespace sampledat {

// The most bytes a record's text part may hold, flag and picture tag included.
inline constexpr int kTextMax = 560;

std::uint32_t hashOf(const std::string& text);
// The number of characters a UTF-8 text has in code page 865 (one byte each).
std::size_t cpLength(const std::string& utf8);

// A small deterministic sequence for the flaws of one cliché.
class Dice {
 public:
  explicit Dice(const std::string& seed) : state_(hashOf(seed)) {}
  int below(int n) {
    state_ = state_ * 1664525U + 1013904223U;
    return static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(n));
  }
  int between(int lo, int hi) { return lo + below(hi - lo + 1); }

 private:
  std::uint32_t state_;
};

struct Description {
  std::array<std::string, 10> lines;  // lines 1..9 (without the digit)
  std::vector<std::string> labels;    // "h40,20,brud"
  std::string marks;                  // "OV03NH05"
};

// Puts a line into the first free slot of the band over picture row r: 1-3 top, 4-6 middle,
// 7-9 bottom.
void addLine(Description& d, int row, std::string text);
// Shift characters that move a line towards the side of its flaw.
std::string indent(int column, Dice& dice);
// A label written on the picture near (column, row).
void label(Description& d, int column, int row, const std::string& word, Dice& dice);

void frameBreak(Bitmap& b, Description& d, Dice& dice);
void colourDot(Bitmap& b, const Design& design, Description& d, Dice& dice);
void scratch(Bitmap& b, const Design& design, Description& d, Dice& dice);
void retouch(Bitmap& b, const Design& design, Description& d, Dice& dice);

// The "$"-separated description items, dropping items from the end until `budget`
// characters hold them.
std::string describe(const Description& d, bool extraOnly, std::size_t budget);

}  // namespace sampledat
