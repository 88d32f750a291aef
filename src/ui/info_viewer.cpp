#include "ui/info_viewer.hpp"

#include <algorithm>
#include <cmath>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"

namespace kolvard {

int viewerMaxTop(const SectionRef& text) {
  const double lines = static_cast<double>(text.length()) / kInfoLineLength;
  const int maxTop = static_cast<int>(std::lround(lines - kInfoPageLines));
  return std::max(0, maxTop);
}

std::string infoLine(const DataFile& file, const SectionRef& text, int line) {
  const std::int64_t start =
      static_cast<std::int64_t>(text.start) + static_cast<std::int64_t>(line) * kInfoLineLength;
  if (line < 0 || start >= text.end) return {};
  const auto bytes =
      file.readBytes(start, std::min<std::int64_t>(kInfoLineLength, text.end - start));
  return std::string(bytes.begin(), bytes.end());
}

std::string infoTextLine(const DataFile& file, const SectionRef& text, int line) {
  const std::string whole = infoLine(file, text, line);
  if (whole.size() <= 4) return {};
  return std::string(withoutTrailingPadding(std::string_view(whole).substr(4, 156)));
}

void drawInformationPage(Screen& screen, const DataFile& file, const SectionRef& text,
                         const ViewerState& state) {
  const GlyphStyle body{Font::C, kFromLeft, 1, 3, colour::kSlateText};
  screen.fillBox(0, 0, 639, 5, colour::kWhite);
  bool twoColumns = false;
  for (int i = 0; i <= kInfoPageLines; ++i) {
    const double y = 11 + 12 * i;
    screen.fillBox(0, y - 7, 639, y + 5, colour::kWhite);
    const std::string line = infoLine(file, text, state.topLine + i);
    if (twoColumns) {
      screen.drawGlyphText(line.substr(0, std::min<std::size_t>(11, line.size())), 5, y, body);
      if (line.size() > 11) screen.drawGlyphText(std::string_view(line).substr(11), 75, y, body);
    } else {
      screen.drawGlyphText(line, 5, y, body);
    }
    // The edition text shows the lines after its "Tilf..." line in two columns.
    if (state.mode == ViewerMode::Edition && line.rfind("Tilf", 0) == 0) twoColumns = true;
  }
  screen.fillBox(0, 460, 639, 479, colour::kDarkGrey);
  screen.drawKeyBox("Esc", 10, 473, 1);
  const GlyphStyle bar{Font::C, kFromLeft, 1, 3, colour::kWhite};
  screen.drawGlyphText("Retur", 44, 473, bar);
  if (state.topLine > 0)
    screen.drawGlyphText(std::string(1, cp865::kUpArrow) + "  PgUp", 540, 473, bar);
  if (state.topLine < state.maxTop) {
    screen.drawGlyphText(std::string(1, cp865::kDownArrow) + "  PgDn", 590, 473, bar);
  }
}

void showInformation(Screen& screen, KeyInput& keys, const DataFile& file, const SectionRef& text,
                     ViewerMode mode, ViewerState& state) {
  const Framebuffer saved = screen.saveScreen();
  screen.clear();
  state.active = true;
  state.mode = mode;
  state.topLine = 0;
  state.maxTop = viewerMaxTop(text);
  for (;;) {
    drawInformationPage(screen, file, text, state);
    const KeyString key = keys.waitKey();
    if (key == ordinaryKey(kEnterCode) || key == ordinaryKey(kEscCode)) break;
    if (isExtended(key, scan::kHome)) {
      state.topLine = 0;
    } else if (isExtended(key, scan::kEnd)) {
      state.topLine = state.maxTop;
    } else if (isExtended(key, scan::kUp)) {
      state.topLine = std::max(0, state.topLine - 1);
    } else if (isExtended(key, scan::kDown)) {
      state.topLine = std::min(state.maxTop, state.topLine + 1);
    } else if (isExtended(key, scan::kPgUp)) {
      state.topLine = std::max(0, state.topLine - kInfoPageLines);
    } else if (isExtended(key, scan::kPgDn)) {
      state.topLine = std::min(state.maxTop, state.topLine + kInfoPageLines);
    } else {
      keys.beep();
    }
  }
  state.active = false;
  screen.restoreScreen(saved);
}

}  // namespace kolvard
