#include <string>
#include <string_view>
#include <unordered_set>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/cliche_record.hpp"
#include "domain/printing_record_reader.hpp"
#include "domain/printing_records.hpp"
#include "kolvard-data/check_sections.hpp"

namespace kolvard::datatool {
namespace {

constexpr std::size_t kDesignation = 5;
constexpr std::size_t kClicheStart = 12;  // characters 13..18
constexpr std::size_t kClicheWidth = 6;

std::string shown(std::string_view record) {
  return "\"" + std::string(withoutTrailingBlanks(record)) + "\"";
}

class PrintingDataCheck {
 public:
  PrintingDataCheck(CheckContext& context, const CheckedSection& section)
      : context_(context),
        section_(section),
        valueKey_(section.kind.edition + section.kind.value),
        crossCheck_(context.hasClicheRecordsOf(storedSectionName(valueKey_))) {}

  void run() {
    const std::int64_t length = section_.ref.length();
    if (length % kPrintingRecordLength != 0) {
      report(length / kPrintingRecordLength * kPrintingRecordLength,
             "the section ends with " + std::to_string(length % kPrintingRecordLength) +
                 " bytes, not a whole 18-byte record");
    }
    const PrintingRecords records(context_.file(), section_.ref);
    for (std::size_t n = 0; n < records.size(); ++n) {
      const PrintingRecord r = records[n];
      const std::string_view record(r.data(), r.size());
      const std::int64_t at = static_cast<std::int64_t>(n * kPrintingRecordLength);
      if (ended_) {
        report(at, std::to_string(records.size() - n) +
                       " records follow the end mark and are never read");
        return;
      }
      check(record, at);
    }
    if (!ended_) report(length, "the printing data has no end mark (\"^F\")");
  }

 private:
  void report(std::int64_t at, std::string what) {
    context_.report(section_.name, section_.ref.start + at, std::move(what));
  }

  void check(std::string_view record, std::int64_t at) {
    switch (classifyPrintingRecord(record)) {
      case PrintingRecordKind::EndMark:
        ended_ = true;
        break;
      case PrintingRecordKind::Header:
        printing_ = std::string(trimmed(record.substr(1, 7)));
        extras_ = 0;
        if (leadingNumber(printing_) <= 0) {
          report(at, "the printing header " + shown(record) + " holds no printing number");
        }
        break;
      case PrintingRecordKind::Reset:
        extras_ = 0;
        break;
      case PrintingRecordKind::Format:
        checkFormat(record, at);
        break;
      case PrintingRecordKind::Position:
        checkPosition(record, at);
        break;
      case PrintingRecordKind::Other:
        // The two-coloured values name their frame block in an "R" record.
        if (section_.kind.edition == "T" && record[0] == 'R') break;
        report(at, "the record " + shown(record) + " is of no known kind");
        break;
      case PrintingRecordKind::Comment:
      case PrintingRecordKind::Information:
        break;
    }
  }

  void checkFormat(std::string_view record, std::int64_t at) {
    const char c = record[1];
    if (c == 'H' || c == 'V' || c == 'K') {
      panes_ = 1;
      return;
    }
    const int panes = leadingNumber(record.substr(1));
    if (panes != 1 && panes != 2 && panes != 4) {
      report(at, "the sheet format " + shown(record) + " is neither 1, 2 or 4 panes nor H, V, K");
      return;
    }
    panes_ = panes;
  }

  void checkPosition(std::string_view record, std::int64_t at) {
    const std::string_view designation = record.substr(0, kDesignation);
    const char c = designation[0];
    if (c == '+' || c == '.') {
      if (++extras_ == kMaxExtras + 1) {
        report(at, "printing " + printing_ + cp(" has more than 40 extra clichés"));
      }
    } else if (c != 'Y') {
      // On a one-pane sheet a bare number is a place of pane A.
      const bool bare = isDigit(c);
      const int number = leadingNumber(designation.substr(bare ? 0 : 1, 3));
      const int pane = c == ' ' || bare ? 0 : c - 'A';
      if ((bare && panes_ != 1) || number < 1 || number > 100 || pane >= panes_) {
        report(at, "the position " + shown(designation) + " is no place of a sheet of " +
                       std::to_string(panes_) + (panes_ == 1 ? " pane" : " panes"));
      }
    }
    if (crossCheck_) checkCliches(record, at);
  }

  // Each state of the cliché ("a/b") is looked up as the flaw screens and the schemas do.
  void checkCliches(std::string_view record, std::int64_t at) {
    std::string_view cliche = trimmed(record.substr(kClicheStart, kClicheWidth));
    if (!cliche.empty() && cliche.front() == '?') cliche.remove_prefix(1);
    while (!cliche.empty()) {
      const auto slash = cliche.find('/');
      const std::string_view number = trimmed(cliche.substr(0, slash));
      cliche = slash == std::string_view::npos ? std::string_view{} : cliche.substr(slash + 1);
      if (number.empty()) continue;
      const std::string key = clicheRecordKey(valueKey_, number);
      if (context_.has(key) || !reported_.insert(key).second) continue;
      report(at, cp("cliché ") + std::string(number) + " (printing " + printing_ +
                     ") has no record " + storedSectionName(key));
    }
  }

  CheckContext& context_;
  const CheckedSection& section_;
  std::string valueKey_;
  bool crossCheck_;
  bool ended_ = false;
  int panes_ = 1;
  int extras_ = 0;
  std::string printing_ = "?";
  std::unordered_set<std::string> reported_;  // each missing record once
};

}  // namespace

void checkPrintingData(CheckContext& context, const CheckedSection& section) {
  PrintingDataCheck(context, section).run();
}

}  // namespace kolvard::datatool
