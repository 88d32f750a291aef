// Two-coloured flaw records: the tagged fields, the picture after the picture tag, the
// description lines (turned for inverted frames) and the occurrence items, and the record
// drawn into the oval panel and into the frame panel upright and half a turn. The record is
// the input after two choice bytes (zoom, view mode and marks).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/text_fields.hpp"
#include "domain/flaw_description.hpp"
#include "domain/flaw_occurrences.hpp"
#include "domain/flaw_record.hpp"
#include "domain/two_colour_flaw_texts.hpp"
#include "fuzz_support.hpp"
#include "screen_harness.hpp"
#include "screens/twocolour/flaw_panel.hpp"

namespace kolvard {
namespace {

// A field read from the text part lies in the record, before the picture tag.
void checkField(const std::string& field, std::string_view textPart) {
  if (field.empty()) return;
  FUZZ_CHECK(textPart.find(field) != std::string_view::npos);
}

// Draws one panel into a fresh screen and checks that nothing lies outside its box.
void drawAlone(const DataFile& file, int zoom, const FlawPanelRequest& request) {
  fuzz::FuzzDisplay& display = fuzz::displayFor(&file, zoom);
  Screen& screen = display.screen();
  const FlawRecord record = drawFlawPanel(screen, file, request);
  drawFlawDescription(screen, record.description, request.panelX,
                      flawPanelInverted(request, record));
  const ClichePanelGeometry g = flawPanelGeometry(zoom, request.panelX);
  fuzz::checkUntouchedOutside(
      screen.framebuffer(), {g.frameLeft - 1, g.frameTop - 1, g.frameRight + 2, g.frameBottom + 2});
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

  const std::string key = flawRecordKey("T", "4s2-17");
  const DataFile file = fuzz::containerOf({{key, bytes}, {"T4S2-0I", {27, '*', 'd', '$', '1'}}});
  const FlawRecord record = readFlawRecord(file, key);

  const std::string_view whole = recordBytes.text();
  const std::string_view buffer = whole.substr(0, kFlawRecordBufferBytes);
  const std::size_t tag = buffer.find("\x1b*b");
  FUZZ_CHECK(record.exists);
  if (whole.size() < kFlawRecordMinimumBytes) FUZZ_CHECK(!record.found);
  FUZZ_CHECK(record.frameKind == (whole.empty() ? ' ' : whole[0]));
  const std::string_view textPart = buffer.substr(0, tag);
  checkField(record.description, textPart);
  checkField(record.type, textPart);
  checkField(record.occurrences, textPart);
  checkField(record.wandering, textPart);
  if (tag == std::string_view::npos) {
    FUZZ_CHECK(record.picture.empty() && !record.hasPicture);
  } else {
    FUZZ_CHECK(std::string_view(reinterpret_cast<const char*>(record.picture.data()),
                                record.picture.size()) == whole.substr(tag + 3));
    FUZZ_CHECK(record.hasPicture == (record.picture.size() >= kFlawPictureMinimumBytes));
  }

  const FlawDescription parsed = parseFlawDescription(record.description);
  for (int d = 1; d <= 9; ++d) {
    const std::string& line = parsed.lines[static_cast<std::size_t>(d)];
    if (line.empty()) continue;
    FUZZ_CHECK(line[0] == '0' + d);
    const int slot = invertedLineSlot(d, parsed.lines);
    FUZZ_CHECK(slot >= 1 && slot <= 9);
  }
  for (const bool inverted : {false, true}) {
    for (const auto& place : flawDescriptionLinePlaces(parsed.lines, kFramePanelX, inverted)) {
      FUZZ_CHECK(place.y >= 78 && place.y <= 262);
    }
  }
  for (const OccurrenceItem& item : flawOccurrenceItems(record.occurrences, "4s12")) {
    for (const OccurrencePiece& piece : item.pieces) {
      FUZZ_CHECK(!piece.text.empty() && piece.x >= 1 && piece.x <= 87);
    }
  }
  // The wandering-cliché list: the current number once, every line at most the field long.
  int current = 0;
  for (const WanderingLine& line : wanderingClicheLines(record.wandering, "28.5")) {
    if (line.kind == WanderingLine::Kind::Current) ++current;
    FUZZ_CHECK(line.text.size() <= record.wandering.size() + 10);
  }
  FUZZ_CHECK(current == (withoutTrailingBlanks(record.wandering).empty() ? 0 : 1));
  // The printed lines: one per item shown, value + printing at most a completed 8 characters.
  const auto lines = flawOccurrenceLines(record.occurrences, "4s12");
  FUZZ_CHECK(lines.size() == flawOccurrenceItems(record.occurrences, "4s12").size());
  for (const OccurrenceLine& line : lines) {
    FUZZ_CHECK(line.valuePrinting.size() <= 8 && line.pane.size() <= 1);
  }

  // Both panels, the frame panel upright and turned, draw nothing outside their frames.
  const auto mode = static_cast<FlawViewMode>(flags % 3);
  FlawPanelRequest oval;
  oval.mode = mode;
  oval.colour = 2;
  oval.mark = (flags & 4) ? '?' : ' ';
  oval.keyPart = (flags & 8) ? "" : "4s2-17";
  drawAlone(file, zoom, oval);
  for (const char kind : {' ', 'O'}) {
    FlawPanelRequest frame = oval;
    frame.panel = FlawPanelKind::Frame;
    frame.panelX = kFramePanelX;
    frame.keyPart = "4s2-17";
    frame.frameKind = kind;
    drawAlone(file, zoom, frame);
  }
  return 0;
}
