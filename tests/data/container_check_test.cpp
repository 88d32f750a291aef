#include "data/container_check.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "support/data_builder.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using Bytes = std::vector<std::uint8_t>;

// Groups "V1" (two sections) at 0, "TI" at 6, "0A" at 12, the closing entry at 18; the name
// list of "V1" at 24.
Bytes soundFile() {
  return test::DataBuilder()
      .add("V1O", "vaaben")
      .add("V1X", "fem")
      .add("TINFOF2", "info")
      .add("0a020", "font")
      .bytes();
}

std::int32_t int32At(const Bytes& b, std::size_t at) {
  return static_cast<std::int32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
                                   (static_cast<std::uint32_t>(b[at + 3]) << 24));
}

void putInt32(Bytes& b, std::size_t at, std::int64_t v) {
  for (int i = 0; i < 4; ++i)
    b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::string allProblems(const Bytes& bytes) {
  std::string text;
  for (const ContainerProblem& p : checkContainer(DataFile(bytes))) text += p.what + "\n";
  return text;
}

TEST(ContainerCheck, SoundFileHasNoProblems) {
  EXPECT_EQ(allProblems(soundFile()), "");
}

TEST(ContainerCheck, EveryCutShortCopyIsReported) {
  const Bytes whole = soundFile();
  for (std::size_t length = 0; length < whole.size(); ++length) {
    const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_NE(allProblems(cut), "") << "cut to " << length << " bytes";
  }
}

TEST(ContainerCheck, DamagedDirectoriesAreNamed) {
  // Group entries: "V1" at 0, "TI" at 6, "0A" at 12, the blank closing entry at 18.
  const struct Case {
    const char* name;
    std::function<void(Bytes&)> damage;
    const char* expected;
  } cases[] = {
      {"name directory past the end",
       [](Bytes& b) { putInt32(b, 2, static_cast<std::int64_t>(b.size()) + 5); },
       "name directory of group V1 starts at"},
      {"negative name directory", [](Bytes& b) { putInt32(b, 8, -4); }, "outside the file"},
      {"section end past the end",
       [](Bytes& b) {
         const std::size_t names = static_cast<std::size_t>(int32At(b, 2));
         putInt32(b, names + 10 + 6, static_cast<std::int64_t>(b.size()) + 1);
       },
       "lies outside the file"},
      {"section that ends before it starts",
       [](Bytes& b) {
         const std::size_t names = static_cast<std::size_t>(int32At(b, 2));
         putInt32(b, names + 6, int32At(b, names + 16) + 1);
       },
       "ends before it starts"},
      {"two groups sharing a name list", [](Bytes& b) { putInt32(b, 8, int32At(b, 2)); },
       "is that of another group"},
      {"a name list that starts inside another",
       [](Bytes& b) { putInt32(b, 8, int32At(b, 2) + 10); }, "runs into that of another group"},
      {"group list without its closing entry",
       [](Bytes& b) {
         for (std::size_t i = 18; i < b.size(); ++i) b[i] = 'X';
       },
       "without its closing entry"},
  };
  for (const Case& c : cases) {
    Bytes bytes = soundFile();
    c.damage(bytes);
    EXPECT_NE(allProblems(bytes).find(c.expected), std::string::npos) << c.name << ":\n"
                                                                      << allProblems(bytes);
  }
}

TEST(ContainerCheck, SectionsApartFromTheDirectoryAndEachOther) {
  // Name lists: "V1" at 24 (V1O's start at 30, V1X's at 40, its end at 50), "TI" at 54
  // (TINFOF2's start at 60, its end at 70), "0A" at 74 (0A020's start at 80, its end at 90).
  // Sections: V1O 94..100, V1X 100..103, TINFOF2 103..107, 0A020 107..111.
  const struct Case {
    const char* name;
    std::vector<std::pair<std::size_t, std::int64_t>> positions;  // (field, new position)
    const char* section;   // at fault; nullptr when the file is sound
    const char* expected;  // part of the problem
  } cases[] = {
      {"start inside the group directory", {{30, 10}}, "V1O", "starts inside the group directory"},
      {"start inside a name directory",
       {{60, 58}},
       "TINFOF2",
       "starts inside the name directory of group TI and overlaps 3 more"},
      {"start inside the section before",
       {{60, 98}},
       "TINFOF2",
       "starts inside the section V1O 94..100"},
      {"a section inside another", {{80, 95}, {90, 99}}, "0A020", "starts inside the section V1O"},
      {"one section under two names", {{80, 103}, {90, 107}}, nullptr, ""},
      {"an empty section inside a directory", {{60, 60}, {70, 60}}, nullptr, ""},
      {"groups whose sections lie in another order",
       {{60, 107}, {70, 111}, {80, 103}, {90, 107}},
       nullptr,
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes bytes = soundFile();
    for (const auto& [field, position] : c.positions) putInt32(bytes, field, position);
    const auto problems = checkContainer(DataFile(bytes));
    if (c.section == nullptr) {
      EXPECT_EQ(allProblems(bytes), "");
      continue;
    }
    ASSERT_EQ(problems.size(), 1u) << allProblems(bytes);
    EXPECT_EQ(problems[0].section, c.section);
    EXPECT_NE(problems[0].what.find(c.expected), std::string::npos) << problems[0].what;
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
