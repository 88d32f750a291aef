// Cliché records read from the data file and drawn into the flaw screens' panel.
#include "screens/common/cliche_panel.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "data/data_file.hpp"
#include "domain/cliche_record.hpp"
#include "support/data_builder.hpp"
#include "ui/run_length_picture.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::DataBuilder;
using test::fontSection;
using test::glyphRecord;

constexpr int kPictureColour = 12;  // red: not used by the frame, the fill or the marks
const std::string kEsc(1, '\x1b');

std::string tag(char letter) {
  return kEsc + "*" + std::string(1, letter);
}

std::string bytesOf(const std::vector<int>& values) {
  std::string out;
  for (const int v : values) out += static_cast<char>(static_cast<unsigned char>(v));
  return out;
}

// A record: the text part (orientation flag and fields) and the picture after ESC "*b".
std::string record(const std::string& text, const std::string& picture) {
  return text + tag('b') + picture;
}

// `rows` picture rows, each with the one run (a, b).
std::string rowsWithRun(int rows, int a, int b) {
  std::string out;
  for (int i = 0; i < rows; ++i) out += bytesOf({2, a, b});
  return out;
}

using Pixels = std::set<std::pair<int, int>>;

Pixels inked(const Screen& s, int colour) {
  Pixels out;
  const Framebuffer& f = s.framebuffer();
  const Rgb rgb = s.palette()[colour];
  for (int y = 0; y < f.height(); ++y) {
    for (int x = 0; x < f.width(); ++x) {
      if (f.at(x, y) == rgb) out.insert({x, y});
    }
  }
  return out;
}

std::set<int> rowsOf(const Pixels& pixels) {
  std::set<int> out;
  for (const auto& p : pixels) out.insert(p.second);
  return out;
}

// Fonts C for zoom 2 (48-byte records) and zoom 3 (512): every printable character a single
// row of 3 ink pixels with ascent 1, so a glyph inks the pixels (x..x+2, y) of its baseline.
std::string tinyFont(int recordSize) {
  std::vector<std::pair<std::uint8_t, std::string>> glyphs;
  for (int c = 33; c < 256; ++c) {
    glyphs.emplace_back(static_cast<std::uint8_t>(c), glyphRecord(recordSize, 1, 3, {"###"}));
  }
  return fontSection(recordSize, glyphs);
}

class ClicheTest : public ::testing::Test {
 protected:
  DataFile fileWith(std::vector<std::pair<std::string, std::string>> records) {
    DataBuilder b;
    b.add("0a028", tinyFont(48));
    b.add("0a042", tinyFont(512));
    for (auto& [key, bytes] : records) b.add(key, bytes);
    return b.file();
  }
  static Screen screenOn(const DataFile& file, int zoom) {
    Screen s(&file);
    s.openWindow(zoom);
    s.setFontRef(Font::C, FontRef{file.findSection(zoom == 2 ? "0a028" : "0a042").start});
    return s;
  }
  static ClichePanelRequest request(std::string valueKey, std::string number) {
    ClichePanelRequest r;
    r.valueKey = std::move(valueKey);
    r.edition = r.valueKey.substr(0, 1);
    r.clicheNumber = std::move(number);
    r.colour = kPictureColour;
    return r;
  }
};

// ---------------------------------------------------------------- keys

TEST(ClicheRecordKey, RunningNumbersInBase32Digits) {
  EXPECT_EQ(clicheRecordKey("P8s", "17"), "P8s-0H");
  EXPECT_EQ(clicheRecordKey("P4s", "2.117"), "P4s2-3L");
  EXPECT_EQ(clicheRecordKey("P8s", "32"), "P8s-0W");
  EXPECT_EQ(clicheRecordKey("P8s", "33"), "P8s-11");
  EXPECT_EQ(clicheRecordKey("P8s", "117"), "P8s-3L");
  EXPECT_EQ(clicheRecordKey("P8s", "40"), "P8s-18");
  EXPECT_EQ(clicheRecordKey("P8s", "1"), "P8s-01");
  EXPECT_EQ(clicheRecordKey("P8s", "9"), "P8s-09");
  EXPECT_EQ(clicheRecordKey("P8s", "10"), "P8s-0A");
  EXPECT_EQ(clicheRecordKey("P8s", "17  "), "P8s-0H");  // right-trimmed
  EXPECT_EQ(clicheRecordKey("V10\x9b", "3.5"),
            "V10\x9b"
            "3-05");
}

TEST(ClicheRecordKey, OddNumbersStillGiveAKey) {
  EXPECT_EQ(clicheRecordKey("P8s", ""), "P8s-00");
  EXPECT_EQ(clicheRecordKey("P8s", "x"), "P8s-00");
  EXPECT_EQ(clicheRecordKey("P8s", "352"), "P8s-AW");  // q 10 is "A"
  const std::string huge = clicheRecordKey("P8s", "999999999999");
  EXPECT_EQ(huge.size(), 6u);
}

// ---------------------------------------------------------------- record reading

TEST_F(ClicheTest, ReadsTheFieldsTheOrientationAndThePicture) {
  const std::string picture = rowsWithRun(5, 10, 20);
  const std::string text =
      "U" + tag('d') + "x$1abc" + tag('m') + "5" + tag('t') + "1 4s1  A17     " + tag('v') + "w2";
  const DataFile file = fileWith({{"P8s-0H", record(text, picture)}});
  const ClicheRecord r = readClicheRecord(file, "P8s-0H");
  ASSERT_TRUE(r.found);
  EXPECT_EQ(r.orientation, 'U');
  EXPECT_TRUE(r.turnedOrientation());
  EXPECT_EQ(r.description, "x$1abc");
  EXPECT_EQ(r.stampNumber, "5");  // one character is enough for the stamp number
  EXPECT_EQ(r.occurrences, "1 4s1  A17     ");
  EXPECT_EQ(r.wandering, "w2");
  EXPECT_EQ(std::string(r.picture.begin(), r.picture.end()), picture);
  EXPECT_TRUE(r.hasPicture);
}

TEST_F(ClicheTest, MissingRecords) {
  const DataFile file =
      fileWith({{"P8s-01", "short"},
                {"P8s-02", "no picture tag at all" + tag('d') + "$1abc"},
                {"P8s-03", std::string(600, 'x') + tag('b') + rowsWithRun(5, 1, 9)},
                {"P8s-04", " " + tag('b') + "123456"}});
  EXPECT_FALSE(readClicheRecord(file, "P8s-00").found);  // no section
  EXPECT_FALSE(readClicheRecord(file, "P8s-01").found);  // shorter than 10 bytes
  EXPECT_FALSE(readClicheRecord(file, "P8s-02").found);  // no ESC "*b"
  EXPECT_FALSE(readClicheRecord(file, "P8s-03").found);  // the tag lies past the 560-byte text
  const ClicheRecord r = readClicheRecord(file, "P8s-04");
  EXPECT_TRUE(r.found);
  EXPECT_FALSE(r.hasPicture);  // fewer than 10 bytes after the tag
  EXPECT_EQ(r.picture.size(), 6u);
  EXPECT_EQ(r.description, "");
}

TEST_F(ClicheTest, FieldsAreNotTakenFromThePictureBytes) {
  // The picture happens to hold ESC "*m": no stamp number comes from it.
  const std::string picture = bytesOf({6, 27, 42, 109, 57, 57, 57}) + rowsWithRun(4, 1, 5);
  const DataFile file = fileWith({{"P8s-0H", record(" " + tag('d') + "$1a", picture)}});
  const ClicheRecord r = readClicheRecord(file, "P8s-0H");
  ASSERT_TRUE(r.found);
  EXPECT_EQ(r.stampNumber, "");
  EXPECT_EQ(r.description, "$1a");
}

TEST_F(ClicheTest, ShortFieldsCountAsAbsent) {
  const DataFile file = fileWith(
      {{"P8s-0H", record(" " + tag('d') + "$" + tag('t') + "1" + tag('m'), "0123456789")}});
  const ClicheRecord r = readClicheRecord(file, "P8s-0H");
  ASSERT_TRUE(r.found);
  EXPECT_EQ(r.description, "");
  EXPECT_EQ(r.occurrences, "");
  EXPECT_EQ(r.stampNumber, "");
}

// ---------------------------------------------------------------- decoding

TEST(ClichePicture, EscapedValuesKeepTheRowOffset) {
  const std::string data = bytesOf({3, 255, 10, 20});
  const auto rows = decodeClichePicture(
      std::span(reinterpret_cast<const std::uint8_t*>(data.data()), data.size()));
  ASSERT_EQ(rows.size(), 1u);
  ASSERT_EQ(rows[0].size(), 1u);
  EXPECT_EQ(rows[0][0], std::make_pair(265, 275));
}

TEST(ClichePicture, OffsetGrowsThroughTheRowAndStartsAgainEachRow) {
  const std::string data = bytesOf({6, 1, 2, 255, 3, 255, 4, 2, 7, 8});
  const auto rows = decodeClichePicture(
      std::span(reinterpret_cast<const std::uint8_t*>(data.data()), data.size()));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], (ClichePictureRow{{1, 2}, {258, 514}}));
  EXPECT_EQ(rows[1], (ClichePictureRow{{7, 8}}));
}

TEST(ClichePicture, EmptyRowsAndTheEndOfTheData) {
  const std::string data = bytesOf({0, 2, 5, 9, 0, 5, 1, 2, 3});  // last row cut off
  const auto rows = decodeClichePicture(
      std::span(reinterpret_cast<const std::uint8_t*>(data.data()), data.size()));
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_TRUE(rows[0].empty());
  EXPECT_EQ(rows[1], (ClichePictureRow{{5, 9}}));
  EXPECT_TRUE(rows[2].empty());
  EXPECT_EQ(rows[3], (ClichePictureRow{{1, 2}}));  // the lone third value is dropped
  EXPECT_TRUE(decodeClichePicture({}).empty());
}

TEST(ClichePicture, AtMost383Rows) {
  const std::string data = rowsWithRun(400, 1, 2);
  const auto rows = decodeClichePicture(
      std::span(reinterpret_cast<const std::uint8_t*>(data.data()), data.size()));
  EXPECT_EQ(rows.size(), 383u);
}

TEST(ClichePicture, RowPhases) {
  // Zoom 2: the phase goes 2 -> 4 (skip), 5 -> 1 (draw): the first row is skipped.
  EXPECT_FALSE(pictureRowDrawn(0, 2));
  EXPECT_TRUE(pictureRowDrawn(1, 2));
  EXPECT_FALSE(pictureRowDrawn(2, 2));
  // Zoom 3: phases 2, 3, 4, 1, ...: the third row of every four is skipped.
  EXPECT_TRUE(pictureRowDrawn(0, 3));
  EXPECT_TRUE(pictureRowDrawn(1, 3));
  EXPECT_FALSE(pictureRowDrawn(2, 3));
  EXPECT_TRUE(pictureRowDrawn(3, 3));
  EXPECT_FALSE(pictureRowDrawn(6, 3));
  for (int r = 0; r < 383; ++r) EXPECT_TRUE(pictureRowDrawn(r, 4));
}

// ---------------------------------------------------------------- the panel

TEST_F(ClicheTest, DrawnRowsPerZoom) {
  const DataFile file = fileWith({{"P8s-0H", record(" ", rowsWithRun(383, 0, 10))}});
  // At zoom 2 the phase rule draws the odd rows 1..381: 191 pixel rows (not 192).
  const std::vector<std::pair<int, std::size_t>> expected = {{2, 191}, {3, 287}, {4, 383}};
  for (const auto& [zoom, count] : expected) {
    Screen s = screenOn(file, zoom);
    const ClicheRecord r = drawClichePanel(s, file, request("P8s", "17"));
    ASSERT_TRUE(r.found);
    const std::set<int> rows = rowsOf(inked(s, kPictureColour));
    EXPECT_EQ(rows.size(), count) << "zoom " << zoom;
    EXPECT_EQ(*rows.begin(), s.px(70) + 1) << "zoom " << zoom;
    EXPECT_EQ(*rows.rbegin(), s.px(70) + static_cast<int>(count)) << "zoom " << zoom;
  }
}

TEST_F(ClicheTest, SkippedRowsAreConsumed) {
  // Zoom 2 skips row 0: its run must not show, row 1's run is the first drawn row.
  const std::string picture = bytesOf({2, 0, 40, 2, 100, 110}) + std::string(10, '\0');
  const DataFile file = fileWith({{"P8s-0H", record(" ", picture)}});
  Screen s = screenOn(file, 2);
  drawClichePanel(s, file, request("P8s", "17"));
  const int base = s.px(235);
  Pixels expected;
  for (int x = base + 50; x < base + 56; ++x) expected.insert({x, 71});
  EXPECT_EQ(inked(s, kPictureColour), expected);
}

TEST_F(ClicheTest, ShortRunsUseTheWiderFactor) {
  const DataFile file =
      fileWith({{"P8s-0H", record(" ", bytesOf({2, 10, 12}) + std::string(9, '\0'))}});
  Screen s = screenOn(file, 4);
  drawClichePanel(s, file, request("P8s", "17"));
  // base = 235·2 = 470; x1 = 470 + 10, x2 = x1 + trunc(8/3) + 1: three pixels on row 141.
  EXPECT_EQ(inked(s, kPictureColour), (Pixels{{480, 141}, {481, 141}, {482, 141}}));
}

TEST_F(ClicheTest, LongRunsAtZoom3) {
  const DataFile file =
      fileWith({{"P8s-0H", record(" ", bytesOf({2, 10, 20}) + std::string(9, '\0'))}});
  Screen s = screenOn(file, 3);
  drawClichePanel(s, file, request("P8s", "17"));
  // base = round(352.5) = 353; x1 = 353 + trunc(30/4) = 360; x2 = 353 + trunc(60/4) + 1 = 369.
  Pixels expected;
  for (int x = 360; x < 369; ++x) expected.insert({x, 106});
  EXPECT_EQ(inked(s, kPictureColour), expected);
}

TEST_F(ClicheTest, EscapedRunIsDrawnAtItsOffset) {
  const DataFile file =
      fileWith({{"P8s-0H", record(" ", bytesOf({3, 255, 10, 20}) + std::string(9, '\0'))}});
  Screen s = screenOn(file, 4);
  drawClichePanel(s, file, request("P8s", "17"));
  Pixels expected;
  for (int x = 470 + 265; x < 470 + 276; ++x) expected.insert({x, 141});
  EXPECT_EQ(inked(s, kPictureColour), expected);
}

TEST_F(ClicheTest, TurnedPictureOnTheSecondPanel) {
  const std::string picture = bytesOf({2, 10, 12}) + std::string(9, '\0');
  const DataFile file =
      fileWith({{"P8s-0H", record("U", picture)}, {"P8s-0I", record("X", picture)}});
  ClichePanelRequest r = request("P8s", "17");
  r.turned = true;
  {
    Screen s = screenOn(file, 4);
    drawClichePanel(s, file, r);
    // y starts at px(262) = 524 and goes up; base = px(231) = 462;
    // x1 = 462 + 344 - 10 = 796, x2 = 796 - trunc(8/3) - 1 = 793, drawn leftwards: 794..796.
    EXPECT_EQ(inked(s, kPictureColour), (Pixels{{794, 523}, {795, 523}, {796, 523}}));
  }
  {
    // A long run, turned: x1 = 462 + 344 - 10, x2 = 462 + 344 - 20 - 1.
    const DataFile longRun =
        fileWith({{"P8s-0H", record("O", bytesOf({2, 10, 20}) + std::string(9, '\0'))}});
    Screen s = screenOn(longRun, 4);
    drawClichePanel(s, longRun, r);
    Pixels expected;
    for (int x = 786; x <= 796; ++x) expected.insert({x, 523});
    EXPECT_EQ(inked(s, kPictureColour), expected);
  }
  {
    // The second panel of a record not flagged "U"/"O" is drawn the normal way round.
    Screen s = screenOn(file, 4);
    ClichePanelRequest other = request("P8s", "18");
    other.turned = true;
    drawClichePanel(s, file, other);
    EXPECT_EQ(inked(s, kPictureColour), (Pixels{{480, 141}, {481, 141}, {482, 141}}));
  }
  {
    // A flagged record on the first panel is not turned.
    Screen s = screenOn(file, 4);
    drawClichePanel(s, file, request("P8s", "17"));
    EXPECT_EQ(inked(s, kPictureColour), (Pixels{{480, 141}, {481, 141}, {482, 141}}));
  }
}

TEST_F(ClicheTest, TurnedRowsMirrorTheNormalRows) {
  const DataFile file = fileWith({{"P8s-0H", record("U", rowsWithRun(383, 0, 10))}});
  for (const int zoom : {2, 3, 4}) {
    Screen normal = screenOn(file, zoom);
    drawClichePanel(normal, file, request("P8s", "17"));
    Screen turned = screenOn(file, zoom);
    ClichePanelRequest r = request("P8s", "17");
    r.turned = true;
    drawClichePanel(turned, file, r);
    const std::set<int> a = rowsOf(inked(normal, kPictureColour));
    const std::set<int> b = rowsOf(inked(turned, kPictureColour));
    EXPECT_EQ(a.size(), b.size());
    EXPECT_EQ(*b.rbegin(), turned.px(262) - 1);
  }
}

TEST_F(ClicheTest, RunsPastThePanelAreClipped) {
  // A run from 0 to 3·255 + 200 and one starting far right of the panel.
  const std::string picture = bytesOf({5, 0, 255, 255, 255, 200}) +
                              bytesOf({6, 255, 255, 255, 10, 255, 20}) + rowsWithRun(5, 0, 0);
  const DataFile file =
      fileWith({{"P8s-0H", record(" ", picture)}, {"P8s-0I", record("U", picture)}});
  for (const int zoom : {2, 3, 4}) {
    for (const bool turned : {false, true}) {
      Screen s = screenOn(file, zoom);
      ClichePanelRequest r = request("P8s", turned ? "18" : "17");
      r.turned = turned;
      drawClichePanel(s, file, r);
      const ClichePanelGeometry g = clichePanelGeometry(zoom, 230);
      const Pixels ink = inked(s, kPictureColour);
      EXPECT_FALSE(ink.empty());
      for (const auto& [x, y] : ink) {
        EXPECT_GE(x, g.interiorLeft());
        EXPECT_LT(x, g.interiorRight());
      }
      // The frame lines stay unbroken.
      for (int y = g.frameTop; y <= g.frameBottom; ++y) {
        EXPECT_EQ(s.framebuffer().at(g.frameRight, y), s.palette()[1]);
        EXPECT_EQ(s.framebuffer().at(g.frameLeft, y), s.palette()[1]);
      }
    }
  }
}

TEST_F(ClicheTest, DoubleFrameAndFill) {
  const DataFile file = fileWith({});
  for (const int zoom : {2, 3, 4}) {
    for (const bool uncertain : {false, true}) {
      Screen s = screenOn(file, zoom);
      ClichePanelRequest r = request("P8s", "17");
      r.uncertain = uncertain;
      const ClicheRecord rec = drawClichePanel(s, file, r);
      EXPECT_FALSE(rec.found);
      const ClichePanelGeometry g = clichePanelGeometry(zoom, 230);
      EXPECT_EQ(g.frameLeft, 220 * zoom / 2);
      EXPECT_EQ(g.frameTop, 60 * zoom / 2);
      EXPECT_EQ(g.frameRight, 418 * zoom / 2);
      EXPECT_EQ(g.frameBottom, 272 * zoom / 2);
      const Framebuffer& f = s.framebuffer();
      const Rgb black = s.palette()[1];
      const Rgb fill = s.palette()[uncertain ? 17 : 15];
      for (int k = 0; k < 2; ++k) {
        for (int x = g.frameLeft - k; x <= g.frameRight + k; ++x) {
          EXPECT_EQ(f.at(x, g.frameTop - k), black);
          EXPECT_EQ(f.at(x, g.frameBottom + k), black);
        }
        for (int y = g.frameTop - k; y <= g.frameBottom + k; ++y) {
          EXPECT_EQ(f.at(g.frameLeft - k, y), black);
          EXPECT_EQ(f.at(g.frameRight + k, y), black);
        }
      }
      // Nothing else outside the double frame.
      const Rgb white = s.palette()[15];
      EXPECT_EQ(f.at(g.frameLeft - 2, 200), white);
      EXPECT_EQ(f.at(g.frameRight + 2, 200), white);
      EXPECT_EQ(f.at(400, g.frameTop - 2), white);
      // The fill covers the inside up to the frame, with no outline of another colour.
      const int left = s.px(221), right = static_cast<int>(std::lround(417 * zoom / 2.0 + 1));
      const int top = s.px(61), bottom = static_cast<int>(std::lround(271 * zoom / 2.0 + 1));
      for (int x = left; x < right; ++x) {
        EXPECT_EQ(f.at(x, top), fill);
        EXPECT_EQ(f.at(x, bottom - 1), fill);
      }
      EXPECT_EQ(f.at(left, s.px(200)), fill);
      EXPECT_EQ(f.at(right - 1, s.px(200)), fill);
      EXPECT_EQ(s.textColour(), colour::kDarkGrey);  // left as it was
      EXPECT_TRUE(inked(s, colour::kDarkGrey).empty());
    }
  }
}

TEST_F(ClicheTest, MissingRecordWordsInByNumberMode) {
  const DataFile file = fileWith({{"A4s-01", "tiny"}});
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"P8s", "( Ingen fejl registreret )"},
      {"C3c", "( Ingen fejl registreret )"},
      {"L4s", "( Ingen fejl registreret )"},
      {"A4s", "( C-nummer ikke anvendt )"},
      {"V5\x9b", "( C-nummer ikke anvendt )"}};
  for (const auto& [valueKey, words] : cases) {
    EXPECT_EQ(clicheMissingWords(valueKey.substr(0, 1)), words);
    Screen byNumber = screenOn(file, 2);
    ClichePanelRequest r = request(valueKey, "1");
    r.mode = ClichePanelMode::ByNumber;
    EXPECT_FALSE(drawClichePanel(byNumber, file, r).found);

    Screen expected = screenOn(file, 2);
    r.mode = ClichePanelMode::ByPosition;
    drawClichePanel(expected, file, r);
    EXPECT_TRUE(inked(expected, colour::kDarkGrey).empty());  // by position: nothing
    expected.drawGlyphText(words, 319, 140, GlyphStyle{Font::C, kCentred, 1, 3, colour::kDarkGrey});
    EXPECT_EQ(byNumber.framebuffer(), expected.framebuffer()) << valueKey;
    EXPECT_EQ(rowsOf(inked(byNumber, colour::kDarkGrey)), std::set<int>{140});
  }
  // Without an edition the value key's first letter decides.
  Screen s = screenOn(file, 2);
  ClichePanelRequest r = request("P8s", "1");
  r.edition.clear();
  r.mode = ClichePanelMode::ByNumber;
  drawClichePanel(s, file, r);
  Screen e = screenOn(file, 2);
  r.mode = ClichePanelMode::ByPosition;
  drawClichePanel(e, file, r);
  e.drawGlyphText("( Ingen fejl registreret )", 319, 140,
                  GlyphStyle{Font::C, kCentred, 1, 3, colour::kDarkGrey});
  EXPECT_EQ(s.framebuffer(), e.framebuffer());
}

TEST_F(ClicheTest, RecordWithoutEnoughPictureBytesDrawsNoPicture) {
  const DataFile file =
      fileWith({{"P8s-0H", " " + tag('m') + "12" + tag('b') + bytesOf({2, 1, 9})}});
  Screen s = screenOn(file, 4);
  ClichePanelRequest r = request("P8s", "17");
  r.mode = ClichePanelMode::ByNumber;
  const ClicheRecord rec = drawClichePanel(s, file, r);
  EXPECT_TRUE(rec.found);
  EXPECT_FALSE(rec.hasPicture);
  EXPECT_EQ(rec.stampNumber, "12");
  EXPECT_TRUE(inked(s, kPictureColour).empty());
  EXPECT_TRUE(inked(s, colour::kDarkGrey).empty());  // found: no missing-record words
}

// ---------------------------------------------------------------- annotations

TEST(ClicheDescription, ItemsAndLines) {
  const ClicheDescription d =
      parseClicheDescription("ignored$1abc$2>abc$1xyz$9last$zother$$h10,20,lab$o0,5,skip$n3,4,dn");
  EXPECT_EQ(d.lines[1], "1xyz");  // the later item replaces the earlier
  EXPECT_EQ(d.lines[2], "2>abc");
  EXPECT_EQ(d.lines[9], "9last");
  EXPECT_EQ(d.lines[3], "");
  ASSERT_EQ(d.labels.size(), 2u);
  EXPECT_EQ(d.labels[0].kind, 'h');
  EXPECT_EQ(d.labels[0].x, 10);
  EXPECT_EQ(d.labels[0].y, 20);
  EXPECT_EQ(d.labels[0].text, "lab");
  EXPECT_EQ(d.labels[1].kind, 'n');
  EXPECT_EQ(d.labels[1].y, 3);
  EXPECT_EQ(d.labels[1].x, 4);
  EXPECT_EQ(d.labels[1].text, "dn");
  EXPECT_TRUE(parseClicheDescription("1abc no dollar").lines[1].empty());
}

TEST(ClicheDescription, EdgeMarkListIsCutOut) {
  const ClicheDescription d = parseClicheDescription(
      "$1abc$POV02\x9b"
      "h01hn03XX12VO-1ab$2def");
  ASSERT_EQ(d.marks.size(), 5u);  // "ab" is too short for a group
  EXPECT_EQ(d.marks[0].code, "OV");
  EXPECT_EQ(d.marks[0].number, 2);
  EXPECT_EQ(d.marks[1].code, "OH");
  EXPECT_EQ(d.marks[1].number, 1);
  EXPECT_EQ(d.marks[2].code, "HN");
  EXPECT_EQ(d.marks[2].number, 3);
  EXPECT_EQ(d.marks[3].code, "XX");
  EXPECT_EQ(d.marks[4].code, "VO");
  EXPECT_EQ(d.marks[4].number, -1);
  EXPECT_EQ(d.lines[1], "1abc");
  EXPECT_EQ(d.lines[2], "2def");
}

TEST(ClicheDescription, LinePlaces) {
  const auto at = [](std::string_view line, int d) {
    const ClicheLinePlace p = clicheDescriptionLinePlace(line, d, 230, 61);
    return std::make_tuple(p.text, p.x, p.y);
  };
  EXPECT_EQ(at("1abc", 1), std::make_tuple(std::string("abc"), 320.0, 78.0));
  EXPECT_EQ(at("2>abc", 2), std::make_tuple(std::string("abc"), 340.0, 91.0));
  EXPECT_EQ(at("3<<x>", 3), std::make_tuple(std::string("x>"), 280.0, 104.0));
  EXPECT_EQ(at("4\xf3\xf3"
               "a",
               4),
            std::make_tuple(std::string("a"), 310.0, 157.0));
  EXPECT_EQ(at("5\xf2<a", 5), std::make_tuple(std::string("a"), 305.0, 170.0));
  EXPECT_EQ(at("6a", 6), std::make_tuple(std::string("a"), 320.0, 183.0));
  EXPECT_EQ(at("7a", 7), std::make_tuple(std::string("a"), 320.0, 236.0));
  EXPECT_EQ(at("8a", 8), std::make_tuple(std::string("a"), 320.0, 249.0));
  EXPECT_EQ(at("9a", 9), std::make_tuple(std::string("a"), 320.0, 262.0));
}

TEST_F(ClicheTest, DescriptionLinesAreDrawnCentred) {
  const DataFile file = fileWith({});
  Screen s = screenOn(file, 2);
  drawClicheAnnotations(s, "$1abc$2>abc", 230, 61);
  // "abc" at zoom 2: advance -1 + 3·(3 + 1) = 11, moved left by round(5.5) = 6.
  Pixels expected;
  for (const int x0 : {314, 318, 322}) {
    for (int x = x0; x < x0 + 3; ++x) {
      expected.insert({x, 78});
      expected.insert({x + 20, 91});
    }
  }
  EXPECT_EQ(inked(s, colour::kBlack), expected);

  Screen reference = screenOn(file, 2);
  const GlyphStyle style{Font::C, kCentred, 1, 2, colour::kBlack};
  reference.drawGlyphText("abc", 320, 78, style);
  reference.drawGlyphText("abc", 340, 91, style);
  EXPECT_EQ(s.framebuffer(), reference.framebuffer());
}

TEST_F(ClicheTest, DescriptionLinesAtZoom3) {
  const DataFile file = fileWith({});
  Screen s = screenOn(file, 3);
  drawClicheAnnotations(s, "$4\xf2x$8<y", 230, 61);
  Screen reference = screenOn(file, 3);
  const GlyphStyle style{Font::C, kCentred, 1, 2, colour::kBlack};
  reference.drawGlyphText("x", 325, 157, style);
  reference.drawGlyphText("y", 300, 249, style);
  EXPECT_EQ(s.framebuffer(), reference.framebuffer());
}

TEST_F(ClicheTest, PlacedLabels) {
  const DataFile file = fileWith({});
  Screen s = screenOn(file, 2);
  drawClicheAnnotations(s, "$h10,20,a$v10,30,b$o20,10,c$n25,10,d$h0,5,skipped$o0,5,skipped", 230,
                        61);
  // h: x = 226 + 17.9 -> 244, y = 61 + 41 = 102, the text starts at x.
  // v: y = 61 + 61.5 -> 123 (rounded half away), the text ends at x.
  // o: first number y 20, then x 10: (244, 102), upwards; n: y = 61 + 51.25 -> 112, downwards.
  const Pixels expected = {{244, 102}, {245, 102}, {246, 102}, {242, 123}, {243, 123}, {244, 123},
                           {244, 102}, {244, 101}, {244, 100}, {244, 112}, {244, 113}, {244, 114}};
  EXPECT_EQ(inked(s, colour::kBlack), expected);

  Screen reference = screenOn(file, 2);
  reference.drawGlyphText("a", 244, 102, GlyphStyle{Font::C, kFromLeft, 1, 2, colour::kBlack});
  reference.drawGlyphText("b", 244, 123, GlyphStyle{Font::C, kToRight, 1, 2, colour::kBlack});
  reference.drawGlyphText("c", 244, 102, GlyphStyle{Font::C, kVerticalUp, 1, 2, colour::kBlack});
  reference.drawGlyphText("d", 244, 112, GlyphStyle{Font::C, kVerticalDown, 1, 2, colour::kBlack});
  EXPECT_EQ(s.framebuffer(), reference.framebuffer());
}

// The wedge of a mark as the screen's own line drawing gives it, in pixels at zoom 4
// (picture unit = pixel), for the panel at 230.
Pixels referenceWedge(const DataFile& file, const std::string& code, int n) {
  Screen s(&file);
  s.openWindow(4);
  const int x1 = 585 + 20 * n, x2 = 705 + 20 * n, y1 = 270 - 20 * n, y2 = 390 - 20 * n;
  for (int i = 1; i <= 10; ++i) {
    const auto line = [&s](int ax, int ay, int bx, int by) {
      s.line(ax / 2.0, ay / 2.0, bx / 2.0, by / 2.0, 11);
    };
    if (code == "OV") line(x1, std::min(134 + i + 7, 144), x2, 134 + i);
    if (code == "OH") line(x1, 134 + i, x2, std::min(134 + i + 7, 144));
    if (code == "NV") line(x1, std::max(524 + i - 7, 525), x2, 524 + i);
    if (code == "NH") line(x1, 524 + i, x2, std::max(524 + i - 7, 525));
    if (code == "VO") line(std::min(450 + i + 7, 460), y1, 450 + i, y2);
    if (code == "VN") line(450 + i, y1, std::min(450 + i + 7, 460), y2);
    if (code == "HO") line(std::max(815 + i - 7, 816), y1, 815 + i, y2);
    if (code == "HN") line(815 + i, y1, std::max(815 + i - 7, 816), y2);
  }
  return inked(s, 11);
}

TEST_F(ClicheTest, EdgeMarks) {
  const DataFile file = fileWith({});
  for (const std::string code : {"OV", "OH", "NV", "NH", "VO", "VN", "HO", "HN"}) {
    for (const int n : {0, 2}) {
      Screen s = screenOn(file, 4);
      const std::string number = n == 0 ? "00" : "02";
      drawClicheAnnotations(s, "$P" + code + number, 230, 61);
      const Pixels ink = inked(s, 11);
      EXPECT_FALSE(ink.empty()) << code;
      EXPECT_EQ(ink, referenceWedge(file, code, n)) << code << n;
    }
  }
  // Spot checks of "OV" 00: line 1 from (585, 142) to (705, 135), line 10 ends at (705, 144).
  Screen s = screenOn(file, 4);
  drawClicheAnnotations(s, "$POV00", 230, 61);
  const Pixels ink = inked(s, 11);
  EXPECT_TRUE(ink.count({585, 142}));
  EXPECT_TRUE(ink.count({705, 135}));
  EXPECT_TRUE(ink.count({705, 144}));
  EXPECT_EQ(rowsOf(ink), (std::set<int>{135, 136, 137, 138, 139, 140, 141, 142, 143, 144}));
  EXPECT_TRUE(inked(s, colour::kBlack).empty());  // the mark list is no description line
}

TEST_F(ClicheTest, EdgeMarkCodesFoldCaseAndTheSlashedO) {
  const DataFile file = fileWith({});
  Screen ov = screenOn(file, 3);
  drawClicheAnnotations(ov, "$POV01", 230, 61);
  for (const std::string code : {"ov", "\x9dV", "\x9bV", "\x9bv"}) {
    Screen s = screenOn(file, 3);
    drawClicheAnnotations(s, "$P" + code + "01", 230, 61);
    EXPECT_EQ(s.framebuffer(), ov.framebuffer());
  }
  Screen unknown = screenOn(file, 3);
  drawClicheAnnotations(unknown, "$PXY01OV", 230, 61);  // unknown code; "OV" too short
  EXPECT_TRUE(inked(unknown, 11).empty());
}

TEST_F(ClicheTest, EdgeMarksAtZoom2UseTheTruncatedSeven) {
  const DataFile file = fileWith({});
  Screen s = screenOn(file, 2);
  drawClicheAnnotations(s, "$PVO00", 230, 61);
  // Line 1: x from min(round(451/2) + 3, round(460/2)) = 229 at y 135, to x 226 at y 195.
  const Pixels ink = inked(s, 11);
  EXPECT_TRUE(ink.count({229, 135}));
  EXPECT_TRUE(ink.count({226, 195}));
  for (const auto& [x, y] : ink) {
    EXPECT_GE(x, 226);
    EXPECT_LE(x, 230);
    EXPECT_GE(y, 135);
    EXPECT_LE(y, 195);
  }
}

TEST_F(ClicheTest, EdgeMarksMoveWithThePanelAndStayInside) {
  const DataFile file = fileWith({});
  Screen at230 = screenOn(file, 4);
  drawClicheAnnotations(at230, "$PHO00", 230, 61);
  Screen at357 = screenOn(file, 4);
  drawClicheAnnotations(at357, "$PHO00", 357, 61);
  Pixels shifted;
  for (const auto& [x, y] : inked(at230, 11)) shifted.insert({x + 254, y});
  EXPECT_EQ(inked(at357, 11), shifted);

  // A number that moves the wedge out of the panel: clipped to the interior.
  Screen far = screenOn(file, 4);
  drawClicheAnnotations(far, "$POV09NH50HO-9", 230, 61);
  const ClichePanelGeometry g = clichePanelGeometry(4, 230);
  const Pixels ink = inked(far, 11);
  EXPECT_FALSE(ink.empty());
  for (const auto& [x, y] : ink) {
    EXPECT_GE(x, g.interiorLeft());
    EXPECT_LT(x, g.interiorRight());
    EXPECT_GE(y, g.interiorTop());
    EXPECT_LT(y, g.interiorBottom());
  }
}

// ---------------------------------------------------------------- bad input

TEST_F(ClicheTest, FuzzedRecordsStayInsideThePanel) {
  std::mt19937 rng(20240611);
  const auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  const std::string good = record(
      "U" + tag('d') + "$1abc$POV01$h10,20,x" + tag('m') + "12" + tag('t') + "1 4s1  A17     ",
      rowsWithRun(383, 10, 90));
  for (int round = 0; round < 300; ++round) {
    std::string bytes = good;
    switch (pick(4)) {
      case 0:  // truncated anywhere
        bytes.resize(static_cast<std::size_t>(pick(static_cast<int>(bytes.size()) + 1)));
        break;
      case 1:  // random bytes overwritten
        for (int k = 0; k < 1 + pick(60); ++k) {
          bytes[static_cast<std::size_t>(pick(static_cast<int>(bytes.size())))] =
              static_cast<char>(pick(256));
        }
        break;
      case 2: {  // a random picture, count bytes that run past the end
        std::string picture;
        const int n = pick(1500);
        for (int k = 0; k < n; ++k) picture += static_cast<char>(pick(256));
        bytes = record(pick(2) ? "O" : " ", picture);
        break;
      }
      default: {  // a random text part, possibly without the tag
        std::string text;
        const int n = pick(700);
        for (int k = 0; k < n; ++k) text += static_cast<char>(pick(4) ? pick(256) : 27);
        bytes = pick(3) ? record(text, rowsWithRun(pick(400), pick(256), pick(256))) : text;
        break;
      }
    }
    const DataFile file = fileWith({{"P8s-0H", bytes}});
    const int zoom = 2 + pick(3);
    Screen s = screenOn(file, zoom);
    ClichePanelRequest r = request("P8s", "17");
    r.turned = pick(2) == 1;
    r.uncertain = pick(2) == 1;
    r.mode = pick(2) ? ClichePanelMode::ByNumber : ClichePanelMode::ByPosition;
    const ClicheRecord rec = drawClichePanel(s, file, r);
    const ClichePanelGeometry g = clichePanelGeometry(zoom, 230);
    const Framebuffer& f = s.framebuffer();
    const Rgb white = s.palette()[15];
    const Rgb ink = s.palette()[kPictureColour];
    const PixelVector& pixels = f.pixels();
    int badX = -1, badY = -1;
    for (int y = 0; y < f.height() && badX < 0; ++y) {
      const Rgb* row = pixels.data() + static_cast<std::size_t>(y) * f.width();
      const bool rowOutside = y < g.frameTop - 1 || y > g.frameBottom + 1;
      const bool rowInside = y >= g.interiorTop() && y < g.interiorBottom();
      for (int x = 0; x < f.width(); ++x) {
        const bool outside = rowOutside || x < g.frameLeft - 1 || x > g.frameRight + 1;
        const bool inside = rowInside && x >= g.interiorLeft() && x < g.interiorRight();
        if ((outside && row[x] != white) || (!inside && row[x] == ink)) {
          badX = x;
          badY = y;
          break;
        }
      }
    }
    ASSERT_LT(badX, 0) << "round " << round << ": drawn outside the panel at " << badX << ","
                       << badY;
    // The annotations of whatever came out, and of random descriptions, draw without harm.
    drawClicheAnnotations(s, rec.description, 230, 61);
    std::string description;
    const int n = pick(200);
    for (int k = 0; k < n; ++k) description += "$Phvon19,<>0-"[static_cast<std::size_t>(pick(13))];
    drawClicheAnnotations(s, description, 230, 61);
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
