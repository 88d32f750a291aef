// Type pages: any bytes give records that lie in the section, pages whose cells and values
// come from their own 64-byte record (36-byte for the two-coloured pages), and page walks
// that stay among the records.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "domain/two_colour_type_pages.hpp"
#include "domain/type_pages.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kolvard;
  fuzz::InputReader input(data, size);
  static constexpr const char* kEditions[] = {"M", "A", "I", "T"};
  const std::string edition = kEditions[input.choice(4)];
  const std::vector<std::uint8_t> bytes = input.rest();
  const fuzz::ExactBuffer section(bytes.data(), bytes.size());
  const TypePages pages({section.data(), section.size()}, edition);

  const int end = pages.endIndex();
  FUZZ_CHECK(end >= 0 && static_cast<std::size_t>(end) * kTypePageBytes <= section.size());
  const std::string_view text = section.text();
  for (int i = 0; i < end; ++i) {
    if (!pages.isPage(i)) continue;
    const TypePage& page = pages.page(i);
    const std::string_view record = text.substr(static_cast<std::size_t>(i) * kTypePageBytes, 64);
    FUZZ_CHECK(page.value.size() <= 4 && record.substr(0, page.value.size()) == page.value);
    for (std::size_t c = 0; c < kTypeCellsPerPage; ++c) {
      FUZZ_CHECK(page.types[c].size() <= 4);
      FUZZ_CHECK(record.substr(12 + 4 * c, 4).find(page.types[c]) != std::string_view::npos);
    }
    FUZZ_CHECK(pages.findValue(page.value, i) == i);
    const int next = pages.nextPage(i);
    FUZZ_CHECK(next == -1 || (next > i && next < end && pages.isPage(next)));
    const int previous = pages.previousPage(i);
    FUZZ_CHECK(previous == -1 || (previous < i && pages.isPage(previous)));
    for (const TypeSideText& side : pages.sideTextsOf(page.value)) {
      FUZZ_CHECK(side.text.size() <= kTypePageBytes);
    }
  }
  const int last = pages.lastPage();
  FUZZ_CHECK(last == -1 || (last < end && pages.isPage(last)));
  // An index that is no page gives an empty page, never a read outside the records.
  FUZZ_CHECK(pages.page(-1).types[0].empty() && pages.page(end).types[0].empty());

  const TypePages tc({section.data(), section.size()}, "T", TypeRecordForm::TwoColoured);
  const int tcEnd = tc.endIndex();
  FUZZ_CHECK(tcEnd >= 0 &&
             static_cast<std::size_t>(tcEnd) * kTwoColourTypePageBytes <= section.size());
  for (int i = 0; i < tcEnd; ++i) {
    const TypePage& page = tc.page(i);
    FUZZ_CHECK(tc.findValue(page.value, 0) <= i && tc.findValue(page.value, i) == i);
    for (const std::string& type : page.types) {
      FUZZ_CHECK(type.size() <= 4);
      FUZZ_CHECK(twoColourTypeLabel(isFrameTypePage(page.value), type).size() == type.size() + 3);
    }
  }
  FUZZ_CHECK(tc.page(tcEnd).types[0].empty());
  return 0;
}
