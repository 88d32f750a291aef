// The search's result list: lines 1..26000 of 55 characters, each with a dim flag.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kolvard {

inline constexpr int kResultListCapacity = 26000;
inline constexpr int kResultLineLength = 55;

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

}  // namespace kolvard
