// What is known of the sheets of a printing: the pane captions from the value's section
// edition + VALUE + "DAU" ("Helark kendes", "Halvark kendes", "Blokke kendes", ...) and the
// watermark direction of a pane from the edition's section edition + "HELARK". Texts are
// cp865.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "data/data_file.hpp"

namespace kolvard {

inline constexpr int kSheetKnowledgeRecord = 160;
inline constexpr int kWatermarkRecord = 36;

// The name of the value's section: edition + value in capitals + "DAU" ("P4SDAU").
std::string sheetKnowledgeSectionName(std::string_view edition, std::string_view value);

// The caption of a pane text (a leading "?" removed first): "Blokke kendes" for a text with
// "Blok"/"blok", "Halvark kendes" for one starting "Halvark", "Helark kendes" for "Helark:",
// the text itself when it holds "som tryk", else "(Helark kendes ikke)".
std::string paneCaption(std::string_view paneText);

struct SheetKnowledge {
  bool found = false;  // the printing has an entry
  std::string information;
  std::array<std::string, 4> paneTexts;  // panes A..D, as stored (character 2 on, trimmed)
  std::array<std::string, 4> captions;   // "(Helark kendes ikke)" where nothing is known
};

// The entry of a printing: the record "T" + printing, one record skipped, the information
// line, one more skipped, then four "I" records for panes A..D. A missing section or entry
// gives "(Helark kendes ikke)" for every pane.
SheetKnowledge readSheetKnowledge(const DataFile& file, std::string_view edition,
                                  std::string_view value, std::string_view printing);

enum class WatermarkDirection { Unknown, Right, Left };

// The watermark record of a pane: 36-byte records whose characters 1-8 are value + printing
// + pane letter (cut to 8, blank-padded) and whose character 9 is ">" or "<"; a record
// starting "*" ends the list.
WatermarkDirection readWatermark(const DataFile& file, const SectionRef& wholeSheets,
                                 std::string_view value, std::string_view printing, char pane);

// "vm " + right arrow (code 26), or left arrow (code 27) + " vm"; empty when unknown.
std::string watermarkMark(WatermarkDirection direction);

}  // namespace kolvard
