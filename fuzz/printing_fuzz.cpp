// The printing data of a value: the record reader that the search and the sheet schemas
// drive, the schema's sheet of a printing, and the flaw screens' position table. The
// section is the input after two choice bytes (value, printing).
#include <cstdint>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "domain/position_table.hpp"
#include "domain/printing_record_reader.hpp"
#include "domain/printing_records.hpp"
#include "domain/sheet_schema.hpp"
#include "fuzz_support.hpp"

namespace kolvard {
namespace {

// Values with their own rules in the readers, and an ordinary one.
const std::pair<const char*, const char*> kValues[] = {
    {"P", "4s"}, {"A", "4s"}, {"L", "4s"}, {"I", "3a"}, {"I", "10a"}, {"T", "2s"}, {"C", "4c"}};
const char* const kPrintings[] = {"1", "2", "3", "4", "5", "8b", "10a", "10b", "", "9999"};

void checkTable(const PositionTable& table) {
  for (int i = -1; i <= kPositionTableSize; ++i) {
    for (const auto& field : table.entry(i).fields) FUZZ_CHECK(field.size() <= kWideRecordLength);
  }
}

void checkFormat(const SheetFormat& format) {
  FUZZ_CHECK(format.panes == 1 || format.panes == 2 || format.panes == 4);
}

}  // namespace
}  // namespace kolvard

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kolvard;
  fuzz::InputReader input(data, size);
  const auto [edition, value] = kValues[input.choice(std::size(kValues))];
  const std::string printing = kPrintings[input.choice(std::size(kPrintings))];
  const std::vector<std::uint8_t> section = input.rest();
  const DataFile file = fuzz::containerOf({{printingSectionName(edition, value), section}});
  const SectionRef ref = findPrintingSection(file, edition, value);
  FUZZ_CHECK(ref.found());

  const PrintingRecords records(file, ref);
  FUZZ_CHECK(records.size() == section.size() / kPrintingRecordLength);

  for (const FlagMode mode : {FlagMode::Folded, FlagMode::Raw}) {
    PrintingRecordReader reader(file, ref, edition, value, mode);
    FUZZ_CHECK(reader.recordCount() == records.size());
    for (std::size_t n = 0; n <= reader.recordCount(); ++n) {
      FUZZ_CHECK(reader.record(n).size() == (n < reader.recordCount() ? kWideRecordLength : 0));
    }
    // Every walk through the printings reaches the end mark within one pass over the
    // records and one more call.
    bool ended = false;
    for (std::size_t step = 0; step < reader.recordCount() + 2 && !ended; ++step) {
      const PrintingStep s = reader.nextPrinting();
      ended = s.completed == kEndOfDataPrinting;
      FUZZ_CHECK(reader.extrasCount() >= 0 && reader.extrasCount() <= kMaxExtras);
      checkFormat(reader.format());
      checkTable(reader.positions());
      FUZZ_CHECK(s.completedName.size() <= kWideRecordLength);
      FUZZ_CHECK(s.nextName.size() <= kWideRecordLength);
    }
    FUZZ_CHECK(ended);
    reader.positions().splitStates();
    reader.positions().promoteSecondStates();
    checkTable(reader.positions());
    reader.reset(firstPrintingApplied(edition, value, 3));
    reader.nextPrinting();
    checkTable(reader.positions());
  }

  const SheetOfPrinting sheet = readSheetOfPrinting(file, edition, value, printing);
  FUZZ_CHECK(sheet.sectionFound);
  checkTable(sheet.table);
  checkFormat(sheet.format);
  for (int i = 1; i <= kLastSheetPosition; ++i) {
    isRepeatedCopy(sheet.table, sheet.format.group, i);
    flagMarks(sheet.table.entry(i).flag());
    cellClicheText(edition, value, printing, sheet.table.entry(i).cliche());
  }

  PrintingPositionTable table;
  const PositionTableLoad load = table.load(file, edition, value, printing);
  FUZZ_CHECK(load.sectionFound());
  FUZZ_CHECK(load.recordsApplied >= 0 &&
             static_cast<std::size_t>(load.recordsApplied) <= records.size());
  FUZZ_CHECK(table.paneCount() >= 1 && table.paneCount() <= 4);
  for (int row = -1; row <= kPositionRows; ++row) {
    for (int column = -1; column <= kPositionColumns; ++column) {
      FUZZ_CHECK(table.entry(row, column).size() <= kPositionEntryLength);
    }
    const PrintingPositionEntry entry = table.read(row);
    FUZZ_CHECK(entry.stamp.size() <= 4 && entry.cliche.size() <= 6);
    positionGroupLabel(table.sheetGroup(), entry.cliche, edition, value + printing, row);
  }
  return 0;
}
