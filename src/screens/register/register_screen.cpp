#include "screens/register/register_screen.hpp"

#include <algorithm>
#include <string>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/search.hpp"
#include "domain/two_colour_search.hpp"
#include "domain/value_tables.hpp"
#include "domain/version.hpp"
#include "screens/common/message_line.hpp"
#include "screens/common/screen_text.hpp"
#include "screens/common/two_colour_load.hpp"
#include "screens/register/register_keys.hpp"
#include "ui/info_viewer.hpp"

namespace kolvard {
namespace {

constexpr int kListRows = 23;
constexpr int kListColumn = 26;

std::string padded(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}

void drawIncludeSwitch(Screen& screen, const RegisterState& reg, const RegisterLayout& layout) {
  const int row = layout.includeRow;
  if (reg.includeUndetermined) {
    printAt(screen, 4, row, 8, "Incl.");
  } else {
    printAt(screen, 4, row, 12, "Excl.");
  }
  printAt(screen, 9, row, 8, cp(layout.includeLabel));
}

void drawStaticPart(Session& session, const RegisterState& reg, const RegisterLayout& layout) {
  Screen& screen = session.screen();
  screen.setBackColour(colour::kWhite);
  screen.clear();
  screen.setTextColour(8);
  screen.fillBox(192, 0, 198, 399, 8);
  screen.fillBox(0, 400, 639, 406, 8);
  printAt(screen, 2, layout.includeRow, 2, "& ");
  drawIncludeSwitch(screen, reg, layout);
  for (const MenuText& m : layout.menu) {
    printAt(screen, m.column, m.row, 2, cp(m.key));
    screen.setTextColour(m.wordColour);
    screen.printText(cp(m.word));
  }
  const char* menu[] = {"    Skemaer", "    Klichéfejl", "    Samleklicheer", layout.typesMenu,
                        "    Retur til forside"};
  for (int i = 0; i < 5; ++i) printAt(screen, 2, 18 + i, 8, cp(menu[i]));
  printAt(screen, 1, 23, 10, " " + versionBanner() + " ");
  printAt(screen, 25, 0, 8, cp(layout.header));
  printAt(screen, 25, 24, 8, std::string(54, ' '));
  const std::string caps(2, static_cast<char>(219));
  const char* keys[] = {"F5", "F6", "F7", "F8"};
  for (int i = 0; i < 5; ++i) {
    screen.drawGlyphText(caps, 14, 297 + 16 * i, GlyphStyle{Font::C, kFromLeft, 0, 3, 11});
    if (i < 4) {
      screen.drawGlyphText(keys[i], 19, 298 + 16 * i, GlyphStyle{Font::C, kFromLeft, 2, 3, 15});
    }
  }
  screen.drawGlyphText("Esc", 17, 362, GlyphStyle{Font::C, kFromLeft, 1, 3, 15});
  // The edition's help text: eight lines of its "infof0" section.
  const SectionRef help = session.data.findSection(session.state.edition() + "infof0");
  if (help.found()) {
    for (int i = 0; i < 8; ++i) {
      screen.drawGlyphText(infoTextLine(session.data, help, i), 320, 406 + 10 * i,
                           GlyphStyle{Font::B, kCentred, 1, 2, 10});
    }
  }
}

// The colour of a frame-kind letter of a two-coloured line.
int frameKindColour(char kind) {
  switch (kind) {
    case 'T':
      return 5;
    case 'O':
    case 'U':
      return 12;
    default:
      return 8;
  }
}

void drawListLine(Screen& screen, const RegisterState& reg, const RegisterLayout& layout, int row) {
  const int n = reg.listOffset + row;
  const std::string& line = reg.results.line(n);
  screen.moveTo(kListColumn, row);
  const bool dim = !reg.results.normal(n);
  const auto piece = [&](std::size_t from, std::size_t to, int colour) {
    screen.setTextColour(dim ? 3 : colour);
    screen.printText(line.substr(from - 1, to - from + 1));
  };
  if (layout.twoColoured) {
    // The frame kinds of the three stamps each in their own colour.
    piece(1, 15, 8);
    for (std::size_t at = 16; at <= 18; ++at) piece(at, at, frameKindColour(line[at - 1]));
    piece(19, 54, 8);
    return;
  }
  const auto mark = [&](std::size_t at) { return line[at - 1] == '?' ? 2 : 8; };
  piece(1, 15, 8);
  piece(16, 19, mark(18));
  piece(20, 23, mark(20));
  piece(24, 27, mark(24));
  piece(28, 43, 8);
}

void drawList(Screen& screen, const RegisterState& reg, const RegisterLayout& layout) {
  for (int row = 1; row <= kListRows; ++row) drawListLine(screen, reg, layout, row);
}

void drawStatusLine(Screen& screen, const RegisterState& reg) {
  if (reg.foundCount < 0) {
    printAt(screen, 25, 24, 8, std::string(54, ' '));
    return;
  }
  if (reg.foundCount == 0) {
    printAt(screen, 25, 24, 8, padded(" Ingen fundet    ", 54));
    return;
  }
  printAt(screen, 25, 24, 8, padded(" " + std::to_string(reg.foundCount) + " fundet", 14));
  if (reg.lineCount > kListRows) {
    printAt(screen, 39, 24, 8, reg.listOffset > 0 ? cp("PgUp Foregående") : std::string(15, ' '));
    const bool lastPage = reg.listOffset >= reg.lineCount - kListRows;
    printAt(screen, 54, 24, 8, "  ");
    printAt(screen, 56, 24, 8, lastPage ? std::string(10, ' ') : cp("PgDn Næste"));
  } else {
    printAt(screen, 39, 24, 8, std::string(27, ' '));
  }
  printAt(screen, 66, 24, 8, "  ");
  printAt(screen, 68, 24, 2, "Del ");
  screen.setTextColour(8);
  screen.printText("Nedton");
}

// The cursor mark: a small arrowhead pointing at the field, 3 units below the cell top.
void drawCursorMark(Screen& screen, int column, int row) {
  const int z = screen.zoom();
  const int x0 = screen.px(column * 8 + 1);
  const int y0 = screen.px(row * 16 + 3);
  const int height = 5 * z;  // 10 units
  for (int i = 0; i < height; ++i) {
    const int reach = std::min(i, height - 1 - i) * 6 / 5 + 1;
    screen.hspan(y0 + i, x0, x0 + reach, 12);
  }
}

int markColumn(const RegisterState& reg) {
  return reg.cursorColumn == 4 ? 25 : 5 * reg.cursorColumn + 2;
}

// A type field: a digit followed by a blank (exactly that type) shows the blank as "▒".
std::string shownType(const std::string& text) {
  if (text.size() == 2 && text[1] == ' ') {
    return std::string(1, text[0]) + static_cast<char>(177) + ' ';
  }
  return text;
}

void drawSets(Screen& screen, const RegisterState& reg, const RegisterLayout& layout) {
  for (int k = 1; k <= 3; ++k) {
    const int colour = k <= reg.setsInUse ? 8 : 15;
    const int column = 3 + 5 * k;
    const CriteriaSet& set = reg.criteria[k - 1];
    for (const FormRow& row : layout.form) {
      std::string text;
      switch (row.field) {
        case CriteriaField::Position:
          text = "." + set.position;
          break;
        case CriteriaField::FrameKind:
          text = set.frameKind;
          break;
        case CriteriaField::FrameType:
          text = shownType(set.frameType);
          break;
        case CriteriaField::Type:
          text = shownType(set.type);
          break;
        case CriteriaField::Cliche:
          text = set.cliche;
          if (text.size() > 5) {
            const auto dot = text.find('.');
            if (dot != std::string::npos) text = text.substr(dot);
          }
          break;
        case CriteriaField::None:
          break;
      }
      printAt(screen, column, row.row, colour, padded(text, static_cast<std::size_t>(row.width)));
    }
  }
}

void drawStampIcon(Screen& screen, const Selection& selection, const RegisterLayout& layout) {
  // One colour, or the frame and the centre of a two-coloured stamp.
  int frame = 0, centre = 0;
  if (layout.twoColoured) {
    const StampColours colours = twoColourValueColours(selection.value());
    frame = colours.first;
    centre = colours.value;
  } else {
    frame = centre = valueColourOf(selection.edition(), selection.value(),
                                   leadingNumber(selection.printings().from));
  }
  screen.setTextColour(frame);
  screen.moveToUnits(8, 4);
  screen.printText(cp("╔═╗"));
  screen.moveToUnits(8, 16);
  screen.printText(cp("║ ║"));
  screen.moveToUnits(8, 28);
  screen.printText(cp("╚═╝"));
  screen.setTextColour(centre);
  screen.moveToUnits(16, 16);
  screen.printText(cp(layout.twoColoured ? "█" : "▓"));
}

void drawDynamicPart(Session& session, const RegisterState& reg, const RegisterLayout& layout,
                     int& lastMarkColumn, int& lastMarkRow) {
  Screen& screen = session.screen();
  const Selection& selection = session.state.selection;
  screen.setBackColour(colour::kWhite);
  drawStampIcon(screen, selection, layout);
  std::string title = session.state.caption;
  if (selection.edition() == "M") title += cp("mærker");
  printAt(screen, 4, 0, 8, padded(title, 20));
  printAt(screen, 5, 1, 8, cp("Værdi"));
  printAt(screen, 13, 1, 8, padded(selection.value(), 4));
  printAt(screen, 5, 2, 8, "Tryk");
  printAt(screen, 13, 2, 8, padded(selection.printings().from, 3) + "-");
  printAt(screen, 18, 2, 8, padded(selection.printings().to, 3));
  for (const FormRow& row : layout.form) printAt(screen, 2, row.row, 8, row.label);
  drawSets(screen, reg, layout);
  printAt(screen, 2, 10, reg.setsInUse == 1 ? 12 : 2, "F1");
  printAt(screen, 8, 10, reg.setsInUse == 2 ? 12 : 2, "F2");
  printAt(screen, 15, 10, reg.setsInUse == 3 ? 12 : 2, "F3");
  if (lastMarkColumn >= 0) printAt(screen, lastMarkColumn, lastMarkRow, 8, " ");
  lastMarkColumn = markColumn(reg);
  lastMarkRow = reg.cursorRow;
  printAt(screen, lastMarkColumn, lastMarkRow, 8, " ");
  drawCursorMark(screen, lastMarkColumn, lastMarkRow);
  drawList(screen, reg, layout);
  drawStatusLine(screen, reg);
}

// Progress while a search runs: the printing being read and the growing list.
class SearchProgressDisplay : public SearchProgress {
 public:
  SearchProgressDisplay(Session& session, const RegisterState& reg, const RegisterLayout& layout)
      : session_(session), reg_(reg), layout_(layout) {}
  void printingStarted(const std::string& label, bool beyondRange) override {
    Screen& screen = session_.screen();
    std::string text = beyondRange ? std::string(12, ' ') : label + " <";
    text.resize(12, ' ');
    printAt(screen, 2, layout_.searchRow, 4, cp("> Søger ") + text);
    drawList(screen, reg_, layout_);
    linesChanged(reg_.foundCount);
  }
  void linesChanged(int found) override {
    Screen& screen = session_.screen();
    printAt(screen, 25, 24, 8, cp(" Søger") + std::string(48, ' '));
    printAt(screen, 32, 24, 8, std::to_string(std::max(found, 0)) + "fundet  ");
    session_.display.present();
  }

 private:
  Session& session_;
  const RegisterState& reg_;
  const RegisterLayout& layout_;
};

}  // namespace

void RegisterScreen::search() {
  Screen& screen = session_.screen();
  Selection& selection = session_.state.selection;
  printAt(screen, 5, 3, 8, std::string(14, ' '));
  if (layout_.twoColoured) {
    settleTwoColourRange(selection);
  } else {
    adjustA4sRange(selection);
  }
  // The list is now computed for this printing range.
  reg_.lastFromPrinting = selection.printings().from;
  SearchProgressDisplay progress(session_, reg_, layout_);
  const SearchScope scope{selection.edition(), selection.value(), selection.printings().from,
                          selection.printings().to};
  if (layout_.twoColoured) {
    runTwoColourSearch(scope, reg_, reg_, session_.data, session_.state.frameData(session_.data),
                       &progress);
  } else {
    runSearch(scope, reg_, reg_, session_.data, &progress);
  }
  printAt(screen, 2, layout_.searchRow, 2, "<Enter> ");
  screen.setTextColour(8);
  screen.printText(cp("Søg       "));
  if (reg_.lineCount > 0) {
    reg_.cursorColumn = 4;
    reg_.cursorRow = 1;
    reg_.editBuffer.clear();
  }
}

void RegisterScreen::enter() {
  SharedState& state = session_.state;
  Selection& selection = state.selection;
  reg_.cursorColumn = 2;
  reg_.cursorRow = 1;
  reg_.editBuffer.clear();
  PrintingRange range = selection.printings();
  if (leadingNumber(range.from) > leadingNumber(range.to)) range.to = range.from;
  // The list belongs to one edition too: another edition's list is never shown as this one's.
  if (selection.edition() != reg_.lastEdition || selection.value() != reg_.lastValue ||
      range.from != reg_.lastFromPrinting) {
    if (!state.keyReadOnFrontPage) range.to = range.from;
    reg_.foundCount = reg_.lineCount = -1;
    reg_.listOffset = 0;
    reg_.results.clear();
    state.keyReadOnFrontPage = false;
    reg_.lastEdition = selection.edition();
    reg_.lastValue = selection.value();
    reg_.lastFromPrinting = range.from;
  }
  if (!selection.hasPrintings()) {
    range.from = range.to = "0";
  } else if (selection.printingCount() > leadingNumber(range.to)) {
    range.to = selection.highestPrinting();
  }
  selection.setRange(range.from, range.to);
  if (selection.hasPrintings()) reg_.valueWithPrintings = selection.value();
  if (!layout_.twoColoured) adjustA4sRange(selection);
  drawStaticPart(session_, reg_, layout_);
  lastMarkColumn_ = -1;
  lastMarkRow_ = 0;
  messageShown_ = false;
}

void RegisterScreen::draw() {
  if (layout_.twoColoured) loadTwoColourPositions();
  drawDynamicPart(session_, reg_, layout_, lastMarkColumn_, lastMarkRow_);
}

void RegisterScreen::loadTwoColourPositions() {
  SharedState& state = session_.state;
  const Selection& selection = state.selection;
  const std::string key = selection.value() + '/' + selection.printing();
  if (key == loadedFor_) return;
  loadedFor_ = key;
  state.twoColourLoad = loadSelectedPositions(state.twoColourPositions, session_.data,
                                              state.frameData(session_.data), state.selection);
}

void RegisterScreen::drawWhole() {
  drawStaticPart(session_, reg_, layout_);
  int column = -1, row = 0;
  drawDynamicPart(session_, reg_, layout_, column, row);
}

KeyResult RegisterScreen::handleKey(const KeyString& key) {
  Screen& screen = session_.screen();
  if (messageShown_) {
    screen.setTextColour(colour::kWhite);
    screen.fillBox(30, 47, 191, 63, colour::kWhite);
    messageShown_ = false;
  }
  const RegisterKeyResult result = handleRegisterKey(reg_, session_.state.selection, key, layout_);
  if (result.beep) session_.display.beep();
  switch (result.action) {
    case RegisterAction::None:
      break;
    case RegisterAction::IncludeToggled:
      drawIncludeSwitch(screen, reg_, layout_);
      break;
    case RegisterAction::NoPrintings:
      showMessage(session_, kMessageValueUnknown, MessageCaller::Register);
      messageShown_ = true;
      break;
    case RegisterAction::Search:
      search();
      break;
    case RegisterAction::Leave:
      return static_cast<ScreenCode>(result.leaveCode);
  }
  return kStay;
}

}  // namespace kolvard
