// The type screen of the two-coloured edition: the oval types of each value and the frame
// types of each main group ("R2", "R4", "R5") as pages of up to six drawings in the 3 x 2
// grid of the cliché-type screen, each labelled "OM." or "RM." and its type code. The pages
// form one sequence to page through; the screen starts at the first page of the current value.
// "W" shows the watermark page without its line about the later editions.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "domain/cliche_record.hpp"
#include "domain/flaw_record.hpp"
#include "domain/two_colour_type_pages.hpp"
#include "screens/common/screen_page.hpp"
#include "screens/common/session.hpp"
#include "screens/types/tc_types_state.hpp"
#include "screens/types/types_state.hpp"

namespace kolvard {

class TcTypeScreen final : public ScreenPage {
 public:
  TcTypeScreen(Session& session, TypesState& shared, TcTypesState& state)
      : session_(session), types_(shared), tc_(state), screen_(session.screen()) {}

  // Reads "TTYPER" and finds the current value's first page.
  void enter() override;
  // A value without type pages: a beep, and the front page.
  KeyResult leavesOnEntry() override { return leave_; }
  // The whole page, when the record index changed or a redraw was asked for.
  void draw() override;
  KeyResult handleKey(const KeyString& key) override;

 private:
  // A type's flaw record and its decoded picture, read once a visit.
  struct TypeDrawing {
    FlawRecord record;
    std::vector<ClichePictureRow> rows;
  };

  const TypeDrawing& drawingOf(const std::string& key);
  void drawHeading(const TypePage& page);
  // Draws one cell; false when its type could not be drawn, which ends the page.
  bool drawCell(const TypePage& page, std::size_t cell, int colour);
  void step(const KeyString& key);
  void chooseValue(bool frames);
  // The end record met at `endIndex`: the last page is the one before it.
  void metEnd();
  // The record at the index read again: at the end record the index steps back to the last
  // page.
  void checkIndex();

  Session& session_;
  TypesState& types_;
  TcTypesState& tc_;
  Screen& screen_;
  TwoColourTypePages pages_;
  std::map<std::string, TypeDrawing> drawings_;
  KeyResult leave_ = kStay;
  int drawnIndex_ = -1;  // -1: draw the whole page again
};

}  // namespace kolvard
