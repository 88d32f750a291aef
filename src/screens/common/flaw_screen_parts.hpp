// What the flaw screens of both kinds of edition share below their key panel: the panel with
// the edition's help lines or the printing information (F4), and the series print of F12 with
// its progress, failure message and "press a key" prompt.
#pragma once

#include <string>
#include <vector>

#include "print/series_print.hpp"
#include "screens/common/session.hpp"

namespace kolvard {

// The edition's help lines (edition + "INFOF0") or, when the switch is on, the printing
// information. `shortened`: the first four help lines are left out and the rest move up,
// where the key panel lacks its series-print line.
void drawFlawInformationPanel(Screen& screen, const DataFile& data, const Selection& selection,
                              bool shortened);

struct SeriesPrintShown {
  std::vector<std::string> files;  // the files written, in page order
  std::string error;               // cp865; empty when every page was written
};

// Prints the series, shows the progress and any failure on the screen, waits for a key and
// clears the message band.
SeriesPrintShown printSeriesOnScreen(Session& session, const SeriesPrintRequest& request);

}  // namespace kolvard
