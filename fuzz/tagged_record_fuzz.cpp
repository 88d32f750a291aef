// Tagged text records: every field a record gives lies inside the record, both for a record
// made from text and for one read from a data file's section.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/tagged_record.hpp"
#include "fuzz_support.hpp"

namespace kolvard {
namespace {

constexpr char kTags[] = {'d', 'b', 'm', 't', 'v', 'a', '*', '\x1b', '\0'};

// `record` was made from `source`: its fields are runs of `source` right after their
// escape-"*"-tag marker, holding no marker of their own.
void checkFields(const TaggedRecord& record, std::string_view source, char extraTag) {
  FUZZ_CHECK(record.text().size() == source.size() + 2);
  FUZZ_CHECK(std::string_view(record.text()).substr(0, source.size()) == source);
  std::vector<char> tags(std::begin(kTags), std::end(kTags));
  tags.push_back(extraTag);
  for (const char tag : tags) {
    for (std::size_t minimum = 0; minimum <= 3; ++minimum) {
      const auto field = record.field(tag, minimum);
      const std::string marker = std::string("\x1b*") + tag;
      const auto at = source.find(marker);
      if (!field) {
        // Absent: no marker, or too little after the first one.
        if (at != std::string_view::npos) {
          const auto rest = source.substr(at + 3);
          FUZZ_CHECK(rest.substr(0, rest.find("\x1b*")).size() < minimum);
        }
        continue;
      }
      FUZZ_CHECK(field->size() >= minimum);
      FUZZ_CHECK(at != std::string_view::npos);
      FUZZ_CHECK(at + 3 + field->size() <= source.size());
      FUZZ_CHECK(source.substr(at + 3, field->size()) == *field);
      FUZZ_CHECK(field->find("\x1b*") == std::string::npos);
    }
  }
}

}  // namespace
}  // namespace kolvard

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kolvard;
  fuzz::InputReader input(data, size);
  const char extraTag = static_cast<char>(input.byte());
  const std::uint8_t cut = input.byte();
  const std::vector<std::uint8_t> bytes = input.rest();
  const fuzz::ExactBuffer source(bytes.data(), bytes.size());

  checkFields(TaggedRecord(std::string(source.text())), source.text(), extraTag);

  // From a section: at most 680 bytes, and no more than the section holds. A record read
  // from a position with a limit stays inside the file too.
  const DataFile file = fuzz::containerOf({{"RECORD", bytes}});
  const SectionRef ref = file.findSection("RECORD");
  FUZZ_CHECK(ref.found());
  const std::string_view expected =
      source.text().substr(0, static_cast<std::size_t>(kTaggedRecordMaxBytes));
  checkFields(TaggedRecord::readFromSection(file, ref), expected, extraTag);
  const std::int64_t position = ref.start + cut;
  const TaggedRecord atCut = TaggedRecord::readAt(file, position, cut * 4 - 200);
  FUZZ_CHECK(static_cast<std::int64_t>(atCut.text().size()) - 2 <=
             (position < file.size() ? file.size() - position : 0));
  return 0;
}
