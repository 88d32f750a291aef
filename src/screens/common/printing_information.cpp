#include "screens/common/printing_information.hpp"

#include <cstdint>
#include <string>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "data/inverted_record.hpp"
#include "data/text_fields.hpp"
#include "ui/screen.hpp"

namespace kolvard {

void drawPrintingInformation(Screen& screen, const DataFile& file, std::string_view edition,
                             std::string_view value, std::string_view printing) {
  std::string code(value);
  if (!code.empty() && code.back() == cp865::kOslash) code.back() = 'O';
  std::string name = std::string(edition) + "D" + code + std::string(printing);
  if (name.size() > 8) name.resize(8);
  const SectionRef ref = file.findSection(name);
  if (!ref.found()) return;
  const std::string key = std::string(edition) + std::string(value) + std::string(printing);
  const int lines = key == "A4s6" || key == "A4s4" ? 6 : 7;
  for (int i = 0; i < lines; ++i) {
    if (static_cast<std::int64_t>(ref.start) + 120LL * (i + 1) > ref.end) break;
    const auto stored = file.readBytes(ref.start + 120LL * i, 120);
    if (stored.size() < 120 || stored[0] == 255) break;
    const std::string line(withoutTrailingPadding(decodeInvertedRecord(stored)));
    screen.drawGlyphText(line, 321, 416 + 10 * i, GlyphStyle{Font::B, kCentred, 1, 2, 18});
  }
}

}  // namespace kolvard
