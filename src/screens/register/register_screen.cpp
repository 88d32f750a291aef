#include "screens/register/register_screen.hpp"

#include <algorithm>
#include <string>

#include "data/cp865.hpp"
#include "screens/flaws/number_entry.hpp"
#include "screens/register/register_keys.hpp"
#include "screens/register/register_tables.hpp"
#include "screens/register/search.hpp"
#include "ui/info_viewer.hpp"

namespace kolvard {
namespace {

constexpr int kListRows = 23;
constexpr int kListColumn = 26;

std::string padded(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}

void printAt(Screen& screen, int column, int row, int colour, std::string_view text) {
  screen.setTextColour(colour);
  screen.moveTo(column, row);
  screen.printText(text);
}

int number(const std::string& text) {
  return std::atoi(text.c_str());
}

// Register fields kept in the edition's settings record: the printing range, the nine
// criteria fields and the include switch.
void loadFromSettings(RegisterState& reg, const ProgramState& state) {
  const EditionSettings& s = state.settings;
  reg.edition = state.edition();
  reg.title = state.caption;
  reg.value = s.value;
  reg.fromPrinting = s.printing;
  reg.toPrinting = s.secondSelector;
  for (int k = 0; k < 3; ++k) {
    reg.criteria[k].position = s.marker(8 + 3 * k);
    reg.criteria[k].type = s.marker(9 + 3 * k);
    reg.criteria[k].cliche = s.marker(10 + 3 * k);
  }
  reg.includeUndetermined = s.flags[3] == 1;
}

void storeToSettings(const RegisterState& reg, ProgramState& state) {
  EditionSettings& s = state.settings;
  if (reg.value != s.value) {
    s.value = reg.value;
  }
  s.printing = reg.fromPrinting;
  s.secondSelector = reg.toPrinting;
  for (int k = 0; k < 3; ++k) {
    s.marker(8 + 3 * k) = reg.criteria[k].position;
    s.marker(9 + 3 * k) = reg.criteria[k].type;
    s.marker(10 + 3 * k) = reg.criteria[k].cliche;
  }
  s.flags[3] = reg.includeUndetermined ? 1 : 0;
  state.printingTo = reg.toPrinting;
}

void drawIncludeSwitch(Screen& screen, const RegisterState& reg) {
  if (reg.includeUndetermined) {
    printAt(screen, 4, 12, 8, "Incl.");
  } else {
    printAt(screen, 4, 12, 12, "Excl.");
  }
  printAt(screen, 9, 12, 8, cp(" \"ukendte M.\""));
}

void drawMenuLine(Screen& screen, int column, int row, const char* key, const char* label) {
  printAt(screen, column, row, 2, key);
  screen.setTextColour(8);
  screen.printText(cp(label));
}

void drawStaticPart(Session& session) {
  Screen& screen = session.screen();
  const RegisterState& reg = session.state.reg;
  screen.setBackColour(colour::kWhite);
  screen.clear();
  screen.setTextColour(8);
  screen.fillBox(192, 0, 198, 399, 8);
  screen.fillBox(0, 400, 639, 406, 8);
  printAt(screen, 2, 12, 2, "& ");
  drawIncludeSwitch(screen, reg);
  drawMenuLine(screen, 2, 13, "<Enter> ", "Søg");
  drawMenuLine(screen, 2, 15, ". ", "Fjern");
  drawMenuLine(screen, 13, 15, "# ", "Nulstil");
  drawMenuLine(screen, 2, 16, "- ", "Minus");
  printAt(screen, 13, 16, 2, "* ");
  screen.setTextColour(1);
  screen.printText("Incl.");
  const char* menu[] = {"    Skemaer", "    Klichéfejl", "    Samleklicheer", "    Typer (M.)",
                        "    Retur til forside"};
  for (int i = 0; i < 5; ++i) printAt(screen, 2, 18 + i, 8, cp(menu[i]));
  printAt(screen, 1, 23, 10, std::string(" KOLVARD Version ") + kVersionText + " ");
  printAt(screen, 25, 0, 8, cp(" ┌Tryk┐ ┌─Pos─┐ ┌────M.───┐ ┌─────C.─────┐"));
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
  const SectionRef help = session.data.findSection(reg.edition + "infof0");
  if (help.found()) {
    for (int i = 0; i < 8; ++i) {
      std::string line = infoLine(session.data, help, i);
      line = line.size() > 4 ? line.substr(4, 156) : std::string();
      while (!line.empty() && line.back() == ' ') line.pop_back();
      screen.drawGlyphText(line, 320, 406 + 10 * i, GlyphStyle{Font::B, kCentred, 1, 2, 10});
    }
  }
}

void drawListLine(Screen& screen, const RegisterState& reg, int row) {
  const int n = reg.listOffset + row;
  const std::string& line = reg.results.line(n);
  screen.moveTo(kListColumn, row);
  const bool dim = !reg.results.normal(n);
  const auto piece = [&](std::size_t from, std::size_t to, int colour) {
    screen.setTextColour(dim ? 3 : colour);
    screen.printText(line.substr(from - 1, to - from + 1));
  };
  const auto mark = [&](std::size_t at) { return line[at - 1] == '?' ? 2 : 8; };
  piece(1, 15, 8);
  piece(16, 19, mark(18));
  piece(20, 23, mark(20));
  piece(24, 27, mark(24));
  piece(28, 43, 8);
}

void drawList(Screen& screen, const RegisterState& reg) {
  for (int row = 1; row <= kListRows; ++row) drawListLine(screen, reg, row);
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

void drawSets(Screen& screen, const RegisterState& reg) {
  for (int k = 1; k <= 3; ++k) {
    const int colour = k <= reg.setsInUse ? 8 : 15;
    const int column = 3 + 5 * k;
    const CriteriaSet& set = reg.criteria[k - 1];
    printAt(screen, column, 5, colour, padded("." + set.position, 3));
    std::string type = set.type;
    if (type.size() == 2 && type[1] == ' ') {
      type = std::string(1, type[0]) + static_cast<char>(177) + ' ';
    }
    printAt(screen, column, 6, colour, padded(type, 3));
    std::string cliche = set.cliche;
    if (cliche.size() > 5) {
      const auto dot = cliche.find('.');
      if (dot != std::string::npos) cliche = cliche.substr(dot);
    }
    printAt(screen, column, 7, colour, padded(cliche, 5));
  }
}

void drawDynamicPart(Session& session, int& lastMarkColumn, int& lastMarkRow) {
  Screen& screen = session.screen();
  const RegisterState& reg = session.state.reg;
  screen.setBackColour(colour::kWhite);
  // The stamp icon in the value's colour.
  screen.setTextColour(reg.valueColour);
  screen.moveToUnits(8, 4);
  screen.printText(cp("╔═╗"));
  screen.moveToUnits(8, 16);
  screen.printText(cp("║ ║"));
  screen.moveToUnits(8, 28);
  screen.printText(cp("╚═╝"));
  screen.moveToUnits(16, 16);
  screen.printText(cp("▓"));
  std::string title = reg.title;
  if (reg.edition == "M") title += cp("mærker");
  printAt(screen, 4, 0, 8, padded(title, 20));
  printAt(screen, 5, 1, 8, cp("Værdi"));
  printAt(screen, 13, 1, 8, padded(reg.value, 4));
  printAt(screen, 5, 2, 8, "Tryk");
  printAt(screen, 13, 2, 8, padded(reg.fromPrinting, 3) + "-");
  printAt(screen, 18, 2, 8, padded(reg.toPrinting, 3));
  printAt(screen, 2, 5, 8, "Pos");
  printAt(screen, 2, 6, 8, "M.");
  printAt(screen, 2, 7, 8, "C.");
  drawSets(screen, reg);
  printAt(screen, 2, 10, reg.setsInUse == 1 ? 12 : 2, "F1");
  printAt(screen, 8, 10, reg.setsInUse == 2 ? 12 : 2, "F2");
  printAt(screen, 15, 10, reg.setsInUse == 3 ? 12 : 2, "F3");
  if (lastMarkColumn >= 0) printAt(screen, lastMarkColumn, lastMarkRow, 8, " ");
  lastMarkColumn = markColumn(reg);
  lastMarkRow = reg.cursorRow;
  printAt(screen, lastMarkColumn, lastMarkRow, 8, " ");
  drawCursorMark(screen, lastMarkColumn, lastMarkRow);
  drawList(screen, reg);
  drawStatusLine(screen, reg);
}

// Progress while a search runs: the printing being read and the growing list.
class SearchProgressDisplay : public SearchProgress {
 public:
  explicit SearchProgressDisplay(Session& session) : session_(session) {}
  void printingStarted(const std::string& label, bool beyondRange) override {
    Screen& screen = session_.screen();
    std::string text = beyondRange ? std::string(12, ' ') : label + " <";
    text.resize(12, ' ');
    printAt(screen, 2, 13, 4, cp("> Søger ") + text);
    drawList(screen, session_.state.reg);
    linesChanged(session_.state.reg.foundCount);
  }
  void linesChanged(int found) override {
    Screen& screen = session_.screen();
    printAt(screen, 25, 24, 8, cp(" Søger") + std::string(48, ' '));
    printAt(screen, 32, 24, 8, std::to_string(std::max(found, 0)) + "fundet  ");
    session_.display.present();
  }

 private:
  Session& session_;
};

void search(Session& session) {
  RegisterState& reg = session.state.reg;
  Screen& screen = session.screen();
  printAt(screen, 5, 3, 8, std::string(14, ' '));
  adjustA4sRange(reg);
  SearchProgressDisplay progress(session);
  runSearch(reg, session.data, &progress);
  printAt(screen, 2, 13, 2, "<Enter> ");
  screen.setTextColour(8);
  screen.printText(cp("Søg       "));
  if (reg.lineCount > 0) {
    reg.cursorColumn = 4;
    reg.cursorRow = 1;
    reg.editBuffer.clear();
  }
}

void enterScreen(Session& session) {
  ProgramState& state = session.state;
  RegisterState& reg = state.reg;
  loadFromSettings(reg, state);
  reg.cursorColumn = 2;
  reg.cursorRow = 1;
  reg.editBuffer.clear();
  if (number(reg.fromPrinting) > number(reg.toPrinting)) reg.toPrinting = reg.fromPrinting;
  if (reg.edition != reg.lastEdition || reg.value != reg.lastValue ||
      reg.fromPrinting != reg.lastFromPrinting) {
    if (!reg.keyReadOnFrontPageSinceEmptied) reg.toPrinting = reg.fromPrinting;
    reg.foundCount = reg.lineCount = -1;
    reg.listOffset = 0;
    reg.results.clear();
    reg.keyReadOnFrontPageSinceEmptied = false;
    reg.lastEdition = reg.edition;
    reg.lastValue = reg.value;
    reg.lastFromPrinting = reg.fromPrinting;
  }
  reg.highestPrinting = highestPrintingOf(reg.edition, reg.value);
  if (!hasPrintings(reg)) {
    reg.fromPrinting = reg.toPrinting = "0";
  } else if (number(reg.highestPrinting) > number(reg.toPrinting)) {
    reg.toPrinting = reg.highestPrinting;
  }
  if (hasPrintings(reg)) reg.valueWithPrintings = reg.value;
  adjustA4sRange(reg);
  reg.valueColour = valueColourOf(reg.edition, reg.value, number(reg.fromPrinting));
}

}  // namespace

void drawRegisterScreen(Session& session) {
  drawStaticPart(session);
  int column = -1, row = 0;
  drawDynamicPart(session, column, row);
}

void runRegisterScreen(Session& session) {
  ProgramState& state = session.state;
  RegisterState& reg = state.reg;
  // The two-coloured edition has a register of its own, not built yet.
  if (state.edition() == "T") {
    state.nextScreen = ScreenCode::FrontPage;
    return;
  }
  enterScreen(session);
  drawStaticPart(session);
  int lastMarkColumn = -1, lastMarkRow = 0;
  state.screenName = "register";
  bool messageShown = false;
  for (;;) {
    drawDynamicPart(session, lastMarkColumn, lastMarkRow);
    const KeyString key = session.display.waitKey();
    if (messageShown) {
      session.screen().setTextColour(colour::kWhite);
      session.screen().fillBox(30, 47, 191, 63, colour::kWhite);
      messageShown = false;
    }
    const RegisterKeyResult result = handleRegisterKey(reg, key);
    if (result.beep) session.display.beep();
    switch (result.action) {
      case RegisterAction::None:
        break;
      case RegisterAction::IncludeToggled:
        drawIncludeSwitch(session.screen(), reg);
        break;
      case RegisterAction::NoPrintings:
        showMessage(session.screen(), 6, MessageCaller::Register, {});
        messageShown = true;
        break;
      case RegisterAction::Search:
        search(session);
        break;
      case RegisterAction::Leave:
        storeToSettings(reg, state);
        state.nextScreen = result.leaveCode == 1 ? ScreenCode::FrontPage
                                                 : static_cast<ScreenCode>(result.leaveCode);
        return;
    }
    reg.valueColour = valueColourOf(reg.edition, reg.value, number(reg.fromPrinting));
  }
}

}  // namespace kolvard
