// Writing the generated sources of the sample set: texts, bytes, P4 PBM pictures, and the
// stored form of a section name.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "kolvard-data/bitmap.hpp"

namespace sampledat {

// A UTF-8 name in the lookup's stored form: "ø" and "Ø" as "O", upper case.
std::string upper(const std::string& utf8);
// The key digit of d: "0".."9", then "A".."Z".
char digit(int d);
void writeText(const std::filesystem::path& path, const std::string& text);
void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
// P4 PBM, written straight from the ink bytes.
std::vector<std::uint8_t> pbm(const kolvard::datatool::Bitmap& b);

}  // namespace sampledat

namespace sampledat {

// The source of one record of kind `cliche`: tagged fields and a 383-row picture.
struct RecordSource {
  std::string key;      // the stored section name
  std::string comment;  // the first line of the source
  std::vector<std::pair<char, std::string>> fields;
  const kolvard::datatool::Bitmap* picture = nullptr;
  char orientation = ' ';  // the record's first byte
};

// Writes DIR/FOLDER/KEY.txt and .pbm and appends the manifest line.
void writeRecordSource(const std::filesystem::path& dir, const std::string& folder,
                       const RecordSource& record, std::string& manifest);

}  // namespace sampledat
