// The flaw screen of the two-coloured edition: for one position of one printing the oval
// cliché (left) and the frame cliché (right) side by side, each with its flaw number, type,
// picture and description, the oval series with the occurrences of the oval flaw, the
// printing order of the frame setting and the path of a wandering frame cliché. Three modes:
// by position, oval flaws and frame flaws in number order.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "domain/cliche_numbers.hpp"
#include "domain/flaw_record.hpp"
#include "domain/two_colour_reading.hpp"
#include "screens/common/line_editor.hpp"
#include "screens/common/screen_page.hpp"
#include "screens/common/session.hpp"
#include "screens/twocolour/tc_flaws_state.hpp"

namespace kolvard {

class TwoColourFlawScreen final : public ScreenPage {
 public:
  TwoColourFlawScreen(Session& session, TwoColourFlawsState& state)
      : session_(session), flaws_(state), screen_(session.screen()) {}

  // Position mode at the selected position, with the key panel and the information panel.
  void enter() override;
  // One drawing cycle: title, headings, both panels, the left column, printing and
  // position, frame kind and type, printing order and wandering cliché, as far as changed.
  void draw() override;
  KeyResult handleKey(const KeyString& key) override;

 private:
  Selection& selection() { return session_.state.selection; }
  bool inMode(FlawViewMode m) const { return flaws_.mode == m; }
  bool iceland() { return selection().iceland(); }
  void message(int number, const MessageArgs& args = {});

  // The data behind the screen.
  void loadTable();
  void readPosition();
  void afterPrintingChange(int oldIndex);
  void seekOvalSeries();
  int ovalSeriesCount() const { return limits_.seriesCount; }
  int frameFlawsOf(int setting);

  // Drawing.
  void drawTitle();
  void drawValueHeading();
  void drawOvalPart(bool valueOrPrintingChanged);
  void drawLeftColumn(bool valueOrPrintingChanged);
  void drawOccurrences();
  void drawPrintingAndPosition();
  void drawFramePart();
  void drawPrintingOrder();
  void drawWandering();
  void drawKeyPanel();
  void drawInformationPanel();
  void drawOvalHeading(int colour);
  void drawFrameHeadingText(int colour);

  // Entries (tc_flaw_entries.cpp).
  LineEditorRequest editorRequest(char kind, double y, const std::string& opening);
  // Keys (tc_flaw_keys.cpp).
  KeyResult act(const KeyString& key);
  void stepPosition(const KeyString& key);
  void stepOval(const KeyString& key);
  void stepFrame(const KeyString& key);
  void stepPrinting(bool next);
  KeyResult valueEntry();
  void printingEntry();
  void positionEntry(char first);
  void ovalEntry();
  void frameEntry();
  void printOvalSeries();
  void setHandOver();

  Session& session_;
  TwoColourFlawsState& flaws_;
  Screen& screen_;
  TwoColourReading reading_;
  SeriesLimits limits_;
  std::vector<SeriesIndexEntry> seriesIndex_;
  std::optional<SeriesIndexEntry> seriesRecord_;
  FlawRecord ovalRecord_, frameRecord_;
  const FlawRecord* lastRead_ = nullptr;  // the record read last (its wandering list)
  // Last drawn; "x" forces a redraw, "" means not drawn.
  int lastMode_ = -1;
  std::string lastValue_, lastPrinting_, lastOval_, lastFrame_;
  char lastFrameKind_ = '\0';
  int lastOrderSetting_ = -1;
  std::string lastOrderPeriod_, lastOrderPrinting_;
  bool ovalBlankDrawn_ = false, frameBlankDrawn_ = false;
  // While an entry offers a number: the other panel is drawn in light grey, not hidden.
  bool entryPreview_ = false;
};

}  // namespace kolvard
