// The printed frame and oval schemas of the two-coloured edition, and their command-line
// export.
#include "print/two_colour_schema_print.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "data/data_file.hpp"
#include "domain/frame_data.hpp"
#include "print/export_session.hpp"
#include "print/page_raster.hpp"
#include "print/schema_bitmap.hpp"
#include "support/export_run.hpp"
#include "support/golden.hpp"
#include "support/headless_run.hpp"
#include "support/page_view.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

namespace fs = std::filesystem;

using test::Exported;
const auto exportSchema = [](const std::vector<std::string>& args) {
  return test::exportSample(args);
};

TEST(TwoColourSchemaPrintGolden, CombinedPage) {
  const auto data = DataFile::open(KOLVARD_SAMPLE_DATA);
  ASSERT_TRUE(data);
  Screen screen(&*data);
  screen.openWindow(2);
  screen.setUpFonts();
  const FrameData frames(*data, data->findSection("TRAMDAT"));
  TwoColourPositionTable table;
  ASSERT_TRUE(table.load(*data, frames, "T", "4s", "1").printingFound);
  // Pane A of 4s printing 1: framed and plain positions, oval and frame pictures.
  const TwoColourSchemaPage page =
      makeTwoColourSchemaPage(*data, table, "4s", "1", " Tofarvet", SchemaPane::A);
  PageRaster raster;
  ExportProgress progress(nullptr);
  drawTwoColourSchemaPage(screen, raster, *data, page, SchemaPrintKind::Both, progress,
                          "07. 03. 2016");
  EXPECT_TRUE(test::matchesGolden(test::reducedView(raster), "tc-schema-both-4s-1A"));
  // The BMP file itself, by its hash: when it changes, look at the reduced view first.
  EXPECT_TRUE(test::matchesGoldenHash(encodeSchemaBitmap(raster), "tc-schema-both-4s-1A"));
}

TEST(TwoColourSchemaExport, FileNames) {
  test::ScratchDir out;
  const std::string dir = out.path().string();
  struct Case {
    std::vector<std::string> args;
    std::string file;
  };
  const Case cases[] = {
      {{"oval", "T", "4s", "1", "B", dir}, "#T4s1B.BMP\n"},
      {{"both", "T", "4s", "1", "A", dir}, "#Kol4s1A.BMP\n"},
      // Setting 5 in its first period: position 1 has no frame flaw, the block tells.
      {{"frame", "T", "4s", "1", "A", dir}, "#Set5A-1.BMP\n"},
      // Setting 5 in its second period.
      {{"frame", "T", "4s", "7", "A", dir}, "#Set5A-2.BMP\n"},
      // A single-pane printing: no pane letter, the first "ø" written "o".
      {{"both", "T", "16ø", "1", "A", dir}, "#Kol16o1.BMP\n"},
  };
  for (const Case& c : cases) {
    const Exported r = exportSchema(c.args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, c.file);
    EXPECT_EQ(fs::file_size(out / c.file.substr(0, c.file.size() - 1)), kSchemaBitmapSize);
  }
}

TEST(TwoColourSchemaExport, RefusalsAndUnwritableDirectories) {
  test::ScratchDir out;
  const Exported refusals[] = {
      exportSchema({"oval", "P", "4s", "1", "A"}),    // not the two-coloured edition
      exportSchema({"oval", "T", "5s", "1", "A"}),    // no such value
      exportSchema({"frame", "T", "4s", "99", "A"}),  // no such printing
      exportSchema({"both", "T", "16ø", "1", "B"}),   // one pane only
      exportSchema({"both", "T", "4s", "1", "C"}),    // no pane C
      exportSchema({"both", "T", "4s", "1"}),         // no pane
  };
  for (const Exported& r : refusals) {
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_TRUE(r.out.empty());
  }
  // The name taken by a directory, and a directory that does not exist.
  fs::create_directory(out / "#T4s1A.BMP");
  const Exported taken = exportSchema({"oval", "T", "4s", "1", "A", out.path().string()});
  EXPECT_EQ(taken.status, 1);
  EXPECT_NE(taken.err.find("cannot make #T4s1A.BMP"), std::string::npos) << taken.err;
  EXPECT_EQ(exportSchema({"oval", "T", "4s", "1", "A", (out / "no").string()}).status, 1);
  // Nothing else in the directory: no scratch file is left.
  EXPECT_EQ(std::distance(fs::directory_iterator(out.path()), fs::directory_iterator()), 1);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
