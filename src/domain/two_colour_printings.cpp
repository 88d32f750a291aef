#include "domain/two_colour_printings.hpp"

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/value_tables.hpp"

namespace kolvard {
namespace {

struct PrintingPair {
  std::string_view value;  // cp865
  int from;
  int to;
  std::string_view name;
};

constexpr PrintingPair kPairs[] = {
    {"4s", 2, 3, "2-3"},
    {"4\x9b", 4, 5, "4-5"},
    {"4\x9b", 96, 97, "96-97"},
    {"4\x9b", 101, 102, "101-102"},
    {"4\x9b", 112, 113, "112-113"},
    {"8\x9b", 9, 10, "9b-10"},
    {"8\x9b", 103, 104, "103-104"},
    {"50\x9b", 12, 13, "12-13"},
};

const PrintingPair* pairOf(std::string_view value, int printing) {
  for (const PrintingPair& pair : kPairs) {
    if (pair.value == value && (printing == pair.from || printing == pair.to)) return &pair;
  }
  return nullptr;
}

// The pair a printing as written belongs to: one of its printings as a plain number ("3"), or
// its block's name ("2-3"); "9a" of "8ø" is a printing of its own.
const PrintingPair* pairOfPrinting(std::string_view value, std::string_view printing) {
  const bool plainNumber =
      !printing.empty() && printing.find_first_not_of("0123456789") == std::string_view::npos;
  if (plainNumber) return pairOf(value, leadingNumber(printing));
  for (const PrintingPair& pair : kPairs) {
    if (pair.value == value && pair.name == printing) return &pair;
  }
  return nullptr;
}

}  // namespace

std::string twoColourHighestPrinting(std::string_view value) {
  return highestPrintingOf("T", value);
}

std::string_view printingPairName(std::string_view value, int printing) {
  const PrintingPair* pair = pairOf(normaliseValueKey(value), printing);
  return pair != nullptr ? pair->name : std::string_view();
}

std::string printingBlockName(std::string_view value, std::string_view printing) {
  const bool plainNumber =
      !printing.empty() && printing.find_first_not_of("0123456789") == std::string_view::npos;
  const std::string_view pair = plainNumber ? printingPairName(value, leadingNumber(printing)) : "";
  return std::string(pair.empty() ? printing : pair);
}

void adjustTwoColourRange(std::string_view value, std::string& fromPrinting,
                          std::string& toPrinting) {
  const std::string v = normaliseValueKey(value);
  if (const PrintingPair* pair = pairOfPrinting(v, fromPrinting)) {
    fromPrinting = std::to_string(pair->from);
  }
  if (const PrintingPair* pair = pairOfPrinting(v, toPrinting)) {
    toPrinting = std::to_string(pair->to);
  }
  if (v == "20\x9b" && fromPrinting == "1") fromPrinting = "1a";
}

std::string twoColourShownPrinting(std::string_view value, std::string_view printing) {
  std::string from(printing), to(printing);
  adjustTwoColourRange(value, from, to);
  return printingBlockName(value, from);
}

std::string twoColourPrintingColumn(std::string_view value, std::string_view printingName,
                                    bool secondState) {
  std::string column(value);
  if (value == "50\x9b" && printingName == "12-13") {
    column += "1213";
  } else {
    column += printingName;
  }
  if (secondState) column += '>';
  if (column.size() > 7) column.resize(7);
  return column;
}

}  // namespace kolvard
