// The sheets screen ("Skemaer"): one printing of a value drawn as its printing sheet, one,
// two or four panes of 10 x 10 cells with type, cliché and flag marks, the pane captions
// and watermark direction, the menu, and the printed schema of a pane (F9/F10).
#pragma once

#include <array>
#include <string>

#include "domain/sheet_knowledge.hpp"
#include "domain/sheet_schema.hpp"
#include "screens/common/screen_page.hpp"
#include "screens/common/session.hpp"
#include "screens/sheets/sheets_state.hpp"

namespace kolvard {

class SheetScreen final : public ScreenPage {
 public:
  SheetScreen(Session& session, SheetsState& state)
      : session_(session), sheets_(state), screen_(session.screen()) {}

  void enter() override {}
  // The whole screen for the printing shown (the sheet read again only when it changed).
  void draw() override;
  KeyResult handleKey(const KeyString& key) override;

 private:
  Selection& selection() { return session_.state.selection; }
  const std::string& printing() { return selection().printing(); }
  int panes() const;
  bool fourPanes() const { return panes() >= 4; }
  bool supplementKey();

  void setPrinting(const std::string& printing);
  void loadSheet();
  void drawPane(int pane, double offset);
  void drawCell(int pane, int r, int c, double offset);
  void drawMenu();
  void drawInformationPanel();
  KeyResult valueEntry();
  KeyResult print(bool rightPane);

  Session& session_;
  SheetsState& sheets_;
  Screen& screen_;
  SheetOfPrinting sheet_;
  SheetKnowledge knowledge_;
  std::array<std::string, 4> watermarks_;  // the watermark marks of panes A..D
  std::string loadedKey_;                  // edition + value + "|" + printing of the sheet read
};

}  // namespace kolvard
