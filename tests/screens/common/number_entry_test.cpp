// The number-entry prompts: the line editor, plate numerals typed as positions, the numbered
// messages and the value check.
#include <gtest/gtest.h>

#include <deque>

#include "data/cp865.hpp"
#include "domain/messages.hpp"
#include "domain/sheet_walk.hpp"
#include "domain/value_tables.hpp"
#include "screens/common/line_editor.hpp"
#include "screens/common/message_line.hpp"
#include "support/data_builder.hpp"
#include "ui/key_input.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

// Keys typed in order; Esc once the script has run out.
struct ScriptedKeys : KeyInput {
  std::deque<KeyString> keys;
  int beeps = 0;
  std::vector<int> beepAt;  // the number of keys read when each beep came
  int read = 0;
  KeyString waitKey() override {
    ++read;
    if (keys.empty()) return ordinaryKey(kEscCode);
    KeyString k = keys.front();
    keys.pop_front();
    return k;
  }
  void beep() override {
    ++beeps;
    beepAt.push_back(read);
  }
};

// Keys from a cp865 text, one ordinary key per character, then Enter.
std::deque<KeyString> typed(const std::string& text, bool enter = true) {
  std::deque<KeyString> out;
  for (char c : text) out.push_back(ordinaryKey(static_cast<unsigned char>(c)));
  if (enter) out.push_back(ordinaryKey(kEnterCode));
  return out;
}

class LineEditorTest : public ::testing::Test {
 protected:
  LineEditorTest() : screen_(&data_) { screen_.openWindow(2); }

  LineEditorResult run(LineEditorRequest request, std::deque<KeyString> keys) {
    input_ = ScriptedKeys{};
    input_.keys = std::move(keys);
    return runLineEditor(screen_, input_, request, memory_);
  }
  static LineEditorRequest request(char kind, std::string edition = "P", std::string value = "4s",
                                   std::string printing = "2", std::string opening = "old") {
    LineEditorRequest r;
    r.kind = kind;
    r.y = 305;
    r.offset = 120;
    r.edition = std::move(edition);
    r.value = std::move(value);
    r.printing = std::move(printing);
    r.openingText = std::move(opening);
    return r;
  }

  DataFile data_;  // no fonts: text draws nothing
  Screen screen_;
  ScriptedKeys input_;
  LineEditorMemory memory_;
};

TEST_F(LineEditorTest, PlainEntriesTurnSeparatorsIntoDots) {
  EXPECT_EQ(run(request('C'), typed("1.5")).text, "1.5");
  EXPECT_EQ(input_.beeps, 0);
  EXPECT_EQ(run(request('C'), typed("1,5;2")).text, "1.5.2");
  EXPECT_EQ(run(request('C'), typed("1..")).text, "1..");
  EXPECT_EQ(input_.beeps, 0);
}

TEST_F(LineEditorTest, TwoColouredFlawEditorTakesSeparatorsInFlawNumbersOnly) {
  LineEditorRequest flaw = request('C', "T", "4s", "1");
  flaw.twoColourEditor = true;
  EXPECT_EQ(run(flaw, typed("28-4")).text, "28.4");
  EXPECT_EQ(input_.beeps, 0);
  LineEditorRequest printing = flaw;
  printing.kind = 'T';
  EXPECT_EQ(run(printing, typed("1,2")).text, "12");
  EXPECT_EQ(input_.beeps, 1);
}

TEST_F(LineEditorTest, PlateNumeralInAPositionPromptSwitchesThePrinting) {
  const LineEditorResult r = run(request('P'), typed("III7"));
  EXPECT_EQ(r.text, "III-7");
  EXPECT_FALSE(r.cancelled);
  EXPECT_EQ(r.printingSwitch, "4");
  EXPECT_EQ(r.position, "A7");
  EXPECT_EQ(memory_.positionText, "III-7");
  EXPECT_EQ(input_.beeps, 0);
}

TEST_F(LineEditorTest, OpeningKeyIStartsANumeral) {
  const LineEditorResult r = run(request('I', "P", "4s", "1"), typed("I.12"));
  EXPECT_EQ(r.text, "II-12");
  EXPECT_EQ(r.printingSwitch, "");
  EXPECT_EQ(r.position, "B12");
}

TEST_F(LineEditorTest, SecondSeparatorAfterANumeralBeeps) {
  const LineEditorResult r = run(request('P'), typed("V-3-I"));
  EXPECT_EQ(r.text, "V-3");
  EXPECT_EQ(input_.beepAt, (std::vector<int>{4, 5}));  // the second "-" and the "I"
  EXPECT_EQ(r.printingSwitch, "5");
  EXPECT_EQ(r.position, "A3");
}

TEST_F(LineEditorTest, NumeralsBeepOutsideThePlateEditions) {
  const LineEditorResult r = run(request('P', "A", "4s", "1", "A1"), typed("V"));
  EXPECT_EQ(input_.beeps, 1);
  EXPECT_EQ(r.text, "A1");  // nothing was entered
  EXPECT_EQ(r.position, "");
}

TEST_F(LineEditorTest, PaneLettersAndPrintingLetters) {
  EXPECT_EQ(run(request('T'), typed("10B")).text, "10b");
  EXPECT_EQ(run(request('T'), typed("D")).text, "d");
  EXPECT_EQ(run(request('A'), typed("27")).text, "A27");
  EXPECT_EQ(run(request('B', "A"), typed("5")).text, "B5");
  const LineEditorResult r = run(request('P', "A"), typed("D3B"));
  EXPECT_EQ(r.text, "D3");
  EXPECT_EQ(input_.beeps, 1);  // a pane letter only starts an entry
  EXPECT_EQ(run(request('C', "A"), typed("B")).text, "old");
  EXPECT_EQ(input_.beeps, 1);
}

TEST_F(LineEditorTest, ValueUnitsAreLowerCaseAndAllOKeysGiveOslash) {
  EXPECT_EQ(run(request('V'), typed("16A")).text, "16a");
  EXPECT_EQ(run(request('V'), typed("3C")).text, "3c");
  EXPECT_EQ(run(request('V'), typed("2S")).text, "2s");
  EXPECT_EQ(run(request('V'), typed("4s")).text, "4s");
  const std::string oKeys = std::string("1o2O3") + cp865::kOslash + "4" + cp865::kOslashUpper +
                            "5" + static_cast<char>(248);
  EXPECT_EQ(run(request('V'), typed(oKeys)).text, cp("1ø2ø3ø4ø5ø"));
  EXPECT_EQ(input_.beeps, 0);
}

TEST_F(LineEditorTest, OtherKeysBeepAndChangeNothing) {
  std::deque<KeyString> keys = typed("4XZ", false);
  keys.push_back(extendedKey(scan::kF6));
  keys.push_back(extendedKey(scan::kUp));
  keys.push_back(ordinaryKey(kEnterCode));
  EXPECT_EQ(run(request('V'), keys).text, "4");
  EXPECT_EQ(input_.beeps, 4);
}

TEST_F(LineEditorTest, REntersROnlyForTheTypeScreensValueKey) {
  LineEditorRequest r = request('V');
  EXPECT_EQ(run(r, typed("4R")).text, "4");
  EXPECT_EQ(input_.beeps, 0);
  r.openedByTypeScreenV = true;
  EXPECT_EQ(run(r, typed("4R")).text, "R");
}

TEST_F(LineEditorTest, EscAndEmptyEnterKeepTheOpeningText) {
  std::deque<KeyString> keys = typed("12", false);
  keys.push_back(ordinaryKey(kEscCode));
  const LineEditorResult esc = run(request('T', "P", "4s", "2", "3"), keys);
  EXPECT_TRUE(esc.cancelled);
  EXPECT_EQ(esc.text, "3");
  EXPECT_EQ(input_.keys.size(), 0u);

  const LineEditorResult enter = run(request('T', "P", "4s", "2", "3"), typed(""));
  EXPECT_FALSE(enter.cancelled);
  EXPECT_EQ(enter.text, "3");

  // A cancelled plate position switches nothing.
  keys = typed("III7", false);
  keys.push_back(ordinaryKey(kEscCode));
  const LineEditorResult plate = run(request('P', "P", "4s", "2", "A5"), keys);
  EXPECT_TRUE(plate.cancelled);
  EXPECT_EQ(plate.text, "A5");
  EXPECT_EQ(plate.printingSwitch, "");
  EXPECT_EQ(plate.position, "");
}

TEST_F(LineEditorTest, BackspaceRemovesAndRestoresTheDashState) {
  std::deque<KeyString> keys = typed("II7", false);
  keys.push_back(ordinaryKey(kBackspaceCode));
  keys.push_back(ordinaryKey(kBackspaceCode));  // "II-7" -> "II"
  for (const KeyString& k : typed("8")) keys.push_back(k);
  const LineEditorResult r = run(request('P', "P", "4s", "1"), keys);
  EXPECT_EQ(r.text, "II-8");
  EXPECT_EQ(r.position, "B8");
  // Backspace on an empty entry does nothing.
  keys = {ordinaryKey(kBackspaceCode), ordinaryKey('5'), ordinaryKey(kEnterCode)};
  EXPECT_EQ(run(request('C'), keys).text, "5");
  EXPECT_EQ(input_.beeps, 0);
}

TEST_F(LineEditorTest, PositionPromptsRememberTheLastEntry) {
  run(request('P', "P", "4s", "2"), typed("A27"));
  EXPECT_EQ(memory_.positionText, "A27");
  run(request('C'), typed("5"));  // other kinds leave it
  EXPECT_EQ(memory_.positionText, "A27");
  EXPECT_EQ(lineEditorShownText(request('P', "P", "4s", "2"), memory_), cp("I·27"));
  EXPECT_EQ(lineEditorShownText(request('B', "P", "4s", "4"), memory_), cp("III·27"));
  EXPECT_EQ(lineEditorShownText(request('P', "A", "4s", "2"), memory_), "A27");
  memory_.positionText = "B3";
  EXPECT_EQ(lineEditorShownText(request('P', "L", "4s", "7"), memory_), cp("VIII·3"));
  memory_.positionText.clear();
  EXPECT_EQ(lineEditorShownText(request('I'), memory_), "I");
  EXPECT_EQ(lineEditorShownText(request('A'), memory_), cp("I·"));
  EXPECT_EQ(lineEditorShownText(request('V'), memory_), "");
  // The two-coloured editor shows what Enter alone gives back, but for positions.
  LineEditorRequest twoColour = request('T', "T", "4s", "2-3", "2-3");
  twoColour.twoColourEditor = true;
  EXPECT_EQ(lineEditorShownText(twoColour, memory_), "2-3");
  twoColour.kind = 'A';
  EXPECT_EQ(lineEditorShownText(twoColour, memory_), "A");
}

TEST(PlateNumeral, PrintingSwitchesOfTheFourSkillingPlates) {
  const auto sw = [](const char* value, const char* printing, const char* entry) {
    return plateNumeralPosition("P", value, printing, entry).printingSwitch;
  };
  EXPECT_EQ(sw("4s", "4", "I-1"), "1");
  EXPECT_EQ(sw("4s", "3", "II-1"), "");
  EXPECT_EQ(sw("4s", "6", "IV-1"), "");
  EXPECT_EQ(sw("4s", "5", "III-1"), "4");
  EXPECT_EQ(sw("4s", "5", "VI-1"), "");
  EXPECT_EQ(sw("4s", "1", "V-1"), "5");
  EXPECT_EQ(sw("2s", "4", "I-1"), "");  // only the four skilling changes plates

  const auto lsw = [](const char* printing, const char* entry) {
    return plateNumeralPosition("L", "4s", printing, entry).printingSwitch;
  };
  EXPECT_EQ(lsw("3", "II-1"), "1");
  EXPECT_EQ(lsw("2", "I-1"), "");
  EXPECT_EQ(lsw("2", "III-1"), "3");
  EXPECT_EQ(lsw("4", "IV-1"), "");
  EXPECT_EQ(lsw("7", "V-1"), "5");
  EXPECT_EQ(lsw("6", "VI-1"), "");
  EXPECT_EQ(lsw("6", "VII-1"), "7");
  EXPECT_EQ(lsw("7", "VIII-1"), "");

  const PlateNumeralPosition b = plateNumeralPosition("L", "4s", "7", "VIII-42");
  EXPECT_TRUE(b.isPlateNumeral);
  EXPECT_EQ(b.position, "B42");
}

TEST(PlateNumeral, OnlyNumeralDashNumberNamesAPosition) {
  for (const char* entry : {"III", "III-", "IX-3", "A27", "27", "III-7a", ""}) {
    const PlateNumeralPosition p = plateNumeralPosition("P", "4s", "2", entry);
    EXPECT_FALSE(p.isPlateNumeral) << entry;
    EXPECT_EQ(p.printingSwitch, "") << entry;
    EXPECT_EQ(p.position, "") << entry;
  }
  EXPECT_FALSE(plateNumeralPosition("A", "4s", "2", "III-7").isPlateNumeral);
  EXPECT_EQ(plateNumeralPosition("C", "3c", "1", "II-9").position, "B9");
}

TEST(Message, TextsWithTheirNumbers) {
  MessageArgs args;
  args.printingCount = 12;
  EXPECT_EQ(messageText(7, args), "Tryk fra 1 til 12");
  args.highestRunning = 24;
  EXPECT_EQ(messageText(3, args), cp("Løbe nr. fra 1 til 24"));
  EXPECT_EQ(messageText(4, args), cp("Løbe nr. fra 1 til 24"));
  args.lower = 3;
  args.upper = 9;
  EXPECT_EQ(messageText(5, args), cp("Løbe nr. fra 3 til 9"));
  args.highestSetting = 44;
  EXPECT_EQ(messageText(2, args), "Setting nr. fra 1 til 17 og fra 19 til 44");
  EXPECT_EQ(messageText(6, args), cp("Værdi findes ikke"));
  EXPECT_EQ(messageText(8, args), "Pos. (A/B)1 til (A/B)100");
  EXPECT_EQ(messageText(9, args), cp("Samlekliché ikke fundet"));
  EXPECT_EQ(messageText(0, args), "");
  EXPECT_EQ(messageText(10, args), "");
}

TEST(Message, SeriesRangeDependsOnTheValue) {
  MessageArgs args;
  args.seriesCount = 4;
  args.valueKey = "P4s";
  EXPECT_EQ(messageText(1, args), "Serie nr. fra 1 til 4");
  args.valueKey = cp("T4ø");
  EXPECT_EQ(messageText(1, args), "Serie nr. fra 1 til 3 og fra 5 til 19");
  args.valueKey = "A4s";
  EXPECT_EQ(messageText(1, args), "Serie nr. fra 0 til 6");
  args.valueKey = "C3c";
  args.seriesCount = 1;
  EXPECT_EQ(messageText(1, args), cp("Kun én serie"));
}

TEST(ValueCheck, KnownValuesAndTheirStartingCliche) {
  const ValueCheckResult m = checkValue("M", cp("4ø"));
  EXPECT_TRUE(m.accepted);
  EXPECT_EQ(m.startingCliche, "1.1");
  EXPECT_EQ(m.value, cp("4ø"));
  EXPECT_EQ(checkValue("P", "8s").startingCliche, "1");
  EXPECT_EQ(checkValue("V", cp("24ø")).startingCliche, "1");
  EXPECT_EQ(checkValue("J", "50a").startingCliche, "1");
  EXPECT_EQ(checkValue("I", "5a").startingCliche, "1.1");
  const ValueCheckResult upper = checkValue("A", "4S");
  EXPECT_TRUE(upper.accepted);
  EXPECT_EQ(upper.value, "4s");
  EXPECT_EQ(checkValue("M", cp("4Ø")).value, cp("4ø"));
}

TEST(ValueCheck, UnknownValuesAreRejectedWithMessageSix) {
  for (const auto& [edition, value] :
       std::vector<std::pair<std::string, std::string>>{{"P", "3s"},
                                                        {"A", "4"},
                                                        {"C", ""},
                                                        {"X", "4s"},
                                                        {"", "P4s"},
                                                        {"p", "4s"},
                                                        {"M", "4o"}}) {
    const ValueCheckResult r = checkValue(edition, value);
    EXPECT_FALSE(r.accepted) << edition << value;
    EXPECT_EQ(r.message, kMessageValueUnknown);
    EXPECT_EQ(r.value, "");
    EXPECT_EQ(r.startingCliche, "");
  }
}

// Drawing with the sample data set's fonts, at zoom 2 (one unit is one pixel).
class LineEditorDrawing : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    auto file = DataFile::open(KOLVARD_SAMPLE_DATA);
    if (file) sample_ = new DataFile(std::move(*file));
  }
  static void TearDownTestSuite() {
    delete sample_;
    sample_ = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(sample_, nullptr) << "sample data file missing";
    screen_.openWindow(2);
    screen_.setUpFonts();
  }
  // Pixels of one palette colour inside [x0, x1) × [y0, y1).
  int count(int colourIndex, int x0, int y0, int x1, int y1) const {
    int n = 0;
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) {
        if (screen_.framebuffer().at(x, y) == screen_.palette()[colourIndex]) ++n;
      }
    }
    return n;
  }
  static inline DataFile* sample_ = nullptr;  // read once for the suite
  Screen screen_{sample_};
  ScriptedKeys input_;
};

TEST_F(LineEditorDrawing, BoxPromptCursorAndEntryInTheirPlaces) {
  LineEditorRequest r;
  r.kind = 'V';
  r.y = 305;
  r.offset = 120;
  r.openingText = "4s";
  input_.keys = typed("10", false);
  input_.keys.push_back(ordinaryKey(kEnterCode));
  runLineEditor(screen_, input_, r);
  // The box: top and bottom lines from x 274 to 320, sides at 274 and 320.
  for (int x = 274; x <= 320; x += 2) {
    EXPECT_EQ(screen_.framebuffer().at(x, 293), screen_.palette()[8]) << x;
    EXPECT_EQ(screen_.framebuffer().at(x, 310), screen_.palette()[8]) << x;
  }
  for (int y = 293; y <= 310; y += 2) {
    EXPECT_EQ(screen_.framebuffer().at(274, y), screen_.palette()[8]) << y;
    EXPECT_EQ(screen_.framebuffer().at(320, y), screen_.palette()[8]) << y;
  }
  // The braces end at x 270; the entry starts at 281; the cursor between them.
  EXPECT_GT(count(1, 200, 290, 271, 312), 0);
  EXPECT_EQ(count(1, 271, 280, 281, 312), 0);
  EXPECT_GT(count(1, 281, 290, 320, 312), 0);
  EXPECT_GT(count(8, 276, 294, 280, 309), 0);
}

TEST_F(LineEditorDrawing, RemovedCharactersAreBlankedAway) {
  LineEditorRequest r;
  r.kind = 'V';
  r.y = 305;
  r.offset = 120;
  input_.keys = typed("16", false);
  input_.keys.push_back(ordinaryKey(kBackspaceCode));
  input_.keys.push_back(ordinaryKey(kBackspaceCode));
  input_.keys.push_back(ordinaryKey(kEnterCode));
  runLineEditor(screen_, input_, r);
  EXPECT_EQ(count(1, 281, 294, 320, 310), 0);
}

TEST_F(LineEditorDrawing, MessagesInRedAtTheCallersPlace) {
  MessageArgs args;
  args.printingCount = 12;
  drawMessage(screen_, 7, MessageCaller::Flaws, args);
  EXPECT_EQ(count(12, 0, 0, 95, 480), 0);
  EXPECT_GT(count(12, 95, 395, 220, 412), 0);
  EXPECT_EQ(count(12, 0, 420, 640, 480), 0);
  drawMessage(screen_, 8, MessageCaller::Register, args);
  EXPECT_GT(count(12, 41, 45, 200, 60), 0);
  showMessageAt(screen_, 42, 300, 200, args);  // no such message: nothing drawn
  EXPECT_EQ(count(12, 300, 150, 640, 250), 0);
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
