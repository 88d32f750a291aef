// What every fuzz target shares: a check that stops the run with the failed condition, the
// input split into the parts a target needs, and a data file built around section bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/data_file.hpp"

// Stops the run (libFuzzer then keeps the input as a finding) when `condition` does not hold.
#define FUZZ_CHECK(condition)                                                            \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (0)

namespace kolvard::fuzz {

// A copy of bytes in a heap block of exactly their size, so that AddressSanitizer reports a
// read of even one byte past them. (A std::string keeps short texts inside itself, where a
// read past the end goes unnoticed.)
class ExactBuffer {
 public:
  ExactBuffer(const std::uint8_t* data, std::size_t size)
      : bytes_(new std::uint8_t[size == 0 ? 1 : size]), size_(size) {
    for (std::size_t i = 0; i < size; ++i) bytes_[i] = data[i];
  }
  std::size_t size() const { return size_; }
  const std::uint8_t* data() const { return bytes_.get(); }
  std::string_view text() const { return {reinterpret_cast<const char*>(bytes_.get()), size_}; }

 private:
  std::unique_ptr<std::uint8_t[]> bytes_;
  std::size_t size_;
};

// Takes the input apart from the front: single bytes for choices, then the rest.
class InputReader {
 public:
  InputReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  // The next byte, 0 when the input is used up.
  std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  // One of `count` choices.
  std::size_t choice(std::size_t count) { return byte() % count; }
  // Up to `count` bytes.
  std::vector<std::uint8_t> bytes(std::size_t count) {
    const std::size_t n = count < size_ - pos_ ? count : size_ - pos_;
    std::vector<std::uint8_t> out(data_ + pos_, data_ + pos_ + n);
    pos_ += n;
    return out;
  }
  std::vector<std::uint8_t> rest() { return bytes(size_ - pos_); }
  std::string text(std::size_t count) {
    const auto b = bytes(count);
    return std::string(b.begin(), b.end());
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// A data file holding the given sections (cp865 names) behind a sound directory.
DataFile containerOf(
    const std::vector<std::pair<std::string, std::vector<std::uint8_t>>>& sections);

}  // namespace kolvard::fuzz
