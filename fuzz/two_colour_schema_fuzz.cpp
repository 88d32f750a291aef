// The full-sheet lines of the two-coloured schemas: the value's sheet texts ("T4SDAU") for the
// oval side and the setting-keyed texts of "THELARK" for the frame side. The input is cut into
// the two sections at the length its first bytes give.
#include <cstdint>
#include <iterator>
#include <string>

#include "domain/two_colour_schema.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kolvard;
  static const char* const kPrintings[] = {"1", "2", "12", "9b-10", ""};
  static const char* const kTitles[] = {"Setting 5A (2. periode)", "Setting 12", "Rammesetting",
                                        "Setting ", "Setting 44A`10 (1."};
  fuzz::InputReader input(data, size);
  const std::string printing = kPrintings[input.choice(std::size(kPrintings))];
  const std::string title = kTitles[input.choice(std::size(kTitles))];
  const auto pane = static_cast<SchemaPane>(input.choice(3));
  const std::size_t dauLength = input.byte() * 32u;
  const auto dau = input.bytes(dauLength);
  const auto helark = input.rest();
  const DataFile file = fuzz::containerOf({{"T4SDAU", dau}, {"THELARK", helark}});

  const FullSheetLine oval = ovalFullSheetLine(file, "T", "4s", printing, pane);
  FUZZ_CHECK(oval.palette == 1 || oval.palette == 8);
  FUZZ_CHECK(oval.text.size() < 160 + 7);

  const FullSheetLine frame = frameFullSheetLine(file, file.findSection("THELARK"), title);
  if (frame.palette == 1) {
    FUZZ_CHECK(frame.text == "Helark kendes");
  } else {
    // A record's text: characters 9-36 of a whole record of the section.
    FUZZ_CHECK(frame.palette == 8 && frame.text.size() <= 28 && helark.size() >= 36);
    FUZZ_CHECK(std::string(helark.begin(), helark.end()).find(frame.text) != std::string::npos);
  }
  return 0;
}
