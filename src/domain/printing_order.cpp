#include "domain/printing_order.hpp"

#include <algorithm>

#include "data/text_fields.hpp"

namespace kolvard {
namespace {

constexpr std::string_view kFirstPeriod = "1. periode:";
constexpr std::string_view kSecondPeriod = "2. periode:";

// Collects fields into printed lines: each field followed by ", "; a line longer than the
// limit is written without its last ", ".
class LineCollector {
 public:
  void add(std::string_view field) {
    line_ += field;
    line_ += ", ";
    if (line_.size() > kPrintingOrderLineLength) flush();
  }
  // A line of its own, the fields collected so far dropped.
  void separator(std::string_view field) {
    line_.clear();
    lines_.emplace_back(field);
  }
  std::vector<std::string> finish() {
    flush();
    return std::move(lines_);
  }

 private:
  void flush() {
    if (line_.empty()) return;
    line_.resize(line_.size() - 2);
    lines_.push_back(std::move(line_));
    line_.clear();
  }
  std::string line_;
  std::vector<std::string> lines_;
};

}  // namespace

PrintingOrderRecord parsePrintingOrderRecord(std::string_view text) {
  PrintingOrderRecord record;
  bool first = true;
  for (std::size_t comma = text.find(','); comma != std::string_view::npos;
       comma = text.find(',')) {
    std::string field(text.substr(0, comma));
    if (first) {
      record.label = std::move(field);
      first = false;
    } else {
      record.fields.push_back(std::move(field));
    }
    text.remove_prefix(comma + 1);
  }
  return record;
}

std::optional<PrintingOrderRecord> readPrintingOrderRecord(const DataFile& file,
                                                           const SectionRef& section, int setting) {
  if (!section.found() || setting < 1) return std::nullopt;
  const std::int64_t offset = std::int64_t{kPrintingOrderRecordLength} * (setting - 1);
  if (offset >= section.length()) return std::nullopt;
  const std::int64_t count =
      std::min<std::int64_t>(kPrintingOrderRecordLength, section.length() - offset);
  const auto bytes = file.readBytes(section.start + offset, count);
  return parsePrintingOrderRecord(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::vector<std::string> printingOrderScreenFields(const PrintingOrderRecord& record,
                                                   std::string_view period) {
  const auto& f = record.fields;
  const auto second = std::find(f.begin(), f.end(), kSecondPeriod);
  if (period == "1") return {f.begin(), second};
  if (period == "2") return {second, f.end()};
  return f;
}

std::string printingOrderSettingLine(std::string_view label) {
  if (label == "53") return "for rammer";
  return "Setting " + std::string(label) + ":";
}

std::vector<std::string> printingOrderPrintLines(const PrintingOrderRecord& record,
                                                 std::string_view period) {
  LineCollector lines;
  bool collecting = period != "2";
  for (const std::string& field : record.fields) {
    if (period == "1" && field == kFirstPeriod) {
      lines.separator(field);
    } else if (period == "1" && field == kSecondPeriod) {
      break;
    } else if (period == "2" && field == kSecondPeriod) {
      lines.separator(field);
      collecting = true;
    } else if (collecting) {
      lines.add(field);
    }
  }
  return lines.finish();
}

int printingOrderSetting(std::string_view shownFrameFlawNumber) {
  return leadingNumber(shownFrameFlawNumber.substr(0, 2));
}

bool namesPrinting(std::string_view field, std::string_view valuePrinting) {
  return field.substr(0, field.find('(')) == valuePrinting;
}

}  // namespace kolvard
