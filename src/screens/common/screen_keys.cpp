#include "screens/common/screen_keys.hpp"

#include "data/cp865.hpp"
#include "domain/printing_records.hpp"
#include "print/export_session.hpp"
#include "screens/common/session.hpp"
#include "ui/info_viewer.hpp"

namespace kolvard {

KeyResult leavingKey(const KeyString& key) {
  if (isExtended(key, scan::kF3)) return ScreenCode::Register;
  if (isExtended(key, scan::kF5)) return ScreenCode::Sheets;
  if (isExtended(key, scan::kF6)) return ScreenCode::Flaws;
  if (isExtended(key, scan::kF7)) return ScreenCode::Composites;
  if (isExtended(key, scan::kF8)) return ScreenCode::Types;
  if (key == ordinaryKey(kEscCode)) return ScreenCode::FrontPage;
  return kStay;
}

bool showInformationFor(Session& session, const KeyString& key) {
  const bool general = isExtended(key, scan::kF1);
  if (!general && !isExtended(key, scan::kF2)) return false;
  const EditionSections& sections = session.state.sections;
  showInformation(session.screen(), session.display, session.data,
                  general ? sections.generalInfo : sections.editionInfo,
                  general ? ViewerMode::General : ViewerMode::Edition, session.state.viewer);
  return true;
}

KeyResult keyAfterPrint(Session& session) {
  Screen& screen = session.screen();
  showContinuePrompt(screen);
  const KeyString key = upperKey(session.display.waitKey());
  if (isExtended(key, scan::kF6) || isExtended(key, scan::kF7) || isExtended(key, scan::kF8)) {
    return leavingKey(key);
  }
  clearExportBand(screen);
  return kStay;
}

std::string schemaPrintRefusal(const Session& session) {
  const Selection& s = session.state.selection;
  switch (schemaPrintBlock(session.data, s.edition(), s.value(), s.printing())) {
    case SchemaPrintBlock::None:
      return {};
    case SchemaPrintBlock::NoSuchPrinting:
      return "Tryk fra 1 til " + std::to_string(s.printingCount());
    case SchemaPrintBlock::NoPrintingData:
      return "datafilen har ingen trykdata for " + cp865ToUtf8(s.value());
  }
  return {};
}

}  // namespace kolvard
