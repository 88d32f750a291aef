// The checks of each family of sections. Each reports into the context, with the offset of
// the byte or record at fault, and reads nothing outside the section it is given (cross
// references go through the context's names).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/data_file.hpp"
#include "kolvard-data/check_context.hpp"
#include "kolvard-data/section_kinds.hpp"

namespace kolvard::datatool {

struct CheckedSection {
  std::string name;  // stored name, cp865
  SectionRef ref;
  SectionClass kind;
};

// check_pictures.cpp: glyph fonts, run-length pictures.
void checkFont(CheckContext& context, const CheckedSection& section);
void checkPicture(CheckContext& context, const CheckedSection& section);

// check_texts.cpp: information texts, printing counts, whole-sheet and sheet texts, printing
// information lines, fixed-size record tables.
void checkInformationText(CheckContext& context, const CheckedSection& section);
void checkPrintingCounts(CheckContext& context, const CheckedSection& section);
void checkWholeSheets(CheckContext& context, const CheckedSection& section);
void checkSheetTexts(CheckContext& context, const CheckedSection& section);
void checkPrintingInformation(CheckContext& context, const CheckedSection& section);
void checkFixedRecords(CheckContext& context, const CheckedSection& section);

// check_printing.cpp: printing data, with each cliché held against its record.
void checkPrintingData(CheckContext& context, const CheckedSection& section);

// check_cliches.cpp: cliché and type records, type pages with each type held against its record.
void checkClicheRecord(CheckContext& context, const CheckedSection& section);
void checkTypePages(CheckContext& context, const CheckedSection& section);

// check_composites.cpp: composite clichés, each held against the count in composite 1 of its
// series.
void checkComposite(CheckContext& context, const CheckedSection& section);

// check_two_colour.cpp: the two-coloured value data and frame data, each flaw number held
// against its record, and the printing order.
void checkTwoColourValueData(CheckContext& context, const CheckedSection& section);
void checkFrameData(CheckContext& context, const CheckedSection& section);
void checkPrintingOrder(CheckContext& context, const CheckedSection& section);

// check_series.cpp: series indexes and series limits.
void checkSeriesIndex(CheckContext& context, const CheckedSection& section);
void checkSeriesLimits(CheckContext& context, const CheckedSection& section);

// Shared by the checks of texts: the first fault of a fixed-width text record, a control
// character or a zero byte inside the text (zero bytes may only pad its end, after some text).
struct TextFault {
  std::size_t at;  // within the record
  std::string what;
};
std::optional<TextFault> textFault(std::string_view record);

// Shared by the checks of run-length pictures: the problems of `rows` expected rows decoded
// from `bytes`, which start at file offset `offset`.
void checkRunLengthRows(CheckContext& context, const std::string& section, std::int64_t offset,
                        std::span<const std::uint8_t> bytes, int rows);

}  // namespace kolvard::datatool
