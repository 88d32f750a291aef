// The type pages of the two-coloured edition ("TTYPER"): 36-byte records, each one page of up
// to six oval types of a value ("4s") or frame types of a main group ("R2", "R4", "R5"), ended
// by a record whose first character is "*". Each type is a two-coloured flaw record. Texts
// are cp865.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "domain/type_pages.hpp"

namespace kolvard {

inline constexpr std::size_t kTwoColourTypePageBytes = 36;
// The last index the screen allows until it meets the end record.
inline constexpr int kTwoColourTypeLastIndex = 49;

// The pages before the end record. A section without one, or cut short inside a record, ends
// before the first record that is not whole.
class TwoColourTypePages {
 public:
  TwoColourTypePages() = default;
  explicit TwoColourTypePages(std::span<const std::uint8_t> section);

  // The index of the end record (the number of pages).
  int endIndex() const { return static_cast<int>(pages_.size()); }
  bool isPage(int index) const { return index >= 0 && index < endIndex(); }
  // The page at `index`; an empty page for an index that is no page.
  const TypePage& page(int index) const;
  // The first page at or after `from` whose value field is `value` (compared as 4 characters,
  // blank-padded); -1 when the end record comes first.
  int findValue(std::string_view value, int from) const;

 private:
  std::vector<TypePage> pages_;
};

// A page of frame types: its value field starts with "R".
bool isFrameTypePage(std::string_view value);

// The flaw record of a type: edition + value + "M" + type for an oval type ("T4sM12"),
// edition + "M" + type for a frame type ("TM2-1").
std::string twoColourTypeRecordKey(std::string_view edition, std::string_view value,
                                   std::string_view type);

// "OM." or "RM." + the type with its first hyphen written as the grave accent ("RM.2`1").
std::string twoColourTypeLabel(bool frame, std::string_view type);

// "Side 2 af 3", or "( Ingen ovaltyper er registreret )" for page 0.
std::string twoColourTypePageText(int page, int pages);

// The value field to find for an entry after "V" or "R": the entry lower-cased and made 4
// characters; one starting with "r" names a frame group ("r2" -> "R2  "), and after "R" the
// entry is the group's digit ("2" -> "R2  ").
std::string twoColourTypeQuery(std::string_view entry, bool frameKey);

// `value` blank-padded or cut to 4 characters.
std::string typeValueField(std::string_view value);

}  // namespace kolvard
