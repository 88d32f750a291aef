// The two-coloured edition's tables: the value data (printing blocks, each with its frame
// block reference), the frame data (blocks, transforms, frame fields) and the printing order.
// Every flaw number a table names must have its flaw record.
#include <string>
#include <string_view>

#include "data/text_fields.hpp"
#include "domain/cliche_record.hpp"
#include "domain/printing_records.hpp"
#include "kolvard-data/check_sections.hpp"

namespace kolvard::datatool {
namespace {

constexpr std::size_t kOrderRecord = 320;

std::string quoted(std::string_view record) {
  return "\"" + std::string(withoutTrailingBlanks(record)) + "\"";
}

int leadingNumber(std::string_view text, bool& ok) {
  int n = 0;
  ok = !text.empty();
  for (const char c : text) {
    if (c < '0' || c > '9') {
      ok = false;
      break;
    }
    n = n * 10 + (c - '0');
  }
  return n;
}

// Walks the 18-byte records of a section: whole records, the end mark and nothing after it.
template <typename Each>
void walkRecords(CheckContext& context, const CheckedSection& section, Each each) {
  const std::int64_t length = section.ref.length();
  const auto size = static_cast<std::int64_t>(kPrintingRecordLength);
  if (length % size != 0) {
    context.report(section.name, section.ref.start + length / size * size,
                   "the section ends with " + std::to_string(length % size) +
                       " bytes, not a whole 18-byte record");
  }
  const PrintingRecords records(context.file(), section.ref);
  for (std::size_t n = 0; n < records.size(); ++n) {
    const PrintingRecord r = records[n];
    const std::string_view record(r.data(), r.size());
    const std::int64_t at = section.ref.start + static_cast<std::int64_t>(n) * size;
    if (record.starts_with("^F")) {
      if (n + 1 < records.size()) {
        context.report(section.name, at + size,
                       std::to_string(records.size() - n - 1) +
                           " records follow the end mark and are never read");
      }
      return;
    }
    each(record, at);
  }
  context.report(section.name, section.ref.start + length, "the section has no end mark (\"^F\")");
}

// A position record: the place within its pane and, when the file holds flaw records of its
// kind (oval records of the value, frame records), the flaw record of its field.
void checkPosition(CheckContext& context, const CheckedSection& section, std::string_view record,
                   std::int64_t at, const std::string& recordKeyOf, bool crossCheck) {
  const bool pane = record[0] == 'A' || record[0] == 'B';
  bool ok = false;
  const int place = leadingNumber(trimmed(record.substr(pane ? 1 : 0, 3)), ok);
  if (!ok || place < 1 || place > (pane ? 100 : 200)) {
    context.report(section.name, at, "the position of " + quoted(record) + " is not on the sheet");
  }
  const std::string flaw(trimmed(record.substr(12, 6)));
  if (flaw.empty() || !crossCheck) return;
  const std::string key = clicheRecordKey(recordKeyOf, flaw);
  if (!context.has(key)) {
    context.report(
        section.name, at,
        "flaw " + flaw + " of " + quoted(record) + " has no record " + storedSectionName(key));
  }
}

bool isPosition(char c) {
  return c == 'A' || c == 'B' || (c >= '1' && c <= '9');
}

}  // namespace

void checkTwoColourValueData(CheckContext& context, const CheckedSection& section) {
  const std::string valueKey = "T" + section.kind.value;
  const bool crossCheck = context.hasClicheRecordsOf(storedSectionName(valueKey));
  std::string printing;
  bool referenced = true;
  const auto closePrinting = [&](std::int64_t at) {
    if (!printing.empty() && !referenced) {
      context.report(section.name, at,
                     "printing " + printing + " has no frame block reference (\"R\" record)");
    }
  };
  std::int64_t last = section.ref.start;
  walkRecords(context, section, [&](std::string_view record, std::int64_t at) {
    last = at;
    const char kind = record[0];
    if (kind == 'T') {
      closePrinting(at);
      printing = std::string(trimmed(record.substr(1, 8)));
      referenced = false;
    } else if (kind == 'R') {
      referenced = true;
      if (trimmed(record.substr(1, 8)).empty()) {
        context.report(section.name, at, "printing " + printing + " names no frame block");
      }
    } else if (isPosition(kind)) {
      checkPosition(context, section, record, at, valueKey, crossCheck);
    } else if (kind == 'W') {
      if (record[1] != '1' && record[1] != '2')
        context.report(section.name, at, "the watermark side " + quoted(record) + " is not 1 or 2");
    } else if (kind != 'I' && kind != 'F' && kind != 'X') {
      context.report(section.name, at, "the record " + quoted(record) + " is of no known kind");
    }
  });
  closePrinting(last);
}

void checkFrameData(CheckContext& context, const CheckedSection& section) {
  // Frame flaw records are noted under the edition letter alone.
  const bool crossCheck = context.hasClicheRecordsOf("T");
  walkRecords(context, section, [&](std::string_view record, std::int64_t at) {
    const char kind = record[0];
    if (kind == 'E') {
      if (trimmed(record.substr(1, 8)).empty())
        context.report(section.name, at, "a frame block without a name");
    } else if (kind == 'X') {
      bool ok = false;
      const int n = leadingNumber(trimmed(record.substr(1)), ok);
      if (!ok || n == 1 || n > 10)
        context.report(section.name, at, "the transform " + quoted(record) + " does nothing");
    } else if (isPosition(kind)) {
      const std::string flaw(trimmed(record.substr(12, 6)));
      const auto dot = flaw.find('.');
      bool ok = false;
      const int code = leadingNumber(flaw.substr(0, dot), ok);
      if (!flaw.empty() && (dot == std::string::npos || !ok || code < 1 || code > 73)) {
        context.report(section.name, at,
                       "the frame flaw of " + quoted(record) + " names no setting 1 to 73");
        return;
      }
      const std::string setting = flaw.empty() ? "" : flaw.substr(0, dot);
      std::string field(record);
      if (!flaw.empty())
        field.replace(12, 6, flaw.substr(dot + 1) + std::string(6 - (flaw.size() - dot - 1), ' '));
      checkPosition(context, section, field, at, "T" + setting, crossCheck);
    } else {
      context.report(section.name, at, "the record " + quoted(record) + " is of no known kind");
    }
  });
}

void checkPrintingOrder(CheckContext& context, const CheckedSection& section) {
  const auto bytes = context.file().sectionBytes(section.ref);
  if (bytes.size() % kOrderRecord != 0) {
    context.report(section.name, section.ref.start,
                   "the section is not whole " + std::to_string(kOrderRecord) + "-byte records");
  }
  for (std::size_t s = 1; s * kOrderRecord <= bytes.size(); ++s) {
    const std::string_view record(
        reinterpret_cast<const char*>(bytes.data()) + (s - 1) * kOrderRecord, kOrderRecord);
    const auto comma = record.find(',');
    const std::int64_t at = section.ref.start + static_cast<std::int64_t>((s - 1) * kOrderRecord);
    if (comma == std::string_view::npos || record.substr(0, comma) != std::to_string(s)) {
      context.report(section.name, at,
                     "record " + std::to_string(s) + " is not labelled " + std::to_string(s));
      continue;
    }
    // The fields are text up to the last ","; what follows is filler.
    if (const auto fault = textFault(record.substr(0, record.rfind(',')))) {
      context.report(section.name, at + static_cast<std::int64_t>(fault->at),
                     "record " + std::to_string(s) + " " + fault->what);
    }
  }
}

}  // namespace kolvard::datatool
