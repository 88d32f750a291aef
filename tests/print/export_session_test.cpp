#include "print/export_session.hpp"

#include <gtest/gtest.h>

#include <optional>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

// Pixel rows of the window (zoom 3: 1.5 pixels a unit) that differ between two frames.
struct Changed {
  int count = 0;
  int top = 1 << 30, bottom = -1, left = 1 << 30, right = -1;
};
Changed changed(const Framebuffer& a, const Framebuffer& b) {
  Changed c;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.at(x, y) == b.at(x, y)) continue;
      ++c.count;
      c.top = std::min(c.top, y);
      c.bottom = std::max(c.bottom, y);
      c.left = std::min(c.left, x);
      c.right = std::max(c.right, x);
    }
  }
  return c;
}

int countColour(const Framebuffer& f, Rgb colour, int y1, int y2) {
  int n = 0;
  for (int y = y1; y <= y2; ++y) {
    for (int x = 0; x < f.width(); ++x) n += f.at(x, y) == colour;
  }
  return n;
}

class ExportSessionTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { data_ = DataFile::open(KOLVARD_SAMPLE_DATA); }
  static void TearDownTestSuite() { data_.reset(); }
  void SetUp() override {
    ASSERT_TRUE(data_.has_value());
    screen_.emplace(&*data_);
    screen_->openWindow(3);
    screen_->setUpFonts();
    // A screen full of something other than white, so the band's boxes show.
    screen_->setTextColour(colour::kKeyFace);
    screen_->fillBox(0, 0, 639, 479, colour::kKeyFace);
    screen_->setTextColour(colour::kDarkGrey);
    before_ = screen_->framebuffer();
  }
  Rgb rgb(int index) const { return screen_->palette()[index]; }

  static std::optional<DataFile> data_;
  std::optional<Screen> screen_;
  Framebuffer before_;
};
std::optional<DataFile> ExportSessionTest::data_;

TEST_F(ExportSessionTest, MessagesFillTheBandAndNothingElse) {
  showExportMessages(&*screen_, ExportKind::Series,
                     "%V5\x9b"
                     "C1-1",
                     3, "/tmp/sider");
  const Changed c = changed(before_, screen_->framebuffer());
  EXPECT_EQ(c.top, screen_->px(355));
  EXPECT_EQ(c.bottom, screen_->px(403));
  EXPECT_EQ(c.left, 0);
  EXPECT_EQ(c.right, screen_->framebuffer().width() - 1);
  const Framebuffer& f = screen_->framebuffer();
  // Both lines in green: the file line above 372, the directory line around 385.
  EXPECT_GT(countColour(f, rgb(colour::kGreen), screen_->px(360), screen_->px(373)), 50);
  EXPECT_GT(countColour(f, rgb(colour::kGreen), screen_->px(376), screen_->px(388)), 50);
  EXPECT_EQ(screen_->textColour(), colour::kDarkGrey);  // as it was

  // Sheet schemas clear down to 406.
  screen_->restoreScreen(before_);
  showExportMessages(&*screen_, ExportKind::SheetSchema, "%A4sARK3", 1, ".");
  EXPECT_EQ(changed(before_, screen_->framebuffer()).bottom, screen_->px(406));
}

TEST_F(ExportSessionTest, SeriesOfSeveralFilesSaysSoAndTheSingleFormDoesNot) {
  showExportMessages(&*screen_, ExportKind::Series, "%P4sC3-7", 1, "/tmp");
  const Framebuffer single = screen_->framebuffer();
  screen_->restoreScreen(before_);
  showExportMessages(&*screen_, ExportKind::Series, "%P4sC3-7", 4, "/tmp");
  const Framebuffer several = screen_->framebuffer();
  EXPECT_GT(changed(single, several).count, 0);
  screen_->restoreScreen(before_);
  showExportMessages(&*screen_, ExportKind::SheetSchema, "%P4sC3-7", 1, "/tmp");
  // The sheet form's line is the single-file line; only the band's depth differs.
  const Changed sheetVsSingle = changed(single, screen_->framebuffer());
  EXPECT_GE(sheetVsSingle.top, screen_->px(403));
  // The "ø" of the name is shown as "o", the same as a name given with "o".
  screen_->restoreScreen(before_);
  showExportMessages(&*screen_, ExportKind::Series,
                     "%V5\x9b"
                     "C1-1",
                     1, "/tmp");
  const Framebuffer withOslash = screen_->framebuffer();
  screen_->restoreScreen(before_);
  showExportMessages(&*screen_, ExportKind::Series, "%V5oC1-1", 1, "/tmp");
  EXPECT_TRUE(withOslash == screen_->framebuffer());
}

TEST_F(ExportSessionTest, ProgressCountsFromMinusOneAndShowsInItsBox) {
  ExportProgress progress(&*screen_);
  EXPECT_EQ(progress.value(), -1);
  progress.step();
  EXPECT_EQ(progress.value(), 0);
  const Changed c = changed(before_, screen_->framebuffer());
  EXPECT_GE(c.top, screen_->px(355));
  EXPECT_LE(c.bottom, screen_->px(373));
  EXPECT_LE(c.right, screen_->px(426) + 1);
  EXPECT_GT(countColour(screen_->framebuffer(), rgb(colour::kGreen), 0, 479 * 3 / 2), 10);
  const Framebuffer atZero = screen_->framebuffer();
  for (int i = 0; i < 12; ++i) progress.step();
  EXPECT_EQ(progress.value(), 12);
  EXPECT_FALSE(atZero == screen_->framebuffer());  // the box was redrawn with the new value
  progress.complete();                             // the last step of a series shows 100
  EXPECT_EQ(progress.value(), 100);
  progress.restart();
  EXPECT_EQ(progress.value(), -1);

  ExportProgress headless(nullptr);  // the command-line export counts without drawing
  headless.step();
  headless.step();
  EXPECT_EQ(headless.value(), 1);
}

TEST_F(ExportSessionTest, PromptFailureAndClearing) {
  showContinuePrompt(*screen_);
  Changed c = changed(before_, screen_->framebuffer());
  EXPECT_GT(c.count, 50);
  EXPECT_LE(c.bottom, screen_->px(403));
  EXPECT_GE(c.top, screen_->px(385));

  showExportFailure(&*screen_, exportFailureText("%P4sC3-7.BMP", "mappen findes ikke"));
  const Framebuffer& f = screen_->framebuffer();
  EXPECT_GT(countColour(f, rgb(colour::kRed), screen_->px(376), screen_->px(389)), 50);
  EXPECT_EQ(countColour(f, rgb(colour::kRed), 0, screen_->px(375)), 0);
  EXPECT_EQ(countColour(f, rgb(colour::kRed), screen_->px(390), f.height() - 1), 0);

  clearExportBand(*screen_);
  c = changed(before_, screen_->framebuffer());
  EXPECT_EQ(c.top, screen_->px(354));
  EXPECT_EQ(c.bottom, screen_->px(403));
  EXPECT_EQ(countColour(screen_->framebuffer(), rgb(colour::kWhite), c.top, c.bottom),
            screen_->framebuffer().width() * (c.bottom - c.top + 1));

  // Without a screen nothing is drawn and nothing faults.
  showExportMessages(nullptr, ExportKind::Series, "x", 2, ".");
  showExportFailure(nullptr, "x");
}

TEST(ExportFailureText, NamesTheFileAndTheReasonInCodePage865) {
  EXPECT_EQ(exportFailureText("%V5oC1-1.BMP", "ingen skriveadgang til mappen"),
            "Filen %V5oC1-1.BMP kunne ikke dannes: ingen skriveadgang til mappen");
  EXPECT_EQ(exportFailureText("A.BMP", "der er ikke plads på disken"),
            cp("Filen A.BMP kunne ikke dannes: der er ikke plads på disken"));
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
