// Composite sections on the composite-cliché screen: the input's section is composite 1 of
// series 1 (its first byte the count), its second half also composite 2, and a few keys walk
// the composites, series and sets. The input after three choice bytes (zoom, value, how many
// keys) and the key bytes.
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "domain/composite_names.hpp"
#include "fuzz_support.hpp"
#include "screen_harness.hpp"
#include "screens/composites/composite_screen.hpp"

namespace kolvard {
namespace {

struct FuzzValue {
  const char* edition;
  const char* value;  // cp865
};
// An edition of each picture layout, and the values with series or cliché types.
constexpr FuzzValue kValues[] = {
    {"A", "4s"}, {"P", "4s"}, {"C", "3c"}, {"V", "10\x9b"}, {"M", "4\x9b"}};

KeyString keyFor(std::uint8_t b) {
  constexpr int kScans[] = {scan::kLeft, scan::kRight, scan::kPgUp, scan::kPgDn,
                            scan::kHome, scan::kEnd,   scan::kUp,   scan::kDown};
  if (b % 10 == 8) return ordinaryKey('M');
  if (b % 10 == 9) return ordinaryKey('C');
  return extendedKey(kScans[b % 10]);
}

}  // namespace
}  // namespace kolvard

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kolvard;
  fuzz::InputReader input(data, size);
  const int zoom = 2 + static_cast<int>(input.choice(3));
  const FuzzValue& value = kValues[input.choice(std::size(kValues))];
  const std::vector<std::uint8_t> keys = input.bytes(input.choice(8));
  const std::vector<std::uint8_t> section = input.rest();
  const std::vector<std::uint8_t> second(section.begin() + section.size() / 2, section.end());

  const auto name = [&](char set, int n) {
    return compositeSectionName(value.edition, value.value, set, 1, n);
  };
  const DataFile file =
      fuzz::containerOf({{name('F', 1), section}, {name('F', 2), second}, {name('Q', 1), second}});
  fuzz::FuzzDisplay& display = fuzz::displayFor(&file, zoom);
  SharedState state;
  state.selection.restore(value.edition, false, value.value, {"1", "1"}, "1");
  fuzz::NoSettings settings;
  Session session{state, file, display, settings};
  CompositesState composites;
  CompositeScreen page(session, composites);
  page.enter();
  page.draw();
  const int count = section.empty() ? 0 : section[0];
  FUZZ_CHECK(composites.count == count);
  for (const std::uint8_t b : keys) {
    if (page.handleKey(keyFor(b))) break;
    page.draw();
    FUZZ_CHECK(composites.composite >= 1);
    FUZZ_CHECK(composites.composite <= std::max(1, composites.count));
  }
  return 0;
}
