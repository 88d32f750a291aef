// The cliché-flaw screen: for one position of one printing (or, in number order, for one
// cliché number) the drawing of the cliché with its flaws, its description, series,
// occurrences and stamp number, with the keys that walk the sheet, the printings and the
// cliché numbers. Leaves with state.nextScreen set.
#pragma once

#include <memory>

#include "app/session.hpp"
#include "ui/key_string.hpp"

namespace kolvard {

void runFlawScreen(Session& session);

// One visit of the screen driven key by key, for benchmarks and tests: enter() as on F6,
// draw() one drawing cycle, handleKey() one key (false when it leaves the screen).
class FlawScreenVisit {
 public:
  explicit FlawScreenVisit(Session& session);
  ~FlawScreenVisit();
  void enter();
  void draw();
  bool handleKey(const KeyString& key);

 private:
  class Screen;
  std::unique_ptr<Screen> screen_;
};

}  // namespace kolvard
