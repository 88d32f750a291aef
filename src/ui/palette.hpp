// The colour palette: 31 slots, of which 1-27 are filled at start-up. Screens name colours
// by palette index only.
#pragma once

#include <array>

#include "ui/framebuffer.hpp"

namespace kolvard {

class Palette {
 public:
  static constexpr int kSize = 31;
  Palette();  // the program's colours

  Rgb operator[](int index) const {
    return index >= 0 && index < kSize ? colours_[static_cast<std::size_t>(index)] : 0;
  }

 private:
  std::array<Rgb, kSize> colours_{};
};

// Roles of the palette entries that recur on every screen.
namespace colour {
inline constexpr int kBlack = 1;       // lines and bitmap-font text
inline constexpr int kGreen = 2;       // hot-key characters, export messages
inline constexpr int kDarkGrey = 8;    // default text, window frames and side panels
inline constexpr int kSlateText = 10;  // information texts
inline constexpr int kKeyFace = 11;    // key-box face
inline constexpr int kRed = 12;        // messages, negative states
inline constexpr int kWhite = 15;      // background, white panels, key-box captions
inline constexpr int kKeyShadow = 16;  // key-box shadow
}  // namespace colour

}  // namespace kolvard
