// Run-length pictures of the front page: a value picture section drawn where the front page
// draws it, and the logo. The picture section is the input after three choice bytes (zoom,
// edition, which picture).
#include <cmath>
#include <cstdint>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "data/run_length_rows.hpp"
#include "fuzz_support.hpp"
#include "screen_harness.hpp"
#include "screens/front/front_page.hpp"
#include "ui/run_length_picture.hpp"

namespace kolvard {
namespace {

// The editions as the front page passes them, with the value picture's top-left pixel.
constexpr const char* kEditions[] = {"T", "C", "R", "P", "L", "A", "I", "vT", "oT", ""};

int px(int zoom, double units) {
  return static_cast<int>(std::lround(units * zoom / 2.0));
}

// The white panel the front page draws the value picture on: the box (31, 31)-(389, 449)
// in units, covering its far edge.
fuzz::PixelRect stampPanel(int zoom) {
  return {px(zoom, 31), px(zoom, 31), static_cast<int>(std::lround(389 * zoom / 2.0 + 1)),
          static_cast<int>(std::lround(449 * zoom / 2.0 + 1))};
}

// The top-left pixel of an edition's value picture on the front page.
std::pair<int, int> picturePlace(const std::string& edition, int zoom) {
  const auto quarter = [zoom](int units) {
    return static_cast<int>(std::lround(zoom * units / 4.0));
  };
  switch (edition.empty() ? ' ' : edition[0]) {
    case 'C':
      return {zoom * 29 / 2, quarter(127)};
    case 'P':
    case 'L':
      return {zoom * 35 / 2, quarter(139)};
    case 'A':
      return {zoom * 35 / 2, quarter(79)};
    default:
      return {zoom * 47 / 2, quarter(103)};
  }
}

void checkRows(const std::vector<std::uint8_t>& section, int maxRows) {
  const auto rows = decodeRunLengthPicture(section, maxRows);
  FUZZ_CHECK(rows.size() <= static_cast<std::size_t>(maxRows < 0 ? 0 : maxRows));
  // Every row takes its count byte, every pair two bytes of the section after the unused one.
  std::size_t used = 0;
  for (const auto& row : rows) {
    used += 1 + 2 * row.runs.size();
    for (const auto& [start, end] : row.runs) {
      FUZZ_CHECK(start >= 0 && end >= 0);
      FUZZ_CHECK(start <= 255 * 255 && end <= 255 * 255);
    }
  }
  FUZZ_CHECK(section.empty() || used <= section.size() - 1);
}

}  // namespace
}  // namespace kolvard

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kolvard;
  fuzz::InputReader input(data, size);
  const int zoom = 2 + static_cast<int>(input.choice(3));
  const std::string edition = kEditions[input.choice(std::size(kEditions))];
  const bool logo = input.byte() % 4 == 0;
  const std::vector<std::uint8_t> section = input.rest();

  checkRows(section, pictureRowsFor(edition).rows);
  checkRows(section, kLogoRows);

  const DataFile file = fuzz::containerOf({{"PICTURE", section}});
  fuzz::FuzzDisplay& display = fuzz::displayFor(&file, zoom);
  Screen& screen = display.screen();
  if (logo) {
    // The logo: on the dark right-hand panel (from x = 390 units), within its 121 rows below
    // the top margin.
    const SectionRef ref = file.findSection("PICTURE");
    const auto& rows = screen.pictures().get(file.sectionBytes(ref), ref.start, kLogoRows);
    const int top = static_cast<int>(std::lround(zoom * 18 / 4.0));
    renderLogo(rows, zoom, top, [&](int y, int x0, int x1) {
      FUZZ_CHECK(x0 < x1);
      FUZZ_CHECK(x0 >= px(zoom, 390));
      FUZZ_CHECK(y > top && y <= top + kLogoRows);
    });
    return 0;
  }

  SharedState state;
  fuzz::NoSettings settings;
  Session session{state, file, display, settings};
  // Where the front page puts the picture of an edition.
  const auto [left, top] = picturePlace(pictureRowsFor(edition).edition, zoom);
  FUZZ_CHECK(drawPictureSection(session, "PICTURE", edition, left, top, colour::kDarkGrey) ==
             kSectionFound);
  fuzz::checkUntouchedOutside(screen.framebuffer(), stampPanel(zoom));
  return 0;
}
