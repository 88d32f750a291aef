#include "data/data_file.hpp"

#include <gtest/gtest.h>

#include "data/cp865.hpp"
#include "data/inverted_record.hpp"
#include "data/tagged_record.hpp"
#include "support/data_builder.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

using test::DataBuilder;

DataFile sampleFile() {
  return DataBuilder()
      .add("V1O", "vaaben")
      .add("V5O", "fem")
      .add("O1O", "oslash")
      .add("TINFOF0", "help")
      .add("TINFOF2", "info")
      .add("0a020", "font")
      .file();
}

TEST(SectionLookup, NormalisesOslashAndCase) {
  const DataFile f = sampleFile();
  const SectionRef stored = f.findSection("V1O");
  ASSERT_TRUE(stored.found());
  EXPECT_EQ(f.findSection(cp("V1ø")).start, stored.start);
  EXPECT_EQ(f.findSection(cp("V1Ø")).start, stored.start);
  EXPECT_EQ(f.findSection(cp("v1ø")).start, stored.start);
  // Each of the two letters is replaced once: the first ø and the first Ø.
  EXPECT_EQ(normaliseSectionName(cp("Ø1ø")), "O1O     ");
  EXPECT_TRUE(f.findSection(cp("Ø1ø")).found());
  EXPECT_EQ(normaliseSectionName(cp("øø")), cp("OØ      "));
  EXPECT_EQ(f.findSection("tinfof0").start, f.findSection("TINFOF0").start);
}

TEST(SectionLookup, StatusesAndEnds) {
  const DataFile f = sampleFile();
  EXPECT_EQ(f.findSection("T").status, kSectionBlankName);
  EXPECT_EQ(f.findSection("").status, kSectionBlankName);
  EXPECT_EQ(f.findSection("TINFOF9").status, kSectionNotFound);
  EXPECT_EQ(f.findSection("XXHELARK").status, kSectionNotFound);
  const SectionRef first = f.findSection("V1O");
  EXPECT_EQ(first.length(), 6);
  // The last section of a group and of the file still has an end, from the closing entry.
  const SectionRef last = f.findSection("V5O");
  EXPECT_EQ(std::string(f.sectionBytes(last).begin(), f.sectionBytes(last).end()), "fem");
  const SectionRef font = f.findSection("0A020");
  EXPECT_EQ(font.end, f.size());
  EXPECT_EQ(font.length(), 4);
}

TEST(SectionLookup, ListsInDirectoryOrder) {
  const auto entries = sampleFile().listSections();
  ASSERT_EQ(entries.size(), 6u);
  EXPECT_EQ(entries[0].name, "V1O");
  EXPECT_EQ(entries[1].name, "V5O");
  EXPECT_EQ(entries[5].name, "0A020");
}

TEST(SectionLookup, BrokenFilesNeverReadOutside) {
  const std::vector<std::uint8_t> good = DataBuilder()
                                             .add("AINFOF1", std::string(320, 'x'))
                                             .add("P2S", "picture")
                                             .add("P4S", "picture2")
                                             .bytes();
  // Every truncation: lookups either fail or stay inside the file.
  for (std::size_t n = 0; n <= good.size(); ++n) {
    const DataFile f(std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<long>(n)));
    for (const char* name : {"AINFOF1", "P2S", "P4S", "ZZZ"}) {
      const SectionRef r = f.findSection(name);
      if (r.found()) {
        EXPECT_LE(r.start, r.end);
        EXPECT_LE(r.end, f.size());
      }
      EXPECT_LE(f.sectionBytes(r).size(), static_cast<std::size_t>(f.size()));
    }
    (void)f.listSections();
  }
  // Every byte of the directory flipped through some values.
  const std::size_t dirSize = 6 * 3 + 10 * 5;
  for (std::size_t i = 0; i < dirSize; ++i) {
    for (const int v : {0x00, 0x20, 0x7F, 0xFF}) {
      auto bad = good;
      bad[i] = static_cast<std::uint8_t>(v);
      const DataFile f(std::move(bad));
      for (const char* name : {"AINFOF1", "P2S", "P4S"}) {
        const SectionRef r = f.findSection(name);
        if (r.found()) {
          EXPECT_LE(r.end, f.size());
        }
        const auto bytes = f.sectionBytes(r);
        EXPECT_LE(bytes.size(), static_cast<std::size_t>(f.size()));
      }
      // A damaged directory may list garbage names, but only ranges inside the file.
      for (const auto& e : f.listSections()) EXPECT_LE(e.ref.end, f.size());
    }
  }
}

TEST(SectionLookup, MissingEndEntryIsNotFound) {
  // A group entry and one name entry, then the file ends: no closing entry.
  std::vector<std::uint8_t> bytes = {'P', '2', 12,  0,   0,   0,   ' ', ' ', ' ', ' ', ' ',
                                     ' ', 'S', ' ', ' ', ' ', ' ', ' ', 22,  0,   0,   0};
  EXPECT_EQ(DataFile(bytes).findSection("P2S").status, kSectionNotFound);
  // An empty file has no directory at all.
  EXPECT_EQ(DataFile(std::vector<std::uint8_t>{}).findSection("P2S").status, kSectionNotFound);
}

TEST(DataReads, ShortReadsAtTheEnd) {
  const DataFile f(std::vector<std::uint8_t>{1, 2, 3, 0xFF, 0x7F});
  EXPECT_EQ(f.readBytes(3, 10).size(), 2u);
  EXPECT_TRUE(f.readBytes(5, 1).empty());
  EXPECT_TRUE(f.readBytes(-1, 3).empty());
  EXPECT_EQ(f.readInt16(3), std::int16_t{0x7FFF});
  EXPECT_EQ(f.readInt16(0), std::int16_t{0x0201});
  EXPECT_FALSE(f.readInt16(4).has_value());
  EXPECT_EQ(f.readInt32(1), std::int32_t{0x7FFF0302});
  EXPECT_FALSE(f.readInt32(2).has_value());
}

TEST(InvertedRecords, DecodeUndoesReverseAndComplement) {
  const std::string decoded = "A27  7 17  ?";
  const std::string stored = encodeInvertedRecord(decoded);
  ASSERT_EQ(stored.size(), decoded.size());
  EXPECT_EQ(static_cast<unsigned char>(stored.back()), 255 - 'A');
  EXPECT_EQ(static_cast<unsigned char>(stored.front()), 255 - '?');
  const std::vector<std::uint8_t> bytes(stored.begin(), stored.end());
  EXPECT_EQ(decodeInvertedRecord(bytes), decoded);
  // A record cut short decodes to what is there (its last characters).
  EXPECT_EQ(decodeInvertedRecord(std::span(bytes).subspan(0, 3)), "  ?");
}

TEST(TaggedRecords, FieldsRunToTheNextMarker) {
  const std::string esc = "\x1b*";
  const TaggedRecord r("head" + esc + "d1ny kliché$" + esc + "bX" + esc + "t12" + esc + "m");
  EXPECT_EQ(r.field('d'), "1ny kliché$");
  EXPECT_EQ(r.field('t'), "12");
  EXPECT_FALSE(r.field('b').has_value());  // a field needs at least 2 characters
  EXPECT_FALSE(r.field('m').has_value());  // empty at the end of the record
  EXPECT_FALSE(r.field('v').has_value());
}

TEST(TaggedRecords, ReadFromSectionIsCappedAndClipped) {
  const std::string esc = "\x1b*";
  const std::string longText = esc + "d" + std::string(700, 'x') + esc + "tlate";
  const DataFile f = DataBuilder().add("P4S0A", longText).add("P4S0B", esc + "vab").file();
  const TaggedRecord big = TaggedRecord::readFromSection(f, f.findSection("P4S0A"));
  EXPECT_EQ(big.field('d')->size(), 680u - 3u);  // 680 bytes at most
  EXPECT_FALSE(big.field('t').has_value());
  const TaggedRecord small = TaggedRecord::readFromSection(f, f.findSection("P4S0B"));
  EXPECT_EQ(small.field('v'), "ab");
  EXPECT_FALSE(TaggedRecord::readFromSection(f, f.findSection("NONE")).field('d').has_value());
}

TEST(Cp865, RoundTripsTheProgramLetters) {
  const std::string text = cp("æøåÆØÅé·½");
  ASSERT_EQ(text.size(), 9u);
  EXPECT_EQ(static_cast<unsigned char>(text[0]), 145);
  EXPECT_EQ(static_cast<unsigned char>(text[1]), 155);
  EXPECT_EQ(static_cast<unsigned char>(text[2]), 134);
  EXPECT_EQ(static_cast<unsigned char>(text[3]), 146);
  EXPECT_EQ(static_cast<unsigned char>(text[4]), 157);
  EXPECT_EQ(static_cast<unsigned char>(text[5]), 143);
  EXPECT_EQ(static_cast<unsigned char>(text[6]), 130);
  EXPECT_EQ(static_cast<unsigned char>(text[7]), 250);
  EXPECT_EQ(cp865ToUtf8(text), "æøåÆØÅé·½");
  EXPECT_EQ(cp865ToUtf8(std::string{24, 25}), "↑↓");
  EXPECT_EQ(cp("↑↓"), (std::string{24, 25}));
  std::optional<char32_t> bad;
  EXPECT_EQ(utf8ToCp865("a€b", &bad), "a?b");
  EXPECT_EQ(bad, U'€');
  EXPECT_EQ(cp865ToUtf8(cp("╔═╗║╚╝█▄")), "╔═╗║╚╝█▄");
  // Malformed UTF-8 does not run past the text.
  EXPECT_EQ(utf8ToCp865("\xC3"), "?");
  EXPECT_EQ(utf8ToCp865("\xE2\x82"), "??");
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
