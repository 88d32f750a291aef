#include "screens/common/flaw_screen_parts.hpp"

#include "data/cp865.hpp"
#include "domain/version.hpp"
#include "print/export_session.hpp"
#include "print/schema_bitmap.hpp"
#include "print/sheet_grid.hpp"
#include "screens/common/printing_information.hpp"
#include "screens/common/screen_text.hpp"
#include "ui/info_viewer.hpp"

namespace kolvard {

void drawFlawInformationPanel(Screen& screen, const DataFile& data, const Selection& selection,
                              bool shortened) {
  if (selection.printingInfo()) {
    eraseBox(screen, 200, 402, 540, 419);
    eraseBox(screen, 90, 418, 549, 480);
    drawPrintingInformation(screen, data, selection.edition(), selection.value(),
                            selection.printing());
    return;
  }
  eraseBox(screen, 90, 408, 549, 480);
  const SectionRef help = data.findSection(selection.edition() + "INFOF0");
  for (int n = 17; n <= 24; ++n) {
    if (shortened && n <= 20) continue;
    const std::string line = n == 24 ? versionBanner() + "    " + infoTextLine(data, help, 31)
                                     : infoTextLine(data, help, n - 1);
    const double y = 406 + 10 * (n - 17) - (shortened && n < 24 ? 20 : 0);
    drawText(screen, line, 320, y, Font::B, kCentred, 1, 2, 10);
  }
}

SeriesPrintShown printSeriesOnScreen(Session& session, const SeriesPrintRequest& request) {
  Screen& screen = session.screen();
  ExportProgress progress(&screen);
  const auto present = [](void* display) { static_cast<Display*>(display)->present(); };
  const SeriesPrintResult result =
      printSeries(screen, &screen, session.data, request, session.outputDirectory, progress,
                  todayDateText(), present, &session.display);
  SeriesPrintShown shown{result.files, result.ok ? std::string() : cp(result.error)};
  if (!result.ok) {
    const std::string file =
        result.failedFile.empty()
            ? schemaFileName(seriesPageTag(request.edition, request.value, request.series, 1))
            : result.failedFile;
    showExportFailure(&screen, exportFailureText(file, result.error));
    session.display.beep();
  }
  showContinuePrompt(screen);
  session.display.waitKey();
  clearExportBand(screen);
  return shown;
}

}  // namespace kolvard
