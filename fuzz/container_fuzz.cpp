// The data file's container: section lookup, the section list and the directory check, on
// any bytes taken as a whole data file.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "data/container_check.hpp"
#include "data/data_file.hpp"
#include "fuzz_support.hpp"

namespace kolvard {
namespace {

// A section's start and end as the directory stores them, before any clipping.
struct StoredSpan {
  std::int64_t start;
  std::int64_t end;
};

// The directory read the plain way, in the order listSections gives its entries.
std::vector<StoredSpan> storedSpans(const DataFile& file) {
  std::vector<StoredSpan> out;
  for (std::int64_t group = 0; file.readBytes(group, 6).size() == 6; group += 6) {
    const auto entry = file.readBytes(group, 6);
    bool blank = true;
    for (const auto b : entry) blank = blank && b == ' ';
    if (blank) break;
    const std::int32_t list = *file.readInt32(group + 2);
    if (list < 0) continue;
    for (std::int64_t name = list;; name += 10) {
      const auto nameEntry = file.readBytes(name, 10);
      if (nameEntry.size() < 10) break;
      bool blankName = true;
      for (std::size_t i = 0; i < 6; ++i) blankName = blankName && nameEntry[i] == ' ';
      if (blankName || file.readBytes(name + 10, 10).size() < 10) break;
      out.push_back({*file.readInt32(name + 6), *file.readInt32(name + 16)});
    }
  }
  return out;
}

void checkFound(const DataFile& file, const SectionRef& ref) {
  if (!ref.found()) return;
  FUZZ_CHECK(0 <= ref.start && ref.start <= ref.end && ref.end <= file.size());
  FUZZ_CHECK(static_cast<std::int64_t>(file.sectionBytes(ref).size()) == ref.length());
}

}  // namespace
}  // namespace kolvard

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kolvard;
  const DataFile file(std::vector<std::uint8_t>(data, data + size));

  const auto entries = file.listSections();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    FUZZ_CHECK(entries[i].ref.found());
    checkFound(file, entries[i].ref);
    // A lookup walks the directory: a few of them, or a large directory takes too long.
    if (i < 16) checkFound(file, file.findSection(entries[i].name));
  }
  for (const char* name : {"KOLVARD", "T2S", "AINFOF1", "P4SDAT", "PCSERIER", "0A200", "X"}) {
    checkFound(file, file.findSection(name));
  }
  FUZZ_CHECK(file.findSection("").status == kSectionBlankName);

  // A directory the check passes holds only sections inside the file, which the list then
  // gives as stored; one with a section outside the file never passes.
  const auto problems = checkContainer(file);
  const auto stored = storedSpans(file);
  bool allInside = true;
  for (const auto& span : stored) {
    allInside = allInside && 0 <= span.start && span.start <= span.end && span.end <= file.size();
  }
  if (!allInside) FUZZ_CHECK(!problems.empty());
  if (problems.empty()) {
    FUZZ_CHECK(stored.size() == entries.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
      FUZZ_CHECK(entries[i].ref.start == stored[i].start && entries[i].ref.end == stored[i].end);
    }
    // Sections that hold bytes share none, unless they are one section under two names.
    std::vector<StoredSpan> held;
    for (const auto& span : stored) {
      if (span.end > span.start) held.push_back(span);
    }
    std::sort(held.begin(), held.end(), [](const StoredSpan& a, const StoredSpan& b) {
      return a.start != b.start ? a.start < b.start : a.end < b.end;
    });
    for (std::size_t i = 1; i < held.size(); ++i) {
      const bool same = held[i].start == held[i - 1].start && held[i].end == held[i - 1].end;
      FUZZ_CHECK(same || held[i].start >= held[i - 1].end);
    }
  }
  for (const auto& problem : problems) {
    FUZZ_CHECK(0 <= problem.offset && problem.offset <= file.size());
    FUZZ_CHECK(!problem.what.empty());
  }
  return 0;
}
