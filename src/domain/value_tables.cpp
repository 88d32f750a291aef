#include "domain/value_tables.hpp"

#include <algorithm>

#include "data/cp865.hpp"
#include "domain/messages.hpp"

namespace kolvard {
namespace {

enum class Series {
  None,     // the value check refuses the value
  One,      // accepted; cliché numbers start at "1"
  Several,  // accepted; cliché numbers start at "1.1"
};

// One stamp value. `colour` 0: none known (8 is drawn); `laterColour` is the colour from
// printing `changesAt` on, for the values whose colour changed; `first` the frame picture's
// colour of the two-coloured edition.
struct ValueRow {
  std::string_view edition;
  std::string_view value;  // UTF-8 source text
  int highest;             // highest printing; 0 none
  int colour;
  int changesAt = 0;
  int laterColour = 0;
  int first = 0;
  bool frontPage = true;  // in the edition's front-page order
  Series series = Series::None;
  bool plateCoded = false;
  bool seriesHeading = false;
};

constexpr Series kOne = Series::One;
constexpr Series kSeveral = Series::Several;

// Per edition in front-page order; rows the front page never steps onto follow its values.
constexpr ValueRow kValues[] = {
    {"R", "4r", 3, 0, 0, 0, 0, false},
    {"R", "2r", 3, 0, 0, 0, 0, false},

    {"C", "3c", 3, 12, 0, 0, 0, true, kSeveral, true},
    {"C", "4c", 1, 9, 0, 0, 0, true, kOne},

    {"P", "2s", 1, 9, 0, 0, 0, true, kSeveral, true},
    {"P", "4s", 6, 6, 0, 0, 0, true, kSeveral, true, true},
    {"P", "8s", 1, 2, 0, 0, 0, true, kOne},
    {"P", "16s", 3, 20, 0, 0, 0, true, kOne},

    {"L", "4s", 7, 6, 0, 0, 0, true, kSeveral, true, true},
    {"L", "8s", 1, 2, 0, 0, 0, false, Series::None, true},

    {"A", "2s", 7, 9, 0, 0, 0, true, kSeveral},
    {"A", "3s", 4, 23, 0, 0, 0, true, kOne},
    {"A", "4s", 12, 12, 0, 0, 0, true, kSeveral, false, true},
    {"A", "8s", 3, 21, 0, 0, 0, true, kOne},
    {"A", "16s", 4, 22, 0, 0, 0, true, kOne},

    {"T", "2s", 9, 9, 0, 0, 8},
    {"T", "3s", 5, 5, 0, 0, 8},
    {"T", "4s", 13, 12, 0, 0, 8},
    {"T", "8s", 4, 4, 0, 0, 8},
    {"T", "16s", 2, 2, 0, 0, 8},
    {"T", "48s", 1, 5, 0, 0, 6},
    {"T", "3ø", 28, 8, 0, 0, 9},
    {"T", "4ø", 130, 9, 0, 0, 8},
    {"T", "5ø", 4, 9, 0, 0, 12},
    {"T", "8ø", 121, 12, 0, 0, 8},
    {"T", "12ø", 32, 7, 0, 0, 8},
    {"T", "16ø", 33, 4, 0, 0, 8},
    {"T", "20ø", 7, 8, 0, 0, 12},
    {"T", "25ø", 13, 2, 0, 0, 8},
    {"T", "50ø", 14, 7, 0, 0, 6},
    {"T", "100ø", 11, 14, 0, 0, 8},
    {"T", "1c", 10, 7, 0, 0, 2},
    {"T", "3c", 9, 12, 0, 0, 9},
    {"T", "4c", 4, 9, 0, 0, 6},
    {"T", "5c", 8, 8, 0, 0, 2},
    {"T", "7c", 2, 14, 0, 0, 5},
    {"T", "10c", 8, 4, 0, 0, 9},
    {"T", "12c", 2, 2, 0, 0, 13},
    {"T", "14c", 1, 2, 0, 0, 13},
    {"T", "50c", 2, 5, 0, 0, 5},
    // The Iceland oval values as the two-coloured edition runs them (on the front page they
    // are stepped onto in the chain of "I").
    {"T", "4a", 2, 16, 0, 0, 27, false},
    {"T", "25a", 2, 9, 0, 0, 6, false},
    {"T", "50a", 3, 12, 0, 0, 9, false},
    {"T", "100a", 2, 5, 0, 0, 6, false},

    {"V", "1ø", 6, 14, 0, 0, 0, true, kOne},
    {"V", "5ø", 61, 2, 0, 0, 0, true, kOne, false, true},
    {"V", "10ø", 57, 12, 0, 0, 0, true, kOne, false, true},
    {"V", "15ø", 9, 5, 0, 0, 0, true, kOne},
    {"V", "20ø", 39, 9, 0, 0, 0, true, kOne, false, true},
    {"V", "24ø", 1, 6, 0, 0, 0, true, kOne},
    {"V", "1c", 3, 2, 0, 0, 0, true, kOne},
    {"V", "2c", 1, 12, 0, 0, 0, true, kOne},
    {"V", "5c", 2, 9, 0, 0, 0, true, kOne},
    {"V", "8c", 1, 6, 0, 0, 0, true, kOne},

    {"M", "2s", 3, 24, 0, 0, 0, true, kOne},
    {"M", "4s", 5, 12, 0, 0, 0, true, kOne},
    {"M", "16s", 1, 2, 0, 0, 0, true, kOne},
    {"M", "1ø", 6, 14, 0, 0, 0, true, kOne},
    {"M", "3ø", 6, 5, 5, 25, 0, true, kOne},
    {"M", "4ø", 21, 9, 0, 0, 0, true, kSeveral, false, true},
    {"M", "5ø", 16, 2, 16, 4, 0, true, kOne},
    {"M", "8ø", 14, 12, 0, 0, 0, true, kOne},
    {"M", "10ø", 13, 12, 7, 2, 0, true, kOne},
    {"M", "15ø", 2, 5, 0, 0, 0, true, kOne},
    {"M", "20ø", 5, 18, 0, 0, 0, true, kOne},
    {"M", "32ø", 4, 2, 0, 0, 0, true, kOne},

    {"I", "2s", 1, 24, 0, 0, 0, true, kOne},
    {"I", "3s", 1, 16, 0, 0, 0, true, kOne},
    {"I", "4s", 1, 12, 0, 0, 0, true, kOne},
    {"I", "8s", 1, 4, 0, 0, 0, true, kOne},
    {"I", "16s", 1, 2, 0, 0, 0, true, kOne},
    {"I", "3a", 8, 14, 0, 0, 0, true, kSeveral, false, true},
    {"I", "4a", 0, 0, 0, 0, 0, true, kOne},
    {"I", "5a", 9, 9, 0, 0, 0, true, kSeveral, false, true},
    {"I", "6a", 8, 16, 0, 0, 0, true, kOne},
    {"I", "10a", 10, 12, 0, 0, 0, true, kOne},
    {"I", "16a", 6, 4, 0, 0, 0, true, kOne},
    {"I", "20a", 8, 5, 3, 9, 0, true, kOne},
    {"I", "25a", 0, 0, 0, 0, 0, true},
    {"I", "40a", 6, 2, 2, 5, 0, true, kOne},
    {"I", "50a", 0, 0, 0, 0, 0, true},
    {"I", "100a", 0, 0, 0, 0, 0, true},

    {"J", "4s", 1, 2, 0, 0, 0, true, kOne},
    {"J", "8s", 1, 5, 0, 0, 0, true, kOne},
    {"J", "3a", 5, 14, 0, 0, 0, true, kOne},
    {"J", "4a", 2, 16, 0, 0, 0, true, kOne},
    {"J", "5a", 6, 4, 0, 0, 0, true, kOne},
    {"J", "10a", 5, 9, 0, 0, 0, true, kOne},
    {"J", "16a", 3, 12, 0, 0, 0, true, kOne},
    {"J", "20a", 5, 2, 0, 0, 0, true, kOne},
    {"J", "50a", 2, 5, 0, 0, 0, true, kOne},
};

// The rows with their values in program text, made once.
struct Row {
  const ValueRow* row;
  std::string value;  // cp865
};

const std::vector<Row>& rows() {
  static const std::vector<Row> table = [] {
    std::vector<Row> out;
    for (const ValueRow& row : kValues) out.push_back({&row, cp(row.value)});
    return out;
  }();
  return table;
}

const ValueRow* find(std::string_view edition, std::string_view value) {
  for (const Row& r : rows()) {
    if (r.row->edition == edition && r.value == value) return r.row;
  }
  return nullptr;
}

const ValueRow* findKey(std::string_view valueKey) {
  if (valueKey.empty()) return nullptr;
  return find(valueKey.substr(0, 1), valueKey.substr(1));
}

// The colour of a row at a printing; 0 when the row has none.
int colourAt(const ValueRow& row, int printing) {
  if (row.changesAt != 0 && printing >= row.changesAt) return row.laterColour;
  return row.colour;
}

}  // namespace

const std::vector<std::string>& valuesOf(std::string_view edition) {
  static const std::vector<std::pair<std::string, std::vector<std::string>>> chains = [] {
    std::vector<std::pair<std::string, std::vector<std::string>>> out;
    for (const Row& r : rows()) {
      if (!r.row->frontPage) continue;
      if (out.empty() || out.back().first != r.row->edition) {
        out.emplace_back(std::string(r.row->edition), std::vector<std::string>{});
      }
      out.back().second.push_back(r.value);
    }
    return out;
  }();
  static const std::vector<std::string> none;
  for (const auto& [letter, values] : chains) {
    if (letter == edition) return values;
  }
  return none;
}

bool isIcelandOvalValue(std::string_view value) {
  return value == "4a" || value == "25a" || value == "50a" || value == "100a";
}

bool editionHasValue(std::string_view edition, std::string_view value) {
  if (edition == "T" && isIcelandOvalValue(value)) return true;
  const std::vector<std::string>& values = valuesOf(edition);
  return std::find(values.begin(), values.end(), value) != values.end();
}

std::string normaliseValueKey(std::string_view value) {
  std::string out(value);
  for (char& c : out) {
    const auto u = static_cast<unsigned char>(c);
    // Ø, O (typed in either case: the value field is lower case) ° and *.
    if (u == 157 || c == 'O' || c == 'o' || u == 248 || c == '*') c = cp865::kOslash;
  }
  return out;
}

std::string highestPrintingOf(std::string_view edition, std::string_view value) {
  const ValueRow* row = find(edition, normaliseValueKey(value));
  return std::to_string(row != nullptr ? row->highest : 0);
}

int valueColourOf(std::string_view edition, std::string_view value, int fromPrinting) {
  if (edition == "T") return 8;
  const ValueRow* row = find(edition, normaliseValueKey(value));
  const int colour = row != nullptr ? colourAt(*row, fromPrinting) : 0;
  return colour != 0 ? colour : 8;
}

StampColours stampColoursFor(std::string_view edition, std::string_view value,
                             int printingSelector) {
  const ValueRow* row = find(edition, value);
  if (edition == "T") return row ? StampColours{row->colour, row->first} : StampColours{8, 8};
  const int colour = row != nullptr ? colourAt(*row, printingSelector) : 0;
  return {colour != 0 ? colour : 8, 0};
}

StampColours twoColourValueColours(std::string_view value) {
  return stampColoursFor("T", normaliseValueKey(value), 1);
}

ValueCheckResult checkValue(std::string_view edition, std::string_view enteredValue) {
  ValueCheckResult out;
  std::string lower(enteredValue);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    if (c == cp865::kOslashUpper) c = cp865::kOslash;
  }
  const ValueRow* row = find(edition, lower);
  const Series series = row != nullptr ? row->series : Series::None;
  if (series == Series::None) {
    out.message = kMessageValueUnknown;
    return out;
  }
  out.startingCliche = series == Series::Several ? "1.1" : "1";
  out.accepted = true;
  out.value = std::move(lower);
  return out;
}

bool isPlateCodedValue(std::string_view valueKey) {
  const ValueRow* row = findKey(valueKey);
  return row != nullptr && row->plateCoded;
}

bool hasSeriesHeading(std::string_view valueKey) {
  const ValueRow* row = findKey(valueKey);
  return row != nullptr && row->seriesHeading;
}

}  // namespace kolvard
