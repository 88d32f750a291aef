// The search's result list: lines 1..26000 of 55 characters, each with a dim flag. Only the
// lines a search has written are held; every other line is blank and normal.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kolvard {

inline constexpr int kResultListCapacity = 26000;
inline constexpr int kResultLineLength = 55;

class ResultList {
 public:
  ResultList() = default;

  // Line n (1..26000), or a blank line outside that range.
  const std::string& line(int n) const;
  bool normal(int n) const;
  void setNormal(int n, bool normal);
  // Stores a line, padded or cut to 55 characters; false when n is outside 1..26000.
  bool set(int n, std::string text);
  // Every line blank and normal.
  void clear();

 private:
  std::vector<std::string> lines_;    // up to the last line written; empty: blank
  std::vector<std::uint8_t> normal_;  // up to the last line dimmed; beyond: normal
};

}  // namespace kolvard
