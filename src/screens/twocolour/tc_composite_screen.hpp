// The composite-cliché screen of the two-coloured edition: one composite of an oval series or
// of a frame setting as a large picture, with the value, the series or setting, the composite
// number of how many, the type of an oval composite and the period of a setting, and the keys
// that step through composites, series and settings, switch between ovals and frames and
// between the two periods of a setting.
#pragma once

#include <string>

#include "domain/cliche_numbers.hpp"
#include "screens/common/screen_page.hpp"
#include "screens/common/session.hpp"
#include "screens/twocolour/tc_composites_state.hpp"
#include "screens/twocolour/tc_flaws_state.hpp"

namespace kolvard {

class TwoColourCompositeScreen final : public ScreenPage {
 public:
  TwoColourCompositeScreen(Session& session, TwoColourCompositesState& state,
                           TwoColourFlawsState& flaws)
      : session_(session), state_(state), flaws_(flaws), screen_(session.screen()) {}

  // The series of the printing, or the series and setting the flaw screen handed over.
  void enter() override;
  // What changed of the right column, the key panel and the picture.
  void draw() override;
  KeyResult handleKey(const KeyString& key) override;

 private:
  Selection& selection() { return session_.state.selection; }
  bool ovals() const { return state_.kind == CompositeKind::Ovals; }
  bool iceland() { return selection().iceland(); }
  int& composite() { return ovals() ? state_.ovalComposite : state_.frameComposite; }
  void message(int number, const MessageArgs& args = {});

  void takeStartingPlace();
  int countOf(const std::string& firstSection);
  void findComposite();
  void drawRightColumn();
  void drawKeyPanel();
  void drawPicture();
  void forgetDrawn();
  void restart();

  KeyResult act(const KeyString& key);
  void stepComposites(const KeyString& key);
  void stepSeriesOrSetting(bool next);
  void seriesEntry();
  KeyResult valueEntry();
  void switchKind(CompositeKind kind);
  KeyResult leave(ScreenCode code);

  Session& session_;
  TwoColourCompositesState& state_;
  TwoColourFlawsState& flaws_;
  Screen& screen_;

  std::string savedValue_, savedPrinting_, savedPeriod_, savedPosition_;
  SeriesLimits limits_;
  std::string limitsValue_;
  bool resetFrame_ = false;  // the frame flaw number changed since the last visit
  // Drawn last; cleared to draw again.
  std::string drawnColumn_, drawnKeyPanel_, drawnPicture_;
};

}  // namespace kolvard
