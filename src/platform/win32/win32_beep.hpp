// The beep as a WAV file in memory: a tenth of a second of an 880 Hz square wave, softened
// at both ends, the same tone as the SDL window's.
#pragma once

#include <cstdint>
#include <vector>

namespace kolvard {

std::vector<std::uint8_t> beepWave();

}  // namespace kolvard
