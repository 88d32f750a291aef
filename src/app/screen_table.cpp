#include "app/screen_table.hpp"

#include <memory>

#include "domain/edition.hpp"
#include "screens/composites/composite_screen.hpp"
#include "screens/flaws/flaw_screen.hpp"
#include "screens/register/register_dump.hpp"
#include "screens/register/register_screen.hpp"
#include "screens/sheets/sheet_screen.hpp"
#include "screens/twocolour/tc_composite_screen.hpp"
#include "screens/twocolour/tc_flaw_screen.hpp"
#include "screens/twocolour/tc_schema_screen.hpp"
#include "screens/twocolour/two_colour_dump.hpp"
#include "screens/types/type_screen.hpp"

namespace kolvard {
namespace {

enum class Editions {
  OneColoured,           // every edition but "T"
  TwoColoured,           // "T"
  OneColouredOrIceland,  // every edition but "T", and "T" with the Iceland flag
};

struct ScreenRow {
  ScreenCode code;
  Editions editions;
  const char* name;  // the screen's name in the state dump
  std::unique_ptr<ScreenPage> (*open)(Session&, ProgramState&);
  void (*dump)(JsonObject&, const ProgramState&);  // its object in the state dump
};

template <typename Page, auto Member>
std::unique_ptr<ScreenPage> make(Session& session, ProgramState& state) {
  return std::make_unique<Page>(session, state.*Member);
}

constexpr ScreenRow kScreens[] = {
    {ScreenCode::Register, Editions::OneColoured, "register",
     make<RegisterScreen, &ProgramState::reg>,
     [](JsonObject& d, const ProgramState& s) { writeRegisterDump(d, s.reg, s.selection); }},
    // The two-coloured register shares the register's state and its dump object; the
    // two-coloured screens' position table has its own.
    {ScreenCode::Register, Editions::TwoColoured, "tc-register",
     [](Session& session, ProgramState& state) -> std::unique_ptr<ScreenPage> {
       return std::make_unique<RegisterScreen>(session, state.reg, twoColouredRegister());
     },
     [](JsonObject& d, const ProgramState& s) { writeTwoColourDump(d, s); }},
    {ScreenCode::Flaws, Editions::OneColoured, "flaws", make<FlawScreen, &ProgramState::flaws>,
     [](JsonObject& d, const ProgramState& s) { writeFlawsDump(d, s.flaws, s.selection); }},
    {ScreenCode::Flaws, Editions::TwoColoured, "tc-flaws",
     make<TwoColourFlawScreen, &ProgramState::tcFlaws>,
     [](JsonObject& d, const ProgramState& s) {
       writeTwoColourFlawsDump(d, s.tcFlaws, s.selection);
     }},
    {ScreenCode::Sheets, Editions::OneColoured, "sheets", make<SheetScreen, &ProgramState::sheets>,
     [](JsonObject& d, const ProgramState& s) { writeSheetsDump(d, s.sheets, s.selection); }},
    {ScreenCode::Sheets, Editions::TwoColoured, "tc-schemas",
     make<TwoColourSchemaScreen, &ProgramState::tcSchemas>,
     [](JsonObject& d, const ProgramState& s) { writeTwoColourSchemasDump(d, s.tcSchemas); }},
    {ScreenCode::Composites, Editions::OneColoured, "composites",
     make<CompositeScreen, &ProgramState::composites>,
     [](JsonObject& d, const ProgramState& s) { writeCompositesDump(d, s.composites); }},
    {ScreenCode::Composites, Editions::TwoColoured, "tc-composites",
     [](Session& session, ProgramState& state) -> std::unique_ptr<ScreenPage> {
       return std::make_unique<TwoColourCompositeScreen>(session, state.tcComposites,
                                                         state.tcFlaws);
     },
     [](JsonObject& d, const ProgramState& s) { writeTwoColourCompositesDump(d, s.tcComposites); }},
    {ScreenCode::Types, Editions::OneColouredOrIceland, "types",
     make<TypeScreen, &ProgramState::types>,
     [](JsonObject& d, const ProgramState& s) {
       writeTypesDump(d, s.types, s.selection.typePage());
     }},
    // The same screen with the two-coloured variant; the record index is shared through the
    // selection. The one-coloured row above serves "T" with the Iceland flag (it comes first).
    {ScreenCode::Types, Editions::TwoColoured, "tc-types",
     [](Session& session, ProgramState& state) -> std::unique_ptr<ScreenPage> {
       return std::make_unique<TypeScreen>(session, state.tcTypes, twoColouredTypes());
     },
     [](JsonObject& d, const ProgramState& s) {
       writeTcTypesDump(d, s.tcTypes, s.selection.typePage());
     }},
};

bool serves(Editions editions, const Selection& selection) {
  const bool twoColoured = Edition(selection.edition()).isTwoColoured();
  switch (editions) {
    case Editions::OneColoured:
      return !twoColoured;
    case Editions::TwoColoured:
      return twoColoured;
    case Editions::OneColouredOrIceland:
      return !twoColoured || selection.iceland();
  }
  return false;
}

const ScreenRow* rowFor(ScreenCode code, const Selection& selection) {
  for (const ScreenRow& row : kScreens) {
    if (row.code == code && serves(row.editions, selection)) return &row;
  }
  return nullptr;
}

}  // namespace

void runScreens(Session& session, ProgramState& state, ScreenCode code) {
  state.openedFrom = ScreenCode::FrontPage;
  while (code != ScreenCode::FrontPage && code != ScreenCode::End) {
    const ScreenRow* row = rowFor(code, state.selection);
    if (row == nullptr) break;
    const std::unique_ptr<ScreenPage> page = row->open(session, state);
    state.screenName = row->name;
    const ScreenCode shown = code;
    code = runScreenPage(*page, session);
    state.openedFrom = shown;
  }
  // Leaving a screen returns to the top of the main cycle with a full front-page drawing.
  state.front.drawn = false;
  state.screenName = "front";
}

void writeScreenDumps(JsonObject& dump, const ProgramState& state) {
  for (const ScreenRow& row : kScreens) {
    if (row.dump != nullptr) row.dump(dump, state);
  }
}

}  // namespace kolvard
