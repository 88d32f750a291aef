// The position table of one printing of a two-coloured value: for each of the 200 sheet
// positions its oval field (from the value's section edition + value + "DAT") and its frame
// field (from the frame block the printing names in the frame data "TRAMDAT"), and how the
// sheet is laid out. The printing blocks of the value section are cumulative: a printing
// holds only what changed since the printing before it, so the records from the first
// printing up to and including the wanted one are applied.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/data_file.hpp"
#include "domain/frame_data.hpp"
#include "domain/printing_records.hpp"
#include "domain/two_colour_field.hpp"

namespace kolvard {

// A sheet position as the selection holds it: "A17", "B5" or "17", and its index 1..200.
struct TwoColourPosition {
  std::string text;
  int index = 1;
};

struct TwoColourLoad {
  int sectionStatus = kSectionNotFound;  // the lookup status of the value section
  bool printingFound = false;            // the printing's "T" record was seen
  bool frameBlockFound = false;          // the frame data holds the block the printing names

  bool sectionFound() const { return sectionStatus == kSectionFound; }
};

class TwoColourPositionTable {
 public:
  // Fills the table for the printing. Both rows start blank. A printing that the section
  // does not name gets every record of the section (printingFound false); a missing section
  // leaves blank rows. A section without a format record ("F") is one pane. The value section is
  // decoded once and kept for the following loads of the same value.
  // `extraSteps` more printing blocks after the wanted one are applied as well (the schemas of
  // a few printings show the sheet one step on).
  TwoColourLoad load(const DataFile& file, const FrameData& frameData, std::string_view edition,
                     std::string_view value, std::string_view printing, int extraSteps = 0);

  const TwoColourField& oval(int index) const { return ovals_[index]; }
  const TwoColourField& frame(int index) const { return frames_[index]; }
  const TwoColourFields& ovals() const { return ovals_; }
  const TwoColourFields& frames() const { return frames_; }
  SheetLayout layout() const { return layout_; }
  // The frame block the printing named, trimmed ("27B" gives block "27" and layout 3).
  const FrameBlockReference& frameBlock() const { return block_; }
  // The frame block reference as the printing names it, trailing blanks removed ("27B", "18").
  const std::string& frameBlockLabel() const { return blockLabel_; }
  // The side of the sheet the watermark lies on, from a "W" record (character 2 "1" or "2");
  // 0 when the printings up to the wanted one name none.
  int watermarkSide() const { return watermarkSide_; }
  // How often a value section has been decoded (each value once while it stays loaded).
  std::size_t sectionDecodes() const { return decodes_; }

 private:
  void decodeSection(const DataFile& file, const SectionRef& section);
  void applyRecord(const PrintingRecord& r, int& informationCount);

  TwoColourFields ovals_;
  TwoColourFields frames_;
  SheetLayout layout_ = SheetLayout::OnePane;
  FrameBlockReference block_;
  std::string blockLabel_;
  int watermarkSide_ = 0;

  // The decoded records of the value section last read, up to its end mark.
  const DataFile* decodedFile_ = nullptr;
  SectionRef decodedSection_;
  std::vector<PrintingRecord> records_;
  std::size_t decodes_ = 0;
};

// The position fitted to a layout: on one pane (layouts 1 and 3) a leading "A" or "B" goes and
// an index above 100 loses 100; on two panes a position without a pane letter gets "A".
void fitPositionToLayout(SheetLayout layout, TwoColourPosition& position);

// Loads the table and fits the position to the printing's layout (a missing section leaves
// the position as it is).
TwoColourLoad loadPositionTable(TwoColourPositionTable& table, const DataFile& file,
                                const FrameData& frameData, std::string_view edition,
                                std::string_view value, std::string_view printing,
                                TwoColourPosition& position, int extraSteps = 0);

}  // namespace kolvard
