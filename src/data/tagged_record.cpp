#include "data/tagged_record.hpp"

#include <algorithm>

#include "data/data_file.hpp"

namespace kolvard {
namespace {
constexpr char kEscape = 27;
const std::string kMarkerStart{kEscape, '*'};
}  // namespace

TaggedRecord::TaggedRecord(std::string text) : text_(std::move(text)) {
  text_ += kMarkerStart;
}

TaggedRecord TaggedRecord::readAt(const DataFile& file, std::int64_t position, std::int64_t limit) {
  const auto bytes =
      file.readBytes(position, std::clamp<std::int64_t>(limit, 0, kTaggedRecordMaxBytes));
  return TaggedRecord(std::string(bytes.begin(), bytes.end()));
}

TaggedRecord TaggedRecord::readFromSection(const DataFile& file, const SectionRef& ref) {
  return readAt(file, ref.start, ref.length());
}

std::optional<std::string> TaggedRecord::field(char tag, std::size_t minimum) const {
  const std::string marker = kMarkerStart + tag;
  const auto at = text_.find(marker);
  if (at == std::string::npos) return std::nullopt;
  // A marker counts only inside the record: one that ends in the escape-"*" pair appended to
  // it (tag escape after a record ending in escape "*") would give that pair as the field.
  if (at + marker.size() > text_.size() - kMarkerStart.size()) return std::nullopt;
  const std::size_t begin = at + marker.size();
  const auto next = text_.find(kMarkerStart, begin);
  const std::string content = text_.substr(begin, next - begin);
  if (content.size() < minimum) return std::nullopt;
  return content;
}

PictureRecordParts splitPictureRecord(std::span<const std::uint8_t> section,
                                      std::size_t textLimit) {
  PictureRecordParts parts;
  const std::size_t length = std::min(section.size(), textLimit);
  parts.text.assign(section.begin(), section.begin() + static_cast<std::ptrdiff_t>(length));
  const auto at = parts.text.find(kMarkerStart + 'b');
  parts.hasPictureTag = at != std::string::npos;
  if (parts.hasPictureTag) parts.pictureStart = at + kMarkerStart.size() + 1;
  parts.fields = TaggedRecord(parts.text.substr(0, at));
  return parts;
}

}  // namespace kolvard
