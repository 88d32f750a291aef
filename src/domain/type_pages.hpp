// The type pages of an edition (section edition + "TYPER"): records in value order, each one
// page of up to six type drawings, ended by a record whose first character is "*". The
// one-coloured editions have 64-byte records; from the 17th record on, some records of edition
// "M" are side texts of a value's first page rather than pages. The two-coloured edition has
// 36-byte records (its types are the oval types of each value and the frame types of each main
// group "R2", "R4", "R5"). Texts are cp865.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kolvard {

inline constexpr std::size_t kTypePageBytes = 64;
inline constexpr std::size_t kTwoColourTypePageBytes = 36;
inline constexpr std::size_t kTypeCellsPerPage = 6;  // 3 x 2: top row left to right, then bottom
inline constexpr std::size_t kRecordsBeforeSideTexts = 16;

struct TypePage {
  std::string value;  // characters 1-4, right-trimmed ("R": the two-coloured frames)
  int page = 0;       // 0: no types registered
  int pages = 0;
  std::array<std::string, kTypeCellsPerPage> types;  // trimmed; "" for an empty cell
};

// The fields of a page record that the one- and two-coloured pages share: characters 1-36.
// `record` holds at least 36 characters.
TypePage readTypePageFields(std::string_view record);

// A side text of a value's first page: drawn from character 6 on at y = 12 × (code of
// character 4 − 61).
struct TypeSideText {
  std::string value;  // characters 1-3, right-trimmed
  double y = 0;
  std::string text;
};

// The two record forms: the one-coloured editions' 64-byte records, whose value field is
// compared as it stands, and the two-coloured edition's 36-byte records, whose value field is
// compared cut or blank-padded to 4 characters.
enum class TypeRecordForm { OneColoured, TwoColoured };

// The records of a type section before its end record. A section without an end record, or
// cut short inside a record, ends before the first record that is not whole: reading never
// goes past the section.
class TypePages {
 public:
  TypePages() = default;
  TypePages(std::span<const std::uint8_t> section, std::string_view edition,
            TypeRecordForm form = TypeRecordForm::OneColoured);

  // The records before the end, side texts included; the index of the end record.
  int endIndex() const { return static_cast<int>(records_.size()); }
  // Whether the section holds its end record (rather than just running out).
  bool ended() const { return ended_; }
  bool isPage(int index) const;
  // The page at `index`; an empty page for an index that is no page.
  const TypePage& page(int index) const;

  // The first page of `value` at or after `from`; -1 when the end comes first.
  int findValue(std::string_view value, int from = 0) const;
  // The nearest page after / before `index`; -1 when there is none.
  int nextPage(int index) const;
  int previousPage(int index) const;
  // The last page before the end record; -1 for a section without pages.
  int lastPage() const;

  // The side texts of `value`, for its first page, in record order. Only the values "2s",
  // "4s", "16s", "3ø", "4ø", "8ø" and "32ø" of edition "M" have them.
  std::vector<TypeSideText> sideTextsOf(std::string_view value) const;

 private:
  struct Record {
    bool sideText = false;
    TypePage page;
    TypeSideText side;
  };
  std::vector<Record> records_;
  std::string edition_;
  TypeRecordForm form_ = TypeRecordForm::OneColoured;
  bool ended_ = false;
};

// The last record index a type screen starts with, before it first meets an edition's end
// record: "A" 24, "C" 1, "I" 16, "J" 8, "M" 13, "P" 3, "V" 15; 0 for any other letter.
int initialLastTypeIndex(std::string_view edition);

// The label under a type drawing: "M." + the type with its hyphen written as the grave accent
// ("3-1" -> "M.3`1"); "I1"/"I1OR" read "M.1", "I2"/"I2OR" "M.2"; "IRR" and "IOR" have none.
std::string typeLabel(std::string_view type);

// The cliché record of a type: edition + value + "M" + type ("A4sM7"); the frame types of the
// value "R" are "TM" + type.
std::string typeRecordKey(std::string_view edition, std::string_view value, std::string_view type);

// `value` blank-padded or cut to 4 characters.
std::string typeValueField(std::string_view value);

// "Side 2 af 3", or "( Ingen typer er registreret )" for page 0.
std::string typePageText(int page, int pages);

}  // namespace kolvard
