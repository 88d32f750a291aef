#include "domain/composite_picture.hpp"

namespace kolvard {

bool hasClicheTypeSet(std::string_view valueKey) {
  return valueKey == "A2s" || valueKey == "A4s";
}

CompositePictureLayout compositePictureLayout(std::string_view edition, int zoom) {
  const int s = zoom;
  const char e = edition.empty() ? ' ' : edition[0];
  switch (e) {
    case 'R':
    case 'C':
      return {912, 24 * s / 4, 46 * s / 4};
    case 'P':
    case 'L':
      return {888, 36 * s / 4, 34 * s / 4};
    case 'A':
      return {980, -24 * s / 4, 34 * s / 4};
    case 'T':
      // The ovals and frames stand 10 units further right than the other editions' pictures.
      return {980, 0, -(10 * s / 4)};
    default:
      return {980, 0, 10 * s / 4};
  }
}

}  // namespace kolvard
