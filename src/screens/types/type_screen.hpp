// The cliché-type screen: the types of the stamps of a value as pages of up to six drawings in
// a 3 x 2 grid, each with its type label. The pages of all values of the edition form one
// sequence to page through; the screen starts at the first page of the current value. "W"
// shows the watermark page.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "domain/cliche_record.hpp"
#include "domain/type_pages.hpp"
#include "screens/common/screen_page.hpp"
#include "screens/common/session.hpp"
#include "screens/types/types_state.hpp"

namespace kolvard {

class TypeScreen final : public ScreenPage {
 public:
  TypeScreen(Session& session, TypesState& state)
      : session_(session), types_(state), screen_(session.screen()) {}

  // Reads the edition's type section ("ITYPER" with the Iceland flag) and finds the current
  // value's page.
  void enter() override;
  // A value without type pages: a beep, and the front page.
  KeyResult leavesOnEntry() override { return leave_; }
  // The whole page, when the record index changed or a redraw was asked for.
  void draw() override;
  KeyResult handleKey(const KeyString& key) override;

 private:
  // A type's cliché record and its decoded picture, read once a visit.
  struct TypeDrawing {
    ClicheRecord record;
    std::vector<ClichePictureRow> rows;
  };

  const TypeDrawing& drawingOf(const std::string& key);
  void drawHeading(const TypePage& page);
  void drawCell(const TypePage& page, std::size_t cell, int colour);
  void drawSideTexts(const TypePage& page);
  int colourOf(const std::string& value) const;
  void step(const KeyString& key);
  void chooseValue(bool frames);
  // The record at the index read again: an index past the last page steps back to it.
  void checkIndex();

  Session& session_;
  TypesState& types_;
  Screen& screen_;
  TypePages pages_;
  std::map<std::string, TypeDrawing> drawings_;
  KeyResult leave_ = kStay;
  int drawnIndex_ = -1;  // -1: draw the whole page again
};

}  // namespace kolvard
