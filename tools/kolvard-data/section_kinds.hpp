// The kinds of section the checker knows, told apart by name: fixed names (fonts, texts,
// the per-edition tables), names built from an edition and a value (pictures, printing data,
// sheet texts, series limits, printing information) and record keys (cliché records, type
// records, composite clichés).
#pragma once

#include <string>
#include <string_view>

namespace kolvard::datatool {

enum class SectionKind {
  Unknown,
  Font,
  Picture,              // run-length picture with a leading unused byte
  InformationText,      // 160-byte lines
  PrintingCounts,       // edition + "RFANTAL"
  WholeSheets,          // edition + "HELARK", 36-byte records
  TypePages,            // edition + "TYPER"
  SeriesIndex,          // edition + "CSERIER", 16-byte records
  SeriesLimits,         // edition + value + "0"
  SheetTexts,           // edition + value + "DAU", 160-byte records
  PrintingData,         // edition + value + "DAT", 18-byte inverted records
  PrintingInformation,  // edition + "D" + value + printing, 120-byte inverted lines
  ClicheRecord,         // edition + value + series + "-" + running number; "T" + setting
                        // + "-" + running number for a frame flaw
  TypeRecord,           // edition + value + "M" + type; "TM" + type for the frame types
  Composite,            // edition + "F" + value + series + "-" + code, or "Q" + value + "1-" + code
  FixedRecords,         // the frame setting descriptions "TSERIER": fixed-size text records
  TwoColourValueData,   // "T" + value + "DAT": printing blocks with frame block references
  FrameData,            // "TRAMDAT": frame blocks, transforms and frame fields
  PrintingOrder,        // "TTRYK": 320-byte records, record s labelled s
};

struct SectionClass {
  SectionKind kind = SectionKind::Unknown;
  std::string edition;  // cp865, one letter; empty for the shared sections
  std::string value;    // cp865 as the program writes it ("5ø"); empty where none
  int rows = 0;         // Picture: the rows its caller reads
  int recordSize = 0;   // Font: glyph record size; FixedRecords: record size
  char set = 0;         // Composite: 'F' or 'Q'
  int series = 0;       // Composite: the series
  int composite = 0;    // Composite: its number, 1..48
};

// What the section of a stored name (upper case, "ø" as "O", no padding) holds.
SectionClass classifySection(std::string_view storedName);

}  // namespace kolvard::datatool
