#include "domain/result_list.hpp"

#include <algorithm>

namespace kolvard {

const std::string& ResultList::line(int n) const {
  static const std::string kBlank(kResultLineLength, ' ');
  return n >= 1 && n <= kResultListCapacity ? lines_[static_cast<std::size_t>(n)] : kBlank;
}

bool ResultList::set(int n, std::string text) {
  if (n < 1 || n > kResultListCapacity) return false;
  text.resize(kResultLineLength, ' ');
  lines_[static_cast<std::size_t>(n)] = std::move(text);
  normal_[static_cast<std::size_t>(n)] = 1;
  return true;
}

void ResultList::clear() {
  for (auto& l : lines_) l.assign(kResultLineLength, ' ');
  std::fill(normal_.begin(), normal_.end(), 1);
}

}  // namespace kolvard
