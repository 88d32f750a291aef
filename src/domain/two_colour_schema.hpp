// What the frame and oval schemas of the two-coloured edition show for one pane of a printing:
// the cell texts of the oval and the frame grid, the frame setting's label, period, title and
// description, whether the pane is turned, and the full-sheet lines under the grids. The
// schema screen and the schema prints both take their texts from here. Texts are cp865.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "data/data_file.hpp"
#include "domain/two_colour_positions.hpp"

namespace kolvard {

// The pane a schema shows: the single pane of a one-pane printing, or pane A or B.
enum class SchemaPane { Single = 0, A = 1, B = 2 };

// "A", "B", or empty for the single pane.
std::string_view schemaPaneLetter(SchemaPane pane);

// The printings that are always shown as one pane ("16ø" every printing, "2s" printing "3a",
// "5ø" printings "2" and "4", ...).
bool isSinglePanePrinting(std::string_view value, std::string_view printing);

// The printings whose position data need one more load step than their place in the value's
// printing order gives ("2s3b", "4s12", "8ø9b-10", ...).
bool needsExtraLoadStep(std::string_view value, std::string_view printing);

// A flaw number as a cell shows it: right-trimmed, and a number longer than five characters
// that holds "." from its "." on ("12.105" gives ".105").
std::string shortenedFlawNumber(std::string_view number);

// A stored frame flaw number with its setting code turned into the shown setting ("58.12"
// gives "28.12", "18.3" gives "5.3"); other numbers unchanged.
std::string shownFrameFlawText(std::string_view stored);

struct SchemaCell {
  std::string line1;      // the type
  std::string line2;      // the flaw number as shown
  bool grey = false;      // a frame drawn grey (marker "z")
  bool framed = false;    // the position's frame kind is not blank
  std::string recordKey;  // the section of the cell's flaw record ("T4s2-17", "T58-12"), or empty
};

// The 100 cells of a pane, row by row: cell 10*r + (c - 1) is position 10*r + c (+ 100 on B).
using SchemaGrid = std::array<SchemaCell, 100>;

SchemaGrid ovalSchemaGrid(const TwoColourPositionTable& table, std::string_view value,
                          SchemaPane pane);
SchemaGrid frameSchemaGrid(const TwoColourPositionTable& table, SchemaPane pane);

// The frame setting of the pane as its header shows it.
struct FrameSchemaHeader {
  std::string period;  // "1", "2" or empty, from the frame flaw number of the pane's position 1
  std::string label;   // the setting label with its pane suffix and grave accent ("5A", "44A`10")
  int labelValue = 0;  // the label's leading number (0 when it has none)
  std::string title;   // "Setting 5A (2. periode)" or "Rammesetting"
  std::string description;  // the setting's line of the edition's "SERIER" section, trimmed
};

FrameSchemaHeader frameSchemaHeader(const DataFile& file, const TwoColourPositionTable& table,
                                    SchemaPane pane);

// A pane with more than 50 inverted frames whose label does not start with "44" is turned.
bool isTurnedPane(const TwoColourPositionTable& table, SchemaPane pane, std::string_view label);

struct FullSheetLine {
  std::string text;
  int palette = 1;  // 1 known, 8 not known or a note
};

// The oval side's line from the value's "DAU" section for the printing and pane.
FullSheetLine ovalFullSheetLine(const DataFile& file, std::string_view edition,
                                std::string_view value, std::string_view printing, SchemaPane pane);
// The frame side's line: the "HELARK" record keyed by the label part of the frame title after
// "Setting ", else "Helark kendes".
FullSheetLine frameFullSheetLine(const DataFile& file, const SectionRef& wholeSheets,
                                 std::string_view title);

}  // namespace kolvard
