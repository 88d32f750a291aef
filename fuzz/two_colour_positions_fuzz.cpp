// The two-coloured position table: a value section and the frame data. The first two bytes
// give the length of the value section (little-endian), which follows them; the rest is the
// frame data. Every printing the value section names is loaded, and some names it does not.
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "data/inverted_record.hpp"
#include "domain/two_colour_positions.hpp"
#include "fuzz_support.hpp"

namespace kolvard {
namespace {

const char* const kJunkNames[] = {"", "1", "2-3", "123456789", "        "};
const TwoColourPosition kPositions[] = {{"A27", 27},   {"B5", 105}, {"27", 27},
                                        {"B100", 200}, {"", 1},     {"1", 1}};

// The printing names of the "T" records before the end mark, right-trimmed.
std::vector<std::string> printingNames(const std::vector<std::uint8_t>& section) {
  std::vector<std::string> names;
  for (std::size_t at = 0; at + kPositionRecordSize <= section.size(); at += kPositionRecordSize) {
    const std::string r = decodeInvertedRecord(
        std::span<const std::uint8_t>(section).subspan(at, kPositionRecordSize));
    if (r[0] == '^' && (r[1] == 'F' || r[1] == 'f')) break;
    if (r[0] != 'T') continue;
    std::string name = r.substr(1, 8);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    names.push_back(std::move(name));
  }
  return names;
}

bool validLayout(SheetLayout layout) {
  return layout == SheetLayout::OnePane || layout == SheetLayout::TwoPanes ||
         layout == SheetLayout::OnePaneFromB;
}

}  // namespace
}  // namespace kolvard

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kolvard;
  fuzz::InputReader input(data, size);
  const std::size_t valueLength = input.byte() | (std::size_t{input.byte()} << 8);
  const std::vector<std::uint8_t> value = input.bytes(valueLength);
  const std::vector<std::uint8_t> frameBytes = input.rest();
  const DataFile file = fuzz::containerOf({{"T4SDAT", value}, {"TRAMDAT", frameBytes}});
  const FrameData frames(file, file.findSection("TRAMDAT"));
  FrameWalk walk(frames);

  std::vector<std::string> names = printingNames(value);
  const std::size_t found = names.size();
  names.insert(names.end(), std::begin(kJunkNames), std::end(kJunkNames));
  TwoColourPositionTable table;  // kept across loads: its decoded section must not go stale
  for (std::size_t n = 0; n < names.size(); ++n) {
    TwoColourPosition position = kPositions[n % std::size(kPositions)];
    const TwoColourPosition before = position;
    const TwoColourLoad load =
        loadPositionTable(table, file, frames, "T", "4s", names[n], position);
    FUZZ_CHECK(load.sectionFound());
    if (n < found) FUZZ_CHECK(load.printingFound);
    FUZZ_CHECK(validLayout(table.layout()));
    FUZZ_CHECK(table.frameBlock().block.size() == 8);

    TwoColourPositionTable fresh;
    fresh.load(file, frames, "T", "4s", names[n]);
    FUZZ_CHECK(fresh.ovals() == table.ovals());
    FUZZ_CHECK(fresh.frames() == table.frames());
    FUZZ_CHECK(fresh.layout() == table.layout());
    FUZZ_CHECK(walk.framesOf(table.frameBlock().block, table.layout()) == table.frames());

    if (table.layout() == SheetLayout::TwoPanes) {
      FUZZ_CHECK(position.index == before.index);
      FUZZ_CHECK(before.text.empty() || position.text.front() == 'A' ||
                 position.text.front() == 'B');
    } else {
      FUZZ_CHECK(position.index >= 1 && position.index <= 100);
      FUZZ_CHECK(position.text.empty() ||
                 (position.text.front() != 'A' && position.text.front() != 'B'));
    }
  }
  FUZZ_CHECK(table.sectionDecodes() <= 1);
  return 0;
}
