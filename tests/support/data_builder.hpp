// Builds small data files in memory for tests: named sections laid out behind the two-level
// directory the program reads.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "data/data_file.hpp"

namespace kolvard::test {

class DataBuilder {
 public:
  DataBuilder& add(std::string name, std::string bytes) {
    sections_.emplace_back(std::move(name), std::move(bytes));
    return *this;
  }
  DataBuilder& add(std::string name, const std::vector<std::uint8_t>& bytes) {
    return add(std::move(name), std::string(bytes.begin(), bytes.end()));
  }
  // The file's bytes: group directory, name directories, then the sections in order.
  std::vector<std::uint8_t> bytes() const;
  DataFile file() const { return DataFile(bytes()); }

 private:
  std::vector<std::pair<std::string, std::string>> sections_;  // cp865 names as given
};

// A glyph record of `size` bytes: ascent, width, and rows given as strings of '#' and '.'.
std::string glyphRecord(int size, int ascent, int width, const std::vector<std::string>& rows);
// A font section of 256 records, all empty but the given ones.
std::string fontSection(int recordSize,
                        const std::vector<std::pair<std::uint8_t, std::string>>& glyphs);

}  // namespace kolvard::test
