// What the window shows while a schema is printed: the message band with the file name and
// where it goes, the progress figure, a failure message when a file cannot be made, and the
// closing "Tryk en tast for at fortsætte". The command-line export runs the same exports
// without a screen.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kolvard {

class Screen;

enum class ExportKind {
  SheetSchema,  // one sheet schema file
  Series,       // a series: one file a page
};

// The progress counter: -1 at the start of an export; each step adds 1 and, with a screen,
// shows the new value + " %" in a white box ending at (426, 372). After a step the screen's
// next glyph text is meant for the page.
class ExportProgress {
 public:
  explicit ExportProgress(Screen* screen) : screen_(screen) {}
  void restart() { value_ = -1; }
  void step();
  int value() const { return value_; }
  // The last step of a series: the figure shows 100 %.
  void complete() {
    value_ = 99;
    step();
  }

 private:
  Screen* screen_;
  int value_ = -1;
};

// The message band of an export (screen may be null: nothing is drawn). `fileCount` above 1
// gives the series form " n filer placeres i: ...". The directory is shown as its name in
// code page 865.
void showExportMessages(Screen* screen, ExportKind kind, std::string_view baseName, int fileCount,
                        const std::filesystem::path& directory);

// A file could not be made: the band says so in palette 12 (cp865 text).
void showExportFailure(Screen* screen, std::string_view message);

// "Tryk en tast for at fortsætte" centred at (320, 398).
void showContinuePrompt(Screen& screen);
// Clears the message band (0, 354)-(639, 403).
void clearExportBand(Screen& screen);

// The failure text for a file that could not be made (UTF-8 `why` from the writer), in
// cp865: "Filen NAME.BMP kunne ikke dannes: WHY".
std::string exportFailureText(std::string_view fileName, std::string_view why);

}  // namespace kolvard
