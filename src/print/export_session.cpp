#include "print/export_session.hpp"

#include <string>

#include "data/cp865.hpp"
#include "ui/palette.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

// A white (or other) box with no outline of another colour; the text colour is kept.
void plainBox(Screen& screen, double x1, double y1, double x2, double y2, int fill) {
  const int text = screen.textColour();
  screen.setTextColour(fill);
  screen.fillBox(x1, y1, x2, y2, fill);
  screen.setTextColour(text);
}

GlyphStyle messageStyle(int mode, double spaceWidth, int colour = colour::kGreen) {
  return GlyphStyle{Font::C, mode, 1, spaceWidth, colour};
}

// The file name as the screen shows it: the first "ø" written "o".
std::string shownBaseName(std::string_view baseName) {
  std::string name(baseName);
  const auto at = name.find(cp865::kOslash);
  if (at != std::string::npos) name[at] = 'o';
  return name;
}

// The directory as the user knows it: its full path, without a trailing separator ("."
// alone would tell nothing).
std::string directoryText(const std::filesystem::path& directory) {
  std::error_code ec;
  std::filesystem::path full = std::filesystem::absolute(directory, ec);
  if (ec) full = directory;
  full = full.lexically_normal();
  std::string text;
  const std::u8string u8 = full.u8string();
  text.assign(u8.begin(), u8.end());
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return utf8ToCp865(text);
}

constexpr double kSecondLineY = 385;

}  // namespace

void ExportProgress::step() {
  ++value_;
  if (screen_ == nullptr) return;
  plainBox(*screen_, 396, 362, 416, 373, colour::kWhite);
  screen_->drawGlyphText(std::to_string(value_) + " %", 426, 372, messageStyle(kToRight, 3));
}

void showExportMessages(Screen* screen, ExportKind kind, std::string_view baseName, int fileCount,
                        const std::filesystem::path& directory) {
  if (screen == nullptr) return;
  const double bottom = kind == ExportKind::SheetSchema ? 406 : 403;
  plainBox(*screen, 0, 355, 639, bottom, colour::kWhite);
  screen->drawGlyphText("Filen    " + shownBaseName(baseName) + " . BMP    dannes", 382, 372,
                        messageStyle(kToRight, 1));

  const std::string where = directoryText(directory) + ".";
  std::string line;
  if (kind == ExportKind::Series && fileCount > 1) {
    line = " " + std::to_string(fileCount) + " filer placeres i:  " + where +
           "  Kan udskrives enkeltvis med Windows Billedfremviser";
  } else {
    line = "Filen placeres i:  " + where + "  Kan udskrives med Windows Billedfremviser";
  }
  screen->drawGlyphText(line, 320, kSecondLineY, messageStyle(kCentred, 4));
}

void showExportFailure(Screen* screen, std::string_view message) {
  if (screen == nullptr) return;
  // In place of the line saying where the file goes, clear of the file line and the prompt.
  plainBox(*screen, 0, 376, 639, 389, colour::kWhite);
  screen->drawGlyphText(message, 320, kSecondLineY, messageStyle(kCentred, 4, colour::kRed));
}

void showContinuePrompt(Screen& screen) {
  screen.drawGlyphText(cp("Tryk en tast for at fortsætte"), 320, 398, messageStyle(kCentred, 3));
}

void clearExportBand(Screen& screen) {
  plainBox(screen, 0, 354, 639, 403, colour::kWhite);
}

std::string exportFailureText(std::string_view fileName, std::string_view why) {
  return "Filen " + std::string(fileName) + " kunne ikke dannes: " + utf8ToCp865(why);
}

}  // namespace kolvard
