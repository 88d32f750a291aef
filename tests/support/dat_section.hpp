// Printing-data sections for tests, written as readable 18-character records.
#pragma once

#include <string>
#include <vector>

#include "data/data_file.hpp"
#include "data/inverted_record.hpp"
#include "support/data_builder.hpp"

namespace kolvard::test {

// A record as text, padded or cut to 18 characters.
inline std::string datRecord(std::string text) {
  text.resize(kPositionRecordSize, ' ');
  return text;
}

// A position record: designation (characters 1..5), change mark (6), extra mark (7),
// flag (8), type (9..12), cliché (13..18).
inline std::string positionRecord(const std::string& designation, const std::string& type,
                                  const std::string& cliche, char flag = ' ', char mark = ' ',
                                  char extraMark = ' ') {
  std::string r = designation;
  r.resize(5, ' ');
  r += mark;
  r += extraMark;
  r += flag;
  std::string t = type;
  t.resize(4, ' ');
  std::string c = cliche;
  c.resize(6, ' ');
  return r + t + c;
}

// The stored (coded) bytes of a section holding these records in order.
inline std::string datSection(const std::vector<std::string>& records) {
  std::string bytes;
  for (const auto& r : records) bytes += encodeInvertedRecord(datRecord(r));
  return bytes;
}

inline DataFile datFile(const std::string& sectionName, const std::string& bytes) {
  return DataBuilder().add(sectionName, bytes).file();
}

}  // namespace kolvard::test
