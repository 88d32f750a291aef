#include "screens/flaws/value_entry.hpp"

namespace kolvard {

bool takeValueEntry(ProgramState& state, Screen& screen, MessageCaller caller,
                    const ValueEntryResult& entry) {
  switch (entry.kind) {
    case ValueEntryResult::Cancelled:
      return false;
    case ValueEntryResult::IcelandOval:
      state.settings.edition = "T";
      state.settings.value = entry.value;
      state.nextScreen = ScreenCode::FrontPage;
      return false;
    case ValueEntryResult::Rejected:
      showMessage(screen, entry.check.message, caller, {});
      return false;
    case ValueEntryResult::Accepted:
      break;
  }
  state.settings.value = entry.check.value;
  state.cliche = entry.check.startingCliche;
  return true;
}

}  // namespace kolvard
