// The register screen of an edition: the search form on the left (value, printing range,
// criteria sets, include switch), the result list on the right, and the side menu to the
// other screens. The two-coloured edition's register is the same screen with its own layout.
#pragma once

#include <string>

#include "screens/common/screen_page.hpp"
#include "screens/common/session.hpp"
#include "screens/register/register_layout.hpp"
#include "screens/register/register_state.hpp"

namespace kolvard {

class RegisterScreen final : public ScreenPage {
 public:
  RegisterScreen(Session& session, RegisterState& state,
                 const RegisterLayout& layout = oneColouredRegister())
      : session_(session), reg_(state), layout_(layout) {}

  // The entry steps (the range, whether the list still holds, the highest printing) and the
  // static part of the screen.
  void enter() override;
  // The form, the cursor, the list and the status line.
  void draw() override;
  KeyResult handleKey(const KeyString& key) override;

  // The whole screen for the current state, without the entry steps (benchmarks, tests).
  void drawWhole();

 private:
  void search();
  // The two-coloured screens' position table follows the value and the printing the range
  // starts at.
  void loadTwoColourPositions();

  Session& session_;
  RegisterState& reg_;
  const RegisterLayout& layout_;
  int lastMarkColumn_ = -1, lastMarkRow_ = 0;
  bool messageShown_ = false;
  std::string loadedFor_;  // value and printing of the last two-coloured load this visit
};

}  // namespace kolvard
