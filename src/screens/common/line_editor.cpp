#include "screens/common/line_editor.hpp"

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/sheet_walk.hpp"
#include "ui/key_input.hpp"
#include "ui/palette.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

constexpr char kFullBlock = static_cast<char>(219);
constexpr char kDegree = static_cast<char>(248);

// Dash states of a plate numeral entry.
constexpr int kPlainEntry = -1;   // separators become "."
constexpr int kAfterNumeral = 0;  // the next digit or separator inserts "-"
constexpr int kDashPresent = 1;   // no further separator

bool isSeparator(char c) {
  return c == ',' || c == '.' || c == ':' || c == ';' || c == '_' || c == '-';
}

// The dash state an entry is in after a character was removed.
int dashStateOf(std::string_view entry) {
  if (entry.find('-') != std::string_view::npos) return kDashPresent;
  if (!entry.empty() && (entry.back() == 'I' || entry.back() == 'V')) return kAfterNumeral;
  return kPlainEntry;
}

void drawPrompt(Screen& screen, const LineEditorRequest& request, const std::string& shown) {
  const double l = request.offset, y = request.y;
  screen.line(154 + l, y - 12, 200 + l, y - 12, colour::kDarkGrey);
  screen.line(154 + l, y + 5, 200 + l, y + 5, colour::kDarkGrey);
  screen.line(154 + l, y - 12, 154 + l, y + 5, colour::kDarkGrey);
  screen.line(200 + l, y - 12, 200 + l, y + 5, colour::kDarkGrey);
  screen.drawGlyphText("{ " + shown + " } :", 150 + l, y,
                       GlyphStyle{Font::C, kToRight, 1, 3, colour::kBlack});
}

void drawEntry(Screen& screen, const LineEditorRequest& request, const std::string& entry) {
  const double l = request.offset, y = request.y;
  screen.drawGlyphText(std::string(3, kFullBlock), 160 + l, y,
                       GlyphStyle{Font::C, kFromLeft, 0, 3, colour::kWhite});
  screen.drawGlyphText(entry, 161 + l, y, GlyphStyle{Font::C, kFromLeft, 1, 2, colour::kBlack});
}

}  // namespace

std::string lineEditorShownText(const LineEditorRequest& request, const LineEditorMemory& memory) {
  const char kind = request.kind;
  const bool position = kind == 'P' || kind == 'A' || kind == 'B' || kind == 'I';
  std::string shown;
  if (kind == 'A' || kind == 'B' || kind == 'I') shown = std::string(1, kind);
  if (position && !memory.positionText.empty()) shown = memory.positionText;
  if (!position && request.twoColourEditor) shown = request.openingText;
  // The plate printings show the plate numeral in place of the pane letter; the squares
  // ("C3c") have none in the prompt.
  if (!shown.empty() && (shown[0] == 'A' || shown[0] == 'B') && request.edition != "C") {
    const std::string numeral =
        plateNumeralOf(request.edition + request.value + request.printing, shown[0]);
    if (!numeral.empty()) shown = numeral + cp865::kMiddleDot + shown.substr(1);
  }
  return shown;
}

LineEditorResult runLineEditor(Screen& screen, KeyInput& keys, const LineEditorRequest& request,
                               LineEditorMemory& memory) {
  char kind = request.kind;
  int dash = kPlainEntry;
  std::string entry;
  if (kind == 'A' || kind == 'B') {
    entry = std::string(1, kind);
    kind = 'P';
  } else if (kind == 'I') {
    entry = "I";
    kind = 'P';
    dash = kAfterNumeral;
  }
  drawPrompt(screen, request, lineEditorShownText(request, memory));

  const bool plateEdition = isPlateEdition(request.edition);
  LineEditorResult result;
  bool finished = false;
  while (!finished) {
    screen.drawGlyphText("|", 157 + request.offset, request.y - 1,
                         GlyphStyle{Font::C, kFromLeft, 1, 3, colour::kDarkGrey});
    const KeyString key = upperKey(keys.waitKey());
    if (key.empty()) continue;
    const char c = key.size() == 1 ? key[0] : '\0';
    if (key.size() != 1) {
      keys.beep();
    } else if (c == static_cast<char>(kBackspaceCode)) {
      if (!entry.empty()) {
        entry.pop_back();
        dash = dashStateOf(entry);
      }
    } else if (c == static_cast<char>(kEnterCode)) {
      finished = true;
    } else if (c == static_cast<char>(kEscCode)) {
      entry.clear();
      result.cancelled = true;
      finished = true;
    } else if (isDigit(c)) {
      if (dash == kAfterNumeral) {
        entry += '-';
        dash = kDashPresent;
      }
      entry += c;
    } else if (isSeparator(c)) {
      if (request.twoColourEditor && kind != 'C') {
        keys.beep();
      } else if (dash == kPlainEntry) {
        entry += '.';
      } else if (dash == kAfterNumeral) {
        entry += '-';
        dash = kDashPresent;
      } else {
        keys.beep();
      }
    } else if (c == 'I' || c == 'V') {
      if (dash != kDashPresent && plateEdition) {
        entry += c;
        dash = kAfterNumeral;
      } else {
        keys.beep();
      }
    } else if ((c == 'A' || c == 'C') && !entry.empty()) {
      entry += static_cast<char>(c + ('a' - 'A'));
    } else if (c == 'A' || c == 'B' || c == 'C' || c == 'D') {
      if (kind == 'T') {
        entry += static_cast<char>(c + ('a' - 'A'));
      } else if (kind == 'P' && entry.empty()) {
        entry = std::string(1, c);
      } else {
        keys.beep();
      }
    } else if (c == cp865::kOslash || c == cp865::kOslashUpper || c == 'O' || c == kDegree) {
      entry += cp865::kOslash;
    } else if (c == 'R') {
      if (request.openedByTypeScreenV) entry = "R";
    } else if (c == 'S') {
      entry += 's';
    } else {
      keys.beep();
    }
    drawEntry(screen, request, entry);
  }

  result.text = entry.empty() ? request.openingText : entry;
  if (kind == 'P') {
    memory.positionText = result.text;
    if (!result.cancelled) {
      PlateNumeralPosition plate =
          plateNumeralPosition(request.edition, request.value, request.printing, result.text);
      if (plate.isPlateNumeral) {
        result.printingSwitch = std::move(plate.printingSwitch);
        result.position = std::move(plate.position);
      }
    }
  }
  return result;
}

LineEditorResult runLineEditor(Screen& screen, KeyInput& keys, const LineEditorRequest& request) {
  LineEditorMemory scratch;
  return runLineEditor(screen, keys, request, scratch);
}

}  // namespace kolvard
