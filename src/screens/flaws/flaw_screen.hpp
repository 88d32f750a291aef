// The cliché-flaw screen: for one position of one printing (or, in number order, for one
// cliché number) the drawing of the cliché with its flaws, its description, series,
// occurrences and stamp number, with the keys that walk the sheet, the printings and the
// cliché numbers, and the series print (F12).
#pragma once

#include <string>
#include <vector>

#include "domain/cliche_numbers.hpp"
#include "domain/position_table.hpp"
#include "screens/common/screen_page.hpp"
#include "screens/common/session.hpp"
#include "screens/flaws/flaws_state.hpp"

namespace kolvard {

struct ClicheRecord;

class FlawScreen final : public ScreenPage {
 public:
  FlawScreen(Session& session, FlawsState& state)
      : session_(session), flaws_(state), screen_(session.screen()) {}

  // By position, at the position taken over from the other screens, with the key panel and
  // the information panel.
  void enter() override;
  // One drawing cycle: what changed of the headings, the cliché panel, the series column,
  // the occurrences, the stamp number, printing and position, and the key captions.
  void draw() override;
  KeyResult handleKey(const KeyString& key) override;

 private:
  Selection& selection() { return session_.state.selection; }
  std::string valueKey() { return selection().valueKey(); }
  bool byPosition() const { return flaws_.mode == FlawMode::ByPosition; }
  void message(int number, const MessageArgs& args = {});

  void loadTable();
  void readEntry();
  void normalisePrinting();
  void afterPrintingChange();
  void drawTitle();
  void drawValueHeading();
  void drawSeriesColumn(bool changed);
  void drawOccurrences(const ClicheRecord& record, const std::string& label);
  void drawPrintingAndPosition();
  void drawKeyPanel();
  void drawNavigationCaptions();
  void drawInformationPanel();
  KeyResult act(const KeyString& key);
  KeyResult valueEntry();
  void printingEntry();
  void positionEntry(char first);
  void enterNumberMode();
  void stepNumberMode(const KeyString& key);
  void stepPosition(const KeyString& key);
  void printCurrentSeries();
  std::string shownCliche();

  Session& session_;
  FlawsState& flaws_;
  Screen& screen_;
  PrintingPositionTable table_;
  SeriesLimits limits_;
  std::vector<SeriesIndexEntry> seriesIndex_;
  int lastMode_ = -1, captionsMode_ = -1;  // -1: draw again
  std::string lastValue_, lastPrinting_, lastPosition_;
  int panes_ = 1;
  int series_ = 1;        // the series of the current printing or cliché
  int numberSeries_ = 1;  // by-number mode: the series of the cliché number
  int running_ = 1;
  bool unavailable_ = false;  // no series print and no by-number mode for this value
  char status_ = ' ';
  bool panelTouched_ = true;  // the key panel was drawn over since it was drawn
  std::string stamp_;
};

}  // namespace kolvard
