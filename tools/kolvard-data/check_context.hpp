// What the checks of one data file share: the file, its sections by stored name (so that a
// cross reference is one hash lookup, not a walk of the directory), and the problems found.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "data/data_file.hpp"

namespace kolvard::datatool {

// The first fault found in a section, and how many more it holds.
struct DataProblem {
  std::string section;  // cp865, may be empty
  std::int64_t offset = 0;
  std::string what;    // plain English, names in cp865
  int moreFaults = 0;  // further faults of the same section, folded into this line
};

class CheckContext {
 public:
  explicit CheckContext(const DataFile& file);

  const DataFile& file() const { return file_; }
  // Whether a section of this name (in any spelling the lookup accepts) is in the file.
  bool has(std::string_view name) const;
  // The section of a name; not found when it is not there.
  SectionRef section(std::string_view name) const;

  // Value keys (edition + value as stored, "P4S", "V5O") of which the file holds cliché
  // records: only their printing data is held against the records.
  void noteClicheRecordsOf(std::string storedValueKey) {
    valuesWithCliches_.insert(std::move(storedValueKey));
  }
  bool hasClicheRecordsOf(const std::string& storedValueKey) const {
    return valuesWithCliches_.contains(storedValueKey);
  }

  // A fault of the section being checked: the first one of a section is kept, the others
  // counted with it (a section overwritten with random bytes holds thousands).
  // The frame flaw records ("T" + stored setting code + "-" + coded running number): the
  // highest running number of each code, which the code's flaw count must reach.
  void noteFrameFlawRecord(int code, int running, const std::string& name) {
    auto& highest = highestFrameFlaws_[code];
    if (running > highest.first) highest = {running, name};
  }
  const std::map<int, std::pair<int, std::string>>& highestFrameFlaws() const {
    return highestFrameFlaws_;
  }

  void report(std::string section, std::int64_t offset, std::string what) {
    if (!problems_.empty() && problems_.back().section == section) {
      ++problems_.back().moreFaults;
      return;
    }
    problems_.push_back({std::move(section), offset, std::move(what), 0});
  }
  std::vector<DataProblem> takeProblems() { return std::move(problems_); }

 private:
  const DataFile& file_;
  std::unordered_map<std::string, SectionRef> sections_;
  std::unordered_set<std::string> valuesWithCliches_;
  std::map<int, std::pair<int, std::string>> highestFrameFlaws_;
  std::vector<DataProblem> problems_;
};

// The stored form of a name: the lookup form without its padding blanks.
std::string storedSectionName(std::string_view name);

}  // namespace kolvard::datatool
