// The register search of the two-coloured edition: as the one-coloured search, but a stamp is
// described by its frame (kind and type, from the frame data block its printing names) and its
// oval (type and flaw, from the value's printing data), and a result line always shows the
// stamps p, p + 1 and p + 2.
#pragma once

#include <string>
#include <vector>

#include "data/data_file.hpp"
#include "domain/frame_data.hpp"
#include "domain/search.hpp"

namespace kolvard {

// The frame of a sheet position as the register reads it.
struct FramePosition {
  char kind = 'R';         // "R", "O", "T" or "U"
  std::string type;        // RM., right-trimmed
  bool uncertain = false;  // the frame field is marked "?"
};

// The frames of one printing, index 0..440 as the position table (the frames are 1..200; the
// rest stays upright and blank).
class FramePositionTable {
 public:
  FramePositionTable() : entries_(kEntries) {}
  const FramePosition& entry(int index) const {
    return entries_[index >= 0 && index < kEntries ? static_cast<std::size_t>(index) : 0];
  }
  // Positions 1..200 from frame fields.
  void fill(const TwoColourFields& frames);

 private:
  static constexpr int kEntries = 441;
  std::vector<FramePosition> entries_;
};

// Frame type (RM.): "÷" none, "*" any (on positions above 200 only without a position
// criterion), "·" no test, else the frame type starts with the criterion's one or two
// characters.
bool frameTypeCriterionMet(const std::string& criterion, const std::string& frameType,
                           bool anyGivenAllowed);

// Searches the printings of the scope (edition "T") with the criteria, the frames taken from
// `frames`. Fills the list as runSearch does.
SearchSummary runTwoColourSearch(const SearchScope& scope, const SearchCriteria& criteria,
                                 SearchList& list, const DataFile& file, const FrameData& frames,
                                 SearchProgress* progress);

}  // namespace kolvard
