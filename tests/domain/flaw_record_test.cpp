// Two-coloured flaw records: their keys, fields, description lines and occurrence items.
#include "domain/flaw_record.hpp"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "domain/flaw_description.hpp"
#include "domain/flaw_occurrences.hpp"
#include "support/data_builder.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

const std::string kEsc(1, '\x1b');
std::string tag(char letter) {
  return kEsc + "*" + std::string(1, letter);
}

// ---------------------------------------------------------------- keys

TEST(FlawRecordKey, RunningNumbersInTwoCharacters) {
  const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
      {"4s", "2.17", "T4s2-0H"}, {"4s", "2.40", "T4s2-18"}, {"4s", "2.32", "T4s2-0W"},
      {"4s", "2.33", "T4s2-11"}, {"4s", "17", "T4s-0H"},    {"4s", "2.17  ", "T4s2-0H"},
  };
  for (const auto& [value, number, key] : cases) {
    EXPECT_EQ(flawRecordKey("T", ovalFlawKeyPart(value, number)), key) << number;
  }
  EXPECT_EQ(ovalFlawKeyPart("4s", "2.17"), "4s2-17");
  EXPECT_EQ(ovalFlawKeyPart("4s", "17"), "4s-17");
  EXPECT_EQ(frameFlawKeyPart("58", "4"), "58-4");
  EXPECT_EQ(flawRecordKey("T", "58-4"), "T58-04");
  EXPECT_EQ(flawRecordKey("T", "28-40 "), "T28-18");
  EXPECT_EQ(flawRecordKey("T", "28"), "T28");  // no running number: nothing to code
}

// ---------------------------------------------------------------- records

class FlawRecordFile : public ::testing::Test {
 protected:
  static DataFile fileWith(const std::vector<std::pair<std::string, std::string>>& sections) {
    test::DataBuilder b;
    for (const auto& [name, bytes] : sections) b.add(name, bytes);
    return b.file();
  }
};

TEST_F(FlawRecordFile, FieldsFrameKindAndPicture) {
  const std::string picture(20, '\x02');
  const std::string text = "U" + tag('d') + "$1abc" + tag('m') + "7" + tag('t') +
                           "14s1   A17     " + tag('v') + "$R28.4";
  const DataFile file = fileWith({{"T28-04", text + tag('b') + picture}});
  const FlawRecord r = readFlawRecord(file, "T28-04");
  EXPECT_TRUE(r.exists);
  EXPECT_TRUE(r.found);
  EXPECT_EQ(r.frameKind, 'U');
  EXPECT_EQ(r.description, "$1abc");
  EXPECT_EQ(r.type, "7");
  EXPECT_EQ(r.occurrences, "14s1   A17     ");
  EXPECT_EQ(r.wandering, "$R28.4");
  EXPECT_EQ(std::string(r.picture.begin(), r.picture.end()), picture);
  EXPECT_TRUE(r.hasPicture);
}

TEST_F(FlawRecordFile, MissingShortAndPictureless) {
  const DataFile file = fileWith({
      {"T4S-01", "O" + tag('t') + "x"},                   // 6 bytes: short, still read
      {"T4S-02", "O" + tag('d') + "$1a" + tag('b')},      // no picture bytes
      {"T4S-03", " " + tag('b') + std::string(9, '\1')},  // 9 picture bytes: no picture
      {"T4S-04", std::string(700, 'x') + tag('b') + std::string(40, '\1')},  // tag past 680
      {"T4S-05", " " + tag('b') + std::string(10, '\1')},  // 10 picture bytes: a picture
  });
  const FlawRecord none = readFlawRecord(file, "T4S-00");
  EXPECT_FALSE(none.exists);
  EXPECT_FALSE(none.found);

  const FlawRecord shortOne = readFlawRecord(file, "T4S-01");
  EXPECT_TRUE(shortOne.exists);
  EXPECT_FALSE(shortOne.found);
  EXPECT_EQ(shortOne.frameKind, 'O');

  const FlawRecord noPicture = readFlawRecord(file, "T4S-02");
  EXPECT_TRUE(noPicture.found);
  EXPECT_EQ(noPicture.description, "$1a");
  EXPECT_FALSE(noPicture.hasPicture);
  EXPECT_FALSE(readFlawRecord(file, "T4S-03").hasPicture);
  EXPECT_FALSE(readFlawRecord(file, "T4S-04").hasPicture);
  EXPECT_TRUE(readFlawRecord(file, "T4S-04").found);  // a record without picture is a record
  EXPECT_TRUE(readFlawRecord(file, "T4S-05").hasPicture);
}

TEST_F(FlawRecordFile, NothingIsReadPastTheSection) {
  // Each record is followed by a neighbour whose bytes look like fields and picture rows.
  const std::string neighbour = tag('d') + "$1next" + tag('m') + "99" + std::string(30, '\2');
  const std::string whole =
      " " + tag('d') + "$1abc" + tag('m') + "RM" + tag('b') + std::string(30, '\2');
  for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
    const DataFile file = fileWith({{"T4S-0H", whole.substr(0, cut)}, {"T4S-0I", neighbour}});
    const FlawRecord r = readFlawRecord(file, "T4S-0H");
    EXPECT_EQ(r.description.find("next"), std::string::npos) << cut;
    EXPECT_NE(r.type, "99") << cut;
    const std::size_t tagAt = whole.find(tag('b'));
    const std::size_t pictureBytes = cut > tagAt + 3 ? cut - tagAt - 3 : 0;
    EXPECT_EQ(r.picture.size(), pictureBytes) << cut;
  }
  // Tags in the wrong order: the picture first, then "fields" that are picture bytes.
  const DataFile file = fileWith(
      {{"T4S-0H", "O" + tag('b') + std::string(12, '\0') + tag('d') + "$1abc" + tag('m') + "5"},
       {"T4S-0I", neighbour}});
  const FlawRecord r = readFlawRecord(file, "T4S-0H");
  EXPECT_TRUE(r.found);
  EXPECT_EQ(r.description, "");
  EXPECT_EQ(r.type, "");
  EXPECT_EQ(r.picture.size(), 12u + 3 + 5 + 3 + 1);
  // An escape at the very end.
  const FlawRecord e = readFlawRecord(
      fileWith({{"T4S-0H", " " + tag('d') + "$1abcdef" + kEsc}, {"T4S-0I", neighbour}}), "T4S-0H");
  EXPECT_EQ(e.description, "$1abcdef" + kEsc);
}

// ---------------------------------------------------------------- description

TEST(FlawDescription, EveryItemCountsAndMarksAreIgnored) {
  const FlawDescription d = parseFlawDescription("1first$2>two$POV01$h0,5,skip$v12,30,lab$x");
  EXPECT_EQ(d.lines[1], "1first");
  EXPECT_EQ(d.lines[2], "2>two");
  ASSERT_EQ(d.labels.size(), 1u);
  EXPECT_EQ(d.labels[0].kind, 'v');
  EXPECT_EQ(d.labels[0].text, "lab");
}

TEST(FlawDescription, InvertedSlotTable) {
  // (filled lines, line, slot it is drawn in)
  const std::vector<std::tuple<std::vector<int>, int, int>> cases = {
      {{1}, 1, 9},       {{1, 2}, 1, 8},    {{1, 3}, 1, 7},    {{1, 2}, 2, 9}, {{2}, 2, 8},
      {{2, 3}, 2, 7},    {{1, 2, 3}, 2, 8}, {{3}, 3, 7},       {{2, 3}, 3, 8}, {{1, 3}, 3, 9},
      {{4}, 4, 6},       {{4, 5}, 4, 5},    {{4, 5, 6}, 4, 4}, {{5}, 5, 5},    {{4, 5}, 5, 6},
      {{5, 6}, 5, 4},    {{6}, 6, 4},       {{5, 6}, 6, 5},    {{4, 6}, 6, 6}, {{7}, 7, 3},
      {{7, 8}, 7, 2},    {{7, 9}, 7, 1},    {{8}, 8, 2},       {{7, 8}, 8, 3}, {{8, 9}, 8, 1},
      {{7, 8, 9}, 8, 2}, {{9}, 9, 1},       {{8, 9}, 9, 2},    {{7, 9}, 9, 3}, {{7, 8, 9}, 9, 3},
  };
  for (const auto& [filled, line, slot] : cases) {
    std::array<std::string, 10> lines;
    for (const int f : filled) lines[static_cast<std::size_t>(f)] = std::to_string(f) + "x";
    EXPECT_EQ(invertedLineSlot(line, lines), slot) << "line " << line;
  }
}

TEST(FlawDescription, InvertedLinesAreTurned) {
  EXPECT_EQ(turnedLineText(cp("1øvre venstre hjørne")), cp("1nedre højre hjørne"));
  EXPECT_EQ(turnedLineText(cp("1nedre højre, nedre")), cp("1øvre venstre, nedre"));
  EXPECT_EQ(turnedLineText(cp("1øvre og nedre")), cp("1nedre og nedre"));  // the first only
  EXPECT_EQ(turnedLineText("1midten"), "1midten");

  std::array<std::string, 10> lines;
  lines[1] = cp("1øvre venstre hjørne");
  lines[5] = "5>>x";
  const auto places = flawDescriptionLinePlaces(lines, 357, true);
  ASSERT_EQ(places.size(), 2u);
  EXPECT_EQ(places[0].text, cp("nedre højre hjørne"));
  EXPECT_EQ(places[0].y, 262);  // slot 9
  EXPECT_EQ(places[0].x, 447);
  EXPECT_EQ(places[1].text, "x");
  EXPECT_EQ(places[1].y, 170);  // slot 5 stays
  EXPECT_EQ(places[1].x, 407);  // ">>" moves it left
  const auto upright = flawDescriptionLinePlaces(lines, 357, false);
  EXPECT_EQ(upright[0].y, 78);
  EXPECT_EQ(upright[1].x, 487);
}

// ---------------------------------------------------------------- occurrence items

// An item: group, value + printing (6), pane/position (4), four marks.
std::string item(const std::string& valuePrinting, const std::string& position,
                 const std::string& marks = "    ") {
  std::string vp = valuePrinting, pos = position, m = marks;
  vp.resize(6, ' ');
  pos.resize(4, ' ');
  m.resize(4, ' ');
  return "1" + vp + pos + m;
}

std::vector<std::tuple<std::string, double, int>> piecesOf(const OccurrenceItem& i) {
  std::vector<std::tuple<std::string, double, int>> out;
  for (const auto& p : i.pieces) out.emplace_back(p.text, p.x, p.colour);
  return out;
}
using Pieces = std::vector<std::tuple<std::string, double, int>>;

TEST(FlawOccurrences, PlainItemsCompletionsAndColours) {
  const std::string field = item("4S12", "A17", "O x") + item("4o96-9", "B100") +
                            item("8o9b-1", "12") + item(cp("50ø12-"), "A3") + std::string(15, ' ') +
                            "14s13  B5";
  const auto items = flawOccurrenceItems(field, "4s12");
  ASSERT_EQ(items.size(), 5u);  // the blank item is left out, the cut last one padded
  EXPECT_EQ(piecesOf(items[0]),
            (Pieces{{"4s12", 10, 2}, {"A", 44, 2}, {"17", 52, 2}, {"\x19", 69, 2}, {"x", 80, 2}}));
  EXPECT_EQ(piecesOf(items[1]), (Pieces{{cp("4ø96-97"), 2, 1}, {"B", 44, 1}, {"100", 51, 1}}));
  EXPECT_EQ(piecesOf(items[2]), (Pieces{{cp("8ø9b-10"), 1, 3}, {"12", 52, 3}}));  // no pane
  EXPECT_EQ(piecesOf(items[3]), (Pieces{{cp("50ø12-13"), 2, 1}, {"A", 44, 1}, {"3", 52, 1}}));
  EXPECT_EQ(piecesOf(items[4]), (Pieces{{"4s13", 10, 1}, {"B", 44, 1}, {"5", 52, 1}}));
  // A completed printing is the current one when it is whole.
  EXPECT_EQ(flawOccurrenceItems(item("4o96-9", "B1"), cp("4ø96-97"))[0].pieces[0].colour, 2);
  EXPECT_EQ(items[0].pieces[4].font, OccurrenceFont::B);
  const auto fourth = flawOccurrenceItems(item("4s1", "A1", "   z"), "")[0].pieces.back();
  EXPECT_EQ(fourth.font, OccurrenceFont::A);
  EXPECT_EQ(fourth.x, 87);
}

TEST(FlawOccurrences, FixedForms) {
  const auto a = flawOccurrenceItems(item("8o54", "B28", "abcd"), "");
  ASSERT_EQ(a.size(), 1u);
  EXPECT_EQ(piecesOf(a[0]), (Pieces{{cp("8ø54"), 4, 1},
                                    {"B", 35, 1},
                                    {"28/A2", 41, 1},
                                    {"\x19", 69, 1},
                                    {"-/C", 75, 1},
                                    {"c", 80, 1},
                                    {"d", 87, 1}}));
  EXPECT_EQ(a[0].pieces[2].spacing, 0);
  EXPECT_EQ(a[0].pieces[1].spacing, 1);
  // The last two: "50ø12-" completed, then characters 8-10.
  const auto b = flawOccurrenceItems(item(cp("50ø12-"), "33"), cp("50ø12-13"));
  EXPECT_EQ(piecesOf(b[0]), (Pieces{{cp("50ø12-3"), 2, 2}, {"29/33", 44, 2}, {"D/D1", 75, 2}}));
  const auto arrows = flawOccurrenceItems(item("8o119", "B32"), "");
  EXPECT_EQ(arrows[0].pieces[3].text, "\x18/\x19");
}

TEST(FlawOccurrences, PrintedLines) {
  const std::string field = item("4o96-9", "B100", "O x") + item("8o54", "B28") +
                            item(cp("50ø12-"), "40") + item("4s3", "12");
  const auto lines = flawOccurrenceLines(field, "4s3");
  ASSERT_EQ(lines.size(), 4u);
  const struct {
    std::string valuePrinting, pane, position;
    int colour;
  } expected[] = {{cp("4ø96-97"), "B", "100", 1},
                  {cp("8ø54"), "", "28/A2", 1},
                  {cp("50ø12-3"), "", "38/40", 3},
                  {"4s3", "", "12", 2}};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].valuePrinting, expected[i].valuePrinting) << i;
    EXPECT_EQ(lines[i].pane, expected[i].pane) << i;
    EXPECT_EQ(lines[i].positionLabel, expected[i].position) << i;
    EXPECT_EQ(lines[i].colour, expected[i].colour) << i;
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
