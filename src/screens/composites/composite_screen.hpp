// The composite-cliché screen: one composite of a series (or, for "A2s" and "A4s", one of
// the cliché types) as a large picture with its type name, the value, series and composite
// texts, and the keys that page through the composites and the series.
#pragma once

#include <string>

#include "domain/cliche_numbers.hpp"
#include "screens/common/screen_page.hpp"
#include "screens/common/selection.hpp"
#include "screens/common/session.hpp"
#include "screens/composites/composites_state.hpp"

namespace kolvard {

class CompositeScreen final : public ScreenPage {
 public:
  CompositeScreen(Session& session, CompositesState& state)
      : session_(session), state_(state), screen_(session.screen()) {}

  // The "F" set at the series of the current printing, at the composite shown last.
  void enter() override;
  // What changed of the texts, the key panel, the type name and the picture.
  void draw() override;
  KeyResult handleKey(const KeyString& key) override;

 private:
  Selection& selection() { return session_.state.selection; }
  std::string valueKey() { return selection().valueKey(); }
  bool typeSet() const { return state_.set == CompositeSet::ClicheTypes; }
  void message(int number, const MessageArgs& args = {});

  void readLimits();
  int countOf(int series);
  void drawTextPanel();
  void drawInformationLines();
  void drawKeyPanel();
  void drawTypeName();
  // False when the picture shown is the one asked for.
  bool drawPicture();
  void forgetDrawn();
  KeyResult act(const KeyString& key);
  void stepComposites(const KeyString& key);
  void stepSeries(bool next);
  void seriesEntry();
  KeyResult valueEntry();
  KeyResult leave(ScreenCode code);

  Session& session_;
  CompositesState& state_;
  Screen& screen_;

  // Saved at entry, given back on leaving while the value is the same.
  std::string savedValueKey_;
  PrintingRange savedPrintings_;
  std::string savedPeriod_, savedPosition_;

  SeriesLimits limits_;
  std::string limitsValueKey_;  // the value the limits were read for
  std::string countSection_;    // the section whose count byte `count_` holds
  int count_ = 0;
  // Drawn last; cleared to draw again.
  std::string drawnValue_, drawnKeyPanel_, drawnPicture_;
  int drawnSeries_ = -1, drawnSeriesCount_ = -1;
};

}  // namespace kolvard
