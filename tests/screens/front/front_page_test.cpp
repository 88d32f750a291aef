// The program through its headless backend: start-up, the front page, the information
// viewer and the settings they leave behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "data/cp865.hpp"
#include "support/golden.hpp"
#include "support/headless_run.hpp"
#include "support/parsed_dump.hpp"
#include "ui/png_image.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

namespace fs = std::filesystem;
using test::hasFields;
using test::HeadlessResult;
using test::readDump;
using test::readFile;
using test::runHeadless;
using test::ScratchDir;

std::string firstLines(const std::string& text, int n) {
  std::size_t at = 0;
  for (int i = 0; i < n && at != std::string::npos; ++i) {
    at = text.find('\n', at);
    if (at != std::string::npos) ++at;
  }
  return text.substr(0, at);
}

Framebuffer shot(const ScratchDir& dir, const std::string& name) {
  auto image = readPng(dir / name);
  EXPECT_TRUE(image.has_value()) << name;
  return image.value_or(Framebuffer());
}

TEST(StartUp, WithoutSettingsShowsTheTwoColouredEditionAtZoom3) {
  ScratchDir dir;
  dir.copySampleData();
  const HeadlessResult r = runHeadless(dir, "state:" + (dir / "s.json").string());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.state.edition(), "T");
  EXPECT_EQ(r.state.value(), "2s");
  EXPECT_EQ(r.state.zoom, 3);
  EXPECT_EQ(r.windowWidth, 960);
  EXPECT_EQ(r.windowHeight, 720);
  EXPECT_EQ(r.caption, "Kolvard 7.03");
  EXPECT_EQ(r.state.caption, " Tofarvet");
  const std::string banner(52, '-');
  EXPECT_EQ(r.console, banner + "\n Kolvard kan afsluttes via klik paa ovre hojre kryds      ↑\n" +
                           banner + "\n");
  EXPECT_TRUE(hasFields(readDump(dir / "s.json"),
                        {{"screen", "front"}, {"edition", "T"}, {"frontPageDrawn", true}}));
  // The first main cycle wrote a fresh settings file.
  EXPECT_EQ(firstLines(readFile(dir / "KOL703.CFG"), 2).substr(0, 1), "3");
}

TEST(StartUp, MissingOrDamagedDataFileEndsWithAMessage) {
  ScratchDir dir;
  HeadlessResult r = runHeadless(dir, "Esc");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.console.find("  Error 1: Data-file KOL703.dat not found  \n"), std::string::npos);
  EXPECT_EQ(r.windowsOpened, 0);
  EXPECT_EQ(r.beeps, 1);
  EXPECT_FALSE(fs::exists(dir / "KOL703.CFG"));  // nothing written
  for (const std::string& content : {std::string(), std::string("garbage that is no directory"),
                                     readFile(KOLVARD_SAMPLE_DATA).substr(0, 40)}) {
    std::ofstream(dir / "KOL703.dat", std::ios::binary) << content;
    std::ofstream(dir / "KOL703.CFG", std::ios::binary) << "3\r\n\"P\"\r\n";
    const std::string before = readFile(dir / "KOL703.CFG");
    r = runHeadless(dir, "Esc");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.console.find("Error 2"), std::string::npos);
    EXPECT_EQ(r.windowsOpened, 0);
    EXPECT_EQ(readFile(dir / "KOL703.CFG"), before);  // the user's settings stay
  }
}

TEST(FrontPageGolden, ZoomTwoThreeFour) {
  ScratchDir dir;
  dir.copySampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const HeadlessResult r = runHeadless(
      dir, "1 shot:" + a("z2.png") + " 2 shot:" + a("z3.png") + " 3 shot:" + a("z4.png"));
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.windowsOpened, 4);  // zoom 3 at the start, then 2, 3 and 4
  EXPECT_TRUE(test::matchesGolden(shot(dir, "z2.png"), "front-page-zoom2"));
  EXPECT_TRUE(test::matchesGolden(shot(dir, "z3.png"), "front-page-zoom3"));
  EXPECT_TRUE(test::matchesGolden(shot(dir, "z4.png"), "front-page-zoom4"));
}

TEST(FrontPageGolden, EditionsWithTheirOwnPicturePlaces) {
  ScratchDir dir;
  dir.copySampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const HeadlessResult r = runHeadless(
      dir, "C shot:" + a("c.png") + " A Down Down shot:" + a("a.png") + " I Up shot:" + a("i.png"));
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(test::matchesGolden(shot(dir, "c.png"), "front-page-C-3c"));
  EXPECT_TRUE(test::matchesGolden(shot(dir, "a.png"), "front-page-A-4s"));
  EXPECT_TRUE(test::matchesGolden(shot(dir, "i.png"), "front-page-I-100a"));
}

TEST(FrontPage, InformationViewerRestoresTheFrontPageExactly) {
  ScratchDir dir;
  dir.copySampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const HeadlessResult r =
      runHeadless(dir, "shot:" + a("before.png") + " F1 state:" + a("viewer.json") +
                           " PgDn shot:" + a("viewer.png") + " Esc shot:" + a("after.png") +
                           " F2 End Enter shot:" + a("after2.png"));
  ASSERT_EQ(r.status, 0);
  const Framebuffer before = shot(dir, "before.png");
  EXPECT_EQ(shot(dir, "after.png"), before);
  EXPECT_EQ(shot(dir, "after2.png"), before);
  EXPECT_NE(shot(dir, "viewer.png"), before);
  nlohmann::json dump = readDump(dir / "viewer.json");
  EXPECT_EQ(dump["screen"], "viewer");
  EXPECT_EQ(dump["viewer"]["topLine"], 0);
  EXPECT_EQ(r.beeps, 0);
}

TEST(ViewerGolden, GeneralTextPageTwo) {
  ScratchDir dir;
  dir.copySampleData();
  const HeadlessResult r = runHeadless(dir, "F1 PgDn shot:" + (dir / "viewer.png").string());
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(test::matchesGolden(shot(dir, "viewer.png"), "viewer-general-page2"));
}

TEST(FrontPage, KeyRBeepsAndChangesNothing) {
  ScratchDir dir;
  dir.copySampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const HeadlessResult r = runHeadless(dir, "shot:" + a("1.png") + " R r shot:" + a("2.png"));
  EXPECT_EQ(r.beeps, 2);
  EXPECT_EQ(r.log, "beep\nbeep\n");
  EXPECT_EQ(shot(dir, "1.png"), shot(dir, "2.png"));
  EXPECT_TRUE(r.state.front.drawn);
}

TEST(FrontPage, ZoomKeysRecreateTheWindowOnlyWhenTheZoomChanges) {
  ScratchDir dir;
  dir.copySampleData();
  HeadlessResult r = runHeadless(dir, "2 2");  // zoom 3 already: a full redraw, same window
  EXPECT_EQ(r.windowsOpened, 1);
  r = runHeadless(dir, "1 2");  // the settings file now holds zoom 3
  EXPECT_EQ(r.windowsOpened, 3);
  EXPECT_EQ(r.windowWidth, 960);
  r = runHeadless(dir, "1");
  EXPECT_EQ(r.windowWidth, 640);
  EXPECT_EQ(r.windowHeight, 480);
  // "4" asks for zoom 6: kept in the settings file by the main cycle, used as zoom 3.
  r = runHeadless(dir, "4");
  EXPECT_EQ(r.windowWidth, 960);
  EXPECT_EQ(readFile(dir / "KOL703.CFG").substr(0, 1), "6");
  r = runHeadless(dir, "");
  EXPECT_EQ(r.windowWidth, 960);
}

TEST(FrontPage, ValueStepsAndEditionKeysAreSaved) {
  ScratchDir dir;
  dir.copySampleData();
  HeadlessResult r = runHeadless(dir, "Up Up Down P Down Down Esc");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.state.edition(), "P");
  EXPECT_EQ(r.state.value(), "8s");
  // Back to "T": its record was saved when "P" was chosen.
  r = runHeadless(dir, "T Esc");
  EXPECT_EQ(r.state.value(), "50c");
  r = runHeadless(dir, "");
  EXPECT_EQ(r.state.edition(), "T");
  // Iceland: stepping onto an oval value runs it as "T" and stores it under "I".
  r = runHeadless(dir, "I Up Esc");
  EXPECT_EQ(r.state.edition(), "T");
  EXPECT_TRUE(r.state.selection.iceland());
  EXPECT_EQ(r.state.value(), "100a");
  EXPECT_EQ(r.state.caption, " Island Ovaltype");
  EXPECT_EQ(firstLines(readFile(dir / "KOL703.CFG"), 2), "3\r\n\"I\"\r\n");
  r = runHeadless(dir, "");
  EXPECT_EQ(r.state.edition(), "T");
  EXPECT_TRUE(r.state.selection.iceland());
  EXPECT_EQ(r.state.value(), "100a");
}

TEST(FrontPage, EveryScreenKeyOfTheTwoColouredEditionReachesItsScreen) {
  ScratchDir dir;
  dir.copySampleData();
  const std::string state = " state:" + (dir / "s.json").string();
  const struct {
    const char* keys;
    const char* screen;
  } cases[] = {
      {"F3", "tc-register"},     {"Enter", "tc-schemas"},    {"F3 F5", "tc-schemas"},
      {"F3 F6", "tc-flaws"},     {"F3 F7", "tc-composites"}, {"F3 F6 F7 F5", "tc-schemas"},
      {"F3 F5 F7 Esc", "front"},
  };
  for (const auto& c : cases) {
    const HeadlessResult r = runHeadless(dir, std::string(c.keys) + state);
    EXPECT_EQ(r.status, 0) << c.keys;
    EXPECT_EQ(readDump(dir / "s.json")["screen"], c.screen) << c.keys;
  }
}

TEST(FrontPage, UnknownValueInTheSettingsResetsOnlyThatRecord) {
  ScratchDir dir;
  dir.copySampleData();
  // A record for "P" whose value the edition does not have, and one for "V".
  runHeadless(dir, "V Down P Esc");
  std::string cfg = readFile(dir / "KOL703.CFG");
  const auto at = cfg.find("\"2s\"");
  ASSERT_NE(at, std::string::npos);
  cfg.replace(at, 4, "\"99s\"");
  std::ofstream(dir / "KOL703.CFG", std::ios::binary) << cfg;
  const HeadlessResult r = runHeadless(dir, "Esc");
  EXPECT_EQ(r.state.edition(), "P");
  EXPECT_EQ(r.state.value(), "2s");
  const std::string saved = readFile(dir / "KOL703.CFG");
  EXPECT_EQ(firstLines(saved, 3), firstLines(cfg, 3).replace(at, 5, "\"2s\""));
  EXPECT_NE(saved.find("\"V\"\r\n\"5\x9b\""), std::string::npos) << saved;
}

TEST(FrontPage, UnwritableSettingsLeaveTheOldFileAndTheProgramGoesOn) {
  ScratchDir dir;
  dir.copySampleData();
  runHeadless(dir, "P Esc");
  const std::string before = readFile(dir / "KOL703.CFG");
  // The settings file the user made read-only is not replaced.
  fs::permissions(dir / "KOL703.CFG", fs::perms::owner_read);
  const HeadlessResult r = runHeadless(dir, "Down Down Esc");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.state.value(), "8s");
  EXPECT_EQ(readFile(dir / "KOL703.CFG"), before);
}

TEST(CommandLine, HeadlessProgramWritesStateAndShots) {
  ScratchDir dir;
  dir.copySampleData();
  const std::string cmd =
      "cd '" + dir.path().string() + "' && '" + KOLVARD_PROGRAM +
      "' --headless --keys 'R \"c\" state:s.json shot:a.png' >out.txt 2>err.txt";
  EXPECT_EQ(std::system(cmd.c_str()), 0);
  EXPECT_EQ(readFile(dir / "err.txt"), "beep\n");
  EXPECT_EQ(readDump(dir / "s.json")["edition"], "C");
  EXPECT_TRUE(fs::exists(dir / "a.png"));
  const std::string bad = "cd '" + dir.path().string() + "' && '" + KOLVARD_PROGRAM +
                          "' --headless --keys 'F13' >out.txt 2>err.txt";
  EXPECT_NE(std::system(bad.c_str()), 0);
  EXPECT_NE(readFile(dir / "err.txt").find("F13"), std::string::npos);
  const std::string version =
      std::string("'") + KOLVARD_PROGRAM + "' --version >'" + (dir / "v.txt").string() + "'";
  EXPECT_EQ(std::system(version.c_str()), 0);
  EXPECT_TRUE(readFile(dir / "v.txt").starts_with("kolvard (Kolvard) 7.03\nCopyright (C) "))
      << readFile(dir / "v.txt");
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
