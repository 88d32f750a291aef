#include "domain/two_colour_field.hpp"

#include <algorithm>

namespace kolvard {
namespace {

std::string trimmed(const char* begin, const char* end) {
  while (end > begin && end[-1] == ' ') --end;
  return {begin, end};
}

}  // namespace

TwoColourField TwoColourField::fromText(std::string_view chars) {
  TwoColourField field;
  std::copy_n(chars.begin(), std::min(chars.size(), kTwoColourFieldLength), field.text.begin());
  return field;
}

std::string TwoColourField::type() const {
  return trimmed(&text[2], &text[6]);
}

std::string TwoColourField::flawNumber() const {
  return trimmed(&text[6], text.data() + text.size());
}

char frameKindLetter(char storedKind) {
  switch (storedKind) {
    case 'O':
    case kDownArrowKind:
      return 'O';
    case 'T':
    case 'U':
      return storedKind;
    default:
      return 'R';
  }
}

bool isInvertedFrameKind(char storedKind) {
  return storedKind == 'O' || storedKind == 'U' || storedKind == kDownArrowKind;
}

}  // namespace kolvard
