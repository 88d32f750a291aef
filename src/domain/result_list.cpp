#include "domain/result_list.hpp"

namespace kolvard {
namespace {

bool inRange(int n) {
  return n >= 1 && n <= kResultListCapacity;
}

}  // namespace

const std::string& ResultList::line(int n) const {
  static const std::string kBlank(kResultLineLength, ' ');
  if (!inRange(n) || static_cast<std::size_t>(n) >= lines_.size()) return kBlank;
  const std::string& text = lines_[static_cast<std::size_t>(n)];
  return text.empty() ? kBlank : text;
}

bool ResultList::normal(int n) const {
  if (!inRange(n)) return false;
  return static_cast<std::size_t>(n) >= normal_.size() || normal_[static_cast<std::size_t>(n)] != 0;
}

void ResultList::setNormal(int n, bool normal) {
  if (!inRange(n)) return;
  const auto at = static_cast<std::size_t>(n);
  if (at >= normal_.size()) {
    if (normal) return;
    normal_.resize(at + 1, 1);
  }
  normal_[at] = normal ? 1 : 0;
}

bool ResultList::set(int n, std::string text) {
  if (!inRange(n)) return false;
  text.resize(kResultLineLength, ' ');
  const auto at = static_cast<std::size_t>(n);
  if (at >= lines_.size()) lines_.resize(at + 1);
  lines_[at] = std::move(text);
  setNormal(n, true);
  return true;
}

void ResultList::clear() {
  lines_.clear();
  normal_.clear();
}

}  // namespace kolvard
