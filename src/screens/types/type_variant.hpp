// What tells the type screens of the editions apart: the record form of the type section and
// the edition it is read for, how the last index is known, the type records and how their
// descriptions are drawn, the headings, labels and colours, and the "V"/"R" entry. The grid,
// the paging and the keys are the same for both.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "domain/cliche_record.hpp"
#include "domain/type_pages.hpp"
#include "screens/types/watermark_page.hpp"

namespace kolvard {

class DataFile;
class Screen;
class Selection;
struct ClichePicturePlace;
struct Session;

// A type's record as the page draws it, read once a visit.
struct TypeDrawing {
  bool found = false;  // the record can be drawn
  bool hasPicture = false;
  std::string description;
  std::vector<ClichePictureRow> rows;
};

struct TypeVariant {
  TypeRecordForm form;
  WatermarkGuide watermark;
  // The section's edition letter for the selection.
  std::string (*sectionEdition)(const Selection& selection);
  // The last index on entry, from the one kept since the last visit (`kept`, or none when the
  // section's edition changed) and the pages read.
  int (*lastIndexOnEntry)(const TypePages& pages, std::string_view edition,
                          std::optional<int> kept);
  bool endMetOnFirstMiss;  // a miss from the kept index makes the last page known
  bool beepsAtLastIndex;   // Down, Right and PgDn at the last index
  // A blank type, or one that cannot be drawn, ends the page (`missingText` said in its cell).
  bool gapEndsPage;
  const char* missingText;  // cp865; nullptr: a type without a record shows its label alone

  std::string (*recordKey)(std::string_view edition, std::string_view value, std::string_view type);
  TypeDrawing (*readDrawing)(const DataFile& data, const std::string& key);
  void (*drawDescription)(Screen& screen, std::string_view description, double panelX, double baseY,
                          const ClichePicturePlace& place);
  std::string (*label)(const TypePage& page, std::string_view type);
  std::string (*heading)(const TypePage& page, const Session& session, std::string_view edition);
  std::string (*pageText)(int page, int pages);
  int (*colour)(const TypePage& page, const Selection& selection, std::string_view edition);
  // "V" or "R" (`frames`): the prompt and the value field to find; none after Esc.
  std::optional<std::string> (*askValue)(Session& session, const std::string& shownValue,
                                         bool frames);
};

const TypeVariant& oneColouredTypes();
const TypeVariant& twoColouredTypes();

}  // namespace kolvard
