// Tagged text records: fields marked by the escape character, "*" and a tag letter. A
// field runs from just after its marker to the next escape-"*" pair or the end of the
// record, and counts as present only when it holds at least 2 characters.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kolvard {

class DataFile;
struct SectionRef;

inline constexpr int kTaggedRecordMaxBytes = 680;

class TaggedRecord {
 public:
  TaggedRecord() = default;
  explicit TaggedRecord(std::string text);

  // Reads a record from the start of a section: at most 680 bytes, or the section's
  // length if shorter, clipped to the file.
  static TaggedRecord readFromSection(const DataFile& file, const SectionRef& ref);
  static TaggedRecord readAt(const DataFile& file, std::int64_t position, std::int64_t limit);

  // The content of the first field with this tag, if present (holding at least `minimum`
  // characters).
  std::optional<std::string> field(char tag, std::size_t minimum = 2) const;
  const std::string& text() const { return text_; }

 private:
  std::string text_;  // the record with one escape-"*" pair appended
};

// A record whose text fields are followed by a picture: the picture tag ESC "*b" and the
// picture bytes, which run to the end of the section. The text part is at most `textLimit`
// bytes from the section start; the fields are taken from the text before the picture tag
// only, so that picture bytes never pass for a field.
struct PictureRecordParts {
  std::string text;     // the text part as read
  TaggedRecord fields;  // the text part up to the picture tag (all of it when there is none)
  bool hasPictureTag = false;
  std::size_t pictureStart = 0;  // offset in the section of the first byte after the tag
};
PictureRecordParts splitPictureRecord(std::span<const std::uint8_t> section, std::size_t textLimit);

}  // namespace kolvard
