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

// The setting label of a pane from the printing's frame block reference: "18" shown as "5",
// the pane suffix ("A"/"B", or a block mark on the single pane) added, then the first grave
// accent and the first block mark after the first character removed. Not yet shortened (see
// shortenedSettingLabel).
std::string frameSettingLabel(std::string_view blockLabel, SchemaPane pane);
// The seven long labels the header shortens ("11B" grave "a" gives "11B", "44A" grave "1" "0"
// gives "44A" grave "10"); others unchanged.
std::string shortenedSettingLabel(std::string_view label);
// The period of a frame setting from the first two characters of a stored frame flaw number:
// "1", "2" or empty.
std::string periodOfFrameFlaw(std::string_view storedFrameFlaw);
// "Rammesetting" for a label value of 51 or more, else "Setting " + label, with
// " (" + period + ". periode)" for a label starting "5" when the period is known.
std::string frameSchemaTitle(std::string_view label, int labelValue, std::string_view period);

// A pane with more than 50 inverted frames whose label does not start with "44" is turned.
bool isTurnedPane(const TwoColourPositionTable& table, SchemaPane pane, std::string_view label);

// The watermark mark of a pane: "vm " + right arrow on pane A with side 1 or pane B with side
// 2, left arrow + " vm" the other way round; empty on the single pane or an unknown side.
std::string schemaWatermarkMark(int watermarkSide, SchemaPane pane);

// The names the schema prints are stored under: "#T" + value + printing + pane letter,
// "#Set" + setting label (+ "-" + period for setting 5 with a known period), "#Kol" + value +
// printing + pane letter.
std::string ovalSchemaPrintTag(std::string_view value, std::string_view printing, SchemaPane pane);
std::string frameSchemaPrintTag(const FrameSchemaHeader& header);
std::string bothSchemasPrintTag(std::string_view value, std::string_view printing, SchemaPane pane);

struct FullSheetLine {
  std::string text;
  int palette = 1;  // 1 known, 8 not known or a note
};

// The oval side's line for one stored pane text (the "I" line without its "I"): a leading "?"
// dropped; a text with "Blok"/"blok" trimmed, its last three characters and a trailing ":"
// dropped and " kendes" appended; "Helark:" gives "Helark kendes"; a "som tryk" text as it
// is; anything else "(Helark kendes ikke)".
FullSheetLine ovalFullSheetLineOf(std::string_view paneText);

// The oval side's line from the value's "DAU" section for the printing and pane.
FullSheetLine ovalFullSheetLine(const DataFile& file, std::string_view edition,
                                std::string_view value, std::string_view printing, SchemaPane pane);
// The frame side's line: the "HELARK" record keyed by the label part of the frame title after
// "Setting ", else "Helark kendes".
FullSheetLine frameFullSheetLine(const DataFile& file, const SectionRef& wholeSheets,
                                 std::string_view title);

}  // namespace kolvard
