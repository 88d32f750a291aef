// Cliché records: the tagged text part, the picture after the picture tag, and the record
// drawn into the cliché panel with its edge marks. The record is the input after two choice
// bytes (zoom, panel and orientation).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "domain/cliche_record.hpp"
#include "fuzz_support.hpp"
#include "print/cell_text_layout.hpp"
#include "screen_harness.hpp"
#include "screens/common/cliche_panel.hpp"

namespace kolvard {
namespace {

// A field read from the text part lies in the record, before the picture tag.
void checkField(const std::string& field, std::string_view textPart) {
  if (field.empty()) return;
  FUZZ_CHECK(textPart.find(field) != std::string_view::npos);
}

}  // namespace
}  // namespace kolvard

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kolvard;
  fuzz::InputReader input(data, size);
  const int zoom = 2 + static_cast<int>(input.choice(3));
  const std::uint8_t flags = input.byte();
  const std::vector<std::uint8_t> bytes = input.rest();
  const fuzz::ExactBuffer recordBytes(bytes.data(), bytes.size());

  const std::string key = clicheRecordKey("P4s", "2.17");
  const DataFile file = fuzz::containerOf({{key, bytes}});
  const ClicheRecord record = readClicheRecord(file, key);

  const std::string_view whole = recordBytes.text();
  const std::size_t tag = whole.substr(0, kClicheTextPartBytes).find("\x1b*b");
  if (!record.found) {
    FUZZ_CHECK(whole.size() < kClicheMinimumBytes || tag == std::string_view::npos);
    FUZZ_CHECK(record.picture.empty() && record.description.empty());
  } else {
    FUZZ_CHECK(whole.size() >= kClicheMinimumBytes && tag != std::string_view::npos);
    const std::string_view textPart = whole.substr(0, tag);
    checkField(record.description, textPart);
    checkField(record.stampNumber, textPart);
    checkField(record.occurrences, textPart);
    checkField(record.wandering, textPart);
    // The picture is the rest of the record after the tag.
    FUZZ_CHECK(record.picture.size() == whole.size() - tag - 3);
    FUZZ_CHECK(std::string_view(reinterpret_cast<const char*>(record.picture.data()),
                                record.picture.size()) == whole.substr(tag + 3));
    FUZZ_CHECK(record.hasPicture == (record.picture.size() >= kClicheMinimumBytes));
  }
  const auto rows = decodeClichePicture(record.picture);
  FUZZ_CHECK(rows.size() <= static_cast<std::size_t>(kClichePictureRows));

  // The panel draws nothing outside its double frame.
  fuzz::FuzzDisplay& display = fuzz::displayFor(&file, zoom);
  Screen& screen = display.screen();
  ClichePanelRequest request;
  request.panelX = (flags & 1) ? 10 : 230;
  request.valueKey = "P4s";
  request.clicheNumber = "2.17";
  request.turned = (flags & 2) != 0;
  request.mode = (flags & 4) ? ClichePanelMode::ByNumber : ClichePanelMode::ByPosition;
  drawClichePanel(screen, file, request);
  drawClicheAnnotations(screen, record.description, request.panelX, 75);
  const ClichePanelGeometry g = clichePanelGeometry(zoom, request.panelX);
  fuzz::checkUntouchedOutside(
      screen.framebuffer(), {g.frameLeft - 1, g.frameTop - 1, g.frameRight + 2, g.frameBottom + 2});

  const ClicheDescription parsed = parseClicheDescription(record.description);
  std::vector<CellLineWish> wishes;
  std::string letters;  // every letter of the lines, in order
  for (int d = 1; d <= 9; ++d) {
    const std::string& line = parsed.lines[static_cast<std::size_t>(d)];
    if (line.empty()) continue;
    FUZZ_CHECK(line[0] == '0' + d);
    FUZZ_CHECK(record.description.find(line) != std::string::npos);
    const ClicheLinePlace place = clicheDescriptionLinePlace(line, d, request.panelX, 75);
    wishes.push_back({place.text, static_cast<int>(3 * place.x), static_cast<int>(3 * place.y)});
    for (const char c : place.text) {
      if (c != ' ') letters += c;
    }
  }
  // The printed cell's layout: every piece inside the box (a single letter may be wider),
  // no letter lost or reordered, the pieces a step apart.
  const CellTextBox box{10, 100, 449, 700};
  const auto measure = [](std::string_view text) { return 14 * static_cast<int>(text.size()); };
  std::vector<int> taken;
  std::string laidOut;
  int previous = -1000000;
  for (const CellLinePiece& piece : layOutCellLines(wishes, box, {25, 6, 35}, measure, taken)) {
    const int width = measure(piece.text);
    FUZZ_CHECK(piece.left >= box.left);
    FUZZ_CHECK(piece.left + width <= box.right + 1 || piece.text.size() == 1);
    FUZZ_CHECK(piece.baseline >= previous + 35);
    previous = piece.baseline;
    for (const char c : piece.text) {
      if (c != ' ') laidOut += c;
    }
  }
  FUZZ_CHECK(laidOut == letters);
  for (const auto& mark : parsed.marks) FUZZ_CHECK(mark.code.size() == 2);
  return 0;
}
