// The frame data of the two-coloured edition, section "TRAMDAT": 18-byte inverted records
// grouped into frame blocks, each opened by an "E" record with the block's name. A block
// describes a frame setting by what changed since the block before it (transforms "X" and
// frame fields of positions), so the frames of a block are every block from the first up to
// and including it, applied in file order.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/data_file.hpp"
#include "domain/two_colour_field.hpp"

namespace kolvard {

// How the sheet of a printing is laid out: one pane ("1".."100"), panes A and B, or one pane
// whose frames are the B records of the frame data.
enum class SheetLayout : int { OnePane = 1, TwoPanes = 2, OnePaneFromB = 3 };

// The frame block named by a printing's "R" record: trailing blanks removed; a trailing "A"
// removed; a trailing "B" removed and the layout becomes OnePaneFromB; the name padded to 8.
struct FrameBlockReference {
  std::string block = std::string(8, ' ');
  bool fromPaneB = false;
};
FrameBlockReference parseFrameBlockReference(std::string_view characters);

// Applies transform "X" + number to the 200 frame fields (numbers without a transform change
// nothing).
void applyFrameTransform(int number, TwoColourFields& frames);

class FrameData {
 public:
  FrameData() = default;  // no records: no block is known
  // Decodes the whole section once; only complete records count, reading stops at "^F".
  FrameData(const DataFile& file, const SectionRef& section);

  std::size_t recordCount() const { return records_.size(); }
  std::size_t blockCount() const { return blockStart_.size(); }
  bool knowsBlock(std::string_view block) const;

  // The frames of the block named (8 characters, padded here): every record from the section
  // start to the end of that block, applied to blank fields. A name that no block carries
  // gives blank fields and false.
  bool framesOf(std::string_view block, SheetLayout layout, TwoColourFields& frames) const;

 private:
  friend class FrameWalk;
  void applyRecord(std::size_t index, SheetLayout layout, TwoColourFields& frames) const;
  std::size_t blockEnd(std::size_t blockRecord) const;

  std::vector<std::string> records_;                         // decoded, 18 characters each
  std::unordered_map<std::string, std::size_t> blockStart_;  // name -> index of its "E" record
};

// Frames for a run of printings (the register search): going on to a later block applies only
// the records between the two blocks; a block before the last one, or another layout, starts
// from the section start again.
class FrameWalk {
 public:
  explicit FrameWalk(const FrameData& data) : data_(&data) {}
  // The frames of the block (as FrameData::framesOf); valid until the next call.
  const TwoColourFields& framesOf(std::string_view block, SheetLayout layout);

 private:
  const FrameData* data_;
  TwoColourFields frames_;
  std::string block_;  // the block the frames are of; empty before the first call
  SheetLayout layout_ = SheetLayout::TwoPanes;
  std::size_t applied_ = 0;  // records applied so far
  bool known_ = false;
};

}  // namespace kolvard
