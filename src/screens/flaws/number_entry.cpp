#include "screens/flaws/number_entry.hpp"

#include <algorithm>
#include <array>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "screens/flaws/sheet_walk.hpp"
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

bool isPlateEdition(std::string_view edition) {
  return edition == "R" || edition == "C" || edition == "P" || edition == "L";
}

bool isSeparator(char c) {
  return c == ',' || c == '.' || c == ':' || c == ';' || c == '_' || c == '-';
}

// The dash state an entry is in after a character was removed.
int dashStateOf(std::string_view entry) {
  if (entry.find('-') != std::string_view::npos) return kDashPresent;
  if (!entry.empty() && (entry.back() == 'I' || entry.back() == 'V')) return kAfterNumeral;
  return kPlainEntry;
}

// The plate (1..4) a numeral names and its pane; 0 for no numeral.
struct Numeral {
  int plate = 0;
  char pane = ' ';
};
Numeral numeralOf(std::string_view text) {
  constexpr std::array<std::string_view, 8> names = {"I", "II", "III", "IV",
                                                     "V", "VI", "VII", "VIII"};
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (text == names[i]) return {static_cast<int>(i / 2) + 1, i % 2 == 0 ? 'A' : 'B'};
  }
  return {};
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
  // The plate printings show the plate numeral in place of the pane letter; the squares
  // ("C3c") have none in the prompt.
  if (!shown.empty() && (shown[0] == 'A' || shown[0] == 'B') && request.edition != "C") {
    const std::string numeral =
        plateNumeralOf(request.edition + request.value + request.printing, shown[0]);
    if (!numeral.empty()) shown = numeral + cp865::kMiddleDot + shown.substr(1);
  }
  return shown;
}

PlateNumeralPosition plateNumeralPosition(std::string_view edition, std::string_view value,
                                          std::string_view printing, std::string_view entry) {
  PlateNumeralPosition out;
  if (!isPlateEdition(edition)) return out;
  const std::size_t dash = entry.find('-');
  if (dash == std::string_view::npos) return out;
  const Numeral numeral = numeralOf(entry.substr(0, dash));
  const std::string_view number = entry.substr(dash + 1);
  if (numeral.plate == 0 || number.empty() ||
      !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return out;
  }
  out.isPlateNumeral = true;
  out.position = std::string(1, numeral.pane) + std::string(number);

  // Printings compare as text.
  const std::string valueKey = std::string(edition) + std::string(value);
  const std::string_view p = printing;
  if (valueKey == "P4s") {
    if (numeral.plate == 1 && p > "3") out.printingSwitch = "1";
    if (numeral.plate == 2 && p != "4" && p != "6") out.printingSwitch = "4";
    if (numeral.plate == 3 && p != "5") out.printingSwitch = "5";
  } else if (valueKey == "L4s") {
    if (numeral.plate == 1 && p > "2") out.printingSwitch = "1";
    if (numeral.plate == 2 && (p < "3" || p > "4")) out.printingSwitch = "3";
    if (numeral.plate == 3 && (p < "5" || p > "6")) out.printingSwitch = "5";
    if (numeral.plate == 4 && p < "7") out.printingSwitch = "7";
  }
  return out;
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
    } else if (c >= '0' && c <= '9') {
      if (dash == kAfterNumeral) {
        entry += '-';
        dash = kDashPresent;
      }
      entry += c;
    } else if (isSeparator(c)) {
      if (dash == kPlainEntry) {
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

std::string messageText(int number, const MessageArgs& args) {
  const auto num = [](int n) { return " " + std::to_string(n); };
  switch (number) {
    case 1:
      if (args.valueKey == cp("T4ø")) return "Serie nr. fra 1 til 3 og fra 5 til 19";
      if (args.valueKey == "A4s") return "Serie nr. fra 0 til 6";
      if (args.seriesCount == 1) return cp("Kun én serie");
      return "Serie nr. fra 1 til" + num(args.seriesCount);
    case 2:
      return "Setting nr. fra 1 til 17 og fra 19 til" + num(args.highestSetting);
    case 3:
    case 4:
      return cp("Løbe nr. fra 1 til") + num(args.highestRunning);
    case 5:
      return cp("Løbe nr. fra") + num(args.lower) + " til" + num(args.upper);
    case 6:
      return cp("Værdi findes ikke");
    case 7:
      return "Tryk fra 1 til " + std::to_string(args.printingCount);
    case 8:
      return "Pos. (A/B)1 til (A/B)100";
    case 9:
      return cp("Samlekliché ikke fundet");
    default:
      return {};
  }
}

void showMessageAt(Screen& screen, int number, double x, double y, const MessageArgs& args) {
  const std::string text = messageText(number, args);
  if (text.empty()) return;
  screen.drawGlyphText(text, x, y, GlyphStyle{Font::C, kFromLeft, 1, 3, colour::kRed});
}

void showMessage(Screen& screen, int number, MessageCaller caller, const MessageArgs& args) {
  double x = 0, y = 0;
  switch (caller) {
    case MessageCaller::Register:
      x = 41, y = 59;
      break;
    case MessageCaller::Sheets:
      x = 14, y = 415;
      break;
    case MessageCaller::Flaws:
      x = 95, y = 410;
      break;
    case MessageCaller::Composites:
      x = 421, y = 415;
      break;
  }
  showMessageAt(screen, number, x, y, args);
}

ValueCheckResult checkValue(std::string_view edition, std::string_view enteredValue) {
  static const std::array<std::string, 9> withSeries = {"C3c", "P2s",     "P4s", "L4s", "A2s",
                                                        "A4s", cp("M4ø"), "I3a", "I5a"};
  static const std::array<std::string, 47> singleSeries = {
      "C4c",      "P8s",      "P16s",     "A3s",      "A8s",     "A16s",    cp("V1ø"), cp("V5ø"),
      cp("V10ø"), cp("V15ø"), cp("V20ø"), cp("V24ø"), "V1c",     "V2c",     "V5c",     "V8c",
      "M2s",      "M4s",      "M16s",     cp("M1ø"),  cp("M3ø"), cp("M5ø"), cp("M8ø"), cp("M10ø"),
      cp("M15ø"), cp("M20ø"), cp("M32ø"), "I2s",      "I3s",     "I4s",     "I8s",     "I16s",
      "I4a",      "I6a",      "I10a",     "I16a",     "I20a",    "I40a",    "J4s",     "J8s",
      "J3a",      "J4a",      "J5a",      "J10a",     "J16a",    "J20a",    "J50a"};

  ValueCheckResult out;
  std::string lower(enteredValue);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    if (c == cp865::kOslashUpper) c = cp865::kOslash;
  }
  const std::string key = std::string(edition) + lower;
  if (std::find(withSeries.begin(), withSeries.end(), key) != withSeries.end()) {
    out.startingCliche = "1.1";
  } else if (std::find(singleSeries.begin(), singleSeries.end(), key) != singleSeries.end()) {
    out.startingCliche = "1";
  } else {
    out.message = kMessageValueUnknown;
    return out;
  }
  out.accepted = true;
  out.value = std::move(lower);
  return out;
}

ValueEntryResult runValueEntry(Screen& screen, KeyInput& keys, const LineEditorRequest& request,
                               int icelandFlag) {
  ValueEntryResult entry;
  const LineEditorResult typed = runLineEditor(screen, keys, request);
  if (typed.cancelled) return entry;
  const std::string value = asciiLower(typed.text);
  if (icelandFlag == 1 && (value == "4a" || value == "25a" || value == "50a" || value == "100a")) {
    entry.kind = ValueEntryResult::IcelandOval;
    entry.value = value;
    return entry;
  }
  entry.check = checkValue(request.edition, value);
  entry.kind = entry.check.accepted ? ValueEntryResult::Accepted : ValueEntryResult::Rejected;
  entry.value = entry.check.value;
  return entry;
}

}  // namespace kolvard
