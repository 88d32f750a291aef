// The printing-order records of the frame settings ("TTRYK"): the input is the section.
// Every setting, every period, the screen's fields and the printed lines.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "domain/printing_order.hpp"
#include "fuzz_support.hpp"

namespace kolvard {
namespace {

std::string joined(const std::vector<std::string>& parts) {
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) out += (i ? ", " : "") + parts[i];
  return out;
}

}  // namespace
}  // namespace kolvard

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kolvard;
  const DataFile file =
      fuzz::containerOf({{"TTRYK", std::vector<std::uint8_t>(data, data + size)}});
  const SectionRef section = file.findSection("TTRYK");
  const int records =
      static_cast<int>((size + kPrintingOrderRecordLength - 1) / kPrintingOrderRecordLength);
  for (int setting = -1; setting <= records + 1; ++setting) {
    const auto record = readPrintingOrderRecord(file, section, setting);
    FUZZ_CHECK(record.has_value() == (setting >= 1 && setting <= records));
    if (!record) continue;
    FUZZ_CHECK(record->label.find(',') == std::string::npos);
    std::size_t longest = 0;
    for (const std::string& field : record->fields) {
      FUZZ_CHECK(field.find(',') == std::string::npos);
      longest = std::max(longest, field.size());
      namesPrinting(field, "4s7");
    }
    printingOrderSettingLine(record->label);
    for (const char* period : {"", "1", "2", "3"}) {
      const auto fields = printingOrderScreenFields(*record, period);
      FUZZ_CHECK(fields.size() <= record->fields.size());
      if (std::string(period) == "2" && !fields.empty()) FUZZ_CHECK(fields[0] == "2. periode:");
      if (std::string(period) == "1") {
        FUZZ_CHECK(std::find(fields.begin(), fields.end(), "2. periode:") == fields.end());
      }
      const auto lines = printingOrderPrintLines(*record, period);
      for (const std::string& line : lines) {
        FUZZ_CHECK(line.size() <= kPrintingOrderLineLength + longest);
      }
      // With every field taken the lines are the fields joined by ", ", only broken up.
      if (std::string(period) != "1" && std::string(period) != "2") {
        FUZZ_CHECK(joined(lines) == joined(record->fields));
      }
    }
  }
  return 0;
}
