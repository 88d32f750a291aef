// The oval and frame panels of the two-coloured flaw screen: frame, background, the picture at
// each zoom (half a turn for inverted frames), the description lines and the missing-record
// words; golden pictures of a panel pair.
#include "screens/twocolour/flaw_panel.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "support/data_builder.hpp"
#include "support/golden.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::DataBuilder;

constexpr int kPictureColour = 12;
const std::string kEsc(1, '\x1b');

std::string tag(char letter) {
  return kEsc + "*" + std::string(1, letter);
}
std::string bytesOf(const std::vector<int>& values) {
  std::string out;
  for (const int v : values) out += static_cast<char>(static_cast<unsigned char>(v));
  return out;
}
std::string rowsWithRun(int rows, int a, int b) {
  std::string out;
  for (int i = 0; i < rows; ++i) out += bytesOf({2, a, b});
  return out;
}
std::string record(const std::string& text, const std::string& picture) {
  return text + tag('b') + picture;
}

using Pixels = std::set<std::pair<int, int>>;
Pixels inked(const Screen& s, int colour) {
  Pixels out;
  const Framebuffer& f = s.framebuffer();
  for (int y = 0; y < f.height(); ++y) {
    for (int x = 0; x < f.width(); ++x) {
      if (f.at(x, y) == s.palette()[colour]) out.insert({x, y});
    }
  }
  return out;
}
std::set<int> rowsOf(const Pixels& pixels) {
  std::set<int> out;
  for (const auto& p : pixels) out.insert(p.second);
  return out;
}

// Font C (zoom 3) and B: every character a row of 3 ink pixels on its baseline.
std::string tinyFont() {
  std::vector<std::pair<std::uint8_t, std::string>> glyphs;
  for (int c = 1; c < 256; ++c) {
    if (c != ' ')
      glyphs.emplace_back(static_cast<std::uint8_t>(c), test::glyphRecord(512, 1, 3, {"###"}));
  }
  return test::fontSection(512, glyphs);
}

DataFile fileWith(const std::vector<std::pair<std::string, std::string>>& sections) {
  DataBuilder b;
  b.add("0a042", tinyFont());
  for (const auto& [name, bytes] : sections) b.add(name, bytes);
  return b.file();
}

Screen screenOn(const DataFile& file, int zoom) {
  Screen s(&file);
  s.openWindow(zoom);
  s.setFontRef(Font::C, FontRef{file.findSection("0a042").start});
  s.setFontRef(Font::B, FontRef{file.findSection("0a042").start});
  return s;
}

FlawPanelRequest frameRequest(FlawViewMode mode, std::string keyPart = "58-4") {
  FlawPanelRequest r;
  r.panel = FlawPanelKind::Frame;
  r.panelX = kFramePanelX;
  r.mode = mode;
  r.colour = kPictureColour;
  r.keyPart = std::move(keyPart);
  return r;
}

TEST(FlawPanel, RowsDrawnAtEachZoom) {
  const DataFile file = fileWith({{"T58-04", record(" ", rowsWithRun(383, 0, 10))}});
  for (const auto& [zoom, count] :
       std::vector<std::pair<int, std::size_t>>{{2, 191}, {3, 287}, {4, 383}}) {
    Screen s = screenOn(file, zoom);
    drawFlawPanel(s, file, frameRequest(FlawViewMode::Frame));
    const std::set<int> rows = rowsOf(inked(s, kPictureColour));
    EXPECT_EQ(rows.size(), count) << zoom;
    EXPECT_EQ(*rows.begin(), s.px(70)) << zoom;  // the first drawn row lies at y 70
    EXPECT_EQ(*rows.rbegin(), s.px(70) + static_cast<int>(count) - 1) << zoom;
  }
}

TEST(FlawPanel, SpanEnds) {
  // (zoom, start, end, first pixel, pixel after the last) for the frame panel, X0 = px(362).
  const std::vector<std::tuple<int, int, int, int, int>> cases = {
      {4, 10, 12, 724 + 10, 724 + 10 + 2 + 1},  // short: trunc(4·2/3) + 1 = 3 pixels
      {4, 10, 11, 724 + 10, 724 + 10 + 1 + 1},  // short: trunc(4/3) + 1
      {4, 10, 10, 724 + 10, 724 + 10 + 1},      // empty run: still one pixel
      {4, 10, 13, 724 + 10, 724 + 13 + 1},      // long: to X0 + k·e/4 + 1
      {3, 10, 12, 543 + 7, 543 + 7 + 2 + 1},    // X0 = round(543), trunc(30/4) = 7
      {3, 10, 20, 543 + 7, 543 + 15 + 1},
      {2, 9, 11, 362 + 4, 362 + 4 + 1 + 1},  // trunc(18/4) = 4, trunc(4/3) = 1
  };
  for (const auto& [zoom, a, b, from, to] : cases) {
    // Zoom 2 skips the first row: the run goes into the second there.
    const std::string skipped = zoom == 2 ? std::string(1, '\0') : "";
    const DataFile file =
        fileWith({{"T58-04", record(" ", skipped + bytesOf({2, a, b}) + std::string(9, '\0'))}});
    Screen s = screenOn(file, zoom);
    drawFlawPanel(s, file, frameRequest(FlawViewMode::Frame));
    const Pixels ink = inked(s, kPictureColour);
    ASSERT_FALSE(ink.empty()) << zoom << " " << a << " " << b;
    EXPECT_EQ(ink.begin()->first, from) << zoom << " " << a << " " << b;
    EXPECT_EQ(ink.rbegin()->first + 1, to) << zoom << " " << a << " " << b;
    EXPECT_EQ(ink.size(), static_cast<std::size_t>(to - from));
  }
}

TEST(FlawPanel, InvertedFramesAreDrawnHalfATurn) {
  // One run at the left of the first row; every other row empty.
  const std::string picture = bytesOf({2, 0, 4}) + std::string(382, '\0');
  const DataFile file = fileWith({{"T58-04", record("O", picture)},
                                  {"T58-05", record("U", picture)},
                                  {"T58-06", record(" ", picture)}});
  Pixels upright;
  for (int x = 724; x < 729; ++x) upright.insert({x, 140});
  // Turned: row 524 = px(70) + px(192); X1 = px(358) = 716, W = 344:
  // from 716 + 344 - 0 down to 716 + 344 - 4 - 1 (not drawn).
  Pixels turned;
  for (int x = 1056; x <= 1060; ++x) turned.insert({x, 524});

  const auto drawn = [&](FlawPanelRequest r) {
    Screen s = screenOn(file, 4);
    drawFlawPanel(s, file, r);
    return inked(s, kPictureColour);
  };
  EXPECT_EQ(drawn(frameRequest(FlawViewMode::Frame, "58-4")), turned);
  EXPECT_EQ(drawn(frameRequest(FlawViewMode::Frame, "58-5")), turned);
  EXPECT_EQ(drawn(frameRequest(FlawViewMode::Frame, "58-6")), upright);
  // In position mode the position's frame kind counts, not the record's.
  FlawPanelRequest byPosition = frameRequest(FlawViewMode::Position, "58-6");
  byPosition.frameKind = 'O';
  EXPECT_EQ(drawn(byPosition), turned);
  byPosition.keyPart = "58-4";
  byPosition.frameKind = ' ';
  EXPECT_EQ(drawn(byPosition), upright);
  // The oval panel is never turned.
  FlawPanelRequest oval = frameRequest(FlawViewMode::Oval, "58-4");
  oval.panel = FlawPanelKind::Oval;
  oval.panelX = kOvalPanelX;
  Pixels ovalUpright;
  for (int x = 218; x < 223; ++x) ovalUpright.insert({x, 140});
  EXPECT_EQ(drawn(oval), ovalUpright);
}

TEST(FlawPanel, BorderAndBackground) {
  const DataFile file = fileWith({});
  const ClichePanelGeometry g = flawPanelGeometry(3, kFramePanelX);
  const int midY = (g.frameTop + g.frameBottom) / 2;
  // (mode, mark, outer line colour, fill colour)
  const std::vector<std::tuple<FlawViewMode, char, int, int>> cases = {
      {FlawViewMode::Frame, ' ', 1, 15},
      {FlawViewMode::Position, ' ', 15, 15},
      {FlawViewMode::Oval, '?', 15, 17},
  };
  for (const auto& [mode, mark, outer, fill] : cases) {
    Screen s = screenOn(file, 3);
    s.clear();
    s.framebuffer().fillRect(0, 0, s.framebuffer().width(), s.framebuffer().height(),
                             s.palette()[5]);
    FlawPanelRequest r = frameRequest(mode);
    r.mark = mark;
    drawFlawPanel(s, file, r);
    EXPECT_EQ(s.framebuffer().at(g.frameLeft, midY), s.palette()[1]);
    EXPECT_EQ(s.framebuffer().at(g.frameLeft - 1, midY), s.palette()[outer]);
    EXPECT_EQ(s.framebuffer().at(g.frameRight + 1, g.frameBottom + 1), s.palette()[outer]);
    EXPECT_EQ(s.framebuffer().at(g.frameLeft - 2, midY), s.palette()[5]);
    EXPECT_EQ(s.framebuffer().at(g.frameLeft + 3, midY), s.palette()[fill]);
    EXPECT_EQ(s.framebuffer().at(g.frameRight - 1, g.frameBottom - 1), s.palette()[fill]);
  }
}

TEST(FlawPanel, MissingAndShortRecords) {
  const DataFile file = fileWith({{"T4S2-0H", "O" + tag('t') + "1x"}});  // short
  FlawPanelRequest oval;
  oval.mode = FlawViewMode::Oval;
  oval.colour = kPictureColour;
  Screen words = screenOn(file, 3);
  words.drawGlyphText(cp("( OF-nummer ikke anvendt )"), 193, 140,
                      GlyphStyle{Font::C, kCentred, 1, 3, colour::kDarkGrey});
  const Pixels expected = inked(words, colour::kDarkGrey);
  ASSERT_FALSE(expected.empty());
  for (const std::string keyPart : {"4s2-17", "4s2-18"}) {  // short, and no section
    Screen s = screenOn(file, 3);
    oval.keyPart = keyPart;
    const FlawRecord r = drawFlawPanel(s, file, oval);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(inked(s, colour::kDarkGrey), expected) << keyPart;
  }
  oval.keyPart = "4s2-17";
  Screen shortOne = screenOn(file, 3);
  EXPECT_EQ(drawFlawPanel(shortOne, file, oval).occurrences, "1x");  // still read
  for (const FlawViewMode mode : {FlawViewMode::Position, FlawViewMode::Frame}) {
    Screen s = screenOn(file, 3);
    oval.mode = mode;
    const FlawRecord r = drawFlawPanel(s, file, oval);
    EXPECT_TRUE(inked(s, colour::kDarkGrey).empty());
    EXPECT_EQ(r.occurrences, "");  // cleared
    EXPECT_EQ(r.frameKind, 'O');
  }
  // No oval flaw number: the empty panel only.
  Screen none = screenOn(file, 3);
  oval.mode = FlawViewMode::Oval;
  oval.keyPart.clear();
  EXPECT_FALSE(drawFlawPanel(none, file, oval).exists);
  EXPECT_TRUE(inked(none, colour::kDarkGrey).empty());
}

TEST(FlawPanel, DescriptionOfAnInvertedFrame) {
  const DataFile file = fileWith({});
  const std::string description = cp("$1øvre venstre hjørne$6<x$h10,20,lab");
  const GlyphStyle line{Font::C, kCentred, 1, 2, colour::kBlack};
  Screen s = screenOn(file, 3);
  drawFlawDescription(s, description, kFramePanelX, true);
  Screen reference = screenOn(file, 3);
  reference.drawGlyphText("lab", std::round(353 + 17.9), std::round(61 + 41.0),
                          GlyphStyle{Font::C, kFromLeft, 1, 2, colour::kBlack});
  reference.drawGlyphText(cp("nedre højre hjørne"), 447, 262, line);  // line 1 in slot 9
  reference.drawGlyphText("x", 467, 157, line);  // line 6 in slot 4, "<" moves it right
  EXPECT_EQ(s.framebuffer(), reference.framebuffer());
}

// ---------------------------------------------------------------- golden pictures

// A synthetic drawing of `rows` rows: a run-length row from a list of runs.
std::string pictureRow(const std::vector<std::pair<int, int>>& runs) {
  std::string data;
  int offset = 0;  // every byte 255 adds to the rest of the row
  for (const auto& [a, b] : runs) {
    for (const int v : {a, b}) {
      while (v - offset >= 255) {
        data += '\xff';
        offset += 255;
      }
      data += static_cast<char>(v - offset);
    }
  }
  return static_cast<char>(data.size()) + data;
}

// An oval ring (`frame` false) or a frame with an oval opening and a notch at its top left,
// 383 rows in a box 344 picture units wide.
std::string drawing(bool frame) {
  std::string out;
  for (int r = 0; r < 383; ++r) {
    const double outer = (r - 191.0) / 170.0, inner = (r - 191.0) / (frame ? 160.0 : 150.0);
    const int o = std::abs(outer) < 1 ? static_cast<int>(140 * std::sqrt(1 - outer * outer)) : -1;
    const int i = std::abs(inner) < 1
                      ? static_cast<int>((frame ? 135 : 120) * std::sqrt(1 - inner * inner))
                      : 0;
    std::vector<std::pair<int, int>> runs;
    if (frame) {
      runs = {{r >= 20 && r < 40 ? 40 : 12, 172 - i}, {172 + i, 332}};
    } else if (o >= 0) {
      runs = {{172 - o, 172 - i}, {172 + i, 172 + o}};
    }
    out += pictureRow(runs);
  }
  return out;
}

Framebuffer panelPair(const DataFile& fonts, const DataFile& records, bool inverted) {
  Screen s(&fonts);
  s.openWindow(3);
  s.setUpFonts();
  s.clear();
  FlawPanelRequest oval;
  oval.mode = inverted ? FlawViewMode::Frame : FlawViewMode::Position;
  oval.colour = inverted ? 2 : 4;
  oval.mark = inverted ? '?' : ' ';
  oval.keyPart = "4s2-17";
  const FlawRecord ovalRecord = drawFlawPanel(s, records, oval);
  drawFlawDescription(s, ovalRecord.description, kOvalPanelX, false);

  FlawPanelRequest frame = frameRequest(inverted ? FlawViewMode::Frame : FlawViewMode::Position,
                                        inverted ? "58-4" : "28-3");
  frame.colour = 9;
  const FlawRecord frameRecord = drawFlawPanel(s, records, frame);
  drawFlawDescription(s, frameRecord.description, kFramePanelX,
                      flawPanelInverted(frame, frameRecord));
  return s.framebuffer();
}

TEST(FlawPanelGolden, UprightAndInvertedFramePairs) {
  const DataFile fonts = DataFile::open(KOLVARD_SAMPLE_DATA).value();
  const DataFile records =
      DataBuilder()
          .add("T4s2-0H", record(" " + tag('d') + cp("$1Plet i ovalen$5>midt$h30,90,a$o60,20,op") +
                                     tag('m') + "3" + tag('t') + "14s12  A17     ",
                                 drawing(false)))
          .add("T28-03",
               record(" " + tag('d') + cp("$1øvre venstre hjørne$2hak i rammen$9nederst$v90,60,b"),
                      drawing(true)))
          .add("T58-04",
               record("O" + tag('d') + cp("$1øvre venstre hjørne$2hak i rammen$9nederst$v90,60,b"),
                      drawing(true)))
          .file();
  EXPECT_TRUE(
      test::matchesGolden(panelPair(fonts, records, false), "twocolour-flaw-panels-upright"));
  EXPECT_TRUE(
      test::matchesGolden(panelPair(fonts, records, true), "twocolour-flaw-panels-inverted"));
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
