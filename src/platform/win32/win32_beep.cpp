#include "platform/win32/win32_beep.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string_view>

namespace kolvard {
namespace {

constexpr int kBeepRate = 22050;
constexpr double kBeepSeconds = 0.1;
constexpr double kBeepHz = 880.0;
constexpr double kBeepAmplitude = 6000.0;

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void put(std::vector<std::uint8_t>& out, std::string_view tag) {
  out.insert(out.end(), tag.begin(), tag.end());
}

}  // namespace

std::vector<std::uint8_t> beepWave() {
  const auto count = static_cast<std::size_t>(std::lround(kBeepRate * kBeepSeconds));
  const auto ramp = static_cast<std::size_t>(kBeepRate / 200);  // 5 ms fade in and out
  const auto dataBytes = static_cast<std::uint32_t>(count * 2);
  std::vector<std::uint8_t> wave;
  wave.reserve(44 + dataBytes);
  put(wave, "RIFF");
  put(wave, 36 + dataBytes, 4);
  put(wave, "WAVEfmt ");
  put(wave, 16, 4);             // size of the format chunk
  put(wave, 1, 2);              // PCM
  put(wave, 1, 2);              // mono
  put(wave, kBeepRate, 4);      // samples a second
  put(wave, kBeepRate * 2, 4);  // bytes a second
  put(wave, 2, 2);              // bytes a sample
  put(wave, 16, 2);             // bits a sample
  put(wave, "data");
  put(wave, dataBytes, 4);
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kBeepRate;
    double level = std::fmod(t * kBeepHz, 1.0) < 0.5 ? 1.0 : -1.0;
    const std::size_t edge = std::min(i, count - 1 - i);
    if (edge < ramp) level *= static_cast<double>(edge) / static_cast<double>(ramp);
    const auto sample = static_cast<std::int16_t>(std::lround(level * kBeepAmplitude));
    put(wave, static_cast<std::uint16_t>(sample), 2);
  }
  return wave;
}

}  // namespace kolvard
