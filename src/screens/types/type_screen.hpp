// The type screen: the types of the stamps of a value as pages of up to six drawings in a
// 3 x 2 grid, each with its label ("M.", or "OM." and "RM." for the ovals and frames of the
// two-coloured edition). The pages of all values form one sequence to page through; the screen
// starts at the first page of the current value. "W" shows the watermark page. The editions'
// differences are the screen's TypeVariant.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "domain/type_pages.hpp"
#include "screens/common/screen_page.hpp"
#include "screens/common/session.hpp"
#include "screens/types/type_variant.hpp"
#include "screens/types/types_state.hpp"

namespace kolvard {

class TypeScreen final : public ScreenPage {
 public:
  TypeScreen(Session& session, TypesState& state, const TypeVariant& variant = oneColouredTypes())
      : session_(session), types_(state), variant_(variant), screen_(session.screen()) {}

  // Reads the type section and finds the current value's page.
  void enter() override;
  // A value without type pages: a beep, and the front page.
  KeyResult leavesOnEntry() override { return leave_; }
  // The whole page, when the record index changed or a redraw was asked for.
  void draw() override;
  KeyResult handleKey(const KeyString& key) override;

 private:
  TypePagePlace& place() { return session_.state.selection.typePage(); }
  const TypeDrawing& drawingOf(const std::string& key);
  // Draws one cell; false when the page ends with it.
  bool drawCell(const TypePage& page, std::size_t cell, int colour);
  void drawSideTexts(const TypePage& page);
  void step(const KeyString& key);
  void chooseValue(bool frames);
  // The record at the index read again: an index past the last page steps back to it.
  void checkIndex();

  Session& session_;
  TypesState& types_;
  const TypeVariant& variant_;
  Screen& screen_;
  std::string edition_;  // the type section's edition
  TypePages pages_;
  std::map<std::string, TypeDrawing> drawings_;
  KeyResult leave_ = kStay;
  std::optional<int> drawnIndex_;  // the page drawn; none: draw the whole page again
};

}  // namespace kolvard
