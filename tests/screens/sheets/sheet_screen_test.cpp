// The sheets screen through the headless backend, its printed schemas, and the command-line
// export that writes the same files.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/export_command.hpp"
#include "data/cp865.hpp"
#include "domain/sheet_knowledge.hpp"
#include "domain/sheet_schema.hpp"
#include "print/export_session.hpp"
#include "print/page_raster.hpp"
#include "print/schema_bitmap.hpp"
#include "print/sheet_schema_print.hpp"
#include "support/golden.hpp"
#include "support/headless_run.hpp"
#include "support/page_view.hpp"
#include "support/parsed_dump.hpp"
#include "ui/png_image.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

namespace fs = std::filesystem;
using test::hasFields;
using test::readDump;
using test::reducedView;
using test::runHeadless;
using test::ScratchDir;

bool has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// "M" and five steps down: 4 øre of the official stamps.
const char* const kM4o = "M Down Down Down Down Down";

TEST(SheetScreen, EnterOnTheFrontPageOpensTheSheet) {
  ScratchDir dir;
  dir.copySampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const auto r = runHeadless(dir, "P Down Enter state:" + a("1.json") +
                                      " Esc F5 state:" + a("2.json") + " F3 state:" + a("3.json"));
  ASSERT_EQ(r.status, 0);
  nlohmann::json one = readDump(dir / "1.json");
  EXPECT_EQ(one["screen"], "sheets");
  EXPECT_TRUE(
      hasFields(one["sheets"], {{"panes", 2}, {"captions", {"Helark kendes", "Helark kendes"}}}));
  EXPECT_EQ(readDump(dir / "2.json")["screen"], "sheets");
  EXPECT_EQ(readDump(dir / "3.json")["screen"], "register");

  // The two-coloured edition has a schema screen of its own.
  ScratchDir two;
  two.copySampleData();
  const auto t = runHeadless(two, "T Enter state:" + (two / "t.json").string());
  ASSERT_EQ(t.status, 0);
  EXPECT_EQ(readDump(two / "t.json")["screen"], "tc-schemas");
}

TEST(SheetScreen, CaptionsAndWatermarks) {
  ScratchDir dir;
  dir.copySampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const auto r = runHeadless(dir, std::string(kM4o) + " Enter T \"3\" Enter state:" + a("3.json") +
                                      " PgDn state:" + a("4.json"));
  ASSERT_EQ(r.status, 0);
  nlohmann::json three = readDump(dir / "3.json");
  EXPECT_EQ(three["printing"], "3");
  // Pane A's watermark reads to the left, pane B's to the right.
  EXPECT_TRUE(hasFields(three["sheets"], {{"captions", {"Helark kendes", "Tavle som tryk 2"}},
                                          {"watermarks", {"\u2190 vm", "vm \u2192"}}}));
  nlohmann::json four = readDump(dir / "4.json");
  EXPECT_EQ(four["printing"], "4");
  EXPECT_EQ(four["sheets"]["captions"][0], "(Helark kendes ikke)");
}

TEST(SheetScreen, PrintingEntriesAndStepsStayInRange) {
  ScratchDir dir;
  dir.copySampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  // P 4s has printings 1 to 6.
  const auto r = runHeadless(dir, "P Down Enter PgUp state:" + a("1.json") +
                                      " T \"9\" Enter state:" + a("2.json") +
                                      " T \"6\" Enter PgDn state:" + a("3.json") +
                                      " PgUp state:" + a("4.json") + " F4 state:" + a("5.json"));
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(readDump(dir / "1.json")["printing"], "1");
  EXPECT_EQ(readDump(dir / "2.json")["printing"], "1");
  EXPECT_EQ(readDump(dir / "3.json")["printing"], "6");
  nlohmann::json four = readDump(dir / "4.json");
  EXPECT_TRUE(hasFields(four, {{"printing", "5"}, {"printingTo", "5"}}));
  EXPECT_EQ(four["sheets"]["printingInfo"], false);
  EXPECT_TRUE(hasFields(readDump(dir / "5.json")["sheets"],
                        {{"panes", 2}, {"panePair", 0}, {"printingInfo", true}}));
}

TEST(SheetScreen, NewValues) {
  ScratchDir dir;
  dir.copySampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  // A value the edition does not have is refused; one it has starts at printing 1.
  const auto r = runHeadless(dir, "P Down Enter T \"3\" Enter V \"5s\" Enter state:" + a("1.json") +
                                      " V \"8s\" Enter state:" + a("2.json"));
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(hasFields(readDump(dir / "1.json"), {{"value", "4s"}, {"printing", "3"}}));
  EXPECT_TRUE(hasFields(readDump(dir / "2.json"),
                        {{"value", "8s"}, {"printing", "1"}, {"screen", "sheets"}}));
  // An Iceland oval value goes on to the two-coloured schema screen.
  const auto oval = runHeadless(dir, "I F5 V \"25a\" Enter state:" + a("3.json"));
  ASSERT_EQ(oval.status, 0);
  EXPECT_TRUE(hasFields(readDump(dir / "3.json"),
                        {{"edition", "T"}, {"value", "25a"}, {"screen", "tc-schemas"}}));
}

TEST(SheetScreen, FourPaneSheetsSwitchBetweenPanePairs) {
  ScratchDir dir;
  dir.copySampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const auto r = runHeadless(dir, "A Down Down Enter T \"4\" Enter C state:" + a("1.json") +
                                      " S state:" + a("2.json") + " D state:" + a("3.json") +
                                      " B state:" + a("4.json"));
  ASSERT_EQ(r.status, 0);
  nlohmann::json one = readDump(dir / "1.json");
  EXPECT_TRUE(hasFields(one["sheets"], {{"panes", 4}, {"panePair", 1}}));
  EXPECT_EQ(one["sheets"]["captions"][0], "Supplement 1 som tryk 4");
  EXPECT_EQ(readDump(dir / "2.json")["sheets"]["panePair"], 0);
  EXPECT_EQ(readDump(dir / "3.json")["sheets"]["panePair"], 1);
  EXPECT_EQ(readDump(dir / "4.json")["sheets"]["panePair"], 0);

  // Two panes: "C" changes nothing.
  ScratchDir two;
  two.copySampleData();
  const auto r2 = runHeadless(two, "P Down Enter C state:" + (two / "1.json").string());
  ASSERT_EQ(r2.status, 0);
  EXPECT_EQ(readDump(two / "1.json")["sheets"]["panePair"], 0);
}

TEST(SheetScreenGolden, AtZoom3) {
  ScratchDir dir;
  dir.copySampleData();
  // Printing 3 of M 4ø carries every flag letter in its first rows.
  const auto r = runHeadless(
      dir, std::string(kM4o) + " Enter T \"3\" Enter shot:" + (dir / "m4o3.png").string());
  ASSERT_EQ(r.status, 0);
  const auto shot = readPng(dir / "m4o3.png");
  ASSERT_TRUE(shot);
  EXPECT_TRUE(test::matchesGolden(*shot, "sheets-M-4o-3"));
}

std::string fileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

int exportCommand(const std::vector<std::string>& args, const fs::path& data, std::string* out,
                  std::string* err = nullptr) {
  std::ostringstream o, e;
  const int status = runExportCommand(args, data, o, e);
  if (out != nullptr) *out = o.str();
  if (err != nullptr) *err = e.str();
  return status;
}

TEST(SheetScreen, F9AndF10WriteTheSameFilesAsTheCommandLine) {
  ScratchDir dir;
  dir.copySampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const auto r = runHeadless(dir, "P Down Enter F9 Space state:" + a("1.json") + " F10 Space");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(readDump(dir / "1.json")["sheets"]["files"], nlohmann::json::array({"#P4s1A.BMP"}));
  const std::string left = fileBytes(dir / "#P4s1A.BMP");
  const std::string right = fileBytes(dir / "#P4s1B.BMP");
  ASSERT_EQ(left.size(), kSchemaBitmapSize);
  ASSERT_EQ(right.size(), kSchemaBitmapSize);
  EXPECT_NE(left, right);

  ScratchDir out;
  std::string names;
  ASSERT_EQ(exportCommand({"sheet", "P", "4s", "1", "A", out.path().string()}, dir / "KOL703.dat",
                          &names),
            0);
  EXPECT_EQ(names, "#P4s1A.BMP\n");
  EXPECT_EQ(fileBytes(out / "#P4s1A.BMP"), left);
  // Nothing else is left in the directory: no scratch files.
  EXPECT_EQ(std::distance(fs::directory_iterator(out.path()), fs::directory_iterator()), 1);
}

TEST(SheetScreen, AFileThatCannotBeMadeIsReported) {
  ScratchDir dir;
  dir.copySampleData();
  fs::create_directory(dir / "#P4s1A.BMP");  // the name is taken by a directory
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const auto r = runHeadless(dir, "P Down Enter F9 Space state:" + a("1.json"));
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(
      hasFields(readDump(dir / "1.json")["sheets"],
                {{"files", nlohmann::json::array()}, {"printError", "navnet bruges af en mappe"}}));
  EXPECT_GE(r.beeps, 1);
  EXPECT_TRUE(fs::is_directory(dir / "#P4s1A.BMP"));
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    EXPECT_FALSE(has(entry.path().filename().string(), ".part")) << entry.path();
  }
}

TEST(ExportCommand, RefusesWrongArguments) {
  ScratchDir dir;
  dir.copySampleData();
  const fs::path data = dir / "KOL703.dat";
  std::string out, err;
  EXPECT_EQ(exportCommand({}, data, &out, &err), 2);
  EXPECT_EQ(exportCommand({"sheet", "Q", "4s", "1", "A"}, data, &out, &err), 2);
  EXPECT_EQ(exportCommand({"sheet", "P", "5s", "1", "A"}, data, &out, &err), 2);
  EXPECT_TRUE(has(err, "no value 5s")) << err;
  EXPECT_EQ(exportCommand({"sheet", "P", "4s", "7", "A"}, data, &out, &err), 2);
  EXPECT_TRUE(has(err, "printings 1 to 6")) << err;
  EXPECT_EQ(exportCommand({"sheet", "P", "4s", "1", "C"}, data, &out, &err), 2);
  EXPECT_TRUE(has(err, "2 panes")) << err;
  EXPECT_EQ(exportCommand({"sheet", "T", "4s", "1", "A"}, data, &out, &err), 2);
  EXPECT_EQ(exportCommand({"series", "P", "4s", "1"}, data, &out, &err), 2);
  EXPECT_TRUE(has(err, "no series print")) << err;
  EXPECT_EQ(exportCommand({"series", "V", "1ø", "x"}, data, &out, &err), 2);
  EXPECT_EQ(exportCommand({"series", "V", "1ø", "4"}, data, &out, &err), 2);
  EXPECT_TRUE(out.empty());
  // A missing data file and an output directory that does not exist.
  EXPECT_EQ(exportCommand({"sheet", "P", "4s", "1", "A"}, dir / "none.dat", &out, &err), 1);
  EXPECT_EQ(exportCommand({"sheet", "P", "4s", "1", "A", (dir / "no" / "such").string()}, data,
                          &out, &err),
            1);
  EXPECT_TRUE(has(err, "#P4s1A.BMP")) << err;
}

TEST(ExportCommand, SeriesPagesMatchTheFlawScreensPrint) {
  ScratchDir dir;
  dir.copySampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  // V 1ø: the flaw screen's F12 prints series 1 on several pages.
  const auto r = runHeadless(dir, "V F6 F12 Space state:" + a("1.json"));
  ASSERT_EQ(r.status, 0);
  nlohmann::json printed = readDump(dir / "1.json")["flaws"]["printedFiles"];
  ASSERT_GE(printed.size(), 2u) << printed;
  EXPECT_EQ(printed[0], "%V1oC1-1.BMP");
  EXPECT_EQ(printed[1], "%V1oC1-2.BMP");

  ScratchDir out;
  std::string names;
  ASSERT_EQ(
      exportCommand({"series", "V", "1ø", "1", out.path().string()}, dir / "KOL703.dat", &names),
      0);
  ASSERT_TRUE(has(names, "%V1oC1-1.BMP\n%V1oC1-2.BMP\n")) << names;
  for (const auto& entry : fs::directory_iterator(out.path())) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(has(names, name + "\n"));
    EXPECT_EQ(fileBytes(entry.path()), fileBytes(dir / name)) << name;
  }
}

TEST(SheetSchemaPrintGolden, WholePage) {
  const auto data = DataFile::open(KOLVARD_SAMPLE_DATA);
  ASSERT_TRUE(data);
  Screen screen(&*data);
  screen.openWindow(2);
  screen.setUpFonts();
  // Pane A of M 4ø printing 3: every flag mark, and a cliché picture in every cell.
  const std::string value = "4" + std::string(1, cp865::kOslash);
  const SheetOfPrinting sheet = readSheetOfPrinting(*data, "M", value, "3");
  SheetSchemaPage page;
  page.edition = "M";
  page.value = value;
  page.printing = "3";
  page.caption = cp(" Tjeneste");
  page.panes = 2;
  page.pane = 0;
  page.paneCaption = readSheetKnowledge(*data, "M", value, "3").captions[0];
  page.table = &sheet.table;
  page.group = sheet.format.group;
  PageRaster raster;
  ExportProgress progress(nullptr);
  drawSheetSchemaPage(screen, raster, *data, page, progress, "07. 03. 2016");
  EXPECT_TRUE(test::matchesGolden(reducedView(raster), "sheet-schema-M-4o-3A"));

  // The BMP file itself, by its hash: when it changes, look at the reduced view first.
  EXPECT_TRUE(test::matchesGoldenHash(encodeSchemaBitmap(raster), "sheet-schema-M-4o-3A"));
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

// A refused entry's message stays on the screen after the screen has redrawn, until the next
// key: the printing range after "T" and after PgUp at printing 1, the unknown value after "V".
TEST(SheetScreen, RefusedEntryMessagesSurviveTheRedrawUntilTheNextKey) {
  ScratchDir dir;
  dir.copySampleData();
  const auto a = [&](const char* n) { return (dir / n).string(); };
  const auto r =
      runHeadless(dir, std::string("P Down F5 T \"13\" Enter shot:") + a("t.png") +
                           " PgUp shot:" + a("pgup.png") + " V \"5s\" Enter shot:" + a("v.png") +
                           " Left shot:" + a("after.png"));
  ASSERT_EQ(r.status, 0);
  const Rgb red = Palette()[colour::kRed];
  const auto redInMessageBox = [&](const char* name) {
    const auto shot = readPng(dir / name);
    int n = 0;
    for (int y = 600; y < 630 && shot; ++y) {
      for (int x = 0; x < 480; ++x) n += shot->at(x, y) == red;
    }
    return n;
  };
  EXPECT_GT(redInMessageBox("t.png"), 20);
  EXPECT_GT(redInMessageBox("pgup.png"), 20);
  EXPECT_GT(redInMessageBox("v.png"), 20);
  EXPECT_EQ(redInMessageBox("after.png"), 0);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
